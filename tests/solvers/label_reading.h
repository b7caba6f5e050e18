#pragma once
// Reading the solver windows' label texts back into numbers, so tests can check them against
// the mathematics rather than against a copy of the code.
#include <QRegularExpression>
#include <cmath>
#include <QString>
#include <QStringList>
#include <optional>

#include "texts/angle_notation.h"

namespace label_reading {

// f(x) for x in degrees: sine, cosine or tangent by function index.
inline long double trig(int function, long double degrees)
{
    const long double x = radians(degrees);
    switch (function) {
    case solvers::Sine: return std::sin(x);
    case solvers::Cosine: return std::cos(x);
    default: return std::tan(x);
    }
}

// A value text is cut, not rounded: it lies within one unit of its last digit of the value.
inline double cutTolerance(const QString& value)
{
    const qsizetype point = value.indexOf(QLatin1Char('.'));
    return point < 0 ? 1.0 : std::pow(10.0, -double(value.size() - point - 1));
}

// A degree bound: "25° + k 360°", "-45° + k 180°", "- 90° + k 180°", or "k 360°" alone (0).
inline std::optional<int> degreeBound(QString text)
{
    text = text.trimmed();
    static const QRegularExpression withNumber(QStringLiteral("^(-?)\\s*(\\d+)° \\+ k (360|180)°$"));
    static const QRegularExpression periodOnly(QStringLiteral("^k (360|180)°$"));
    if (const QRegularExpressionMatch m = withNumber.match(text); m.hasMatch())
        return (m.captured(1).isEmpty() ? 1 : -1) * m.captured(2).toInt();
    if (periodOnly.match(text).hasMatch())
        return 0;
    return std::nullopt;
}

// The solution of a degree line " x = 25° + k 360°" (or " x = k 360°").
inline std::optional<int> degreeSolution(const QString& text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return degreeBound(text.mid(eq + 1));
}

// An angle written as a fraction of π with its period, in degrees: "5p/6 + 2Kp" 150,
// "-p/4 + Kp" -45, " 2Kp" 0, "p + 2Kp" 180, " 2p + 2Kp" 360, "K p" 0, "p/2 + K p" 90.
inline std::optional<int> radianBound(QString text)
{
    text.remove(QLatin1Char(' '));
    int sign = 1;
    if (text.startsWith(QLatin1Char('-'))) {
        sign = -1;
        text.remove(0, 1);
    }
    static const QRegularExpression fraction(QStringLiteral("^(\\d*)p(?:/(\\d+))?\\+(2?)Kp$"));
    if (text == QLatin1String("2Kp") || text == QLatin1String("Kp"))
        return 0;
    const QRegularExpressionMatch m = fraction.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int numerator = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
    const int denominator = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
    if (denominator == 0 || (180 * numerator) % denominator != 0)
        return std::nullopt;
    return sign * 180 * numerator / denominator;
}

// The two bounds of an interval text "A <= x <= B" (or "A < x < B"), in degrees.
struct Interval {
    int low;
    int high;
};
inline std::optional<Interval> degreeInterval(const QString& text)
{
    static const QRegularExpression separator(QStringLiteral("\\s*<=?\\s*x\\s*<=?\\s*"));
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<int> low = degreeBound(parts[0]);
    const std::optional<int> high = degreeBound(parts[1]);
    if (!low || !high)
        return std::nullopt;
    return Interval{*low, *high};
}

}  // namespace label_reading
