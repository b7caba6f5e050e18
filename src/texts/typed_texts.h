#pragma once
// The words of a typed equation in Italian, English and French: why one could not be read
// (what, where, and the forms understood, with examples), its kind, the sign change, and the
// solutions over one period in degrees and as fractions of π.
#include <QString>
#include <string_view>

#include "maths/typed_equation.h"

namespace solvers {

// Language slots as the text tables number them: 0 Italian, 1 English, 2 French (any other
// slot speaks English).
// The refusal: "<what> at character N: «quoted». <forms understood>".
QString refusalText(const TypedEquation& equation, std::string_view typed, int slot);
// The forms understood, with examples.
QString understoodForms(int slot);
// "elementary", "quadratic" or "linear" in the language: "quadratic in sin x".
QString kindText(const TypedEquation& equation, int slot);
// The note of a sign change: "−(…) ≥ 0, the same as … ≤ 0" in the language.
QString signChangeNote(int slot);
// The stable names the JSON uses: "elementary", "quadratic", "linear"; "=", ">=", "<".
const char* kindKey(EquationKind kind);
const char* relationKey(Relation relation);

// An angle in degrees as a fraction of π: "5π/6", "π", "0", "-π/3"; an angle that is no
// whole degree as a decimal multiple, "0.2699465524π".
QString piText(double degrees);
// Degrees with up to 10 significant digits: "30", "36.86989765".
QString degreesText(double degrees);

// The solutions as lines of text: each point with its family ("x = 30° + k·360°  (π/6 + 2kπ)"),
// each interval, or every x / no x.
QString solutionText(const TypedEquation& equation, const TypedSolution& solution, int slot);

}  // namespace solvers
