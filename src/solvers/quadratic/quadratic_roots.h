#pragma once
// The roots of a t² + b t + c = 0 that the quadratic equation and inequality windows share, and
// how a root t = f(x) becomes a principal angle. Plain functions, no widgets.
//
// Coefficients in hundredths often give a root of exactly -1 or 1 in real numbers that floating
// point puts a hair beyond (a = 0.42, b = 0.97, c = 0.55 gives t = -1), and a discriminant of
// exactly zero that comes out a hair off: both are taken at their exact value, so a root at ±1
// stays in the range of sine and cosine and a double root stays one root.
#include <QString>

#include "texts/angle_notation.h"

namespace solvers {

enum class RootKind {
    Two,         // a ≠ 0, D > 0: two distinct roots
    Double,      // a ≠ 0, D = 0: one double root
    None,        // a ≠ 0, D < 0: no real root
    Linear,      // a = 0, b ≠ 0: the one root of b t + c = 0
    Degenerate,  // a = b = 0: every t when c = 0, none otherwise
};

struct QuadraticRoots {
    RootKind kind = RootKind::None;
    // Two roots: t1 = (-b/2 + √D)/a, t2 = (-b/2 - √D)/a (t1 > t2 when a > 0). Double and
    // linear: t1 = t2 = the root. Otherwise both 0. Always finite.
    long double t1 = 0;
    long double t2 = 0;

    bool hasRoot() const { return kind == RootKind::Two || kind == RootKind::Double || kind == RootKind::Linear; }
    long double smaller() const { return t1 < t2 ? t1 : t2; }
    long double larger() const { return t1 < t2 ? t2 : t1; }
};

// The left side of the equation and the inequalities: "a (sin x)^2 + b sin x + c".
QString quadraticExpressionText(int function);

// How far from ±1 a root may lie and still count as ±1.
inline constexpr long double UnitTolerance = 1e-12L;

// Solves a t² + b t + c = 0. Roots within UnitTolerance of -1 or 1 are set to exactly -1 or 1,
// and two roots that then coincide count as a double root.
QuadraticRoots solveQuadratic(long double a, long double b, long double c);

// Whether f can take the value t: always for the tangent, |t| <= 1 for sine and cosine.
bool rootInRange(int function, long double t);

// The principal angle (radians) of t = f(x): arcsin, arccos (of t held within [-1, 1]) or arctan.
long double principalAngle(int function, long double t);

}  // namespace solvers
