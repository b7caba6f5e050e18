#pragma once
// The texts of the two linear windows: the solutions of a sin x + b cos x + c = 0 in degrees and
// as fractions of π, the sets where the left-hand side is >= 0 and < 0, and the graph titles.
#include <QString>
#include <array>

#include "maths/linear.h"

namespace solvers {

// The caption of the equation window's Panel2.
inline constexpr const char* LinearEquationCaption = "a sin x + b cos x + c = 0";

// The six labels of the equation window.
struct LinearRootTexts {
    QString Label2, Label7, Label8;    // x1 in degrees, " x1 = ", x1 as a fraction of π
    QString Label4, Label6, Label11;   // the same for x2
};
// " x1 = 30° + k 360°" with "p/6 + 2Kp" (" x1 = k 360°" with " 2Kp" for 0), negative angles
// written as their positive equivalent; nothing when no solution is written; "sempre" (c = 0,
// every x) or "mai" (no x) in Label2 when a = b = 0.
LinearRootTexts linearRootTexts(const LinearFindings& f);

// The solution sets of the inequality window: Label8 under ">= 0", Label11 under "< 0".
struct IntervalTexts {
    QString Label8;
    QString Label11;
};
// Two boundary angles: "lo° + k 360°' < = x <= hi° + k 360°" and the like. A set of every x or
// of none: "R" / "Ø" ("sempre" / "mai" when a = b = 0). The point of contact alone and every
// other x: "x = d° + k 360°" / "x ≠ d° + k 360°".
IntervalTexts inequalityIntervalTexts(const LinearFindings& f);

// The graph title of the equation window: four blanks, the a box text, " sin x ", "+" unless
// the b box text is negative, the b box text, " cos x", five blanks; at most 50 characters.
QString EquationText(const QString& aText, const QString& bText);

// The graph title of the inequality window, from the terms that are not zero: "1.00 sinx " (with
// the language's sine name), "-1.50 cos x ", "+0.50"; each term at most 15 characters, the
// first two at most 30, the whole at most 45.
QString InequalityText(const Coefficients& k, const std::array<QString, 3>& boxTexts, const QString& sineName);

}  // namespace solvers
