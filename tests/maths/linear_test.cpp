// The linear equation's solutions: thresholds that do not depend on the scale of the
// coefficients, and the tolerance that tells a touching line from a cutting one.
#include <gtest/gtest.h>

#include <cmath>

#include "maths/linear.h"

using namespace solvers;

namespace {

TEST(LinearSolution, DiscriminantAndThresholdsAreScaleFree)
{
    const LinearSolution start = solveLinear({1, -1.5L, 0.5L}, AngleSpan::HalfTurnEachSide);
    EXPECT_NEAR(double(start.g), 3.0, 1e-15);
    EXPECT_NEAR(double(start.ratio), 3.0 / 3.25, 1e-15);

    // The same line at every scale: the same decisions and the same angles.
    const Coefficients grid[] = {{1, -1.5L, 0.5L}, {0.6L, 0.8L, -1},     {1, 0, -0.9999L}, {1, 0, -0.99L},
                                 {0, 1, -0.5L},    {0.3L, -0.4L, 0.4999L}, {1, 0.5L, 0.5L},  {0.5L, 0.5L, 0.7L}};
    for (const Coefficients& k : grid) {
        const LinearSolution one = solveLinear(k, AngleSpan::OneTurn);
        for (long double factor : {1e-9L, 0.01L, 0.02L, 7.0L, 90.0L, 1e12L}) {
            const LinearSolution s = solveLinear({k[0] * factor, k[1] * factor, k[2] * factor}, AngleSpan::OneTurn);
            SCOPED_TRACE(::testing::Message() << double(k[2]) << " x " << double(factor));
            EXPECT_EQ(s.written, one.written);
            EXPECT_EQ(s.drawn, one.drawn);
            EXPECT_EQ(s.tangent, one.tangent);
            EXPECT_EQ(s.deg1, one.deg1);
            EXPECT_EQ(s.deg2, one.deg2);
        }
    }
}

TEST(LinearSolution, ToleranceBands)
{
    // sin x = t with t close to 1: g / (a² + b²) = 1 - t². Two solutions as soon as the ratio
    // is beyond rounding, written as one while they round to the same whole degree (90°).
    const struct {
        long double ratio;
        int written;
        bool tangent;
    } cases[] = {
        {0.5L, 2, false}, {0.0011L, 2, false}, {0.0009L, 2, false}, {0.0002L, 2, false}, {1e-6L, 1, false},
        {2e-9L, 1, false}, {5e-10L, 1, true},  {0, 1, true},         {-5e-10L, 1, true}, {-2e-9L, 0, false},
        {-3, 0, false},
    };
    for (const auto& c : cases) {
        for (long double scale : {1.0L, 0.01L, 50.0L}) {
            const long double t = std::sqrt(1 - c.ratio);
            const LinearSolution s = solveLinear({scale, 0, -t * scale}, AngleSpan::HalfTurnEachSide);
            SCOPED_TRACE(::testing::Message() << double(c.ratio) << " scale " << double(scale));
            EXPECT_EQ(s.written, c.written);
            EXPECT_EQ(s.drawn, c.written);
            EXPECT_EQ(s.tangent, c.tangent);
        }
    }
    // The tangent point is the line's nearest point to the centre, also when c = b makes the
    // half-angle divisor vanish.
    EXPECT_EQ(solveLinear({0.6L, 0.8L, -1}, AngleSpan::HalfTurnEachSide).deg1, 37);
    EXPECT_EQ(solveLinear({1e-5L, 1, 1}, AngleSpan::HalfTurnEachSide).deg1, 180);
    EXPECT_EQ(solveLinear({0.6L, 0.8L, 1}, AngleSpan::OneTurn).deg1, 217);
}

}  // namespace
