// The quadratic inequalities' sets: every text of the worked examples and edge cases, the
// boundary roots at exactly -1 and 1, double roots, linear and constant expressions, what the
// picture colours, and a sweep over coefficients checking that the written intervals hold
// exactly where the expression is >= 0 (and < 0).
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>

#include "common/test_support.h"
#include "solvers/quadratic_coefficient_grid.h"
#include "solvers/label_reading.h"
#include "solvers/quadratic/quadratic_texts.h"

using namespace solvers;

namespace {

struct Sets {
    const char* Label2;
    const char* Label5;
    const char* Label14;
    const char* Label4;
    const char* Label12;
    const char* Label16;
};

void expectSets(int function, long double a, long double b, long double c, const Sets& s)
{
    const QuadraticInequalityTexts r = quadraticInequalityTexts(solveQuadraticInequality(function, a, b, c));
    const std::string where =
        std::to_string(function) + ": " + std::to_string(double(a)) + ", " + std::to_string(double(b)) + ", " +
        std::to_string(double(c));
    EXPECT_EQ(r.Label2.toStdString(), s.Label2) << where;
    EXPECT_EQ(r.Label5.toStdString(), s.Label5) << where;
    EXPECT_EQ(r.Label14.toStdString(), s.Label14) << where;
    EXPECT_EQ(r.Label4.toStdString(), s.Label4) << where;
    EXPECT_EQ(r.Label12.toStdString(), s.Label12) << where;
    EXPECT_EQ(r.Label16.toStdString(), s.Label16) << where;
}

class QuadraticInequalitySets : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

TEST_F(QuadraticInequalitySets, TheInequalities)
{
    EXPECT_EQ(greaterInequalityText(Sine), "a (sin x)^2 + b sin x + c >= 0");
    EXPECT_EQ(lessInequalityText(Sine), "a (sin x)^2 + b sin x + c < 0");
    EXPECT_EQ(greaterInequalityText(Cosine), "a (cos x)^2 + b cos x + c >= 0");
    EXPECT_EQ(lessInequalityText(Tangent), "a (tan x)^2 + b tan x + c < 0");
}

TEST_F(QuadraticInequalitySets, WorkedExamples)
{
    // The default inequality: roots 0.5 and 1.
    expectSets(Sine, 1, -1.5L, 0.5L,
               {"sin x <= 0.50   U   sin x = 1.00", "90° + k 360°  <= x <= 90° + k 360° ",
                "-210° + k 360°  <= x <= 30° + k 360° ", "0.50  < sin x < 1.00", "30° + k 360°  < x < 90° + k 360° ",
                "90° + k 360°  < x < 150° + k 360° "});
    expectSets(Tangent, 1, 0, -1,
               {"tan x <= -1.00  U  tan x >= 1.00", "45° + k 180°  <= x <= 135° + k 180° ", "",
                "-1.00  < tan x <  1.00", "-45° + k 180°  < x < 45° + k 180° ", ""});
    expectSets(Tangent, -1, 0, 1,
               {"-1.00  <= tan x <=  1.00", "-45° + k 180°  <= x <= 45° + k 180° ", "",
                "tan x < -1.00  U  tan x > 1.00", "45° + k 180°  < x < 135° + k 180° ", ""});
    expectSets(Cosine, -1, 0, 0.25L,
               {"-0.50  <= cos x <= 0.50", "60° + k 360° <= x <= 120° + k 360°", "240° + k 360° <= x <= 300° + k 360°",
                "cos x < -0.50   U   cos x > 0.50", "-60° + k 360° < x < 60° + k 360°",
                "120° + k 360° < x < 240° + k 360°"});
    expectSets(Cosine, 1, 0, -0.25L,
               {"cos x <= -0.50   U   cos x >= 0.50", "-60° + k 360° <= x <= 60° + k 360°",
                "120° + k 360° <= x <= 240° + k 360°", "-0.50  < cos x < 0.50", "60° + k 360° < x < 120° + k 360°",
                "240° + k 360° < x < 300° + k 360°"});
}

TEST_F(QuadraticInequalitySets, WholeSets)
{
    const Sets all{"R", "", "", "Ø", "", ""};
    const Sets none{"Ø", "", "", "R", "", ""};
    for (int function : {Sine, Cosine, Tangent}) {
        expectSets(function, 1, 0, 1, all);     // D < 0, a > 0
        expectSets(function, -1, 0, -1, none);  // D < 0, a < 0
        expectSets(function, 0, 0, 0, all);
        expectSets(function, 0, 0, 2, all);
        expectSets(function, 0, 0, -2, none);
        expectSets(function, 1, -1, 0.25L, all);  // (t - 0.5)² >= 0 everywhere
    }
    for (int function : {Sine, Cosine}) {
        expectSets(function, 1, -5, 6, all);    // roots 2 and 3
        expectSets(function, -1, 5, -6, none);
        expectSets(function, 1, 0, -4, none);   // roots -2 and 2
        expectSets(function, -1, 0, 4, all);
        expectSets(function, -1, 0, 1, all);    // -(t² - 1) >= 0 on [-1, 1]
        expectSets(function, 0, 1, -3, none);   // t >= 3
        expectSets(function, 0, 1, 3, all);     // t >= -3
    }
}

TEST_F(QuadraticInequalitySets, RootAtMinusOneIsABoundaryOfTheGreaterSet)
{
    // 0.3 (t + 1)(t - 0.1): the smaller root is -1 (a hair off in floating point).
    expectSets(Sine, 0.3L, 0.27L, -0.03L,
               {"sin x = -1.00   U   sin x >= 0.10", "6° + k 360°  <= x <= 174° + k 360° ",
                "-90° + k 360°  <= x <= -90° + k 360° ", "-1.00  < sin x < 0.10", "-90° + k 360°  < x < 6° + k 360° ",
                "174° + k 360°  < x < 270° + k 360° "});
    expectSets(Cosine, 0.3L, 0.27L, -0.03L,
               {"cos x = -1.00   U   cos x >= 0.10", "-84° + k 360° <= x <= 84° + k 360°",
                "180° + k 360° <= x <= 180° + k 360°", "-1.00  < cos x < 0.10", "84° + k 360° < x < 180° + k 360°",
                "180° + k 360° < x < 276° + k 360°"});
    // The same with the larger root at 1 and the smaller beyond -1.
    expectSets(Sine, 0.42L, -0.97L, 0.55L,
               {"sin x <= 1.00", "-270° + k 360°  <= x <= 90° + k 360° ", "", "Ø", "", ""});
    expectSets(Sine, 1, 1, -2,  // roots -2 and 1
               {"sin x = 1.00", "90° + k 360°  <= x <= 90° + k 360° ", "", "sin x < 1.00",
                "-270° + k 360°  < x < 90° + k 360° ", ""});
}

TEST_F(QuadraticInequalitySets, NegativeLeadingCoefficientWithARootAtPlusOrMinusOne)
{
    // -(t + 1)(t - 0.5): >= 0 for t <= 0.5.
    expectSets(Sine, -1, -0.5L, 0.5L,
               {"sin x <= 0.50", "-210° + k 360°  <= x <= 30° + k 360° ", "", "sin x > 0.50",
                "30° + k 360°  < x < 150° + k 360° ", ""});
    // -(t - 1)(t - 0.5): >= 0 for t >= 0.5.
    expectSets(Sine, -1, 1.5L, -0.5L,
               {"sin x >= 0.50", "30° + k 360°  <= x <= 150° + k 360° ", "", "sin x < 0.50",
                "-210° + k 360°  < x < 30° + k 360° ", ""});
    // -(t + 1)(t + 2): >= 0 only at t = -1.
    expectSets(Sine, -1, -3, -2,
               {"sin x = -1.00", "-90° + k 360°  <= x <= -90° + k 360° ", "", "sin x > -1.00",
                "-90° + k 360°  < x < 270° + k 360° ", ""});
    // -(t - 1)(t - 2): >= 0 only at t = 1.
    expectSets(Cosine, -1, 3, -2,
               {"cos x = 1.00", "0° + k 360°  <= x <= 0° + k 360° ", "", "cos x < 1.00",
                "0° + k 360°  < x < 360° + k 360° ", ""});
    expectSets(Cosine, -1, -0.5L, 0.5L,
               {"cos x <= 0.50", "60° + k 360° <= x <= 300° + k 360°", "", "cos x > 0.50",
                "-60° + k 360° < x < 60° + k 360°", ""});
}

TEST_F(QuadraticInequalitySets, DoubleRootWithANegativeLeadingCoefficient)
{
    // -(t - 0.5)² >= 0 only where sin x = 0.5.
    expectSets(Sine, -1, 1, -0.25L,
               {"sin x = 0.50", "30° + k 360°  <= x <= 30° + k 360° ", "150° + k 360°  <= x <= 150° + k 360° ",
                "sin x < 0.50   U   sin x > 0.50", "30° + k 360°  < x < 150° + k 360° ",
                "-210° + k 360°  < x < 30° + k 360° "});
    expectSets(Tangent, -1, 1, -0.25L,
               {"tan x = 0.50", "27° + k 180°  <= x <= 27° + k 180° ", "", "tan x < 0.50  U  tan x > 0.50",
                "27° + k 180°  < x < 207° + k 180° ", ""});
    expectSets(Sine, -1, -4, -4, {"Ø", "", "", "R", "", ""});  // -(t + 2)²
}

TEST_F(QuadraticInequalitySets, LinearExpressions)
{
    expectSets(Sine, 0, 2, -1,
               {"sin x >= 0.50", "30° + k 360°  <= x <= 150° + k 360° ", "", "sin x < 0.50",
                "-210° + k 360°  < x < 30° + k 360° ", ""});
    expectSets(Sine, 0, -2, 1,
               {"sin x <= 0.50", "-210° + k 360°  <= x <= 30° + k 360° ", "", "sin x > 0.50",
                "30° + k 360°  < x < 150° + k 360° ", ""});
    expectSets(Cosine, 0, 2, -1,
               {"cos x >= 0.50", "-60° + k 360° <= x <= 60° + k 360°", "", "cos x < 0.50",
                "60° + k 360° < x < 300° + k 360°", ""});
    expectSets(Cosine, 0, -1, -1,  // t <= -1
               {"cos x = -1.00", "180° + k 360°  <= x <= 180° + k 360° ", "", "cos x > -1.00",
                "-180° + k 360°  < x < 180° + k 360° ", ""});
    expectSets(Tangent, 0, 1, -1,
               {"tan x  >=  1.00", "45° + k 180°  <= x <= 90° + k 180° ", "", "tan x  <  1.00",
                "-90° + k 180°  < x < 45° + k 180° ", ""});
    expectSets(Tangent, 0, -1, 1,
               {"tan x  <=  1.00", "-90° + k 180°  <= x <= 45° + k 180° ", "", "tan x  >  1.00",
                "45° + k 180°  < x < 90° + k 180° ", ""});
}

TEST_F(QuadraticInequalitySets, WhatThePictureColours)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const struct {
        int function;
        long double a, b, c;
        bool outerGreater, hasInner;
        long double low, high;
        std::vector<long double> radii;
    } cases[] = {
        {Sine, 1, -1.5L, 0.5L, true, true, 0.5L, 1, {1, 0.5L}},
        {Sine, -1, 0, 0.25L, false, true, -0.5L, 0.5L, {0.5L, -0.5L}},
        {Sine, 1, -3, 2, true, true, 1, 2, {1}},  // the root 2 has no radius
        {Tangent, 1, -3, 2, true, true, 1, 2, {2, 1}},
        {Sine, 1, 0, 1, true, false, 0, 0, {}},
        {Sine, -1, 0, -1, false, false, 0, 0, {}},
        {Sine, 0, 2, -1, true, true, -inf, 0.5L, {0.5L}},
        {Sine, 0, -2, 1, true, true, 0.5L, inf, {0.5L}},
        {Cosine, 0, 0, -1, true, true, -inf, inf, {}},
        {Cosine, 0, 0, 1, true, false, 0, 0, {}},
        {Sine, -1, 1, -0.25L, false, true, 0.5L, 0.5L, {0.5L}},
        {Sine, 1, -1, 0.25L, true, false, 0, 0, {0.5L}},
    };
    for (const auto& c : cases) {
        const QuadraticInequalityFindings r = solveQuadraticInequality(c.function, c.a, c.b, c.c);
        const std::string where = std::to_string(double(c.a)) + " " + std::to_string(double(c.b)) + " " +
                                  std::to_string(double(c.c));
        EXPECT_EQ(r.outerGreater, c.outerGreater) << where;
        EXPECT_EQ(r.hasInner, c.hasInner) << where;
        if (c.hasInner) {
            EXPECT_EQ(r.innerLow, c.low) << where;
            EXPECT_EQ(r.innerHigh, c.high) << where;
        }
        EXPECT_EQ(r.radii, c.radii) << where;
    }
}

