#pragma once
// The mathematics and texts of the function graphs: the angle of each animation step, the
// circle point in pixels, the six functions' values where they are defined, their graph values
// in pixels and the texts of the bottom panels. No widgets here.
#include <QColor>
#include <QString>
#include <optional>

namespace graphs {

// The radius turns once in 160 steps of 2.25 degrees (pi/80).
inline constexpr int LastStep = 160;

// The six functions, numbered as the items of the function lists.
enum class TrigFunction { Sine = 0, Cosine = 1, Tangent = 2, Cosecant = 3, Secant = 4, Cotangent = 5 };
inline constexpr int FunctionCount = 6;
// The function of a list index (indexes out of range give the sine).
TrigFunction functionAt(int index);

// The colour each function is drawn in, and the label of its value text ("sen x = ", ...).
QColor functionColour(TrigFunction function);
QString functionLabel(TrigFunction function);

// x rounded to the nearest integer, halves to the even neighbour.
long long nearest(long double x);

// The angle of a step in radians: step * pi / 80.
long double angleAtStep(int step);
// The angle of a step in whole degrees: step * 9/4 to the nearest integer, halves to even.
int degreesAtStep(int step);

// The first `length` characters of a text.
QString cutTo(const QString& text, int length);
// A value in fixed notation with two decimals ("0.00", "-25.45"); a value that rounds to zero
// is "0.00", never "-0.00".
QString fixedTwoDecimals(long double value);

// The angle panel's text: "x = " + degrees + "° = " + radians + " rad", each number cut to
// 5 characters.
QString anglePanelText(int step);

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

// The value text of a panel: the label followed by the value cut to 5 characters, or by
// " inf" where the function is undefined.
QString valueText(TrigFunction function, const Sample& sample);

// The height of the graph above the x axis, in pixels, for a circle of `radius`: sy and cx for
// the sine and cosine, round(r / sin theta) and round(r / cos theta) for the cosecant and the
// secant, round(r sy / cx) and round(r cx / sy) for the tangent and the cotangent; none where
// the function is undefined.
std::optional<int> graphValue(TrigFunction function, const Sample& sample, int radius);

}  // namespace graphs
