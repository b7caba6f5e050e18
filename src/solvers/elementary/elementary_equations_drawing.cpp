#include "solvers/elementary/elementary_equations_drawing.h"

#include "platform/colors.h"
#include "texts/angle_notation.h"
#include "solvers/elementary/elementary_drawing.h"

namespace solvers {

BackdropStyle equationBackdropStyle(int function)
{
    BackdropStyle style;
    style.function = function;
    return style;
}

void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int cx, int cy, const QColor& colour)
{
    const long double f = colour == Colors::clYellow ? 0.5L : 1.0L;
    drawAngleArc(painter, g, angleArcRadius(g, f), g.arcDirection(cx, cy, radians(alphaDeg)), colour);
}

namespace {

void drawArcs(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg)
{
    switch (function) {
    case Sine:
        DrawAngleArc(painter, g, alphaDeg, 1, -1, Colors::clAqua);
        DrawAngleArc(painter, g, alphaDeg, -1, -1, Colors::clYellow);
        break;
    case Cosine:
        DrawAngleArc(painter, g, alphaDeg, 1, 1, Colors::clYellow);
        DrawAngleArc(painter, g, alphaDeg, 1, -1, Colors::clAqua);
        break;
    default:
        DrawAngleArc(painter, g, alphaDeg, 1, -1, Colors::clYellow);
        DrawAngleArc(painter, g, alphaDeg, -1, 1, Colors::clAqua);
        break;
    }
}

}  // namespace

void drawEquationPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function, int alphaDeg)
{
    painter.drawImage(g.bitmapOrigin(), bitmap);
    drawElementaryConstruction(painter, g, function, alphaDeg);
    drawArcs(painter, g, function, alphaDeg);
    drawCircleAxes(painter, g);
    drawValueSegment(painter, g, function, alphaDeg);
    drawLevelAndMarkers(painter, g, function, alphaDeg, true);
}

void drawEquationFirstPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                              int alphaDeg)
{
    painter.drawImage(g.bitmapOrigin(), bitmap);
    drawElementaryConstruction(painter, g, function, alphaDeg, true);
    drawArcs(painter, g, function, alphaDeg);
    drawArrowAxes(painter, g);
    drawValueSegment(painter, g, function, alphaDeg);
    drawLevelAndMarkers(painter, g, function, alphaDeg, false);
}

}  // namespace solvers
