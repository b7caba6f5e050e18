#pragma once
// Angles and rounding as every computation and picture of the program takes them: π in
// extended precision, degrees to radians, the nearest integer with halves to the even
// neighbour, and whole degrees. The one place these are defined.
#include <cmath>
#include <limits>

// π in extended precision.
inline constexpr long double Pi = 3.141592653589793238462643383279502884L;

// Degrees to radians, in extended precision.
inline long double radians(long double degrees)
{
    return degrees * Pi / 180.0L;
}

// x to the nearest integer, halves to the even neighbour; values beyond the int range are held
// at its ends (so far-away points stay drawable and never overflow), and NaN gives 0.
inline int nearest(long double x)
{
    if (std::isnan(x))
        return 0;
    constexpr long double low = std::numeric_limits<int>::min();
    constexpr long double high = std::numeric_limits<int>::max();
    const long double r = std::nearbyint(x);
    if (r <= low)
        return std::numeric_limits<int>::min();
    if (r >= high)
        return std::numeric_limits<int>::max();
    return int(r);
}

// Whole degrees of an angle in radians: nearest(angle·180/π).
inline int wholeDegrees(long double angleRadians)
{
    return nearest(angleRadians * 180.0L / Pi);
}
