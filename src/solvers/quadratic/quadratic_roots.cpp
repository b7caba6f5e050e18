#include "solvers/quadratic/quadratic_roots.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "maths/elementary.h"
#include "solvers/elementary/elementary_texts.h"

namespace solvers {

namespace {

// A discriminant this small beside the terms it comes from is zero up to rounding.
constexpr long double DiscriminantTolerance = 1e-16L;

long double snappedToUnit(long double t)
{
    if (std::fabs(t - 1.0L) <= UnitTolerance)
        return 1.0L;
    if (std::fabs(t + 1.0L) <= UnitTolerance)
        return -1.0L;
    return t;
}

// A root beyond the extended range stays a (very large) number; a zero root is +0, never -0.
long double finiteRoot(long double t)
{
    if (std::isnan(t) || t == 0)
        return 0;
    return std::clamp(t, -LDBL_MAX, LDBL_MAX);
}

}  // namespace

QString quadraticExpressionText(int function)
{
    const QString f = functionName(function);
    return QStringLiteral("a (") + f + QStringLiteral(")^2 + b ") + f + QStringLiteral(" + c");
}

QuadraticRoots solveQuadratic(long double a, long double b, long double c)
{
    QuadraticRoots roots;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c))
        return roots;
    // Scaling by a power of two changes neither the roots nor the sign of D, and keeps the
    // squares and products below overflow.
    const long double largest = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (largest > 0) {
        int exponent = 0;
        std::frexp(largest, &exponent);
        a = std::ldexp(a, -exponent);
        b = std::ldexp(b, -exponent);
        c = std::ldexp(c, -exponent);
    }
    if (a == 0) {
        if (b == 0) {
            roots.kind = RootKind::Degenerate;
            return roots;
        }
        roots.kind = RootKind::Linear;
        roots.t1 = roots.t2 = snappedToUnit(finiteRoot(-c / b));
        return roots;
    }
    const long double half = b / 2;
    const long double square = half * half;
    const long double product = a * c;
    long double D = square - product;
    if (std::fabs(D) <= DiscriminantTolerance * std::max(square, std::fabs(product)))
        D = 0;
    if (D < 0) {
        roots.kind = RootKind::None;
        return roots;
    }
    if (D == 0) {
        roots.kind = RootKind::Double;
        roots.t1 = roots.t2 = snappedToUnit(finiteRoot(-half / a));
        return roots;
    }
    const long double root = std::sqrt(D);
    roots.kind = RootKind::Two;
    roots.t1 = snappedToUnit(finiteRoot((-half + root) / a));
    roots.t2 = snappedToUnit(finiteRoot((-half - root) / a));
    if (roots.t1 == roots.t2)
        roots.kind = RootKind::Double;
    return roots;
}

bool rootInRange(int function, long double t)
{
    return function == Tangent || std::fabs(t) <= 1.0L;
}

long double principalAngle(int function, long double t)
{
    switch (function) {
    case Sine: return std::asin(std::clamp(t, -1.0L, 1.0L));
    case Cosine: return std::acos(std::clamp(t, -1.0L, 1.0L));
    default: return std::atan(t);
    }
}

}  // namespace solvers
