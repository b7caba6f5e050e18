// The exercises against the solvers: across every pool of every kind and level, the solver's set
// is exactly the one the exercise was made for, and agrees with the sign of its left-hand side;
// the pools' sizes, the sheets that take each exercise once, and the share of sets with no end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "maths/elementary.h"
#include "maths/evaluator.h"
#include "practice/exercise.h"
#include "practice/practice_texts.h"
#include "practice/worksheet.h"

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
    // Twenty exercises spread over every pool of every kind and level.
    for (const Pool& pool : poolsOf({}))
        for (int step = 0; step < 20; ++step) {
            const Exercise e = exerciseOf(pool, step * poolSize(pool) / 20);
            const bool inequality = pool.relation != Relation::Equal;
            const int level = pool.level;
            SCOPED_TRACE(e.text().toStdString() + " index " + std::to_string(step * poolSize(pool) / 20));
            ASSERT_EQ(e.isInequality(), inequality);
            ASSERT_EQ(e.level, level);
            const int period = e.period();
            const SolutionSet answer = solverAnswer(e);
            const bool endless = answer.kind == SolutionSet::Kind::AllReals || answer.kind == SolutionSet::Kind::Empty;
            ASSERT_EQ(endless, pool.emptyOrWhole);
            ASSERT_TRUE(endless || !e.zeros.empty());
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
                ASSERT_EQ(answer.kind, endless ? SolutionSet::Kind::Empty : SolutionSet::Kind::Points);
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
                EXPECT_TRUE(endless || contains(found, d)) << d;
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
    // A point alone among intervals is written in braces.
    Exercise sine{Family::Quadratic, Relation::GreaterOrEqual, solvers::Sine, 1, 0, {Number::whole(1), Number::whole(-2), Number::whole(0)}};
    Exercise tangent{Family::Quadratic, Relation::GreaterOrEqual, solvers::Tangent, 3, 0, {Number::whole(1), Number{0, -1, 1, U::Tan, 1}, Number::whole(0)}};
    EXPECT_EQ(answerText(solverAnswer(sine), 360, false), QStringLiteral("{0°} ∪ [180°, 360°)"));
    EXPECT_EQ(answerText(solverAnswer(sine), 360, true), QStringLiteral("{0} ∪ [π, 2π)"));
    EXPECT_EQ(answerText(solverAnswer(tangent), 180, false), QStringLiteral("{0°} ∪ [1°, 90°) ∪ (90°, 180°)"));
}

namespace {

// The 42 requests with every choice made (the linear exercises take no function).
std::vector<Request> everyRequest()
{
    std::vector<Request> requests;
    for (Family family : {Family::Elementary, Family::Quadratic, Family::Linear})
        for (bool inequality : {false, true})
            for (int function = 0; function < (family == Family::Linear ? 1 : 3); ++function)
                for (int level = 1; level <= 3; ++level)
                    requests.push_back({family, inequality, function, level});
    return requests;
}

}  // namespace

TEST(Exercises, EveryRequestHasTwelveDistinctExercisesAndSheetsTakeEachOnceFirst)
{
    long long total = 0;
    for (const Request& request : everyRequest()) {
        std::set<QString> texts;
        for (const Pool& pool : poolsOf(request))
            for (int i = 0; i < poolSize(pool); ++i)
                texts.insert(exerciseOf(pool, i).text());
        const long long distinct = distinctExercises(request);
        SCOPED_TRACE(texts.begin()->toStdString());
        EXPECT_EQ(static_cast<long long>(texts.size()), distinct);
        EXPECT_GE(distinct, 12);
        total += distinct;
        for (std::uint32_t seed : {1u, 77u}) {
            const Exercise e = makeExercise(request, seed);
            EXPECT_TRUE(texts.count(e.text()));
            EXPECT_EQ(e.text(), makeExercise(request, seed).text());
            const WorksheetSettings settings{request, MaxWorksheetExercises, seed};
            std::vector<QString> sheet;
            for (const Exercise& x : worksheetExercises(settings))
                sheet.push_back(x.text());
            ASSERT_EQ(sheet.size(), std::size_t(MaxWorksheetExercises));
            const std::size_t once = std::size_t(std::min<long long>(distinct, MaxWorksheetExercises));
            EXPECT_EQ(std::set<QString>(sheet.begin(), sheet.begin() + std::ptrdiff_t(once)).size(), once);
            EXPECT_EQ(std::set<QString>(sheet.begin(), sheet.end()).size(), once);
            EXPECT_EQ(worksheetExercises(settings)[5].text(), sheet[5]);
        }
    }
    EXPECT_EQ(distinctExercises({}), total);
    EXPECT_EQ(fewExercisesNote({Family::Elementary, false, solvers::Tangent, 1}, 13),
              QStringLiteral("These choices have only 12 different exercises: the sheet repeats some of them."));
    EXPECT_EQ(fewExercisesNote({Family::Elementary, false, solvers::Tangent, 1}, 12), QString());
}

TEST(Exercises, AboutOneInTenAtLevelsTwoAndThreeHoldsForEveryXOrNone)
{
    for (int level = 1; level <= 3; ++level) {
        int endless = 0;
        int drawn = 0;
        for (const Request& request : everyRequest())
            if (request.level == level)
                for (std::uint32_t seed = 0; seed < 300; ++seed, ++drawn) {
                    const SolutionSet set = solverAnswer(makeExercise(request, seed * 2654435761u));
                    endless += set.kind == SolutionSet::Kind::AllReals || set.kind == SolutionSet::Kind::Empty;
                }
        const double share = double(endless) / drawn;
        if (level == 1)
            EXPECT_EQ(endless, 0);
        else
            EXPECT_TRUE(share > 0.08 && share < 0.12) << "level " << level << ": " << share;
    }
}
