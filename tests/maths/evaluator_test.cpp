#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "maths/evaluator.h"

namespace {

namespace Msg = app::EvaluatorMessages;

constexpr long double E = 2.71828182845904523536028747135266250L;
const long double Degree = app::DegreesAngleFactor;  // the single-precision factor, widened

enum class Unit { Degrees, Radians };

struct Case {
    const char* text;
    Unit unit;
    long double value;       // expected when message is null
    const char* message;     // expected error, or null
};

// The angle factor the evaluations of a test use; degrees unless the test says otherwise.
float angleFactor = app::DegreesAngleFactor;

class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override { angleFactor = app::DegreesAngleFactor; }
};

void setUnit(Unit unit)
{
    angleFactor = unit == Unit::Degrees ? app::DegreesAngleFactor : app::RadiansAngleFactor;
}

app::Evaluation evaluate(std::string_view text)
{
    return app::EvaluateExpression(text, angleFactor);
}

void expectCase(const Case& c)
{
    setUnit(c.unit);
    const app::Evaluation e = evaluate(c.text);
    if (c.message) {
        EXPECT_FALSE(e.ok) << c.text << " gave " << double(e.value);
        EXPECT_EQ(e.message, c.message) << c.text;
        EXPECT_EQ(e.value, 0.0L) << c.text;
    } else {
        ASSERT_TRUE(e.ok) << c.text << ": " << e.message;
        EXPECT_TRUE(e.message.empty()) << c.text;
        const long double tolerance = std::fabs(c.value) * 4e-19L;
        EXPECT_LE(std::fabs(e.value - c.value), tolerance) << c.text << " gave " << double(e.value);
    }
}

TEST_F(EvaluatorTest, OperatorsPrecedenceAndGrouping)
{
    const std::vector<Case> cases = {
        {"2+3*4", Unit::Degrees, 14, nullptr},
        {"(2+3)*4", Unit::Degrees, 20, nullptr},
        {"-2^2", Unit::Degrees, -4, nullptr},
        {"+2", Unit::Degrees, 2, nullptr},
        {"2^-1", Unit::Degrees, 0.5L, nullptr},
        {"2^-(1+1)", Unit::Degrees, 0.25L, nullptr},
        {"2^3^2", Unit::Degrees, 512, nullptr},
        {"8/2/2", Unit::Degrees, 2, nullptr},
        {"5-3-1", Unit::Degrees, 1, nullptr},
        {"2*(-3)", Unit::Degrees, -6, nullptr},
        {"2*+3", Unit::Degrees, 6, nullptr},
        {"2++3", Unit::Degrees, 5, nullptr},
        {"(-(2))", Unit::Degrees, -2, nullptr},
        {"1/3", Unit::Degrees, 1.0L / 3.0L, nullptr},
        {"2,5*2", Unit::Degrees, 5, nullptr},
        {"3 4", Unit::Degrees, 34, nullptr},
        {".5", Unit::Degrees, 0.5L, nullptr},
        {"5.+1", Unit::Degrees, 6, nullptr},
        {"0.1", Unit::Degrees, 0.1L, nullptr},
        {"2.(3)", Unit::Degrees, 6, nullptr},
        {"((((((((((7))))))))))", Unit::Degrees, 7, nullptr},
    };
    for (const Case& c : cases)
        expectCase(c);
}

TEST_F(EvaluatorTest, ImplicitMultiplication)
{
    const std::vector<Case> cases = {
        {"2PI", Unit::Degrees, 2 * Pi, nullptr},
        {"2 PI", Unit::Degrees, 2 * Pi, nullptr},
        {"PI2", Unit::Degrees, 2 * Pi, nullptr},
        {"E2", Unit::Degrees, 2 * E, nullptr},
        {"2e", Unit::Degrees, 2 * E, nullptr},
        {"pie", Unit::Degrees, Pi * E, nullptr},
        {"2(3)", Unit::Degrees, 6, nullptr},
        {"(1)(2)", Unit::Degrees, 2, nullptr},
        {"(2)3", Unit::Degrees, 6, nullptr},
        {"2sqrt(4)", Unit::Degrees, 4, nullptr},
        {"SIN30", Unit::Degrees, std::sin(30 * Degree), nullptr},
        {"sin 30", Unit::Degrees, std::sin(30 * Degree), nullptr},
        {"SIN+30", Unit::Degrees, std::sin(30 * Degree), nullptr},
        {"SIN30^2", Unit::Degrees, std::sin(900 * Degree), nullptr},
        {"sin 30 ^2", Unit::Degrees, std::sin(900 * Degree), nullptr},
        {"SIN30*2", Unit::Degrees, 2 * std::sin(30 * Degree), nullptr},
        {"sinsin0", Unit::Degrees, 0, nullptr},
        {"sqrt sqrt 16", Unit::Degrees, 2, nullptr},
        {"2*\xEC", Unit::Degrees, 2e20L, nullptr},
        {"\xEC", Unit::Degrees, 1e20L, nullptr},
        {"e", Unit::Degrees, E, nullptr},
        {"Pi", Unit::Degrees, Pi, nullptr},
    };
    for (const Case& c : cases)
        expectCase(c);
}

