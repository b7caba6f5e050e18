#pragma once
// The expression evaluator: a typed arithmetic expression (numbers, + - * / ^, parentheses,
// the constants pi and e, and the functions ABS ARCCOS ARCSIN ARCTAN COS EXP EXP- LN LOG SIN
// SQRT RAD) in; an ok flag, an 80-bit value and an Italian error message out.
// Plain C++: no widgets, so windows, tests, benchmarks and fuzzers call it directly.
#include <QString>
#include <string>
#include <string_view>

namespace app {

// The angle factor the trigonometric functions use: SIN and COS multiply their argument by
// it, ARCSIN, ARCCOS and ARCTAN divide their result by it. Set by the calculator.
inline constexpr float DegreesAngleFactor = static_cast<float>(3.14159265358979323846264338327950288 / 180.0);
inline constexpr float RadiansAngleFactor = 1.0f;
extern float AngleFactor;  // starts in degrees

// The message of the last failed evaluation (empty after a successful one).
extern std::string EvaluatorMessage;

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
// constant 10^20). On success returns true and sets `value`; on failure returns false, sets
// `value` to 0 and leaves the message in EvaluatorMessage. Never throws.
bool EvaluateExpression(std::string_view text, long double& value);
// The same for text typed in a field; characters outside Windows-1252's Latin range are refused.
bool EvaluateExpression(const QString& text, long double& value);

// EvaluatorMessage as text for labels and fields.
QString evaluatorMessageText();

}  // namespace app
