#pragma once
// The calculator's number format, used by its result field and its memory line.
#include <string>

namespace app {

// |v| >= 1000000: scientific, 23 characters wide (a blank or a minus, one digit, a point,
// 14 digits, "E", the exponent's sign and 4 digits); otherwise, when the fractional part is
// below 0.000001 in magnitude, the whole number (rounded); otherwise 10 decimals.
// Independent of the system locale: the decimal separator is always a point.
std::string calculatorNumberText(long double v);

}  // namespace app
