#pragma once
// Drawing shared by the solver windows: the graph backdrop of the off-screen bitmap and the
// pieces of the circle picture (unit circle, rays, dotted lines, angle arcs, axes, level line,
// graph markers). Every function draws on a QPainter from the geometry and leaves the pen
// and brush as it found them.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <array>
#include <vector>

#include "platform/colors.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// Pens of the pictures: solid of a width, and the dotted construction pen.
QPen solidPen(const QColor& colour, int width = 1);
QPen dottedPen(const QColor& colour);

// Text with its top-left corner at (x, y), as the window system writes it.
void drawTextAt(QPainter& painter, int x, int y, const QString& text);

// Whether the painter's clip (when it has one) reaches into `area`: a picture drawn piece by
// piece on the screen leaves out the pieces that would be clipped away whole.
bool clipReaches(const QPainter& painter, const QRect& area);

// The square around the circle's centre C that holds whatever is drawn within `radius` of it,
// the pen included: a piece outside the painter's clip is left out whole.
QRect circleBox(const SolverGeometry& g, int radius);

// Copies the `source` rectangle (logical pixels of `bitmap`) with its top-left corner at `to`.
void copyBitmapRect(QPainter& painter, QPoint to, const QImage& bitmap, const QRect& source);

// ---- The graph backdrop (drawn into the solver bitmap, bitmap coordinates) -------------------

struct BackdropStyle {
    int function = 0;                // FunctionIndex whose name and curve are drawn; -1: neither
    bool tangentNamed = true;        // whether "tan x" is written for the tangent
    bool halfPiTicks = false;        // ticks every π/2 (i = -4..4) instead of every π (i = -2..2)
    int axisExtension = 5;           // the horizontal axis ends at 9W div 20 + this
    std::array<int, 4> piLabelX = {57, 118, -75, -142};  // x of "p", "2p", "-p", "-2p" from W div 4
    // One copy of the graph per colour, each H div 2 below the previous, with its curve in that colour.
    std::vector<QColor> curveColours = {Colors::clWhite};
};

// Clears the bitmap to black and draws the graph (or its copies) as the style says.
void SolverBackdrop(QImage& bitmap, const SolverGeometry& g, const BackdropStyle& style);

// Where a picture takes its graph from: on the window's own surface the cached bitmap
// (SolverBitmap), on any other device none, and the graph is drawn from its style.
struct GraphSource {
    const QImage* bitmap = nullptr;
    BackdropStyle style;
};
// The graph (its first copy) on the window at (W div 2, 0).
void showGraph(QPainter& painter, const SolverGeometry& g, const GraphSource& source);

// Copy `index` of the graph drawn straight on a window painter, without a bitmap: the rows
// `rows` of the graph quarter (window coordinates) on a black ground, or over what the painter
// holds there without `ground`. What a copy of the bitmap shows there, for paint devices that
// take no cached bitmap.
void drawBackdropCopy(QPainter& painter, const SolverGeometry& g, const BackdropStyle& style, int index,
                      const QRect& rows, bool ground = true);
// The graph quarter of the window: (W div 2, 0), W div 2 x H div 2.
QRect graphQuarter(const SolverGeometry& g);

// The pieces of one copy of the graph, shifted down by yOffset: the axes with the "x" label, the
// π labels, arrowheads and ticks; the function's name; the function's curve.
void drawGraphAxes(QPainter& painter, const SolverGeometry& g, const BackdropStyle& style, int yOffset = 0);
void drawFunctionName(QPainter& painter, const SolverGeometry& g, int function, int yOffset = 0);
void drawFunctionCurve(QPainter& painter, const SolverGeometry& g, int function, const QColor& colour,
                       int yOffset = 0);

// ---- The circle picture (window coordinates) ---------------------------------------------------

// Black rectangle over the left part, (0, 0)-(W div 2 - 2, H).
void clearCirclePart(QPainter& painter, const SolverGeometry& g);
// The circle of radius U around C.
void drawUnitCircle(QPainter& painter, const SolverGeometry& g, const QColor& colour = Colors::clWhite);
// A line from C to P(θ, length) in the painter's pen.
void drawRay(QPainter& painter, const SolverGeometry& g, long double theta, long double length);
// The grey axes of the circle across the left half: (0, H div 2)-(W div 2, H div 2), (W div 4, 0)-(W div 4, H).
void drawCircleAxes(QPainter& painter, const SolverGeometry& g);
// The shorter grey axes with arrowheads of a first picture.
void drawArrowAxes(QPainter& painter, const SolverGeometry& g);
// The counter-clockwise arc of radius `radius` around C from the direction `from` to the
// direction `to` (points seen from C); the whole circle when the two coincide.
void drawArcBetween(QPainter& painter, const SolverGeometry& g, int radius, QPoint from, QPoint to, const QColor& colour);
// An angle arc: from angle 0 to the direction `to`.
void drawAngleArc(QPainter& painter, const SolverGeometry& g, int radius, QPoint to, const QColor& colour);
// The radius of an angle arc with radius offset f: round(U·(3 + f)/3).
int angleArcRadius(const SolverGeometry& g, long double f);

// ---- Graph overlays (window coordinates) ---------------------------------------------------------

// The level line y = t across the graph at row y, from 11W div 20 to 19W div 20.
void drawLevelLine(QPainter& painter, const SolverGeometry& g, int y, const QColor& colour, int width = 1);
// Dotted vertical markers from the graph's axis (H div 4) to row y at each abscissa (radians).
void drawGraphMarkers(QPainter& painter, const SolverGeometry& g, const std::vector<long double>& abscissas, int y,
                      const QColor& colour);

// ---- What a step changes (window coordinates) -----------------------------------------------------

// The part of the picture a step may change, the rest staying as the last picture left it: on
// the circle part the square around C that holds the rays (1.5 U) and the ring (U + 10), or
// with `wholeHeight` (the tangent, whose lines run off the circle) its columns down the whole
// window; on the graph the rows of the values -1 ... 1, or with `wholeGraph` the whole quarter
// (and the square from the top of the window, so that the quarter is redrawn in one piece).
// The circle part and the graph quarter whole when the square does not fit in the circle part.
QRegion stepChanges(const SolverGeometry& g, bool wholeHeight, bool wholeGraph);

}  // namespace solvers
