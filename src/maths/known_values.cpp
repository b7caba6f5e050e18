#include "maths/known_values.h"

#include <cmath>
#include <numeric>

namespace solvers {

namespace {
constexpr long double Tolerance = 1e-9L;
}

std::optional<ExactValue> knownValue(long double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    struct Entry {
        KnownValue value;
        long double magnitude;
    };
    static const Entry table[] = {
        {KnownValue::Zero, 0.0L},
        {KnownValue::Half, 0.5L},
        {KnownValue::Sqrt2Over2, std::sqrt(2.0L) / 2},
        {KnownValue::Sqrt3Over2, std::sqrt(3.0L) / 2},
        {KnownValue::One, 1.0L},
        {KnownValue::Sqrt3, std::sqrt(3.0L)},
        {KnownValue::Sqrt3Over3, std::sqrt(3.0L) / 3},
    };
    const long double m = std::fabs(v);
    for (const Entry& e : table)
        if (std::fabs(m - e.magnitude) <= Tolerance)
            return ExactValue{e.value, v < 0 && e.value != KnownValue::Zero};
    return std::nullopt;
}

std::optional<PiFraction> piFraction(long double degrees)
{
    if (!std::isfinite(degrees) || std::fabs(degrees) > 1e12L)
        return std::nullopt;
    // The nearest whole degree, by truncation of |degrees| + 1/2 (cheaper than nearbyint on long
    // double; the two differ only halfway, which the tolerance below refuses anyway).
    const long double whole = std::copysign(static_cast<long double>(static_cast<long long>(std::fabs(degrees) + 0.5L)), degrees);
    if (std::fabs(degrees - whole) > Tolerance)
        return std::nullopt;
    const long long n = static_cast<long long>(whole);
    const long long g = std::gcd(n < 0 ? -n : n, 180LL);
    return PiFraction{n / g, 180 / g};
}

}  // namespace solvers
