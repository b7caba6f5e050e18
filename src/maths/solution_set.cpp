#include "maths/solution_set.h"

#include <cmath>

namespace {

// x brought into [from, from + period).
long double shiftedInto(long double x, long double from, int period)
{
    const long double offset = std::fmod(x - from, static_cast<long double>(period));
    return from + (offset < 0 ? offset + period : offset);
}

}  // namespace

bool SolutionSet::contains(long double degrees) const
{
    if (!std::isfinite(degrees))
        return false;
    switch (kind) {
    case Kind::AllReals: return true;
    case Kind::Empty: return false;
    case Kind::Points:
        for (int p : points)
            if (shiftedInto(degrees, p, period) == p)
                return true;
        return false;
    case Kind::Intervals:
        for (const DegreeInterval& i : intervals) {
            const long double x = shiftedInto(degrees, i.from, period);
            if ((x > i.from || (i.fromClosed && x == i.from)) && (x < i.to || (i.toClosed && x == i.to)))
                return true;
            // An interval closed at its end holds that end, which a shift into [from, from +
            // period) puts back at its start when the interval spans a whole period.
            if (i.toClosed && x + period == i.to)
                return true;
        }
        return false;
    }
    return false;
}
