#pragma once
// Angles in decimal degrees and in degrees and minutes (30°15′), written and read: the notation
// of the triangles, their command line and their exercises, and their numbers.
#include <QString>

namespace triangles {

// A number as the results show it: 6 significant digits, no exponent below 10^6, never "-0".
QString numberText(double value);

// An angle in decimal degrees, at most 4 decimals: "30.25°".
QString decimalDegreesText(double degrees);
// An angle in degrees and minutes, to the nearest minute: "30°15′".
QString degreesMinutesText(double degrees);
// Both: "30.25° (30°15′)".
QString angleText(double degrees);

// What a typed part reads as: a value, or the message that says why not.
struct Reading {
    bool ok = false;
    double value = 0;
    QString message;
};
// A typed part: empty (not given: ok with NaN), degrees and minutes ("30°15′", "30°15'",
// "30° 15.5′", "-0°30′") or an expression of the evaluator (angles in degrees).
Reading readPart(const QString& text);

}  // namespace triangles
