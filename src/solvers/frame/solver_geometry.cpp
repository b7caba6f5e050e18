#include "solvers/frame/solver_geometry.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"

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

}  // namespace solvers
