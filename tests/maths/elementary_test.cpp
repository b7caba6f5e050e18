// The elementary windows' mathematics: the ranges of α, the solutions marked on the graph and
// the sets the windows state.
#include <gtest/gtest.h>

#include <cmath>

#include "maths/angles.h"
#include "maths/elementary.h"

using namespace solvers;

namespace {

long double trig(int function, long double degrees)
{
    const long double x = radians(degrees);
    switch (function) {
    case Sine: return std::sin(x);
    case Cosine: return std::cos(x);
    default: return std::tan(x);
    }
}

TEST(ElementaryAngles, RangesPerWindowAndFunction)
{
    EXPECT_EQ(equationAngleRange(Sine).minimum, -90);
    EXPECT_EQ(equationAngleRange(Sine).maximum, 90);
    EXPECT_EQ(equationAngleRange(Cosine).minimum, 0);
    EXPECT_EQ(equationAngleRange(Cosine).maximum, 180);
    EXPECT_EQ(equationAngleRange(Tangent).minimum, 0);
    EXPECT_EQ(equationAngleRange(Tangent).maximum, 180);
    EXPECT_EQ(inequalityAngleRange(Tangent).minimum, -89);
    EXPECT_EQ(inequalityAngleRange(Tangent).maximum, 89);
    EXPECT_EQ(inequalityAngleRange(Cosine).maximum, 180);
}

// Every marked abscissa solves f(x) = f(α) and lies on the graph's span [-2.5π, 2.5π].
TEST(ElementaryAngles, MarkedAbscissasAreSolutionsOnTheGraph)
{
    for (int function : {Sine, Cosine, Tangent}) {
        const AngleRange range = equationAngleRange(function);
        for (int alpha = range.minimum; alpha <= range.maximum; ++alpha) {
            const std::vector<long double> xs = elementaryAbscissas(function, alpha);
            const std::size_t expected = function == Sine      ? 5
                                         : function == Cosine  ? (alpha < 90 ? 6 : 4)
                                         : alpha == 90         ? 4
                                                               : 5;
            EXPECT_EQ(xs.size(), expected) << function << " " << alpha;
            for (long double x : xs) {
                EXPECT_LE(std::fabs(double(x)), 2.5 * double(Pi) + 1e-9) << function << " " << alpha;
                if (function == Tangent && alpha == 90)
                    EXPECT_NEAR(std::cos(double(x)), 0.0, 1e-12);
                else
                    EXPECT_NEAR(double(trig(function, x * 180 / Pi)), double(trig(function, alpha)), 1e-9);
            }
        }
    }
}

// The sets each window states hold exactly where f(x) = a, f(x) >= a and f(x) < a, away from
// the boundary angles where rounding decides.
TEST(ElementarySets, HoldWhereTheFunctionSays)
{
    for (int function : {Sine, Cosine, Tangent}) {
        for (const AngleRange range : {equationAngleRange(function), inequalityAngleRange(function)}) {
            for (int alpha = range.minimum; alpha <= range.maximum; ++alpha) {
                const ElementaryFindings f = solveElementary(function, alpha);
                SCOPED_TRACE(testing::Message() << "function " << function << " alpha " << alpha);
                for (int p : f.solutions.points)
                    EXPECT_NEAR(double(trig(function, p)), double(trig(function, alpha)), 1e-9) << p;
                if (!f.value)
                    continue;
                for (long double x = -359.5L; x < 360; x += 1) {
                    const long double v = trig(function, x);
                    if (std::fabs(v - *f.value) < 1e-9L || (function == Tangent && std::fabs(std::cos(radians(x))) < 1e-9L))
                        continue;
                    ASSERT_EQ(f.greater.contains(x), v >= *f.value) << x;
                    ASSERT_EQ(f.less.contains(x), v < *f.value) << x;
                }
            }
        }
    }
    // The largest value of f: >= holds at one point, < everywhere else.
    const ElementaryFindings top = solveElementary(Sine, 90);
    EXPECT_TRUE(top.greater.contains(90) && top.greater.contains(450));
    EXPECT_FALSE(top.less.contains(90));
    EXPECT_TRUE(top.less.contains(91) && top.less.contains(89));
}

}  // namespace
