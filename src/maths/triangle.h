#pragma once
// Solving a triangle from any three of its sides a, b, c and angles A, B, C (A opposite a, and so
// on; angles in degrees): the case (SSS, SAS, ASA, AAS, SSA), the 0, 1 or 2 triangles with their
// area, perimeter, circumradius and inradius, and, when there is none, what is wrong with the
// data as a finding with its numbers. More than three parts are accepted when they agree.
// The worked steps are made from a solution on demand (triangleSteps), so solving stays cheap.
#include <array>
#include <cmath>
#include <string_view>

#include "maths/steps.h"

namespace triangles {

// The six parts by index: the sides, then the angle opposite each side (angle i + 3 faces side i).
enum Part { SideA, SideB, SideC, AngleA, AngleB, AngleC, PartCount };
inline constexpr std::array<std::string_view, PartCount> PartNames{"a", "b", "c", "A", "B", "C"};
inline bool isSide(int part) { return part >= SideA && part <= SideC; }
inline bool isAngle(int part) { return part >= AngleA && part <= AngleC; }
inline int opposite(int part) { return isSide(part) ? part + 3 : part - 3; }

// The parts given: NaN for a part not given.
using Parts = std::array<double, PartCount>;
inline Parts noParts()
{
    Parts p;
    p.fill(std::nan(""));
    return p;
}
inline bool given(double value) { return !std::isnan(value); }

// How close two values must be to count as equal: relative to the larger. It decides the SSA
// boundaries (a = b sin A, a = b) and whether parts beyond three agree with the triangle.
inline constexpr double Agreement = 1e-9;
// Parts beyond three are typed and rounded by people: they agree within this relative margin.
inline constexpr double ExtraPartAgreement = 1e-6;

enum class Case { None, SSS, SAS, ASA, AAS, SSA };

// What stops a triangle, with its numbers (the fields each kind fills are listed).
enum class Problem {
    None,
    TooFewParts,         // count: how many parts were given (< 3)
    NotFinite,           // part
    NotPositive,         // part, value (≤ 0)
    AnglesTooLarge,      // part (and other, or -1 for one angle alone), value: their sum (≥ 180)
    AnglesOnly,          // three angles and no side: the shape without a size
    TriangleInequality,  // part: the long side, value: its length, bound: the sum of the two others
                         // (other, third: their parts), excess = value − bound (≥ 0)
    ShorterThanHeight,   // SSA: part x, other: the angle X facing it, third: the other side y;
                         // value: x, bound: the height y sin X (value < bound)
    NotLongestOpposite,  // SSA with X ≥ 90°: part x, other X, third y; value x, bound y (x ≤ y)
    Disagree,            // part: a part beyond three, value: as given, bound: as the others make it
};

struct Finding {
    Problem kind = Problem::None;
    int part = -1;
    int other = -1;
    int third = -1;
    int count = 0;
    double value = 0;
    double bound = 0;
    double excess = 0;
};

struct Triangle {
    Parts parts{};  // all six, angles in degrees
    double area = 0;
    double perimeter = 0;
    double circumradius = 0;
    double inradius = 0;
};

struct Solution {
    Case kind = Case::None;
    Parts given = noParts();
    // The three parts solved from, in the order of the case: SSS a, b, c; SAS side, the angle
    // between, side; ASA angle, the side between, angle; AAS the angle not facing the side, the
    // angle facing it, the side; SSA the side x, the angle X facing it, the other side y.
    std::array<int, 3> used{-1, -1, -1};
    int count = 0;  // triangles found: 0, 1 or 2
    std::array<Triangle, 2> triangles{};
    Finding problem;  // Problem::None when count > 0

    // No triangle because of the data themselves (exit 1 on the command line); an SSA with no
    // triangle is an answer, not impossible data.
    bool impossible() const
    {
        return problem.kind != Problem::None && problem.kind != Problem::ShorterThanHeight &&
               problem.kind != Problem::NotLongestOpposite;
    }
};

Solution solveTriangle(const Parts& given);

// The worked steps of a solution (empty when the data are impossible):
//   "triangle.ssa.compare"        x, X, y, h = y sin X; then one of the keys
//   "triangle.ssa.none_short" (x < h), "triangle.ssa.none_obtuse" (X ≥ 90°, x ≤ y),
//   "triangle.ssa.right" (x = h), "triangle.ssa.two" (h < x < y), "triangle.ssa.one" (x ≥ y),
//   each with the values x, h, y;
//   "triangle.first", "triangle.second": the steps of each of two triangles as substeps;
//   "triangle.angle_sum"          X, Y, Z = 180° − X − Y (the known angles, then the result);
//   "triangle.cosines_side"       y, z, X, x: x² = y² + z² − 2yz cos X;
//   "triangle.cosines_angle"      y, z, x, X: cos X = (y² + z² − x²) / (2yz);
//   "triangle.sines_side"         x, X, Y, y: y = x sin Y / sin X;
//   "triangle.sines_angle"        y, X, x, Y: sin Y = y sin X / x (Y the acute angle);
//   "triangle.supplement"         Y, Y' = 180° − Y (the other triangle's angle; both named Y);
//   "triangle.area"               y, z, X, S: S = ½ yz sin X;
//   "triangle.perimeter"          a, b, c, p;  "triangle.circumradius" a, b, c, S, R: R = abc / (4S);
//   "triangle.inradius"           S, s (half the perimeter), r = S / s.
// Values are named by the parts (a … C) and by "h", "S", "p", "s", "R", "r", and listed in the
// order above, which the texts follow.
solvers::WorkedSolution triangleSteps(const Solution& solution);

}  // namespace triangles
