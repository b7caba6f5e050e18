#include <gtest/gtest.h>

#include <cmath>

#include "graphs/function_values.h"
#include "step_texts.h"

using namespace graphs;

TEST(FunctionValues, ValueTextsAtTheStepsThatMatter)
{
    // The radius of a 1600-pixel wide window and of a small one give the same texts.
    for (int radius : {199, 40}) {
        for (const StepTexts& c : kStepTexts) {
            const Sample sample = sampleAtStep(c.step, radius);
            EXPECT_EQ(anglePanelText(c.step).toStdString(), c.angle);
            for (int f = 0; f < FunctionCount; ++f)
                EXPECT_EQ(valueText(TrigFunction(f), sample).toStdString(), c.values[f])
                    << "step " << c.step << " function " << f << " radius " << radius;
        }
    }
}

TEST(FunctionValues, AnglePanelTexts)
{
    const struct {
        int step;
        const char* text;
    } cases[] = {
        {6, "x = 14° = 0.24 rad"}, {10, "x = 22° = 0.39 rad"}, {159, "x = 358° = 6.24 rad"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(anglePanelText(c.step).toStdString(), c.text) << "step " << c.step;
}

TEST(FunctionValues, NumbersAreCutToFiveCharacters)
{
    EXPECT_EQ(cutTo(fixedTwoDecimals(-25.45L), 5), "-25.4");
    EXPECT_EQ(cutTo(fixedTwoDecimals(25.4517L), 5), "25.45");
    EXPECT_EQ(cutTo(fixedTwoDecimals(-1.0L), 5), "-1.00");
    EXPECT_EQ(cutTo(fixedTwoDecimals(123.456L), 5), "123.4");
    EXPECT_EQ(fixedTwoDecimals(-0.004L), "0.00");
    EXPECT_EQ(fixedTwoDecimals(-1e-18L), "0.00");
    EXPECT_EQ(cutTo(QStringLiteral("abc"), 5), "abc");
}

TEST(FunctionValues, UndefinedExactlyWhereThePixelDivisorIsZero)
{
    // Over the whole turn and for radii down to nothing: every value is a finite number or is
    // undefined exactly where the pixel value it divides by is zero.
    for (int radius : {0, 1, 5, 12, 13, 100, 199, 240}) {
        for (int step = 0; step <= LastStep; ++step) {
            const Sample s = sampleAtStep(step, radius);
            for (int f = 0; f < FunctionCount; ++f) {
                const TrigFunction function = TrigFunction(f);
                const std::optional<long double> value = functionValue(function, s);
                const std::optional<int> pixels = graphValue(function, s, radius);
                bool defined = true;
                if (function == TrigFunction::Tangent || function == TrigFunction::Secant)
                    defined = s.cx != 0;
                if (function == TrigFunction::Cotangent || function == TrigFunction::Cosecant)
                    defined = s.sy != 0;
                ASSERT_EQ(value.has_value(), defined) << "radius " << radius << " step " << step << " f " << f;
                ASSERT_EQ(pixels.has_value(), defined) << "radius " << radius << " step " << step << " f " << f;
                if (value)
                    ASSERT_TRUE(std::isfinite(double(*value)));
                const QString text = valueText(function, s);
                ASSERT_FALSE(text.contains(QLatin1String("nan")));
                ASSERT_EQ(text.endsWith(QLatin1String(" inf")), !defined);
            }
        }
    }
}

TEST(FunctionValues, CirclePixelsAndGraphValues)
{
    const int r = 200;
    const struct {
        int step;
        int cx, sy;
        int tangent, cotangent, secant, cosecant;  // INT32_MIN: undefined
    } cases[] = {
        {0, 200, 0, 0, INT32_MIN, 200, INT32_MIN},
        {1, 200, 8, 8, 5000, 200, 5094},            // r sy / cx = 8; r cx / sy = 5000; r / sin 2.25° = 5094.3
        {20, 141, 141, 200, 200, 283, 283},         // 45°: r / cos = 282.8
        {40, 0, 200, INT32_MIN, 0, INT32_MIN, 200},
        {60, -141, 141, -200, -200, -283, 283},     // 135°
        {80, -200, 0, 0, INT32_MIN, -200, INT32_MIN},
        {100, -141, -141, 200, 200, -283, -283},    // 225°
        {120, 0, -200, INT32_MIN, 0, INT32_MIN, -200},
    };
    auto expectPixels = [](std::optional<int> got, int want, const char* what, int step) {
        if (want == INT32_MIN)
            EXPECT_FALSE(got.has_value()) << what << " step " << step;
        else
            EXPECT_EQ(got.value_or(-99999), want) << what << " step " << step;
    };
    for (const auto& c : cases) {
        const Sample s = sampleAtStep(c.step, r);
        EXPECT_EQ(s.cx, c.cx) << "step " << c.step;
        EXPECT_EQ(s.sy, c.sy) << "step " << c.step;
        EXPECT_EQ(graphValue(TrigFunction::Sine, s, r), c.sy);
        EXPECT_EQ(graphValue(TrigFunction::Cosine, s, r), c.cx);
        expectPixels(graphValue(TrigFunction::Tangent, s, r), c.tangent, "tangent", c.step);
        expectPixels(graphValue(TrigFunction::Cotangent, s, r), c.cotangent, "cotangent", c.step);
        expectPixels(graphValue(TrigFunction::Secant, s, r), c.secant, "secant", c.step);
        expectPixels(graphValue(TrigFunction::Cosecant, s, r), c.cosecant, "cosecant", c.step);
    }
}

TEST(FunctionValues, LabelsColoursAndListIndexes)
{
    const char* labels[] = {"sen x = ", "cos x = ", "tan x = ", "cosec x = ", "sec x = ", "cotan x = "};
    const QColor colours[] = {QColor(0, 255, 0), QColor(255, 255, 0), QColor(0, 255, 255),
                              QColor(255, 0, 255), QColor(255, 0, 0),   QColor(0, 0, 255)};
    for (int i = 0; i < FunctionCount; ++i) {
        EXPECT_EQ(functionLabel(functionAt(i)).toStdString(), labels[i]);
        EXPECT_EQ(functionColour(functionAt(i)), colours[i]);
    }
    EXPECT_EQ(functionAt(-1), TrigFunction::Sine);
    EXPECT_EQ(functionAt(6), TrigFunction::Sine);
}
