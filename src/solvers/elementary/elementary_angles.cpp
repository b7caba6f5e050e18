#include "solvers/elementary/elementary_angles.h"

#include <cmath>

#include "solvers/frame/solver_geometry.h"

namespace solvers {

AngleRange equationAngleRange(int function)
{
    return function == Sine ? AngleRange{-90, 90} : AngleRange{0, 180};
}

AngleRange inequalityAngleRange(int function)
{
    switch (function) {
    case Sine: return {-90, 90};
    case Cosine: return {0, 180};
    default: return {-89, 89};
    }
}

QString functionName(int function)
{
    switch (function) {
    case Sine: return QStringLiteral("sin x");
    case Cosine: return QStringLiteral("cos x");
    default: return QStringLiteral("tan x");
    }
}

std::optional<long double> functionValue(int function, int alphaDeg)
{
    const long double x = radians(alphaDeg);
    switch (function) {
    case Sine: return std::sin(x);
    case Cosine: return std::cos(x);
    default:
        // cos α is 0 only at odd multiples of 90°; there the tangent has no value.
        if (alphaDeg % 180 == 90 || alphaDeg % 180 == -90)
            return std::nullopt;
        return std::sin(x) / std::cos(x);
    }
}

float elementaryLevel(int function, int alphaDeg, int H)
{
    const std::optional<long double> a = functionValue(function, alphaDeg);
    return a ? float(*a) : float(H / 2);
}

std::vector<long double> elementaryAbscissas(int function, int alphaDeg)
{
    const long double alpha = radians(alphaDeg);
    switch (function) {
    case Sine: return sineAbscissas(alpha);
    case Cosine: return cosineAbscissas(alpha, alphaDeg < 90);
    default:
        if (alphaDeg < 90)
            return tangentAbscissas(alpha, -2, 2);
        if (alphaDeg == 90)
            return tangentAbscissas(alpha, -2, 1);
        return tangentAbscissas(alpha, -3, 1);
    }
}

}  // namespace solvers
