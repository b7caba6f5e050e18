#pragma once
// The elementary equations f(x) = a and inequalities f(x) >= a, f(x) < a for f = sin, cos or
// tan, with a = f(α) for an angle α in whole degrees: the ranges of α, the value a, the
// solutions marked on the graph and the sets each window states. Also the functions and their
// solution abscissas that the quadratic windows share.
#include <optional>
#include <vector>

#include "maths/solution_set.h"

namespace solvers {

// The function a solver window works with, numbered as the item index of its combo box `funzt`.
enum TrigFunction : int { Sine = 0, Cosine = 1, Tangent = 2 };

// The period of a function in degrees: 180 for the tangent (index 2 or more), 360 otherwise.
int periodDegrees(int function);

struct AngleRange {
    int minimum;
    int maximum;
};

// The angle both elementary windows start at, and return to when the function changes.
inline constexpr int StartAngle = 25;

// Ranges of `sposta`: each lets a = f(α) take every value of f once.
AngleRange equationAngleRange(int function);    // sin -90..90, cos 0..180, tan 0..180
AngleRange inequalityAngleRange(int function);  // sin -90..90, cos 0..180, tan -89..89

// f(α) for α in whole degrees, in extended precision; no value for the tangent where cos α is 0.
std::optional<long double> functionValue(int function, int alphaDeg);

// Abscissas (radians) of the solutions of f(x) = f(θ) that a graph over [-5π/2, 5π/2] marks,
// for a principal angle θ:
// sine: θ - 2π, -π - θ, θ, π - θ, θ + 2π;
std::vector<long double> sineAbscissas(long double theta);
// cosine: θ, -θ, θ - 2π, 2π - θ, and θ + 2π, -θ - 2π when `withOuterPair`;
std::vector<long double> cosineAbscissas(long double theta, bool withOuterPair);
// tangent: θ + mπ for m from `first` to `last`.
std::vector<long double> tangentAbscissas(long double theta, int first, int last);

// The abscissas (radians) of the solutions of f(x) = f(α) marked on the graph:
// sine α - 2π, -π - α, α, π - α, α + 2π; cosine ±α, ±(2π - α) and ±(2π + α) when α < 90;
// tangent α + mπ, m from -2 to 2 (α < 90), to 1 (α = 90), from -3 to 1 (α > 90).
std::vector<long double> elementaryAbscissas(int function, int alphaDeg);

// What an elementary window finds for its function and angle.
struct ElementaryFindings {
    int function = Sine;
    int alphaDeg = StartAngle;
    std::optional<long double> value;         // a = f(α); none for the tangent at ±90°
    std::vector<long double> graphSolutions;  // elementaryAbscissas(function, α)
    // Where f(x) = a: α and 180° - α (sine), α and 360° - α (cosine), α (tangent, period 180°),
    // in whole degrees of one period; one point where the two coincide. For the tangent at 90°
    // the window states x = 90° + k 180°.
    SolutionSet solutions;
    // Where f(x) >= a and where f(x) < a, over one period: a closed interval and the open one
    // that completes the period; every x or none at the ends of the range of f, and the single
    // point where a is the largest value of f.
    SolutionSet greater;
    SolutionSet less;
};

ElementaryFindings solveElementary(int function, int alphaDeg);

}  // namespace solvers
