#pragma once
// Sums of terms written as the practice exercises write them and the printed pictures state
// them: "2 (sin x)^2 − 3 sin x + 1", "√3 sin x − cos x + 1", with the minus sign U+2212.
// Plain text functions, no widgets.
#include <QString>
#include <vector>

namespace app {

// One term of a sum: its sign, its magnitude without the sign ("3", "√3/2", "(1 + √2)/2";
// empty for a term that is zero) and what it multiplies ("sin x", "(sin x)^2"; empty for the
// constant term).
struct SumTerm {
    bool negative = false;
    QString magnitude;
    QString function;
};

// The terms joined with " + " and " − ", a minus in front of a first negative term, a magnitude
// of 1 not written before its function, the zero terms left out; "0" when none is left.
QString sumText(const std::vector<SumTerm>& terms);

// A coefficient typed in the evaluator's notation ("SQRT(3)", "-(SQRT(3)+SQRT(2))", "2*SQRT(2)")
// written as the exercises write numbers ("√3", "−(√3 + √2)", "2√2") and split into its sign
// and magnitude as a term of a sum; a sum of several parts keeps its parentheses. An empty
// magnitude where the text has what the exercises never write (functions other than SQRT, a
// power, the decimal comma).
SumTerm typedTerm(const QString& expression);

// A value as a coefficient of a sum: at most five decimals, no trailing zeros ("1.5", "3",
// "0.57735"), without its sign. `exact` tells whether the text is the value itself rather than
// its rounding.
QString decimalMagnitude(long double value, bool* exact = nullptr);

}  // namespace app