TEST_F(EvaluatorTest, PowerRule)
{
    const std::vector<Case> cases = {
        {"2^20", Unit::Degrees, 0, Msg::Overflow},
        {"2^19.9", Unit::Degrees, std::pow(2.0L, 19.9L), nullptr},
        {"3000^1", Unit::Degrees, 0, Msg::Overflow},
        {"2500^1", Unit::Degrees, 2500, nullptr},
        {"2500.1^1", Unit::Degrees, 0, Msg::Overflow},
        {"(-2800)^1", Unit::Degrees, -2800, nullptr},
        {"(-2800.1)^1", Unit::Degrees, 0, Msg::Overflow},
        {"(-8)^(1/3)", Unit::Degrees, -2, nullptr},
        {"(-8)^0.5", Unit::Degrees, 0, Msg::ImaginaryValues},
        {"(-8)^(1/2)", Unit::Degrees, 0, Msg::ImaginaryValues},
        {"(-32)^(1/5)", Unit::Degrees, -2, nullptr},
        {"(-2)^3", Unit::Degrees, -8, nullptr},
        {"(-2)^2", Unit::Degrees, 4, nullptr},
        {"(-2)^-2", Unit::Degrees, 0.25L, nullptr},
        {"(-2)^-3", Unit::Degrees, -0.125L, nullptr},
        {"0^0", Unit::Degrees, 0, nullptr},
        {"0^2", Unit::Degrees, 0, nullptr},
        {"0^-(-2)", Unit::Degrees, 0, nullptr},
        {"3^2", Unit::Degrees, 9, nullptr},
        {"10^7", Unit::Degrees, 1e7L, nullptr},
        {"4^0.5", Unit::Degrees, 2, nullptr},
        // The negated power tests the exponent as written against the limit.
        {"2^-25", Unit::Degrees, 0, Msg::Overflow},
        {"2^-(-19)", Unit::Degrees, 524288, nullptr},
        {"2^--3", Unit::Degrees, 0, Msg::SyntaxError},
    };
    for (const Case& c : cases)
        expectCase(c);
}

// Zero to a negative power is a division by zero, and no value may leave the extended range.
TEST_F(EvaluatorTest, ZeroToNegativePowerAndOverflowAreRefused)
{
    const std::vector<Case> cases = {
        {"0^-1", Unit::Degrees, 0, Msg::DivisionByZero},
        {"0^(-0.5)", Unit::Degrees, 0, Msg::DivisionByZero},
        {"(1-1)^-2", Unit::Degrees, 0, Msg::DivisionByZero},
        {"EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)", Unit::Degrees, 0, Msg::Overflow},
        {"EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)", Unit::Degrees,
         std::exp(2500.0L) * std::exp(2500.0L) * std::exp(2500.0L) * std::exp(2500.0L), nullptr},
        {"0.5^(-1000000000000)", Unit::Degrees, 0, Msg::Overflow},
        {"1/EXP(-2800)/EXP(-2800)/EXP(-2800)/EXP(-2800)/EXP(-2800)", Unit::Degrees, 0, Msg::Overflow},
        {"-EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)", Unit::Degrees, 0, Msg::Overflow},
    };
    for (const Case& c : cases)
        expectCase(c);
}

