// Texts of the elementary equation window, checked against worked results and against the
// mathematics for every angle the up-down can reach.
#include <gtest/gtest.h>

#include <cmath>

#include "maths/elementary.h"
#include "solvers/elementary/elementary_drawing.h"
#include "solvers/elementary/elementary_texts.h"
#include "solvers/label_reading.h"

using namespace solvers;
using namespace label_reading;

namespace {

struct EquationCase {
    int function;
    int alpha;
    const char* label1;
    const char* label2;
    const char* label8;
    const char* label5;  // null for the tangent (one family)
    const char* label9;
};

class EquationLabelsTest : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationLabelsTest, ExactTexts)
{
    const EquationCase& c = GetParam();
    const EquationLabels l = elementaryEquationLabels(solveElementary(c.function, c.alpha));
    EXPECT_EQ(l.Label1, QString::fromUtf8(c.label1));
    EXPECT_EQ(l.Label2, QString::fromUtf8(c.label2));
    EXPECT_EQ(l.Label8, QString::fromUtf8(c.label8));
    EXPECT_EQ(l.secondFamily, c.label5 != nullptr);
    if (c.label5) {
        EXPECT_EQ(l.Label5, QString::fromUtf8(c.label5));
        EXPECT_EQ(l.Label9, QString::fromUtf8(c.label9));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResultsAndEdges, EquationLabelsTest,
    ::testing::Values(
        EquationCase{Sine, 25, " sin x = 0.42262 ", " x = 25° + k 360°", "5p/36 + 2Kp", " x = 155° + k 360° ", "31p/36 + 2Kp"},
        EquationCase{Sine, 30, " sin x = 0.50000 ", " x = 30° + k 360°", "p/6 + 2Kp", " x = 150° + k 360° ", "5p/6 + 2Kp"},
        EquationCase{Sine, -30, " sin x = -0.5000 ", " x = 330° + k 360°", "11p/6 + 2Kp", " x = 210° + k 360° ",
                     "7p/6 + 2Kp"},
        EquationCase{Sine, -25, " sin x = -0.4226 ", " x = 335° + k 360°", "67p/36 + 2Kp", " x = 205° + k 360° ",
                     "41p/36 + 2Kp"},
        EquationCase{Sine, 0, " sin x = 0.00000 ", " x = k 360°", " 2Kp", " x = 180° + k 360° ", " p + 2Kp"},
        EquationCase{Sine, 90, " sin x = 1.00000 ", " x = 90° + k 360°", "p/2 + 2Kp", " x = 90° + k 360° ", "p/2 + 2Kp"},
        EquationCase{Sine, -90, " sin x = -1.0000 ", " x = 270° + k 360°", "3p/2 + 2Kp", " x = 270° + k 360° ",
                     "3p/2 + 2Kp"},
        EquationCase{Cosine, 60, " cos x = 0.50000 ", " x = 60° + k 360° ", "p/3 + 2Kp", " x = 300° + k 360° ",
                     "5p/3 + 2Kp"},
        EquationCase{Cosine, 0, " cos x = 1.00000 ", " x = k 360°", " 2Kp", " x = k 360°", " 2Kp"},
        EquationCase{Cosine, 180, " cos x = -1.0000 ", " x = 180° + k 360° ", " p + 2Kp", " x = 180° + k 360° ",
                     " p + 2Kp"},
        EquationCase{Tangent, 135, " tan x = -1.0000 ", " x = 135° + k 180° ", "3p/4 + Kp", nullptr, nullptr},
        EquationCase{Tangent, 45, " tan x = 1.00000 ", " x = 45° + k 180° ", "p/4 + Kp", nullptr, nullptr},
        EquationCase{Tangent, 90, "tan = inf", " x = 90° + k 180° ", "p/2 + Kp", nullptr, nullptr},
        EquationCase{Tangent, 180, " tan x = 0.00000 ", " x = 180° + k 180° ", "p/1 + Kp", nullptr, nullptr},
        EquationCase{Tangent, 89, " tan x = 57.2899 ", " x = 89° + k 180° ", "89p/180 + Kp", nullptr, nullptr},
        // At 0 the radian line shows the tangent's period alone.
        EquationCase{Tangent, 0, " tan x = 0.00000 ", " x = 0° + k 180° ", " Kp", nullptr, nullptr}));

TEST(EquationLabels, TangentAtOneEightyReadsAsAZeroValue)
{
    // sin 180° / cos 180° is a tiny negative number in floating point; it is written, not "nan".
    const QString label1 = elementaryEquationLabels(solveElementary(Tangent, 180)).Label1;
    EXPECT_TRUE(label1 == QStringLiteral(" tan x = -0.0000 ") || label1 == QStringLiteral(" tan x = 0.00000 "));
}

// For every angle of every range: each family in degrees solves f(x) = f(α), the two families
// are the two solutions of a turn, and the fraction of π names the same angle.
TEST(EquationLabels, EveryAngleSolvesItsEquation)
{
    for (int function : {Sine, Cosine, Tangent}) {
        const AngleRange range = equationAngleRange(function);
        for (int alpha = range.minimum; alpha <= range.maximum; ++alpha) {
            SCOPED_TRACE(testing::Message() << "function " << function << " alpha " << alpha);
            const EquationLabels l = elementaryEquationLabels(solveElementary(function, alpha));
            ASSERT_FALSE(l.Label1.contains(QLatin1String("nan")) || l.Label1.contains(QLatin1String("inf ")));
            const std::optional<int> x1 = degreeSolution(l.Label2);
            ASSERT_TRUE(x1.has_value()) << l.Label2.toStdString();
            const std::optional<int> r1 = radianBound(l.Label8);
            if (function == Tangent && alpha == 90) {
                EXPECT_EQ(l.Label1, QStringLiteral("tan = inf"));
                EXPECT_EQ(*x1, 90);
                EXPECT_EQ(r1, 90);
                continue;
            }
            EXPECT_NEAR(double(trig(function, *x1)), double(trig(function, alpha)), 1e-12);
            ASSERT_TRUE(r1.has_value()) << l.Label8.toStdString();
            EXPECT_EQ(((*r1 - *x1) % 360 + 360) % 360, 0) << l.Label8.toStdString();
            // The value in the equation is f(α), cut to seven characters.
            const QString value = l.Label1.section(QLatin1Char('='), 1).trimmed();
            EXPECT_LE(value.size(), 7);
            EXPECT_NEAR(value.toDouble(), double(trig(function, alpha)), cutTolerance(value));
            if (function == Tangent) {
                EXPECT_FALSE(l.secondFamily);
                EXPECT_TRUE(l.Label2.endsWith(QStringLiteral("° + k 180° ")));
                continue;
            }
            const std::optional<int> x2 = degreeSolution(l.Label5);
            const std::optional<int> r2 = radianBound(l.Label9);
            ASSERT_TRUE(x2 && r2) << l.Label5.toStdString() << " / " << l.Label9.toStdString();
            EXPECT_NEAR(double(trig(function, *x2)), double(trig(function, alpha)), 1e-12);
            EXPECT_EQ(((*r2 - *x2) % 360 + 360) % 360, 0);
            // Together the families are all the solutions in a turn: α and 180° - α for the sine,
            // ±α for the cosine.
            const int other = function == Sine ? 180 - alpha : -alpha;
            auto same = [](int a, int b) { return ((a - b) % 360 + 360) % 360 == 0; };
            EXPECT_TRUE((same(*x1, alpha) && same(*x2, other)) || (same(*x1, other) && same(*x2, alpha)));
            // Degrees are written in [0, 360).
            EXPECT_TRUE(*x1 >= 0 && *x1 < 360 && *x2 >= 0 && *x2 < 360);
        }
    }
}

TEST(ElementaryAngles, LevelStandsForInfinityAtNinetyDegrees)
{
    EXPECT_FLOAT_EQ(elementaryLevel(solveElementary(Tangent, 90), 700), 350.0f);
    EXPECT_FLOAT_EQ(elementaryLevel(solveElementary(Tangent, 45), 700), 1.0f);
    EXPECT_FLOAT_EQ(elementaryLevel(solveElementary(Sine, 30), 700), 0.5f);
    EXPECT_FALSE(functionValue(Tangent, 90).has_value());
    EXPECT_FALSE(functionValue(Tangent, -90).has_value());
    EXPECT_TRUE(functionValue(Tangent, 180).has_value());
}

}  // namespace
