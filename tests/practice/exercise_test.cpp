// The exercises against the solvers: over many seeds of every kind and level, the solver's set
// is exactly the one the exercise was made for, and agrees with the sign of its left-hand side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "maths/evaluator.h"
#include "practice/exercise.h"

using namespace practice;

namespace {

// The whole degrees where a set begins or ends.
std::vector<int> ends(const SolutionSet& set, int period)
{
    const std::vector<bool> s = sampled(set, period);
    const int n = 2 * period;
    std::vector<int> r;
    for (int d = 0; d < period; ++d)
        if (s[std::size_t((2 * d - 1 + n) % n)] != s[std::size_t(2 * d + 1)] || s[std::size_t(2 * d)] != s[std::size_t(2 * d + 1)])
            r.push_back(d);
    return r;
}

bool contains(const std::vector<int>& v, int d)
{
    return std::find(v.begin(), v.end(), d) != v.end();
}

}  // namespace

TEST(Exercises, SolverFindsTheIntendedWholeDegreeAnswers)
{
    for (Family family : {Family::Elementary, Family::Quadratic, Family::Linear})
        for (bool inequality : {false, true})
            for (int function = 0; function < 3; ++function)
                for (int level = 1; level <= 3; ++level)
                    for (std::uint32_t seed = 0; seed < 60; ++seed) {
                        const Exercise e = makeExercise({family, inequality, function, level}, seed * 7919u + 11u);
                        SCOPED_TRACE(e.text().toStdString() + " seed " + std::to_string(e.seed));
                        ASSERT_EQ(e.isInequality(), inequality);
                        ASSERT_EQ(e.level, level);
                        const int period = e.period();
                        const SolutionSet answer = solverAnswer(e);
                        ASSERT_FALSE(e.zeros.empty());
                        for (const Number& k : e.coefficients) {
                            // What "Show me" and the coefficient dialog would type gives the value.
                            const QString x = k.expression();
                            const app::Evaluation v = app::EvaluateExpression(std::u16string_view(reinterpret_cast<const char16_t*>(x.utf16()), std::size_t(x.size())));
                            ASSERT_TRUE(v.ok) << x.toStdString();
                            EXPECT_NEAR(double(v.value), double(k.value()), 1e-6 * std::max(1.0, std::fabs(double(v.value)))) << x.toStdString();
                            if (level == 1)
                                EXPECT_TRUE(k.q == 0 && k.d == 1) << "level 1 has whole coefficients";
                            if (level == 2)
                                EXPECT_TRUE(k.q == 0 || k.unit == Number::Unit::Root2 || k.unit == Number::Unit::Root3);
                        }
                        if (!inequality) {
                            ASSERT_EQ(answer.kind, SolutionSet::Kind::Points);
                            std::vector<int> points;
                            for (int p : answer.points)
                                points.push_back(((p % period) + period) % period);
                            std::sort(points.begin(), points.end());
                            EXPECT_EQ(points, e.zeros);
                            continue;
                        }
                        // Every end is an intended zero, or the tangent's missing value at 90°.
                        const std::vector<int> found = ends(answer, period);
                        for (int d : e.zeros)
                            EXPECT_TRUE(contains(found, d)) << d;
                        for (int d : found)
                            EXPECT_TRUE(contains(e.zeros, d) || (period == 180 && d == 90)) << d;
                        // The set holds where the left-hand side has the sign asked for.
                        const bool greater = e.relation == Relation::GreaterOrEqual;
                        for (int i = 0; i < 2 * period; ++i) {
                            const long double x = i / 2.0L;
                            const long double v = e.leftSide(x);
                            if (std::isnan(v)) {
                                EXPECT_FALSE(answer.contains(x)) << x;
                                continue;
                            }
                            const bool zero = i % 2 == 0 && contains(e.zeros, i / 2);
                            if (!zero)
                                ASSERT_GT(std::fabs(double(v)), 1e-9) << "a zero that was not intended at " << double(x);
                            EXPECT_EQ(answer.contains(x), zero ? greater : (greater ? v > 0 : v < 0)) << double(x);
                        }
                    }
}

TEST(Exercises, TextsWriteTheCoefficientsAsTheProgramDoes)
{
    using U = Number::Unit;
    struct Row {
        Family family;
        Relation relation;
        int function;
        std::array<Number, 3> k;
        const char* text;
    };
    const Number cos25{0, -2, 1, U::Cos, 25};
    const std::vector<Row> rows = {
        {Family::Quadratic, Relation::Equal, 0, {Number::whole(2), Number::whole(-3), Number::whole(1)}, "2 (sin x)^2 − 3 sin x + 1 = 0"},
        {Family::Elementary, Relation::GreaterOrEqual, 2, {Number{0, 1, 1, U::Root3, 0}, Number::whole(-1), Number::whole(0)}, "√3 tan x − 1 ≥ 0"},
        {Family::Quadratic, Relation::Less, 1, {Number::whole(4), Number{-2, -2, 1, U::Root2, 0}, Number{0, 1, 1, U::Root2, 0}},
         "4 (cos x)^2 − (2 + 2√2) cos x + √2 < 0"},
        {Family::Quadratic, Relation::Equal, 0, {Number::whole(-1), Number{1, -2, 1, U::Sin, 20}, Number::whole(0)},
         "−(sin x)^2 + (1 − 2 sin 20°) sin x = 0"},
        {Family::Linear, Relation::Equal, 0, {Number::whole(1), Number{0, -1, 1, U::Root3, 0}, cos25}, "sin x − √3 cos x − 2 cos 25° = 0"},
    };
    for (const Row& row : rows) {
        Exercise e;
        e.family = row.family;
        e.relation = row.relation;
        e.function = row.function;
        e.coefficients = row.k;
        EXPECT_EQ(e.text(), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(Number::fraction(-3, 6).text(), QStringLiteral("−1/2"));
    EXPECT_EQ((Number{0, 1, 2, U::Root3, 0}).expression(), QStringLiteral("(SQRT(3))/2"));
    EXPECT_EQ(answerText(SolutionSet::within({{150, 390, false, true}}, 360), 360, false), QStringLiteral("[0°, 30°] ∪ (150°, 360°)"));
    EXPECT_EQ(answerText(SolutionSet::atPoints({-30, 210}, 360), 360, true), QStringLiteral("7π/6, 11π/6"));
}
