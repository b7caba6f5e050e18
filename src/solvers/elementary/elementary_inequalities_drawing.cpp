#include "solvers/elementary/elementary_inequalities_drawing.h"

#include <algorithm>

#include "platform/colors.h"
#include "texts/angle_notation.h"
#include "solvers/elementary/elementary_angles.h"
#include "solvers/elementary/elementary_drawing.h"

namespace solvers {

BackdropStyle inequalityBackdropStyle(int function)
{
    BackdropStyle style;
    style.function = function;
    style.tangentNamed = false;
    style.axisExtension = 8;
    style.piLabelX = {55, 114, -75, -142};
    style.curveColours = {Colors::clAqua, Colors::clYellow};
    return style;
}

QRect lowerSourceRect(const SolverGeometry& g, int levelY)
{
    const int half = g.H / 2;
    const int top = std::max(levelY, 0);
    if (top >= half)
        return {};
    return QRect(0, half + top, g.W / 2, half - top);
}

QPoint lowerDestination(const SolverGeometry& g, int levelY)
{
    return {g.W / 2, std::max(levelY, 0)};
}

void copyTwoColourGraph(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, float a)
{
    copyBitmapRect(painter, g.bitmapOrigin(), bitmap, QRect(QPoint(0, 0), g.bitmapSize()));
    const int y = g.graphY(a);
    copyBitmapRect(painter, lowerDestination(g, y), bitmap, lowerSourceRect(g, y));
}

namespace {

int solutionArcRadius(const SolverGeometry& g)
{
    return nearest(4.0L * g.U / 3.0L);
}

// The single point of the circle of the solution arcs in the direction of α.
void drawSolutionPoint(QPainter& painter, const SolverGeometry& g, int alphaDeg, const QColor& colour)
{
    painter.save();
    painter.setPen(solidPen(colour));
    painter.setBrush(colour);
    const QPoint p = g.pointAt(radians(alphaDeg), solutionArcRadius(g));
    painter.drawEllipse(p, 2, 2);
    painter.restore();
}

void drawTangentArcs(QPainter& painter, const SolverGeometry& g, int alphaDeg)
{
    const int r = solutionArcRadius(g);
    const QPoint down(g.W / 4, g.H / 2 + r), up(g.W / 4, g.H / 2 - r);
    const QPoint alpha = g.arcDirection(1, -1, radians(alphaDeg));
    const QPoint opposite = g.arcDirection(-1, 1, radians(alphaDeg));
    drawArcBetween(painter, g, r, down, alpha, Colors::clYellow);
    drawArcBetween(painter, g, r, up, opposite, Colors::clYellow);
    drawArcBetween(painter, g, r, alpha, up, Colors::clAqua);
    drawArcBetween(painter, g, r, opposite, down, Colors::clAqua);
}

// The part of every picture after the graph: the construction, the given arcs, the axes, the
// value segment, the level line and (for a step) the markers.
template <class Arcs>
void drawCirclePicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function, int alphaDeg,
                       bool first, Arcs arcs)
{
    copyTwoColourGraph(painter, g, bitmap, elementaryLevel(function, alphaDeg, g.H));
    drawElementaryConstruction(painter, g, function, alphaDeg);
    arcs();
    if (first)
        drawArrowAxes(painter, g);
    else
        drawCircleAxes(painter, g);
    drawValueSegment(painter, g, function, alphaDeg);
    drawLevelAndMarkers(painter, g, function, alphaDeg, !first);
}

}  // namespace

void DrawSolutionArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int c1, int s1, int c2, int s2,
                     const QColor& colour)
{
    const long double alpha = radians(alphaDeg);
    drawArcBetween(painter, g, solutionArcRadius(g), g.arcDirection(c1, s1, alpha), g.arcDirection(c2, s2, alpha),
                   colour);
}

void drawSolutionArcs(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg)
{
    const bool highest = (function == Sine && alphaDeg == 90) || (function == Cosine && alphaDeg == 0);
    if (highest) {
        DrawSolutionArc(painter, g, alphaDeg, 1, -1, 1, -1, Colors::clYellow);
        drawSolutionPoint(painter, g, alphaDeg, Colors::clAqua);
        return;
    }
    switch (function) {
    case Sine:
        DrawSolutionArc(painter, g, alphaDeg, -1, -1, 1, -1, Colors::clYellow);
        DrawSolutionArc(painter, g, alphaDeg, 1, -1, -1, -1, Colors::clAqua);
        break;
    case Cosine:
        DrawSolutionArc(painter, g, alphaDeg, 1, -1, 1, 1, Colors::clYellow);
        DrawSolutionArc(painter, g, alphaDeg, 1, 1, 1, -1, Colors::clAqua);
        break;
    default: drawTangentArcs(painter, g, alphaDeg); break;
    }
}

void drawInequalityPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                           int alphaDeg)
{
    drawCirclePicture(painter, g, bitmap, function, alphaDeg, false,
                      [&] { drawSolutionArcs(painter, g, function, alphaDeg); });
}

void drawInequalityFirstPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                                int alphaDeg)
{
    drawCirclePicture(painter, g, bitmap, function, alphaDeg, true,
                      [&] { drawSolutionArcs(painter, g, function, alphaDeg); });
}

}  // namespace solvers
