#pragma once
// How the solver windows write angles and values: whole degrees, fractions of π with their
// period (written with the letter p, which the Symbol-font labels show as π), the
// seven-character value text and the coefficients' two decimals. Plain functions, no widgets.
#include <QString>

#include "maths/angles.h"
#include "maths/elementary.h"

namespace solvers {

// "sin x", "cos x" or "tan x".
QString functionName(int function);

// The period written after an angle in radians: "2Kp" (sine, cosine) or "Kp" (tangent).
enum class Period { TwoPi, Pi };
// The period of a function index: π for the tangent (index 2 or more), 2π otherwise.
Period periodOf(int functionIndex);

// An angle n in whole degrees as a fraction of π with its period: "5p/6 + 2Kp", "p/4 + Kp",
// "p/1 + 2Kp" for 180. The empty text for n <= 0.
QString PiFractionText(int n, Period period = Period::TwoPi);

// The radian line of a tangent solution at 0°, where the fraction of π is empty: the period alone.
inline constexpr const char* TangentZeroRadians = " Kp";

// The linear windows' variant: a whole multiple of π is written without "/1"
// ("p + 2Kp" for 180, "2p + 2Kp" for 360); the period is always 2π.
QString LinearPiFractionText(int n);

// A value in fixed-point with five decimals, cut (not rounded) to its first seven characters:
// 1 gives "1.00000", -1 gives "-1.0000", -0.5 gives "-0.5000". A value that is not a finite
// number gives the empty text.
QString ShortValueText(long double value);

// A whole number of degrees as a plain integer, at most seven characters.
QString DegreeText(long long degrees);

// The text of a coefficient box, and of a value of t in the quadratic inequalities: fixed point
// with two decimals, cut to its first 5 characters ("-1.50", "-10.0", "4.00"). Never "nan",
// "inf" or "-0.00".
QString CoefficientBoxText(long double value);

}  // namespace solvers
