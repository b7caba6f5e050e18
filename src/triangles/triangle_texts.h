#pragma once
// The texts of the Triangles window, its command line and its exercises, in Italian, English and
// French (a loaded language file shows the English): the case, the triangles' parts and measures,
// the worked steps and the sentence that says why there is no triangle. Angles are read as
// expressions of the evaluator in degrees or as degrees and minutes (30°15′), and written both
// ways.
#include <QString>
#include <QStringList>

#include "maths/triangle.h"
#include "texts/degrees_minutes.h"

namespace triangles {

// The language slot of the texts: 0 Italian, 1 English, 2 French (the loaded file's slot 3 and
// anything else read as English).
int textLanguage();

// The case's name, "two sides and the angle between them (SAS)".
QString caseText(Case kind);
// "side a" / "angle A" in the language in use, for labels and hints.
QString partNoun(int part);
// The sentence that says why there is no triangle; empty when there is one.
QString problemSentence(const Solution& solution);
// The result lines: the case, each triangle's six parts and its measures, or the sentence.
QStringList resultLines(const Solution& solution);
// One line per step (texts/triangle_steps_texts), substeps indented by two blanks under their heading.
QStringList stepLines(const solvers::WorkedSolution& steps);

// Labels: "Triangle %1", "Area", "Perimeter", "Circumradius", "Inradius", "Case".
enum class Label { Triangle, Area, Perimeter, Circumradius, Inradius, Case, Steps, Given };
QString labelText(Label label);

// The given parts as typed values: "a = 5, b = 7, A = 30°".
QString givenLine(const Parts& given);
// What the picture shows, for screen readers: the triangle or the two (told apart by colour and
// line, with the arc that makes two), or the sentence of no triangle.
QString pictureWords(const Solution& solution);

}  // namespace triangles