TEST_F(EvaluatorTest, FunctionsAndTheirErrors)
{
    const std::vector<Case> cases = {
        {"SQRT(-4)", Unit::Degrees, 0, Msg::ImaginaryNumber},
        {"RAD(-4)", Unit::Degrees, 0, Msg::ImaginaryNumber},
        {"RAD(16)", Unit::Degrees, 4, nullptr},
        {"sqrt(2)", Unit::Degrees, std::sqrt(2.0L), nullptr},
        {"LN(0)", Unit::Degrees, 0, Msg::LogarithmOfNonPositive},
        {"LOG(-1)", Unit::Degrees, 0, Msg::LogarithmOfNonPositive},
        {"LN(E)", Unit::Degrees, 1, nullptr},
        {"LOG(1000)", Unit::Degrees, 3, nullptr},
        {"1/0", Unit::Degrees, 0, Msg::DivisionByZero},
        {"1/(1-1)", Unit::Degrees, 0, Msg::DivisionByZero},
        {"ABS(-3)", Unit::Degrees, 3, nullptr},
        {"EXP(1)", Unit::Degrees, E, nullptr},
        {"EXP-1", Unit::Degrees, 1 / E, nullptr},
        {"EXP-(-1)", Unit::Degrees, E, nullptr},
        {"EXP(2500.1)", Unit::Degrees, 0, Msg::Overflow},
        {"EXP(-2800.1)", Unit::Degrees, 0, Msg::Overflow},
        {"EXP(-2800)", Unit::Degrees, std::exp(-2800.0L), nullptr},
        {"EXP-(2500.1)", Unit::Degrees, std::exp(-2500.1L), nullptr},
        {"EXP-(-2500.1)", Unit::Degrees, 0, Msg::Overflow},
        {"EXP-(2800.1)", Unit::Degrees, 0, Msg::Overflow},
        {"ARCSIN(1.5)", Unit::Degrees, 0, Msg::ArcOutOfRange},
        {"ARCCOS(-1.0001)", Unit::Radians, 0, Msg::ArcOutOfRange},
        {"SIN(10000000000000000000)", Unit::Radians, 0, nullptr},
        {"COS(10000000000000000000)", Unit::Radians, 0, nullptr},
    };
    for (const Case& c : cases)
        expectCase(c);
}

TEST_F(EvaluatorTest, AngleUnits)
{
    const std::vector<Case> cases = {
        {"SIN(30)", Unit::Degrees, std::sin(30 * Degree), nullptr},
        {"COS(60)", Unit::Degrees, std::cos(60 * Degree), nullptr},
        {"ARCSIN(1)", Unit::Degrees, Pi / (2 * Degree), nullptr},
        {"ARCSIN(-1)", Unit::Degrees, -Pi / (2 * Degree), nullptr},
        {"ARCSIN(0.5)", Unit::Degrees, std::atan(0.5L / std::sqrt(0.75L)) / Degree, nullptr},
        {"ARCCOS(0)", Unit::Degrees, Pi / (2 * Degree), nullptr},
        {"ARCCOS(-1)", Unit::Degrees, Pi / Degree, nullptr},
        {"ARCCOS(1)", Unit::Degrees, 0, nullptr},
        {"ARCCOS(-0.5)", Unit::Degrees, std::atan(std::sqrt(0.75L) / -0.5L) / Degree + Pi / Degree, nullptr},
        {"ARCTAN(1)", Unit::Degrees, std::atan(1.0L) / Degree, nullptr},
        {"ARCCOS(-1)", Unit::Radians, Pi, nullptr},
        {"ARCSIN(1)", Unit::Radians, Pi / 2, nullptr},
        {"sin(pi/2)", Unit::Radians, 1, nullptr},
        {"cos(pi)", Unit::Radians, -1, nullptr},
        {"ARCTAN(1)*4", Unit::Radians, Pi, nullptr},
    };
    for (const Case& c : cases)
        expectCase(c);
}

// The single-precision degree factor shows in the results.
TEST_F(EvaluatorTest, DegreeFactorIsSinglePrecision)
{
    EXPECT_FLOAT_EQ(app::DegreesAngleFactor, 0.01745329238474369f);
    EXPECT_EQ(double(app::DegreesAngleFactor), 0.01745329238474369);
    app::Evaluation e = evaluate("SIN(30)");
    ASSERT_TRUE(e.ok);
    EXPECT_LT(e.value, 0.5L);
    EXPECT_GT(e.value, 0.4999999L);
    e = evaluate("ARCSIN(1)");
    ASSERT_TRUE(e.ok);
    EXPECT_GT(e.value, 90.0L);
    EXPECT_LT(e.value, 90.000001L);
    e = evaluate("ARCCOS(0)");
    ASSERT_TRUE(e.ok);
    EXPECT_GT(e.value, 90.0L);
    e = evaluate("ARCCOS(-1)");
    ASSERT_TRUE(e.ok);
    EXPECT_GT(e.value, 180.0L);
    EXPECT_LT(e.value, 180.000002L);
}

TEST_F(EvaluatorTest, SyntaxErrors)
{
    const char* const texts[] = {
        "TAN(45)", "X+1", "2+A", "2*", "(2", "2)", "()", "2*-3", "2+-3", "SIN-30", "1.2.3", "5.", "2,",
        "sqrt", "2^", "-", "+", "(", "   ", "2 +", "SEC(30)", "2x", "2?3", "2\xEC", "p.5", ".", "2..", "1)(2", ")(", "2.sin3.e", "pi e 2 .", "ARC", "2;3", "a", "T",
        "2^-", "2=", "2+3=",
    };
    for (const char* text : texts) {
        const app::Evaluation e = evaluate(text);
        EXPECT_FALSE(e.ok) << text << " gave " << double(e.value);
        EXPECT_EQ(e.value, 0.0L) << text;
        EXPECT_EQ(e.message, Msg::SyntaxError) << text;
    }
    const app::Evaluation e = evaluate("");
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, Msg::SyntaxError);
}

