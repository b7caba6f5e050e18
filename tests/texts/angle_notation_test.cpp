// Angle notation of the solver windows: fractions of π with their period, value and degree texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "texts/angle_notation.h"

using namespace solvers;

namespace {

struct PiCase {
    int n;
    Period period;
    const char* text;
};

class PiFractionTextTest : public ::testing::TestWithParam<PiCase> {};

TEST_P(PiFractionTextTest, WritesTheReducedFractionAndPeriod)
{
    const PiCase& c = GetParam();
    EXPECT_EQ(PiFractionText(c.n, c.period), QString::fromUtf8(c.text)) << c.n;
}

INSTANTIATE_TEST_SUITE_P(Examples, PiFractionTextTest,
                         ::testing::Values(PiCase{30, Period::TwoPi, "p/6 + 2Kp"}, PiCase{150, Period::TwoPi, "5p/6 + 2Kp"},
                                           PiCase{90, Period::TwoPi, "p/2 + 2Kp"}, PiCase{330, Period::TwoPi, "11p/6 + 2Kp"},
                                           PiCase{25, Period::TwoPi, "5p/36 + 2Kp"}, PiCase{180, Period::TwoPi, "p/1 + 2Kp"},
                                           PiCase{360, Period::TwoPi, "2p/1 + 2Kp"}, PiCase{45, Period::Pi, "p/4 + Kp"},
                                           PiCase{1, Period::TwoPi, "p/180 + 2Kp"}, PiCase{359, Period::TwoPi, "359p/180 + 2Kp"},
                                           PiCase{180, Period::Pi, "p/1 + Kp"}, PiCase{270, Period::TwoPi, "3p/2 + 2Kp"},
                                           PiCase{0, Period::TwoPi, ""}, PiCase{-30, Period::TwoPi, ""},
                                           PiCase{std::numeric_limits<int>::min(), Period::Pi, ""},
                                           // Large angles keep their whole numerator.
                                           PiCase{1001, Period::TwoPi, "1001p/180 + 2Kp"}));

TEST(PiFractionText, PeriodFollowsTheFunctionIndex)
{
    EXPECT_EQ(periodOf(Sine), Period::TwoPi);
    EXPECT_EQ(periodOf(Cosine), Period::TwoPi);
    EXPECT_EQ(periodOf(Tangent), Period::Pi);
    EXPECT_EQ(periodOf(3), Period::Pi);
}

TEST(PiFractionText, EveryAngleOfATurnReadsBackAsItsDegrees)
{
    for (int n = 1; n <= 720; ++n) {
        const QString text = PiFractionText(n);
        const qsizetype p = text.indexOf(QLatin1String("p/"));
        ASSERT_GE(p, 0) << n;
        const int numerator = p == 0 ? 1 : text.left(p).toInt();
        const int denominator = text.mid(p + 2, text.indexOf(QLatin1Char(' ')) - p - 2).toInt();
        ASSERT_GT(denominator, 0);
        EXPECT_EQ(numerator * 180, n * denominator) << n;
        EXPECT_TRUE(text.endsWith(QLatin1String(" + 2Kp")));
    }
}

TEST(LinearPiFractionText, WholeMultiplesLoseTheDenominator)
{
    EXPECT_EQ(LinearPiFractionText(180), QStringLiteral("p + 2Kp"));
    EXPECT_EQ(LinearPiFractionText(360), QStringLiteral("2p + 2Kp"));
    EXPECT_EQ(LinearPiFractionText(30), QStringLiteral("p/6 + 2Kp"));
    EXPECT_EQ(LinearPiFractionText(233), QStringLiteral("233p/180 + 2Kp"));
    EXPECT_EQ(LinearPiFractionText(330), QStringLiteral("11p/6 + 2Kp"));
    EXPECT_EQ(LinearPiFractionText(0), QString());
    EXPECT_EQ(LinearPiFractionText(-5), QString());
}

struct ValueCase {
    long double value;
    const char* text;
};

class ShortValueTextTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ShortValueTextTest, FiveDecimalsCutToSevenCharacters)
{
    EXPECT_EQ(ShortValueText(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, ShortValueTextTest,
                         ::testing::Values(ValueCase{1.0L, "1.00000"}, ValueCase{-1.0L, "-1.0000"},
                                           ValueCase{0.5L, "0.50000"}, ValueCase{-0.5L, "-0.5000"},
                                           ValueCase{0.0L, "0.00000"}, ValueCase{1e-19L, "0.00000"},
                                           ValueCase{-1e-19L, "-0.0000"}, ValueCase{0.422618261740699L, "0.42262"},
                                           // Cut, not rounded, at the seventh character.
                                           ValueCase{-0.422618261740699L, "-0.4226"},
                                           ValueCase{57.28996163075943L, "57.2899"}, ValueCase{123.456L, "123.456"},
                                           ValueCase{std::numeric_limits<long double>::quiet_NaN(), ""},
                                           ValueCase{std::numeric_limits<long double>::infinity(), ""},
                                           ValueCase{-std::numeric_limits<long double>::infinity(), ""}));

TEST(ShortValueText, ZeroComputedAsCosineOfNinetyDegreesKeepsItsSign)
{
    const long double c = std::cos(radians(90));
    EXPECT_EQ(ShortValueText(c), c < 0 ? QStringLiteral("-0.0000") : QStringLiteral("0.00000"));
}

TEST(DegreeText, PlainIntegersOfAtMostSevenCharacters)
{
    EXPECT_EQ(DegreeText(25), QStringLiteral("25"));
    EXPECT_EQ(DegreeText(-210), QStringLiteral("-210"));
    EXPECT_EQ(DegreeText(123456789), QStringLiteral("1234567"));
}

TEST(CoefficientBoxText, FixedPointCutToFiveCharacters)
{
    const struct {
        long double value;
        const char* text;
    } cases[] = {
        {1.0L, "1.00"},     {-1.5L, "-1.50"},  {-10.0L, "-10.0"}, {90.0L, "90.00"},  {-90.0L, "-90.0"},
        {4.0L, "4.00"},     {-6.2925L, "-6.29"}, {2.4494897L, "2.45"}, {0.0L, "0.00"}, {-0.001L, "0.00"},
        {123.456L, "123.4"}, {1e30L, "10000"}, {-1e30L, "-1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoefficientBoxText(c.value).toStdString(), c.text) << double(c.value);
    EXPECT_EQ(CoefficientBoxText(std::numeric_limits<long double>::infinity()), QString());
    EXPECT_EQ(CoefficientBoxText(std::numeric_limits<long double>::quiet_NaN()), QString());
}

}  // namespace
