#pragma once
// The texts of the two quadratic windows, from their findings: the equation's fourteen result
// labels (each root's value and its solution families in degrees and as fractions of π), and the
// inequalities' sets of t and their intervals of x.
#include <QString>
#include <array>

#include "maths/quadratic.h"

namespace solvers {

// The left side of the equation and the inequalities: "a (sin x)^2 + b sin x + c".
QString quadraticExpressionText(int function);

// ---- The equation window -------------------------------------------------------------------------

// The equation's sentence in the bottom bar: "a (sin x)^2 + b sin x + c = 0".
QString quadraticEquationText(int function);

// The labels of the equation window, label[n] the text of LabelN (n = 1..14): the value of f at
// each root (or that the root is out of range), both solution families of each root in degrees
// and as fractions of π (one family for the tangent), "D < 0" when there is no real root. A
// double root and the root of a linear equation (a = 0) are shown as the single root x1. For
// a = b = 0 the equation holds for every x (c = 0) or for none: " x ∈ R" or " x ∈ Ø" in Label2.
std::array<QString, 15> quadraticEquationLabels(const QuadraticEquationFindings& f);

// The labels a function does not use: the second families, which the tangent does not have.
inline constexpr std::array<int, 6> SecondFamilyLabels = {5, 9, 10, 12, 13, 14};

// ---- The inequality window -----------------------------------------------------------------------

// The two inequalities of a function: "a (sin x)^2 + b sin x + c >= 0" and "... < 0".
QString greaterInequalityText(int function);
QString lessInequalityText(int function);

// The texts of the set labels: Label2 (t where >= 0 holds), Label5 and Label14 (its x
// intervals), Label4 (t where < 0 holds), Label12 and Label16 (its x intervals). A set of every
// x is written "R", an empty one "Ø", each without x intervals.
struct QuadraticInequalityTexts {
    QString Label2, Label5, Label14, Label4, Label12, Label16;
};
QuadraticInequalityTexts quadraticInequalityTexts(const QuadraticInequalityFindings& f);

}  // namespace solvers
