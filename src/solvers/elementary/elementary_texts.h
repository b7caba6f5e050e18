#pragma once
// The texts of the two elementary windows, from their findings: the equation f(x) = a with its
// value and both solution families in degrees and as fractions of π, and the inequalities
// f(x) >= a and f(x) < a with their solution intervals and which of the fourteen result labels
// are shown.
#include <QString>
#include <array>
#include <optional>

#include "maths/elementary.h"

namespace solvers {

// ---- The equation window -------------------------------------------------------------------------

struct EquationLabels {
    QString Label1;  // the equation with its value
    QString Label2;  // first family, degrees
    QString Label8;  // first family, fraction of π (after " x =")
    QString Label5;  // second family, degrees (sine and cosine)
    QString Label9;  // second family, fraction of π (sine and cosine)
    bool secondFamily = true;  // whether Label5, Label9 and Label10 are shown (not for the tangent)
};

EquationLabels elementaryEquationLabels(const ElementaryFindings& f);

// ---- The inequality window -----------------------------------------------------------------------

// Label1 ... Label14, indexed by the label's number (index 0 unused).
struct InequalityLabels {
    // The new text of each label; no value where the label keeps its text (it is then hidden).
    std::array<std::optional<QString>, 15> text;
    std::array<bool, 15> visible{};
};

InequalityLabels elementaryInequalityLabels(const ElementaryFindings& f);

// ---- Both ----------------------------------------------------------------------------------------

// The equation or inequality with its value and angle, as printed: "sin x = 0.42262, α = 25°",
// "cos x ≥ −0.5, α = 120°" (the value to five decimals, trailing zeros dropped), "tan x = ∞,
// α = 90°" where the tangent has no value.
QString elementaryStatement(const ElementaryFindings& f, bool inequality);

}  // namespace solvers
