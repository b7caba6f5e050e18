#pragma once
// The texts of the elementary equations sin x = a, cos x = a and tan x = a with a = f(α):
// the equation with its value and the solution families in degrees and as fractions of π.
// Plain functions, no widgets.
#include <QString>

namespace solvers {

struct EquationLabels {
    QString Label1;  // the equation with its value
    QString Label2;  // first family, degrees
    QString Label8;  // first family, fraction of π (after " x =")
    QString Label5;  // second family, degrees (sine and cosine)
    QString Label9;  // second family, fraction of π (sine and cosine)
    bool secondFamily = true;  // whether Label5, Label9 and Label10 are shown (not for the tangent)
};

// The labels of the equation window for a function index and an angle α in whole degrees.
EquationLabels elementaryEquationLabels(int function, int alphaDeg);

// The radian line of the tangent at α = 0, where the fraction of π is empty: the period alone.
inline constexpr const char* TangentZeroRadians = " Kp";

}  // namespace solvers
