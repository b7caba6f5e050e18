#include "solvers/frame/solver_geometry.h"

#include <algorithm>
#include <cmath>

#include "texts/angle_notation.h"

namespace solvers {

QPoint SolverGeometry::pointAt(long double theta, long double r) const
{
    return {W / 4 + nearest(r * std::cos(theta)), H / 2 - nearest(r * std::sin(theta))};
}

QPoint SolverGeometry::arcDirection(int sx, int sy, long double theta) const
{
    return {W / 4 + sx * nearest(1.5L * U * std::cos(theta)), H / 2 + sy * nearest(1.5L * U * std::sin(theta))};
}

int SolverGeometry::graphX(long double theta) const
{
    return 3 * W / 4 + nearest(20.0L * theta);
}

int SolverGeometry::graphY(long double t) const
{
    return drawableCoordinate(static_cast<long long>(H / 4) - nearest(t * H / 10.0L));
}

int drawableCoordinate(long long v)
{
    return int(std::clamp<long long>(v, -FarCoordinate, FarCoordinate));
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

}  // namespace solvers