// ---- Sweep ----------------------------------------------------------------------------------------

struct Bounds {
    int low, high, period;
};

std::optional<Bounds> interval(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<label_reading::Interval> i = label_reading::degreeInterval(text);
    if (!i)
        return std::nullopt;
    return Bounds{i->low, i->high, text.contains(QStringLiteral("k 180")) ? 180 : 360};
}

bool inside(const Bounds& b, int x)
{
    for (int k = -4; k <= 4; ++k)
        if (b.low + k * b.period <= x && x <= b.high + k * b.period)
            return true;
    return false;
}

bool nearBound(const Bounds& b, int x)
{
    for (int k = -4; k <= 4; ++k)
        if (std::abs(x - (b.low + k * b.period)) <= 1 || std::abs(x - (b.high + k * b.period)) <= 1)
            return true;
    return false;
}

TEST_F(QuadraticInequalitySets, SweepTheIntervalsHoldExactlyWhereTheSetsDo)
{
    std::vector<std::array<int, 3>> grid = coefficient_grid::hundredths(777, 600);
    // Roots at exactly -1 or 1 in hundredths: a (t ∓ 1)(t - r).
    for (int a : {-50, 30, 100})
        for (int r = -150; r <= 150; r += 10)
            for (int s : {-1, 1})
                grid.push_back({a, a * (-s * 100 - r) / 100, a * s * r / 100});

    const QString all = QStringLiteral("R"), none = QStringLiteral("Ø");
    for (int function : {Sine, Cosine, Tangent}) {
        for (const auto& [ia, ib, ic] : grid) {
            const long double a = ia / 100.0L, b = ib / 100.0L, c = ic / 100.0L;
            const QuadraticInequalityTexts r = quadraticInequalityTexts(solveQuadraticInequality(function, a, b, c));
            const std::string where = std::to_string(function) + ": " + std::to_string(ia) + " " +
                                      std::to_string(ib) + " " + std::to_string(ic);
            std::vector<Bounds> greater, less;
            for (const QString* text : {&r.Label5, &r.Label14})
                if (const auto b = interval(*text))
                    greater.push_back(*b);
                else
                    ASSERT_TRUE(text->isEmpty()) << where << " " << text->toStdString();
            for (const QString* text : {&r.Label12, &r.Label16})
                if (const auto b = interval(*text))
                    less.push_back(*b);
                else
                    ASSERT_TRUE(text->isEmpty()) << where << " " << text->toStdString();
            // A set is R, Ø, or written with intervals.
            EXPECT_EQ(greater.empty(), r.Label2 == all || r.Label2 == none) << where;
            EXPECT_EQ(less.empty(), r.Label4 == all || r.Label4 == none) << where;

            for (int x = -360; x <= 360; ++x) {
                if (function == Tangent && (x + 90 + 360) % 180 <= 1 || function == Tangent && (x + 90 + 360) % 180 >= 179)
                    continue;  // the asymptotes
                bool near = false;
                for (const Bounds& bound : greater)
                    near = near || nearBound(bound, x);
                for (const Bounds& bound : less)
                    near = near || nearBound(bound, x);
                if (near)
                    continue;
                const long double t = label_reading::trig(function, x);
                const long double value = a * t * t + b * t + c;
                if (std::fabs(value) < 1e-9L)
                    continue;
                const bool holds = value >= 0;
                bool inGreater = r.Label2 == all, inLess = r.Label4 == all;
                for (const Bounds& bound : greater)
                    inGreater = inGreater || inside(bound, x);
                for (const Bounds& bound : less)
                    inLess = inLess || inside(bound, x);
                ASSERT_EQ(inGreater, holds) << where << " x = " << x << " " << r.Label2.toStdString();
                ASSERT_EQ(inLess, !holds) << where << " x = " << x << " " << r.Label4.toStdString();
            }
        }
    }
}

}  // namespace
