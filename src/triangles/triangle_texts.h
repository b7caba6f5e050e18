#pragma once
// The texts of the Triangles window, its command line and its exercises, in Italian, English and
// French (a loaded language file shows the English): the case, the triangles' parts and measures,
// the worked steps and the sentence that says why there is no triangle. Angles are read as
// expressions of the evaluator in degrees or as degrees and minutes (30°15′), and written both
// ways.
#include <QString>
#include <QStringList>

#include "maths/triangle.h"

namespace triangles {

// The language slot of the texts: 0 Italian, 1 English, 2 French (the loaded file's slot 3 and
// anything else read as English).
int textLanguage();

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

// The case's name, "two sides and the angle between them (SAS)".
QString caseText(Case kind);
// "side a" / "angle A" in the language in use, for labels and hints.
QString partNoun(int part);
// The sentence that says why there is no triangle; empty when there is one.
QString problemSentence(const Solution& solution);
// The result lines: the case, each triangle's six parts and its measures, or the sentence.
QStringList resultLines(const Solution& solution);
// One line per step, substeps indented by two blanks under their heading.
QStringList stepLines(const solvers::WorkedSolution& steps);

// Labels: "Triangle %1", "Area", "Perimeter", "Circumradius", "Inradius", "Case".
enum class Label { Triangle, Area, Perimeter, Circumradius, Inradius, Case, Steps, NoTriangle };
QString labelText(Label label);

}  // namespace triangles
