// The roots the quadratic windows share: kinds and values, exact ±1 in hundredths, double roots
// up to rounding, and huge coefficients.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "maths/angles.h"
#include "maths/quadratic.h"

using namespace solvers;

namespace {

TEST(QuadraticRoots, KindsAndValues)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const struct {
        long double a, b, c;
        RootKind kind;
        long double t1, t2;
    } cases[] = {
        {1, -1.5L, 0.5L, RootKind::Two, 1, 0.5L},
        {-1, 1.5L, -0.5L, RootKind::Two, 0.5L, 1},  // t1 < t2 when a < 0
        {1, 0, 1, RootKind::None, 0, 0},
        {1, -1, 0.25L, RootKind::Double, 0.5L, 0.5L},
        {0, 2, -1, RootKind::Linear, 0.5L, 0.5L},
        {0, 0, 0, RootKind::Degenerate, 0, 0},
        {0, 0, 3, RootKind::Degenerate, 0, 0},
        {inf, 1, 1, RootKind::None, 0, 0},  // not a number to solve with
    };
    for (const auto& c : cases) {
        const QuadraticRoots r = solveQuadratic(c.a, c.b, c.c);
        EXPECT_EQ(r.kind, c.kind) << double(c.a) << " " << double(c.b) << " " << double(c.c);
        EXPECT_EQ(r.t1, c.t1) << double(c.a) << " " << double(c.b) << " " << double(c.c);
        EXPECT_EQ(r.t2, c.t2) << double(c.a) << " " << double(c.b) << " " << double(c.c);
    }
}

TEST(QuadraticRoots, RootsAtPlusOrMinusOneInHundredthsAreExact)
{
    // Exact in real numbers, a hair off in floating point.
    const struct {
        int a, b, c;  // hundredths
        long double exact;
    } cases[] = {{42, 97, 55, -1}, {30, 27, -3, -1}, {42, -97, 55, 1}, {-7, 3, 4, 1}, {13, 13, 0, -1}, {0, 37, -37, 1}};
    for (const auto& c : cases) {
        const QuadraticRoots r = solveQuadratic(c.a / 100.0L, c.b / 100.0L, c.c / 100.0L);
        EXPECT_TRUE(r.t1 == c.exact || r.t2 == c.exact) << c.a << " " << c.b << " " << c.c;
        EXPECT_TRUE(rootInRange(Sine, c.exact));
    }
    EXPECT_EQ(principalAngle(Sine, -1), -Pi / 2);
    EXPECT_EQ(principalAngle(Cosine, -1.0000000001L), Pi);  // held within [-1, 1]
}

TEST(QuadraticRoots, ADiscriminantZeroUpToRoundingIsADoubleRoot)
{
    // (t + 0.1)², (0.3t - 0.7)², (t - 0.3)² in hundredths.
    for (const auto& [a, b, c] : {std::array<int, 3>{100, 20, 1}, {9, -42, 49}, {100, -60, 9}}) {
        const QuadraticRoots r = solveQuadratic(a / 100.0L, b / 100.0L, c / 100.0L);
        EXPECT_EQ(r.kind, RootKind::Double) << a << " " << b << " " << c;
    }
}

TEST(QuadraticRoots, HugeCoefficientsGiveFiniteRoots)
{
    const QuadraticRoots r = solveQuadratic(1e-4000L, 1e4000L, 1);
    EXPECT_TRUE(r.hasRoot());
    EXPECT_TRUE(std::isfinite(r.t1) && std::isfinite(r.t2));
    const QuadraticRoots big = solveQuadratic(1e3000L, -3e3000L, 2e3000L);
    EXPECT_NEAR(double(big.t1), 2, 1e-15);
    EXPECT_EQ(big.t2, 1);
}

}  // namespace
