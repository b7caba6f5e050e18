#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "maths/evaluator.h"
#include "expr/number_format.h"

namespace {

TEST(CalculatorNumberFormat, ThreeFormats)
{
    const long double degree = app::DegreesAngleFactor;
    const struct {
        long double value;
        const char* text;
    } cases[] = {
        {5, "5"},
        {-2, "-2"},
        {0, "0"},
        {2.0000001L, "2"},
        {1.9999999L, "1.9999999000"},
        {1e-7L, "0"},
        {-1e-7L, "0"},
        {0.5L, "0.5000000000"},
        {-0.25L, "-0.2500000000"},
        {1.0L / 3.0L, "0.3333333333"},
        {std::sqrt(2.0L), "1.4142135624"},
        {std::sin(30 * degree), "0.4999999965"},
        {std::cos(60 * degree), "0.5000000070"},
        {999999.5L, "999999.5000000000"},
        {-999999.5L, "-999999.5000000000"},
        {999999, "999999"},
        {1e6L, " 1.00000000000000E+0006"},
        {1e7L, " 1.00000000000000E+0007"},
        {-1e7L, "-1.00000000000000E+0007"},
        {123456789.123L, " 1.23456789123000E+0008"},
        {1e20L, " 1.00000000000000E+0020"},
        {1.5e4000L, " 1.50000000000000E+4000"},
        {-std::numeric_limits<long double>::max(), "-1.18973149535723E+4932"},
        {0.0000123456789L, "0.0000123457"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::calculatorNumberText(c.value), c.text) << double(c.value);
}

TEST(CalculatorNumberFormat, ScientificIsAlways23Characters)
{
    for (const long double v : {1e6L, -1e6L, 9999999.99L, 1e100L, -1e-10L * 1e20L, 3e4931L})
        EXPECT_EQ(app::calculatorNumberText(v).size(), 23u) << double(v);
}

TEST(CalculatorNumberFormat, NeverShowsInfinityOrNan)
{
    EXPECT_EQ(app::calculatorNumberText(std::numeric_limits<long double>::infinity()), "");
    EXPECT_EQ(app::calculatorNumberText(std::numeric_limits<long double>::quiet_NaN()), "");
}

}  // namespace
