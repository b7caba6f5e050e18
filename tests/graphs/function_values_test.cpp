#include <gtest/gtest.h>

#include <cmath>

#include "graphs/function_texts.h"
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
