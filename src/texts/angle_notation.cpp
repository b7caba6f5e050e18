#include "texts/angle_notation.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

namespace solvers {

QString functionName(int function)
{
    switch (function) {
    case Sine: return QStringLiteral("sin x");
    case Cosine: return QStringLiteral("cos x");
    default: return QStringLiteral("tan x");
    }
}

Period periodOf(int functionIndex)
{
    return functionIndex >= Tangent ? Period::Pi : Period::TwoPi;
}

namespace {

// Numerator and denominator of n/180 in lowest terms (n > 0).
struct PiFraction {
    long long numerator;
    long long denominator;
};

PiFraction reduced(int n)
{
    const long long g = std::gcd(static_cast<long long>(n), 180LL);
    return {n / g, 180 / g};
}

QString numeratorText(long long numerator)
{
    return numerator == 1 ? QString() : QString::number(numerator);
}

}  // namespace

QString PiFractionText(int n, Period period)
{
    if (n <= 0)
        return QString();
    const PiFraction f = reduced(n);
    const QString suffix = period == Period::Pi ? QStringLiteral(" + Kp") : QStringLiteral(" + 2Kp");
    return numeratorText(f.numerator) + QStringLiteral("p/") + QString::number(f.denominator) + suffix;
}

QString LinearPiFractionText(int n)
{
    if (n <= 0)
        return QString();
    const PiFraction f = reduced(n);
    const QString suffix = QStringLiteral(" + 2Kp");
    if (f.denominator == 1)
        return numeratorText(f.numerator) + QStringLiteral("p") + suffix;
    return numeratorText(f.numerator) + QStringLiteral("p/") + QString::number(f.denominator) + suffix;
}

QString ShortValueText(long double value)
{
    if (!std::isfinite(value))
        return QString();
    char buffer[128];
    // A value that is a double (most are) goes through the double conversion: it rounds the same
    // binary value to the same five decimals, several times faster than the long double one.
    const double d = double(value);
    const std::to_chars_result result =
        d == value ? std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed, 5)
                   : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer, result.ptr - buffer).left(7);
}

QString DegreeText(long long degrees)
{
    return QString::number(degrees).left(7);
}

QString CoefficientBoxText(long double value)
{
    if (!std::isfinite(value))
        return QString();
    // Values that round to zero are written "0.00", never "-0.00".
    if (std::fabs(value) < 0.005L)
        value = 0;
    return QString::asprintf("%.2Lf", value).left(5);
}

}  // namespace solvers
