#pragma once
// The pictures of the function graphs window: the unit-circle bitmap, the graph axes and one
// animation step (the construction on the circle in the left half, one graph segment per
// function in the right half).
#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>

#include "maths/function_values.h"

namespace graphs {

// Where everything goes in a client area of W x H: the circle of radius r = W div 8 centred at
// (W div 4, cy) with cy = H div 2, and the graph whose x for a step is W div 2 + 10 +
// round(step * s), s = W / 440 (so 80 * s pixels stand for pi).
struct GraphGeometry {
    int width = 0;
    int height = 0;
    int radius = 0;
    float scale = 0;

    static GraphGeometry forClient(int width, int height);
    int cy() const { return height / 2; }
    int centreX() const { return width / 4; }
    int graphLeft() const { return width / 2 + 10; }
    int graphX(int step) const;
    // The left half, where the circle is (the paint box `quadro`).
    QRect leftHalf() const { return QRect(0, 0, width / 2, height); }
    // The x where a horizontal segment that leaves the circle's centre `offset` pixels to the
    // right ends: held at W div 2 - 2 when the offset reaches W div 4, so it stays in the left half.
    int heldEndX(int offset) const;
};

// What one animation step shows: its number, the circle point now and at the step before, and
// which of the six functions are shown.
struct StepPicture {
    int step = 0;
    Sample current;
    Sample previous;
    std::array<bool, FunctionCount> shown{};
};

// The order in which the functions are drawn over each other.
inline constexpr std::array<TrigFunction, FunctionCount> DrawingOrder = {
    TrigFunction::Cosecant, TrigFunction::Secant, TrigFunction::Sine,
    TrigFunction::Cosine,   TrigFunction::Tangent, TrigFunction::Cotangent};

// Draws the unit circle, its axes with their arrow heads and the letters x and y on a black
// bitmap of W div 2 x H; drawCircle draws the same on a painter.
void drawCircleBitmap(QImage& bitmap, const GraphGeometry& geometry);
void drawCircle(QPainter& painter, const GraphGeometry& geometry);
// The left half showing the clean circle: a copy of the circle bitmap, or, where there is none
// (a null image: devices that take no bitmap), the circle drawn on a black ground.
void drawCleanCircle(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& geometry);

// Clears the right half and draws the graph's axes, the ticks of pi and 2pi with their labels
// and the letters x and y.
void drawGraphAxes(QPainter& painter, const GraphGeometry& geometry);

// Draws one animation step: the left half from the circle bitmap (drawn, when the bitmap is
// null) with the radius, the angle mark and each shown function's segment and construction
// lines; on the right half each shown function's graph segment from the step before to this one.
void drawAnimationStep(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& geometry,
                       const StepPicture& picture);
// Its two parts: the left half (the clean circle and the step's construction) and the graph
// segments on the right half.
void drawStepOnCircle(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& geometry,
                      const StepPicture& picture);
void drawStepOnGraph(QPainter& painter, const GraphGeometry& geometry, const StepPicture& picture);

// The part of the right half a step draws on (the strip of its graph segments).
QRect graphStripOfStep(const GraphGeometry& geometry, int step);

// What step `step` of an animation of the `shown` functions shows, for a circle of `radius`.
StepPicture stepPicture(int step, int radius, const std::array<bool, FunctionCount>& shown);

}  // namespace graphs
