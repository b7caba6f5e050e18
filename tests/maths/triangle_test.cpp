// Triangles: random triangles solved back from every case, the SSA boundaries and the impossible
// data with their numbers.
#include <gtest/gtest.h>

#include <random>

#include "maths/angles.h"
#include "maths/triangle.h"

using namespace triangles;

namespace {

double sinDeg(double d) { return double(std::sin(radians(d))); }

Parts parts(std::initializer_list<std::pair<int, double>> list)
{
    Parts p = noParts();
    for (auto [i, v] : list)
        p[i] = v;
    return p;
}

// The laws every triangle found keeps.
void expectTriangle(const Triangle& t)
{
    const Parts& p = t.parts;
    const double a = p[SideA], b = p[SideB], c = p[SideC];
    const double scale = std::max({a, b, c});
    EXPECT_NEAR(p[AngleA] + p[AngleB] + p[AngleC], 180, 1e-9);
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(p[opposite(i)], 0);
        EXPECT_NEAR(p[i] / sinDeg(p[opposite(i)]), 2 * t.circumradius, 1e-8 * scale);
        const double y = p[(i + 1) % 3], z = p[(i + 2) % 3];
        EXPECT_NEAR(p[i] * p[i], y * y + z * z - 2 * y * z * std::cos(double(radians(p[opposite(i)]))),
                    1e-8 * scale * scale);
    }
    const double s = (a + b + c) / 2;
    EXPECT_NEAR(t.perimeter, 2 * s, 1e-12 * scale);
    const double heron = std::sqrt(s * (s - a) * (s - b) * (s - c));
    EXPECT_NEAR(t.area, heron, 1e-7 * scale * scale);
    EXPECT_NEAR(t.area, 0.5 * a * b * sinDeg(p[AngleC]), 1e-9 * scale * scale);
    EXPECT_NEAR(t.area, a * b * c / (4 * t.circumradius), 1e-9 * scale * scale);
    EXPECT_NEAR(t.area, t.inradius * s, 1e-9 * scale * scale);
}

TEST(Triangle, RandomTrianglesSolveBackFromEveryCase)
{
    std::mt19937 random(29);
    std::uniform_real_distribution<double> angle(2, 170), size(-3, 3);
    int counts[6] = {};
    for (int n = 0; n < 300; ++n) {
        Triangle original;
        Parts& o = original.parts;
        o[AngleA] = angle(random);
        o[AngleB] = std::uniform_real_distribution<double>(1, 178 - o[AngleA])(random);
        o[AngleC] = 180 - o[AngleA] - o[AngleB];
        const double diameter = std::pow(10.0, size(random));
        for (int i = 0; i < 3; ++i)
            o[i] = diameter * sinDeg(o[opposite(i)]);
        // Every three parts but the three angles.
        for (int mask = 0; mask < 64; ++mask) {
            if (__builtin_popcount(mask) != 3 || mask == 0b111000) continue;
            Parts g = noParts();
            for (int i = 0; i < PartCount; ++i)
                if (mask & (1 << i)) g[i] = o[i];
            const Solution s = solveTriangle(g);
            SCOPED_TRACE(::testing::Message() << "triangle " << n << " mask " << mask);
            ASSERT_GE(s.count, 1);
            ++counts[int(s.kind)];
            bool found = false;
            for (int k = 0; k < s.count; ++k) {
                expectTriangle(s.triangles[k]);
                bool same = true;
                for (int i = 0; i < PartCount; ++i)
                    same = same && std::fabs(s.triangles[k].parts[i] - o[i]) <= 1e-6 * (i < 3 ? diameter : 1);
                found = found || same;
            }
            EXPECT_TRUE(found);
        }
    }
    for (Case c : {Case::SSS, Case::SAS, Case::ASA, Case::AAS, Case::SSA})
        EXPECT_GT(counts[int(c)], 100);
}

