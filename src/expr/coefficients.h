#pragma once
// The coefficients a, b, c shared by the four coefficient windows and the coefficient entry
// dialog, and the three expression texts the dialog shows in its fields.
#include <QString>
#include <array>

namespace app {

// The value of the last valid evaluation of each field (or what a window set itself).
extern long double CoefficientA;
extern long double CoefficientB;
extern long double CoefficientC;

// The expressions for a, b and c, in this order. Each coefficient window sets its own when it
// is created; the dialog writes back each field's text on every change, valid or not.
extern std::array<QString, 3> CoefficientExpressions;

}  // namespace app
