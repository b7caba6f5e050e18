#pragma once
// The worked solutions written out in the language in use (Italian, English, French; a loaded
// language file shows the English ones): one line per step, numbered, each substep indented
// under its step. Known values and angles are written exactly (√3/2, π/6), others as the
// windows write decimals. The topic units (elementary_, quadratic_, linear_steps_texts) write
// their own keys with the helpers here; triangle_steps_texts the triangles' keys.
#include <QString>
#include <QStringList>

#include "maths/steps.h"

namespace solvers {

// Every line of a worked solution: "1. …", substeps "   2.1 …".
QStringList workedSolutionLines(const WorkedSolution& steps);
// The text of one step (without its number and its substeps).
QString stepText(const Step& step, bool inequality);

// The text of the language in use among the three given.
QString stepWords(const char* italian, const char* english, const char* french);
// A value: "√3/2", "-1/2", "0" for a known one; "0.41231" (seven characters) otherwise; "∞" and "-∞".
QString stepValueText(long double v);
// A coefficient in a sum, with its sign: the first term plain ("1.5", "-2"), later ones " + 1.5", " - 2".
QString stepTermText(long double coefficient, const QString& what, bool first);
// An angle: "30° (π/6)" for a whole degree, "≈ 23.58°" otherwise.
QString stepAngleText(long double degrees);
// A set of x with its period: "x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ)",
// "30° + k 360° ≤ x ≤ 150° + k 360°", "every x", "no x".
QString stepSetText(const SolutionSet& set);
// "arcsin", "arccos", "arctan" and the function's name "sin x" …
QString inverseName(int function);

QString elementaryStepText(const Step& step);
QString quadraticStepText(const Step& step, bool inequality);
QString linearStepText(const Step& step, bool inequality);
QString triangleStepText(const Step& step);

}  // namespace solvers
