// Typed equations: every notation read into its kind and coefficients, the refusals with the
// character where they were found, and the unrounded solutions checked against the equation.
#include <gtest/gtest.h>

#include <cmath>

#include "maths/elementary.h"
#include "maths/typed_equation.h"

using namespace solvers;

namespace {

TEST(TypedEquation, FormsReadToKindAndCoefficients)
{
    const long double r3 = std::sqrt(3.0L);
    const struct {
        const char* typed;
        EquationKind kind;
        int function;
        Relation relation;
        bool changed;
        long double a, b, c;
    } table[] = {
        {"2sin²x − 3sinx + 1 = 0", EquationKind::Quadratic, Sine, Relation::Equal, false, 2, -3, 1},
        {"√3 sin x − cos x > 1", EquationKind::Linear, Sine, Relation::Less, true, -r3, 1, 1},
        {"sin x = cos x", EquationKind::Linear, Sine, Relation::Equal, false, 1, -1, 0},
        {"2 sin x = 1", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 2, -1},
        {"sin²x = sin x", EquationKind::Quadratic, Sine, Relation::Equal, false, 1, -1, 0},
        {"3 sin x + 4 cos x = 5", EquationKind::Linear, Sine, Relation::Equal, false, 3, 4, -5},
        {"sin(x) + sinx + SIN X = 0,5", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 3, -0.5L},
        {"sin^2 x + sin^2(x) + (sin x)^2 + (sin(x))^2 + sin(x)^2 = 1", EquationKind::Quadratic, Sine,
         Relation::Equal, false, 5, 0, -1},
        {"2sinx + 2·sin x + 2*sin(x) + (1/2) sin x −(√3/2) sin x = 0", EquationKind::Elementary, Sine,
         Relation::Equal, false, 0, 6.5L - r3 / 2, 0},
        {"sqrt(3) tan x + sqrt3 = pi + π", EquationKind::Elementary, Tangent, Relation::Equal, false, 0, r3,
         r3 - 2 * 3.14159265358979323846L},
        {"cos x >= 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, false, 0, 1, -0.5L},
        {"cos x => 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, false, 0, 1, -0.5L},
        {"cos x ≥ 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, false, 0, 1, -0.5L},
        {"cos x <= 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, true, 0, -1, 0.5L},
        {"cos x =< 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, true, 0, -1, 0.5L},
        {"cos x ≤ 0.5", EquationKind::Elementary, Cosine, Relation::GreaterOrEqual, true, 0, -1, 0.5L},
        {"tan²x > 3", EquationKind::Quadratic, Tangent, Relation::Less, true, -1, 0, 3},
        {"tan x < 1", EquationKind::Elementary, Tangent, Relation::Less, false, 0, 1, -1},
        {"√3/2 = sin x", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 1, -r3 / 2},
        {"sen x = 1", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 1, -1},
        {"sin x = cos 90° + 1/2", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 1, -0.5L},
        {"sin 90° sin x = cos(60)", EquationKind::Elementary, Sine, Relation::Equal, false, 0, 1, -0.5L},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        const TypedEquation e = readTypedEquation(row.typed);
        ASSERT_TRUE(e.ok()) << int(e.refusal) << " at " << e.position;
        EXPECT_EQ(e.kind, row.kind);
        EXPECT_EQ(e.function, row.function);
        EXPECT_EQ(e.relation, row.relation);
        EXPECT_EQ(e.signChanged, row.changed);
        EXPECT_NEAR(double(e.coefficients[0]), double(row.a), 1e-6);
        EXPECT_NEAR(double(e.coefficients[1]), double(row.b), 1e-6);
        EXPECT_NEAR(double(e.coefficients[2]), double(row.c), 1e-6);
        // The equation as understood reads back to the same one.
        const TypedEquation again = readTypedEquation(equationText(e));
        ASSERT_TRUE(again.ok()) << equationText(e);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(double(again.coefficients[i]), double(e.coefficients[i]), 1e-9);
        // So do the expressions a window keeps.
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(double(app::EvaluateExpression(std::string_view(e.expressions[i])).value),
                        double(e.coefficients[i]), 1e-6);
    }
}

TEST(TypedEquation, RefusalsSayWhatAndWhere)
{
    const struct {
        const char* typed;
        TypedRefusal refusal;
        int position;
        int length;
    } table[] = {
        {"", TypedRefusal::Empty, 0, 1},
        {"sin x", TypedRefusal::NoRelation, 5, 1},
        {"sin x = 1 = 2", TypedRefusal::TwoRelations, 10, 1},
        {"sin x = ", TypedRefusal::EmptySide, 6, 1},
        {"(sin x = 1", TypedRefusal::UnbalancedBrackets, 0, 1},
        {"sin x) = 1", TypedRefusal::UnbalancedBrackets, 5, 1},
        {"sin 2x = 1", TypedRefusal::AngleNotX, 0, 6},
        {"sin(x + 1) = 1", TypedRefusal::AngleNotX, 0, 10},
        {"sin x + y = 1", TypedRefusal::OtherVariable, 8, 1},
        {"sin^3 x = 1", TypedRefusal::PowerNotTwo, 0, 5},
        {"sin x cos x = 0", TypedRefusal::Product, 0, 11},
        {"2x = 1", TypedRefusal::XOutsideFunction, 1, 1},
        {"2(sin x + 1) = 0", TypedRefusal::TermNotUnderstood, 0, 12},
        {"sin²x + cos x = 1", TypedRefusal::MixedFunctions, 6, 7},
        {"tan x + sin x = 0", TypedRefusal::MixedFunctions, 6, 7},
        {"2 = 1", TypedRefusal::NoFunction, 0, 5},
        {"sin x = 1/0", TypedRefusal::Coefficient, 8, 3},
        {"sin x = 1 € 2", TypedRefusal::UnknownCharacter, 10, 1},
        {"sin x = 2 3", TypedRefusal::TermNotUnderstood, 8, 3},
        {"1e-19 sin x = 0", TypedRefusal::TermNotUnderstood, 0, 3},
        {"10^-19 sin x = 10^-19", TypedRefusal::Coefficient, 0, 21},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        const TypedEquation e = readTypedEquation(row.typed);
        EXPECT_EQ(e.refusal, row.refusal);
        EXPECT_EQ(e.position, row.position);
        EXPECT_EQ(e.length, row.length);
    }
    EXPECT_EQ(readTypedEquation(std::string(MaxTypedEquationLength + 1, ' ')).refusal, TypedRefusal::TooLong);
}

TEST(TypedEquation, SolutionsHoldAndWindowAnglesAreWhole)
{
    // Every point solves the equation; every interval's inside satisfies the inequality and
    // just outside it does not.
    const char* const typed[] = {"2sin²x − 3sinx + 1 = 0", "3 sin x + 4 cos x = 5", "sin x = 0.3",
                                 "√3 sin x − cos x > 1", "cos x <= 0.5", "tan²x <= 3", "tan x < 1",
                                 "2cos²x + cos x - 1 >= 0", "sin x + cos x < 0.2", "sin x ≥ 1"};
    for (const char* t : typed) {
        SCOPED_TRACE(t);
        const TypedEquation e = readTypedEquation(t);
        const TypedSolution s = solveTyped(e);
        EXPECT_FALSE(s.all || s.none);
        for (const double p : s.points)
            EXPECT_NEAR(double(typedValue(e, p)), 0.0, 1e-12);
        for (const TypedInterval& i : s.intervals) {
            const auto holds = [&](long double x) {
                const long double v = typedValue(e, x);
                return e.relation == Relation::GreaterOrEqual ? v >= 0 : v < 0;
            };
            EXPECT_TRUE(holds((i.from + i.to) / 2));
            EXPECT_EQ(holds(i.from - 1e-6), false);
            EXPECT_EQ(holds(i.to + 1e-6), i.to + 1e-6 > i.from + s.period);
        }
    }
    int alpha = 0;
    EXPECT_TRUE(elementaryAngle(readTypedEquation("2 sin x = 1"), alpha));
    EXPECT_EQ(alpha, 30);
    EXPECT_FALSE(elementaryAngle(readTypedEquation("sin x = 0.3"), alpha));   // no whole α
    EXPECT_FALSE(elementaryAngle(readTypedEquation("sin x <= 0.5"), alpha));  // signs changed
}

}  // namespace
