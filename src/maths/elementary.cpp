#include "maths/elementary.h"

#include <cmath>

#include "maths/angles.h"

namespace solvers {

int periodDegrees(int function)
{
    return function >= Tangent ? 180 : 360;
}

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

std::vector<long double> sineAbscissas(long double theta)
{
    std::vector<long double> xs;
    for (int i = -2; i <= 2; ++i)
        xs.push_back(i * Pi + (i % 2 == 0 ? theta : -theta));
    return xs;
}

std::vector<long double> cosineAbscissas(long double theta, bool withOuterPair)
{
    std::vector<long double> xs = {theta, -theta, theta - 2 * Pi, 2 * Pi - theta};
    if (withOuterPair) {
        xs.push_back(theta + 2 * Pi);
        xs.push_back(-theta - 2 * Pi);
    }
    return xs;
}

std::vector<long double> tangentAbscissas(long double theta, int first, int last)
{
    std::vector<long double> xs;
    for (int m = first; m <= last; ++m)
        xs.push_back(theta + m * Pi);
    return xs;
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

namespace {

int withinPeriod(int degrees, int period)
{
    return ((degrees % period) + period) % period;
}

// Points of one period, the second left out where it is the first.
SolutionSet points(int first, int second, int period)
{
    first = withinPeriod(first, period);
    second = withinPeriod(second, period);
    return first == second ? SolutionSet::atPoints({first}, period) : SolutionSet::atPoints({first, second}, period);
}

}  // namespace

ElementaryFindings solveElementary(int function, int alphaDeg)
{
    ElementaryFindings f;
    f.function = function;
    f.alphaDeg = alphaDeg;
    f.value = functionValue(function, alphaDeg);
    f.graphSolutions = elementaryAbscissas(function, alphaDeg);
    const int alpha = alphaDeg;
    switch (function) {
    case Sine:
        // sin x >= sin α on [α, 180° - α] for α in [-90°, 90°].
        f.solutions = points(alpha, 180 - alpha, 360);
        if (alpha <= -90) {
            f.greater = SolutionSet::allReals();
            f.less = SolutionSet::empty();
        } else if (alpha >= 90) {
            f.greater = SolutionSet::atPoints({90});
            f.less = SolutionSet::within({{90, 450, false, false}});
        } else {
            f.greater = SolutionSet::within({{alpha, 180 - alpha, true, true}});
            f.less = SolutionSet::within({{180 - alpha, 360 + alpha, false, false}});
        }
        break;
    case Cosine:
        // cos x >= cos α on [-α, α] for α in [0°, 180°].
        f.solutions = points(alpha, 360 - alpha, 360);
        if (alpha >= 180) {
            f.greater = SolutionSet::allReals();
            f.less = SolutionSet::empty();
        } else if (alpha <= 0) {
            f.greater = SolutionSet::atPoints({0});
            f.less = SolutionSet::within({{0, 360, false, false}});
        } else {
            f.greater = SolutionSet::within({{-alpha, alpha, true, true}});
            f.less = SolutionSet::within({{alpha, 360 - alpha, false, false}});
        }
        break;
    default: {
        // tan x >= tan α on [β, 90°), β the angle of (-90°, 90°] with the tangent of α; period 180°.
        const int beta = withinPeriod(alpha + 89, 180) - 89;
        f.solutions = SolutionSet::atPoints({withinPeriod(alpha, 180)}, 180);
        if (beta == 90) {
            // No value reaches the tangent's infinity.
            f.greater = SolutionSet::empty(180);
            f.less = SolutionSet::within({{-90, 90, false, false}}, 180);
        } else {
            f.greater = SolutionSet::within({{beta, 90, true, false}}, 180);
            f.less = SolutionSet::within({{-90, beta, false, false}}, 180);
        }
        break;
    }
    }
    return f;
}

}  // namespace solvers
