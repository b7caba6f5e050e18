#pragma once
// The values and angles a student knows exactly: 0, ±1/2, ±√2/2, ±√3/2, ±1, ±√3, ±√3/3, and the
// whole degrees with their fractions of π. The texts write these exactly, others in decimals.
#include <optional>

namespace solvers {

enum class KnownValue { Zero, Half, Sqrt2Over2, Sqrt3Over2, One, Sqrt3, Sqrt3Over3 };

struct ExactValue {
    KnownValue value;
    bool negative = false;
};

// The known value v stands for (within 1e-9), if any.
std::optional<ExactValue> knownValue(long double v);

// An angle in degrees as a reduced fraction of π, numerator/denominator (180° is 1/1, 0° is 0/1),
// when it is a whole number of degrees (within 1e-9); none otherwise.
struct PiFraction {
    long long numerator = 0;
    long long denominator = 1;
};
std::optional<PiFraction> piFraction(long double degrees);

}  // namespace solvers