TEST(Triangle, SideAngleSideBoundaries)
{
    const struct {
        double a, b, A;
        int count;
        double B;  // of the first triangle
    } cases[] = {
        {5, 10, 30, 1, 90},          // a = b sin A: one right triangle
        {5 * (1 + 1e-12), 10, 30, 1, 90},
        {4.99, 10, 30, 0, 0},        // shorter than the height
        {7, 10, 30, 2, 45.584691403}, // between the height and b: two
        {10, 10, 30, 1, 30},         // a = b: one (isosceles)
        {12, 10, 30, 1, 24.624318352},
        {10, 10, 100, 0, 0},         // obtuse A with a <= b: none
        {9, 10, 120, 0, 0},
        {10, 10, 90, 0, 0},
        {11, 10, 100, 1, 63.544388713},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << " " << c.b << " " << c.A);
        const Solution s = solveTriangle(parts({{SideA, c.a}, {SideB, c.b}, {AngleA, c.A}}));
        EXPECT_EQ(s.kind, Case::SSA);
        EXPECT_FALSE(s.impossible());
        ASSERT_EQ(s.count, c.count);
        if (c.count > 0) {
            EXPECT_NEAR(s.triangles[0].parts[AngleB], c.B, 1e-8);
        }
        if (c.count == 2) {
            EXPECT_NEAR(s.triangles[1].parts[AngleB], 180 - c.B, 1e-8);
        }
        if (c.count == 0) {
            EXPECT_EQ(s.problem.kind, c.A >= 90 ? Problem::NotLongestOpposite : Problem::ShorterThanHeight);
        }
    }
}

TEST(Triangle, ImpossibleDataAndTheirNumbers)
{
    const struct {
        Parts given;
        Problem kind;
        int part, other, third;
        double value, bound;
    } cases[] = {
        {parts({{SideA, 3}, {SideB, 4}}), Problem::TooFewParts, -1, -1, -1, 0, 0},
        {parts({{SideA, 3}, {SideB, -4}, {SideC, 5}}), Problem::NotPositive, SideB, -1, -1, -4, 0},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, 0}}), Problem::NotPositive, AngleC, -1, -1, 0, 0},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, HUGE_VAL}}), Problem::NotFinite, AngleC, -1, -1, 0, 0},
        {parts({{SideA, 3}, {AngleB, 100}, {AngleC, 80}}), Problem::AnglesTooLarge, AngleB, AngleC, -1, 180, 0},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, 200}}), Problem::AnglesTooLarge, AngleC, -1, -1, 200, 0},
        {parts({{AngleA, 30}, {AngleB, 60}, {AngleC, 90}}), Problem::AnglesOnly, -1, -1, -1, 0, 0},
        {parts({{SideA, 3}, {SideB, 9}, {SideC, 5}}), Problem::TriangleInequality, SideB, SideA, SideC, 9, 8},
        {parts({{SideA, 3}, {SideB, 5}, {SideC, 8}}), Problem::TriangleInequality, SideC, SideA, SideB, 8, 8},
        {parts({{SideA, 3}, {SideB, 4}, {SideC, 5}, {AngleC, 89}}), Problem::Disagree, AngleC, -1, -1, 89, 90},
        {parts({{SideA, 1}, {AngleA, 30}, {AngleB, 60}, {AngleC, 80}}), Problem::Disagree, AngleA, -1, -1, 30, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.kind) << " " << c.part);
        const Solution s = solveTriangle(c.given);
        EXPECT_TRUE(s.impossible());
        EXPECT_EQ(s.count, 0);
        EXPECT_EQ(s.problem.kind, c.kind);
        EXPECT_EQ(s.problem.part, c.part);
        EXPECT_EQ(s.problem.other, c.other);
        EXPECT_EQ(s.problem.third, c.third);
        EXPECT_NEAR(s.problem.value, c.value, 1e-9);
        EXPECT_NEAR(s.problem.bound, c.bound, 1e-9);
        EXPECT_TRUE(triangleSteps(s).empty());
    }
    // More than three that agree are accepted, and a fourth part picks one of two triangles.
    EXPECT_EQ(solveTriangle(parts({{SideA, 3}, {SideB, 4}, {SideC, 5}, {AngleC, 90}})).count, 1);
    const Solution picked = solveTriangle(parts({{SideA, 7}, {SideB, 10}, {AngleA, 30}, {AngleB, 180 - 45.584691403}}));
    ASSERT_EQ(picked.count, 1);
    EXPECT_GT(picked.triangles[0].parts[AngleB], 90);
}

}  // namespace
