#pragma once
// The quadratic inequalities a (f x)² + b f x + c >= 0 and < 0 for f = sin, cos or tan: the set
// of t = f(x) where each holds, the intervals of x in degrees, and what the picture colours.
// Plain functions, no widgets.
#include <QString>
#include <array>
#include <vector>

#include "solvers/quadratic/quadratic_roots.h"

namespace solvers {

struct QuadraticInequalityResult {
    QuadraticRoots roots;
    // The texts of the set labels: Label2 (t where >= 0 holds), Label5 and Label14 (its x
    // intervals), Label4 (t where < 0 holds), Label12 and Label16 (its x intervals).
    QString Label2, Label5, Label14, Label4, Label12, Label16;

    // The picture: the whole range of t in the outer colours, and the values of t from innerLow
    // to innerHigh (either may be infinite) in the inner colours, when hasInner. The outer
    // colours are those of >= 0 (blue bands, aqua arcs) when outerGreater, else those of < 0
    // (red); the inner colours are the other ones.
    bool outerGreater = true;
    bool hasInner = false;
    long double innerLow = 0;
    long double innerHigh = 0;
    // The roots whose radii and graph markers are drawn, the larger first.
    std::vector<long double> radii;
};

// The two inequalities of a function: "a (sin x)^2 + b sin x + c >= 0" and "... < 0".
QString greaterInequalityText(int function);
QString lessInequalityText(int function);

// Solves both inequalities. The two sets always cover every x once: a root at exactly -1 or 1
// is a boundary point of the >= 0 set, and its x lies in a closed interval of that set, never
// inside an open interval of the < 0 set. A set of every x is written "R", an empty one "Ø",
// each without x intervals.
QuadraticInequalityResult solveQuadraticInequality(int function, long double a, long double b, long double c);

}  // namespace solvers
