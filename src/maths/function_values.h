#pragma once
// The mathematics of the function graphs: the angle of each animation step, the circle point
// in pixels, the six functions' values where they are defined and their graph values in pixels.
#include <optional>

#include "maths/angles.h"

namespace graphs {

// The radius turns once in 160 steps of 2.25 degrees (pi/80).
inline constexpr int LastStep = 160;

// The six functions, numbered as the items of the function lists.
enum class TrigFunction { Sine = 0, Cosine = 1, Tangent = 2, Cosecant = 3, Secant = 4, Cotangent = 5 };
inline constexpr int FunctionCount = 6;
// The function of a list index (indexes out of range give the sine).
TrigFunction functionAt(int index);

// The angle of a step in radians: step * pi / 80.
long double angleAtStep(int step);
// The angle of a step in whole degrees: step * 9/4 to the nearest integer, halves to even.
int degreesAtStep(int step);

// What the picture knows of one step: the exact angle and the circle point in pixels,
// cx = round(r cos theta) to the right of the centre, sy = round(r sin theta) above it.
struct Sample {
    long double theta = 0;
    int cx = 0;
    int sy = 0;
};
Sample sampleAtStep(int step, int radius);

// The exact value of a function for a sample, or none where it is undefined there. The
// function counts as undefined exactly where the pixel value it divides by is zero (sy for the
// cosecant and cotangent, cx for the secant and tangent), so nothing is divided by zero.
std::optional<long double> functionValue(TrigFunction function, const Sample& sample);

// The height of the graph above the x axis, in pixels, for a circle of `radius`: sy and cx for
// the sine and cosine, round(r / sin theta) and round(r / cos theta) for the cosecant and the
// secant, round(r sy / cx) and round(r cx / sy) for the tangent and the cotangent; none where
// the function is undefined.
std::optional<int> graphValue(TrigFunction function, const Sample& sample, int radius);

}  // namespace graphs
