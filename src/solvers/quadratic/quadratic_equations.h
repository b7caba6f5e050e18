#pragma once
// The quadratic equation a (f x)² + b f x + c = 0 for f = sin, cos or tan: the texts of the
// window's fourteen result labels and the roots its picture draws. Plain functions, no widgets.
#include <QString>
#include <array>
#include <vector>

#include "solvers/quadratic/quadratic_roots.h"

namespace solvers {

// One root drawn on the circle and the graph: its principal angle θ (radians), the value t and
// the style m (0.2 the first of two roots, 0.6 the second, 0 a single root).
struct RootDrawing {
    long double theta;
    long double t;
    long double m;
};

struct QuadraticEquationResult {
    QuadraticRoots roots;
    std::array<QString, 15> label;  // label[n] is the text of LabelN, n = 1..14
    std::vector<RootDrawing> drawn;
};

// The equation's sentence in the bottom bar: "a (sin x)^2 + b sin x + c = 0".
QString quadraticEquationText(int function);

// Solves the equation and writes every label: the value of f at each root (or that the root is
// out of range), both solution families of each root in degrees and as fractions of π (one
// family for the tangent), "D < 0" when there is no real root. A double root and the root of
// a linear equation (a = 0) are shown as the single root x1. For a = b = 0 the equation holds
// for every x (c = 0) or for none: " x ∈ R" or " x ∈ Ø" in Label2.
QuadraticEquationResult solveQuadraticEquation(int function, long double a, long double b, long double c);

// The labels a function does not use: the second families, which the tangent does not have.
inline constexpr std::array<int, 6> SecondFamilyLabels = {5, 9, 10, 12, 13, 14};

}  // namespace solvers
