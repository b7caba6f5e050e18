#pragma once
// The angle α of the two elementary windows (equations and inequalities) and what follows from
// it: the ranges of the up-down per function, the level a = f(α), the graph abscissas of the
// solutions. Plain functions, no widgets.
#include <QString>
#include <optional>
#include <vector>

#include "texts/angle_notation.h"

namespace solvers {

struct AngleRange {
    int minimum;
    int maximum;
};

// The angle both elementary windows start at, and return to when the function changes.
inline constexpr int StartAngle = 25;

// Ranges of `sposta`: each lets a = f(α) take every value of f once.
AngleRange equationAngleRange(int function);    // sin -90..90, cos 0..180, tan 0..180
AngleRange inequalityAngleRange(int function);  // sin -90..90, cos 0..180, tan -89..89

// "sin x", "cos x" or "tan x".
QString functionName(int function);

// f(α) for α in whole degrees, in extended precision; no value for the tangent where cos α is 0.
std::optional<long double> functionValue(int function, int alphaDeg);

// The level a of the graph in single precision: f(α), or for the tangent at 90° the value
// H div 2, far beyond the graph, standing for infinity.
float elementaryLevel(int function, int alphaDeg, int H);

// The abscissas (radians) of the solutions of f(x) = f(α) marked on the graph:
// sine α - 2π, -π - α, α, π - α, α + 2π; cosine ±α, ±(2π - α) and ±(2π + α) when α < 90;
// tangent α + mπ, m from -2 to 2 (α < 90), to 1 (α = 90), from -3 to 1 (α > 90).
std::vector<long double> elementaryAbscissas(int function, int alphaDeg);

}  // namespace solvers
