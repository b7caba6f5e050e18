#pragma once
// The expression evaluator: a typed arithmetic expression (numbers, + - * / ^, parentheses,
// the constants pi and e, and the functions ABS ARCCOS ARCSIN ARCTAN COS EXP EXP- LN LOG SIN
// SQRT RAD) and an angle factor in; an ok flag, an 80-bit value and an Italian error message
// out. Plain C++ with no state between calls, so windows, tests, benchmarks and fuzzers call it
// directly.
#include <string_view>

#include "maths/angles.h"

namespace app {

// The angle factors the trigonometric functions use: SIN and COS multiply their argument by
// the factor, ARCSIN, ARCCOS and ARCTAN divide their result by it. Degrees: π/180 in single
// precision; radians: 1.
inline constexpr float DegreesAngleFactor = static_cast<float>(Pi / 180.0L);
inline constexpr float RadiansAngleFactor = 1.0f;
static_assert(DegreesAngleFactor == 0.01745329238474369f);

// What an evaluation gives back: on success ok, the value and no message; on failure value 0
// and the message of the first error (EvaluatorMessage).
struct Evaluation {
    bool ok = false;
    long double value = 0.0L;
    std::string_view message;
};

// The evaluator's messages; they are Italian in every language.
namespace EvaluatorMessages {
inline constexpr const char* SyntaxError = "Errore di sintassi";
inline constexpr const char* ArcOutOfRange = "Valore fuori intervallo per arcoseno o arcocoseno";
inline constexpr const char* ImaginaryValues = "Valori immaginari";
inline constexpr const char* ImaginaryNumber = "Numero immaginario";
inline constexpr const char* LogarithmOfNonPositive = "Logaritmo di un numero <= 0";
inline constexpr const char* DivisionByZero = "Divisione per 0";
inline constexpr const char* Overflow = "Valori troppi grandi (overflow)";
// Set by the coefficient entry dialog for an empty field.
inline constexpr const char* EmptyText = "Stringa vuota";
}  // namespace EvaluatorMessages

// The longest expression accepted, in characters (also after the implicit operators are added).
inline constexpr int MaxExpressionLength = 255;
// The most tokens an expression may have in postfix order.
inline constexpr int MaxPostfixTokens = 150;
// The longest operand (a run of digits, points and constants) accepted, in characters.
inline constexpr int MaxOperandLength = 20;

// Evaluates an expression written in 8-bit Windows-1252 text (the character 0xEC, "ì", is the
// constant 10^20) with the angle factor given. Never throws.
Evaluation EvaluateExpression(std::string_view text, float angleFactor = DegreesAngleFactor);
// The same for text typed in a field (UTF-16); characters outside Windows-1252's Latin range
// are refused.
Evaluation EvaluateExpression(std::u16string_view text, float angleFactor = DegreesAngleFactor);

}  // namespace app
