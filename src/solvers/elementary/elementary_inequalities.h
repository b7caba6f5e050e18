#pragma once
// The texts of the elementary inequalities f(x) >= a and f(x) < a with a = f(α), f = sin, cos,
// tan: both inequalities with their value and their solution intervals in degrees and as
// fractions of π, and which of the fourteen result labels are shown. Plain functions, no widgets.
#include <QString>
#include <array>
#include <optional>

namespace solvers {

// Label1 ... Label14, indexed by the label's number (index 0 unused).
struct InequalityLabels {
    // The new text of each label; no value where the label keeps its text (it is then hidden).
    std::array<std::optional<QString>, 15> text;
    std::array<bool, 15> visible{};
};

InequalityLabels elementaryInequalityLabels(int function, int alphaDeg);

}  // namespace solvers
