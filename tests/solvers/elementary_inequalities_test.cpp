// Texts and label visibility of the elementary inequality window, checked against worked
// results, the edge cases, and the mathematics for every angle of every range.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "texts/text_tables.h"
#include "maths/elementary.h"
#include "solvers/elementary/elementary_texts.h"
#include "solvers/label_reading.h"

using namespace solvers;
using namespace label_reading;

namespace {

QString text(const InequalityLabels& l, int n)
{
    return l.text[std::size_t(n)].value_or(QStringLiteral("<unchanged>"));
}

struct TextCase {
    int function;
    int alpha;
    std::map<int, const char*> texts;
};

class InequalityTextsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(InequalityTextsTest, ExactTexts)
{
    const TextCase& c = GetParam();
    const InequalityLabels l = elementaryInequalityLabels(solveElementary(c.function, c.alpha));
    for (const auto& [n, expected] : c.texts)
        EXPECT_EQ(text(l, n), QString::fromUtf8(expected)) << "Label" << n;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedResultsAndEdges, InequalityTextsTest,
    ::testing::Values(
        TextCase{Sine, 30,
                 {{1, " sin x > = 0.50000 "},
                  {2, " 30° + k 360° <= x <= 150° + k 360° "},
                  {6, " p/6 + 2Kp"},
                  {7, " <= x <= "},
                  {8, "5p/6 + 2Kp"},
                  {3, " sin x < 0.50000 "},
                  {4, " 150° + k 360° <= x <= k 360°"},
                  {9, " 5p/6 + 2Kp"},
                  {11, " 2Kp"},
                  {5, " k 360° <= x <= 30° + k 360° "},
                  {12, " 2Kp"},
                  {13, " <= x <= "},
                  {14, "p/6 + 2Kp"}}},
        TextCase{Sine, -30,
                 {{1, " sin x > = -0.5000 "},
                  {2, " -30° + k 360° <= x <= 210° + k 360° "},
                  {6, " -p/6 + 2Kp"},
                  {8, "7p/6 + 2Kp"},
                  {4, " 210° + k 360° <= x <= 330° + k 360°"},
                  {9, " 7p/6 + 2Kp"},
                  {11, " 11p/6 + 2Kp"},
                  {14, "-p/6 + 2Kp"}}},
        TextCase{Sine, 0,
                 {{2, "k 360° <= x <= 180° + k 360°"},
                  {4, "180° + k 360° <= x <= 360° + k 360°"},
                  {6, "2Kp "},
                  {8, "p + 2Kp"},
                  {9, " p + 2Kp"},
                  {11, " 2p + 2Kp"}}},
        TextCase{Sine, 90,
                 {{1, " sin x > = 1.00000 "},
                  {2, " 90° + k 360°"},
                  {6, "p/2 + 2 Kp        "},
                  {4, " <> 90° + k 360°"},
                  {9, " <> p/2 + 2Kp    "}}},
        TextCase{Sine, -90, {{1, " sin x > = -1.0000 "}, {3, " sin x < -1.0000 "}, {2, " R"}, {4, " Ø"}}},
        TextCase{Cosine, 60,
                 {{1, " cos x > = 0.50000 "},
                  {3, " cos x < 0.50000 "},
                  {2, " -60° + k 360° <= x <= 60° + k 360° "},
                  {6, " -p/3 + 2Kp"},
                  {8, "p/3 + 2Kp"},
                  {4, " 60° + k 360° <= x <= 300° + k 360° "},
                  {9, " p/3 + 2Kp"},
                  {10, " <= x <= "},
                  {11, "5p/3 + 2Kp"}}},
        TextCase{Cosine, 0,
                 {{2, " k 360°"},
                  {6, "2Kp           "},
                  {4, " k 360° < x < 360° + k 360°"},
                  {9, "2Kp"},
                  {11, "2p + 2Kp"},
                  {5, "<unchanged>"}}},
        TextCase{Cosine, 180, {{1, " cos x > = -1.0000 "}, {2, " R"}, {4, " Ø"}}},
        TextCase{Tangent, -45,
                 {{1, " tan x > = -1.0000 "},
                  {3, " tan x < -1.0000 "},
                  {2, "-45° + k 180° <= x <= 90° + k 180° "},
                  {6, "-p/4 + Kp"},
                  {7, " <= x <= "},
                  {8, "p/2 + K p"},
                  {5, "- 90° + k 180° <= x <= -45° + k 180° "},
                  {9, "-p/2  + K p"},
                  {10, " <= x <= "},
                  {11, " -p/4 + Kp"},
                  {4, "<unchanged>"}}},
        TextCase{Tangent, 0, {{6, "K p"}, {11, "K p"}, {2, "0° + k 180° <= x <= 90° + k 180° "}}},
        TextCase{Tangent, 60, {{6, "p/3 + Kp"}, {11, "p/3 + Kp"}, {1, " tan x > = 1.73205 "}}}));

// Which of Label4 ... Label14 show, per function and angle ("1" shown, "0" hidden).
struct VisibilityCase {
    int function;
    int alpha;
    const char* label4to14;
};

class InequalityVisibilityTest : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(InequalityVisibilityTest, ShownLabels)
{
    const VisibilityCase& c = GetParam();
    const InequalityLabels l = elementaryInequalityLabels(solveElementary(c.function, c.alpha));
    QString shown;
    for (int n = 4; n <= 14; ++n)
        shown += l.visible[std::size_t(n)] ? QLatin1Char('1') : QLatin1Char('0');
    EXPECT_EQ(shown, QString::fromLatin1(c.label4to14));
    EXPECT_TRUE(l.visible[1] && l.visible[2] && l.visible[3]);
}

INSTANTIATE_TEST_SUITE_P(Table, InequalityVisibilityTest,
                         //                                            4 5 6 7 8 9 1011121314
                         ::testing::Values(VisibilityCase{Sine, -90, "10000000000"},
                                           VisibilityCase{Sine, -89, "10111111000"},
                                           VisibilityCase{Sine, 0, "10111111000"},
                                           VisibilityCase{Sine, 1, "11111111111"},
                                           VisibilityCase{Sine, 89, "11111111111"},
                                           VisibilityCase{Sine, 90, "10100100000"},
                                           VisibilityCase{Cosine, 0, "10100111000"},
                                           VisibilityCase{Cosine, 1, "10111111000"},
                                           VisibilityCase{Cosine, 179, "10111111000"},
                                           VisibilityCase{Cosine, 180, "10000000000"},
                                           VisibilityCase{Tangent, -89, "01111111000"},
                                           VisibilityCase{Tangent, 0, "01111111000"},
                                           VisibilityCase{Tangent, 89, "01111111000"}));

TEST(InequalityTexts, WholeLineAndEmptySetComeFromTheTextTable)
{
    const InequalityLabels l = elementaryInequalityLabels(solveElementary(Sine, -90));
    EXPECT_EQ(text(l, 2), QStringLiteral(" ") + app::commonText(app::Common::AllReals));
    EXPECT_EQ(text(l, 4), QStringLiteral(" ") + app::commonText(app::Common::EmptySet));
}

// An interval as the window writes it, in degrees; "k 360°" as an upper bound below the lower
// bound stands for the next multiple of the period.
struct Piece {
    long double low;
    long double high;
};

Piece piece(const QString& degrees, int period)
{
    const std::optional<Interval> i = degreeInterval(degrees);
    EXPECT_TRUE(i.has_value()) << degrees.toStdString();
    if (!i)
        return {0, 0};
    long double high = i->high;
    if (high < i->low)
        high += period;
    return {static_cast<long double>(i->low), high};
}

// The radian bounds name the same angles as the degree bounds (up to whole periods).
void expectSameBounds(const InequalityLabels& l, int degreeLabel, int lowLabel, int highLabel, int period)
{
    const std::optional<Interval> i = degreeInterval(text(l, degreeLabel));
    const std::optional<int> low = radianBound(text(l, lowLabel));
    const std::optional<int> high = radianBound(text(l, highLabel));
    ASSERT_TRUE(i && low && high) << text(l, degreeLabel).toStdString() << " | " << text(l, lowLabel).toStdString()
                                  << " | " << text(l, highLabel).toStdString();
    EXPECT_EQ(((*low - i->low) % period + period) % period, 0) << text(l, lowLabel).toStdString();
    EXPECT_EQ(((*high - i->high) % period + period) % period, 0) << text(l, highLabel).toStdString();
}

// For every angle of every range: the bounds of f(x) >= a solve f(x) = a (or are the tangent's
// asymptote), f >= a inside that interval and f < a inside the other pieces, and the pieces
// together fill one period.
TEST(InequalityTexts, EveryAngleBoundsItsSolutionSets)
{
    for (int function : {Sine, Cosine, Tangent}) {
        const AngleRange range = inequalityAngleRange(function);
        const int period = function == Tangent ? 180 : 360;
        for (int alpha = range.minimum; alpha <= range.maximum; ++alpha) {
            SCOPED_TRACE(testing::Message() << "function " << function << " alpha " << alpha);
            const InequalityLabels l = elementaryInequalityLabels(solveElementary(function, alpha));
            const long double a = trig(function, alpha);
            const bool lowest = (function == Sine && alpha == -90) || (function == Cosine && alpha == 180);
            const bool highest = (function == Sine && alpha == 90) || (function == Cosine && alpha == 0);
            if (lowest) {
                EXPECT_EQ(text(l, 2), QStringLiteral(" R"));
                EXPECT_EQ(text(l, 4), QStringLiteral(" Ø"));
                continue;
            }
            if (highest) {
                // f(x) >= a holds only where f is at its top: one angle a turn.
                const int top = function == Sine ? 90 : 0;
                const QString only = text(l, 2);
                EXPECT_TRUE(only.contains(QString::number(top) + QStringLiteral("° + k 360°")) ||
                            only == QStringLiteral(" k 360°"));
                continue;
            }

            std::vector<Piece> below;
            const Piece above = piece(text(l, 2), period);
            if (function == Tangent) {
                below.push_back(piece(text(l, 5), period));
                EXPECT_EQ(above.high, 90);
                expectSameBounds(l, 2, 6, 8, period);
                expectSameBounds(l, 5, 9, 11, period);
            } else {
                below.push_back(piece(text(l, 4), period));
                expectSameBounds(l, 2, 6, 8, period);
                expectSameBounds(l, 4, 9, 11, period);
                if (function == Sine && alpha > 0) {
                    below.push_back(piece(text(l, 5), period));
                    expectSameBounds(l, 5, 12, 14, period);
                }
                EXPECT_NEAR(double(trig(function, above.high)), double(a), 1e-12);
            }
            EXPECT_NEAR(double(trig(function, above.low)), double(a), 1e-12);

            long double length = above.high - above.low;
            for (long double x = above.low + 0.25L; x < above.high; x += 0.5L)
                ASSERT_GE(trig(function, x), a - 1e-15L) << double(x);
            for (const Piece& p : below) {
                length += p.high - p.low;
                for (long double x = p.low + 0.25L; x < p.high; x += 0.5L)
                    ASSERT_LT(trig(function, x), a) << double(x);
            }
            EXPECT_EQ(length, period);
            // Values are written cut to seven characters.
            const QString value = text(l, 1).section(QLatin1Char('='), 1).trimmed();
            EXPECT_LE(value.size(), 7);
            EXPECT_NEAR(value.toDouble(), double(a), cutTolerance(value));
        }
    }
}

}  // namespace
