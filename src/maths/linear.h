#pragma once
// The linear trigonometric equation a sin x + b cos x + c = 0 and the inequalities
// a sin x + b cos x + c >= 0 and < 0: the solutions by the half-angle substitution
// t = tan(x/2), which turns the equation into (c - b) t² + 2a t + (b + c) = 0, and what the two
// linear windows find.
//
// The equation does not change when a, b and c are multiplied by the same factor, so every
// decision is taken on scale-free quantities: the coefficients are divided by the largest of
// their magnitudes before solving, and the decisions look at g / (a² + b²), where
// g = a² + b² - c² is the discriminant of the half-angle quadratic divided by 4. The line
// b X + a Y + c = 0 cuts the unit circle when that ratio is positive and touches it when it is 0.
#include <array>

#include "maths/solution_set.h"

namespace solvers {

using Coefficients = std::array<long double, 3>;  // a, b, c

// The tolerance on g / (a² + b²) that absorbs rounding, and nothing more: within it the line
// touches the circle (one double solution), above it the line cuts the circle in two points.
// Coefficients in hundredths up to 90 never give a nonzero ratio below 1e-4 / 16200 ≈ 6e-9,
// while the rounding of the scale-free coefficients stays near 1e-18.
inline constexpr long double TangentTolerance = 1e-9L;

// Where the solutions are taken: x in (-π, π] (the equation window) or in [0, 2π) (the
// inequality window, whose boundary angles are ordered along one turn).
enum class AngleSpan { HalfTurnEachSide, OneTurn };

struct LinearSolution {
    long double g = 0;         // LineDiscriminant: a² + b² - c² of the coefficients as given
    long double ratio = 0;     // g / (a² + b²); meaningless when `constant`
    bool constant = false;     // a = b = 0: the left-hand side is the constant c
    bool tangent = false;      // |ratio| < TangentTolerance: one (double) solution
    // Solutions written in the labels and drawn as radii, arcs and marks: 2 when the line cuts
    // the circle, 1 when it touches it or when the two solutions round to the same whole degree
    // (they are one angle as far as the window shows), 0 when it misses it.
    int written = 0;
    int drawn = 0;
    long double x1 = 0;        // Solution1, radians
    long double x2 = 0;        // Solution2, radians (equal to x1 for a tangent)
    int deg1 = 0;              // Solution1Deg: nearest whole degrees
    int deg2 = 0;              // Solution2Deg
};

// The coefficients divided by the largest of their magnitudes (unchanged when all are 0 or one
// is not finite).
Coefficients scaleFree(const Coefficients& k);

// Solves a sin x + b cos x + c = 0.
//  - a ≠ 0 and b ≠ 0: half-angle roots t1 = (√g - a)/(c - b), t2 = (-a - √g)/(c - b),
//    x = 2 arctan t; when c = b the quadratic is of first degree, t1 = -(b + c)/(2a), and the
//    second solution is x = π. A tangent line gives the double root t = -a/(c - b) (x = π
//    when c = b).
//  - a = 0: x = ± arccos(-c/b); b = 0: x = arcsin(-c/a) and π minus it.
//  - a = b = 0: nothing to solve (`constant`).
// With OneTurn every solution is brought into [0, 2π); whole degrees of 360 count as 0.
LinearSolution solveLinear(const Coefficients& k, AngleSpan span);

// a sin x + b cos x + c at x degrees.
long double linearValue(const Coefficients& k, long double degrees);

// Cosine and sine of the whole degrees 0 ... 360, computed once.
struct WholeDegreeTrig {
    long double cos[361];
    long double sin[361];
};
const WholeDegreeTrig& wholeDegreeTrig();

// What a linear window finds: its coefficients, their scale-free form every picture takes, the
// solution and the sets it states.
struct LinearFindings {
    Coefficients k{};            // a, b, c as given
    Coefficients scaled{};       // scaleFree(k)
    long double curveScale = 0;  // S = |a| + |b| of the scaled coefficients; 0 when a = b = 0
    LinearSolution solution;
    // Where a sin x + b cos x + c = 0: the written solutions in whole degrees of one turn
    // (0 ... 359); every x or none when a = b = 0 ("sempre", "mai").
    SolutionSet solutions;
    // Where it is >= 0 and where it is < 0: two intervals sharing their bounds when the line
    // cuts the circle; the point of contact and every other x when it touches it with c < 0;
    // otherwise every x or none by the sign of c.
    SolutionSet greater;
    SolutionSet less;
};

// The findings of the equation window (solutions in (-π, π]) and of the inequality window
// (solutions in [0, 2π)).
LinearFindings solveLinearEquation(const Coefficients& k);
LinearFindings solveLinearInequality(const Coefficients& k);

}  // namespace solvers
