#pragma once
// An equation or inequality in x typed as written on paper ("2sin²x − 3sinx + 1 = 0",
// "√3 sin x − cos x > 1"), read into one of the kinds the solver windows take:
//   elementary  b f(x) + c rel 0       (one function, first power only)
//   quadratic   a f(x)² + b f(x) + c rel 0
//   linear      a sin x + b cos x + c rel 0
// with every term brought to the left-hand side. The windows take = , >= and <; <= and > are
// brought to them by changing every sign. What cannot be read comes back as a refusal kind with
// the character where it was found; the texts unit words it. No Qt, no state.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "maths/evaluator.h"

namespace solvers {

// The longest equation read, in bytes of UTF-8.
inline constexpr int MaxTypedEquationLength = 400;

enum class EquationKind { Elementary, Quadratic, Linear };
enum class Relation { Equal, GreaterOrEqual, Less };

enum class TypedRefusal {
    None,
    Empty,               // nothing typed
    TooLong,             // over MaxTypedEquationLength
    UnknownCharacter,    // a character no form uses
    NoRelation,          // no =, >=, <, ... at all
    TwoRelations,        // more than one relation sign
    EmptySide,           // nothing on one side of the relation
    UnbalancedBrackets,  // a bracket without its partner
    AngleNotX,           // sin 2x, sin(x + 1), sin 30 x: a function of something other than x
    OtherVariable,       // a letter or word that is neither x, a function of x nor a constant
    PowerNotTwo,         // sin^3 x: only squares are solved
    Product,             // sin x cos x, x sin x: a product of two terms in x
    XOutsideFunction,    // x alone, 2x + 1: x not inside sin, cos or tan
    TermNotUnderstood,   // a function of x inside a bracket, a quotient, a power of a sum...
    MixedFunctions,      // sin²x + cos x, tan x + sin x: no window takes this mix
    NoFunction,          // no function of x (2 = 1)
    Coefficient,         // a coefficient the evaluator refuses (its message in evaluatorMessage)
};

struct TypedEquation {
    TypedRefusal refusal = TypedRefusal::None;
    int position = 0;           // refusal: the character (counted from 0) where it was found
    int length = 0;             // refusal: how many characters are quoted from there
    std::string_view evaluatorMessage;  // TypedRefusal::Coefficient: the evaluator's message

    EquationKind kind = EquationKind::Elementary;
    int function = 0;           // Sine, Cosine, Tangent (elementary, quadratic); Sine for linear
    Relation relation = Relation::Equal;  // after the sign change
    bool signChanged = false;   // <= or > was typed: every sign changed
    // a, b, c of the window's form, after the sign change: quadratic a f² + b f + c; elementary
    // the same with a = 0; linear a sin x + b cos x + c.
    std::array<long double, 3> coefficients{};
    // The coefficients' texts as typed (after the sign change, a leading "-" or "-(...)" added),
    // for a window whose up-downs cannot hold a value.
    std::array<std::string, 3> expressions;

    bool ok() const { return refusal == TypedRefusal::None; }
};

// Reads UTF-8 text. Coefficient expressions ("sqrt(3)/2", "sin 30°") go through
// EvaluateExpression with the angle factor given; a degree sign in a coefficient makes it
// degrees whatever the factor.
TypedEquation readTypedEquation(std::string_view text, float angleFactor = app::DegreesAngleFactor);

// The equation as understood, in plain UTF-8: "2 sin²x − 3 sin x + 1 = 0"; before the sign
// change when `asTyped`, with the relation typed.
std::string equationText(const TypedEquation& equation);

// ---- Solving with unrounded angles -------------------------------------------------------------

struct TypedInterval {
    double from = 0;   // degrees; a wrapping interval starts below 0
    double to = 0;
    bool fromClosed = true;
    bool toClosed = true;
};

struct TypedSolution {
    int period = 360;
    bool all = false;                // every x (where the function has a value)
    bool none = false;               // no x
    std::vector<double> points;      // equations: solutions in [0, period), ascending
    std::vector<TypedInterval> intervals;  // inequalities: the set over one period
};

// Solves a read equation with angles in full precision (degrees).
TypedSolution solveTyped(const TypedEquation& equation);

// The left-hand side of the window's form at x degrees (NaN where tan x has no value).
long double typedValue(const TypedEquation& equation, long double degrees);

// For the elementary windows: the angle α in whole degrees with f(α) = -c/b, when b > 0, the
// value is f of a whole degree and α lies in the window's range for the relation; otherwise
// none (the quadratic window takes the equation with a = 0).
bool elementaryAngle(const TypedEquation& equation, int& alphaDeg);

}  // namespace solvers