// The last character decides first: letters that cannot end an expression are refused even
// when the rest would be a syntax error anyway; e, i, t, x, y and E, I, X pass to the later stages.
TEST_F(EvaluatorTest, EndCheckAcceptsOnlyCertainLastLetters)
{
    EXPECT_TRUE(evaluate("2*e").ok);
    EXPECT_TRUE(evaluate("2*E").ok);
    EXPECT_TRUE(evaluate("2*pi").ok);
    EXPECT_TRUE(evaluate("2*PI").ok);
    const app::Evaluation e = evaluate("sqrt(4) ");
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.value, 2.0L);
}

// Each evaluation gives its own message: nothing is left from the one before.
TEST_F(EvaluatorTest, MessageIsClearedBySuccess)
{
    const app::Evaluation failed = evaluate("1/0");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message, Msg::DivisionByZero);
    const app::Evaluation e = evaluate("1/2");
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.message.empty());
    EXPECT_EQ(e.value, 0.5L);
}

TEST_F(EvaluatorTest, WithoutAngleFactorInverseFunctionsFailInsteadOfDividingByZero)
{
    angleFactor = 0;
    const app::Evaluation sine = evaluate("sin(30)");
    EXPECT_TRUE(sine.ok);
    EXPECT_EQ(sine.value, 0.0L);
    for (const char* text : {"arctan(1)", "arcsin(0.5)", "arccos(0.5)", "arcsin(1)", "arccos(0)"}) {
        const app::Evaluation e = evaluate(text);
        EXPECT_FALSE(e.ok) << text;
        EXPECT_EQ(e.message, Msg::DivisionByZero) << text;
    }
}

// The working storage: 255 characters, 150 postfix tokens, 20 characters per operand.
TEST_F(EvaluatorTest, StorageLimitsRefuseLongerInput)
{
    // Operands of 20 characters are read in full; longer ones are refused.
    app::Evaluation e = evaluate("12345678901234567890");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, 12345678901234567890.0L);
    e = evaluate("0.123456789012345678");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, 0.123456789012345678L);
    e = evaluate("1234567890123456789012345");
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, Msg::SyntaxError);
    EXPECT_FALSE(evaluate("0.1234567890123456789").ok);

    // 75 ones make 149 tokens; 76 make 151.
    auto ones = [](int n) {
        std::string s = "1";
        for (int i = 1; i < n; ++i)
            s += "+1";
        return s;
    };
    e = evaluate(ones(75));
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, 75.0L);
    e = evaluate(ones(76));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, Msg::SyntaxError);

    // 255 characters are accepted, 256 are not.
    const std::string longest = "(" + std::string(20, '1') + std::string(231, ' ') + ")*1";
    ASSERT_EQ(longest.size(), 255u);
    e = evaluate(longest);
    ASSERT_TRUE(e.ok) << e.message;
    EXPECT_EQ(e.value, 11111111111111111111.0L);
    e = evaluate(longest + " ");
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, Msg::SyntaxError);

    // Implicit operators may not lengthen the text past 255 characters.
    e = evaluate(std::string(200, 'e'));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, Msg::SyntaxError);

    // Deep parentheses.
    e = evaluate(std::string(120, '(') + "3" + std::string(120, ')'));
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, 3.0L);
}

TEST_F(EvaluatorTest, TypedTextIsReadAsWindows1252)
{
    app::Evaluation e = app::EvaluateExpression(u"2*ì");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, 2e20L);
    e = app::EvaluateExpression(u"-2 * (sqrt(3) + sqrt(2))");
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.value, -2 * (std::sqrt(3.0L) + std::sqrt(2.0L)));
    const std::u16string tooLong(256, u'1');
    for (const std::u16string_view text : {std::u16string_view(u"2€3"), std::u16string_view(u"2+3€"),
                                           std::u16string_view(u"π"), std::u16string_view(tooLong),
                                           std::u16string_view()}) {
        e = app::EvaluateExpression(text);
        EXPECT_FALSE(e.ok) << text.size();
        EXPECT_EQ(e.message, Msg::SyntaxError);
        EXPECT_EQ(e.message, "Errore di sintassi");
    }
}

}  // namespace
