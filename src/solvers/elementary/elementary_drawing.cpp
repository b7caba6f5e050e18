#include "solvers/elementary/elementary_drawing.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"
#include "platform/colors.h"

namespace solvers {

// ---- Shared by both ------------------------------------------------------------------------------

namespace {

void drawSecondRay(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f, long double alpha)
{
    painter.setPen(solidPen(Colors::clWhite));
    const long double reach = 1.5L * g.U;
    if (f.function == Sine)
        drawRay(painter, g, Pi - alpha, reach);
    else if (f.function == Cosine)
        drawRay(painter, g, -alpha, reach);
    else if (f.value)
        painter.drawLine(g.pointAt(Pi + alpha, reach), g.pointAt(alpha, reach));
}

void drawChord(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f, long double alpha)
{
    painter.setPen(dottedPen(Colors::clWhite));
    const QPoint start = g.pointAt(alpha, g.U);
    if (f.function == Sine) {
        painter.drawLine(start, g.pointAt(Pi - alpha, g.U));
    } else if (f.function == Cosine) {
        painter.drawLine(start, g.pointAt(-alpha, g.U));
    } else if (f.value) {
        const int rise = nearest(g.U * *f.value);
        painter.drawLine(g.W / 4 - g.U, g.H / 2 + rise, g.W / 4 + g.U, g.H / 2 - rise);
    }
}

}  // namespace

float elementaryLevel(const ElementaryFindings& f, int H)
{
    return f.value ? float(*f.value) : float(H / 2);
}

void drawElementaryConstruction(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f,
                                bool secondRayFirst)
{
    painter.save();
    const long double alpha = radians(f.alphaDeg);
    clearCirclePart(painter, g);
    drawUnitCircle(painter, g);
    painter.setPen(solidPen(Colors::clWhite));
    drawRay(painter, g, alpha, 1.5L * g.U);
    if (secondRayFirst) {
        drawSecondRay(painter, g, f, alpha);
        drawChord(painter, g, f, alpha);
    } else {
        drawChord(painter, g, f, alpha);
        drawSecondRay(painter, g, f, alpha);
    }
    painter.restore();
}

void drawValueSegment(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f)
{
    painter.save();
    painter.setPen(solidPen(Colors::clLime, 3));
    const QPoint c = g.centre();
    if (f.function == Sine) {
        painter.drawLine(c, QPoint(c.x(), c.y() - nearest(g.U * *f.value)));
    } else if (f.function == Cosine) {
        painter.drawLine(c, QPoint(c.x() + nearest(g.U * *f.value), c.y()));
    } else if (f.value) {
        const int rise = nearest(g.U * *f.value);
        painter.drawLine(c.x() + g.U, c.y(), c.x() + g.U, c.y() - rise);
        painter.drawLine(c.x() - g.U, c.y(), c.x() - g.U, c.y() + rise);
    }
    painter.restore();
}

void drawLevelAndMarkers(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f, bool markers)
{
    const int y = g.graphY(elementaryLevel(f, g.H));
    drawLevelLine(painter, g, y, Colors::clLime);
    if (markers)
        drawGraphMarkers(painter, g, f.graphSolutions, y, Colors::clLime);
}

namespace {

// What both pictures end with: the axes (short and arrowed in the opening picture), the value
// segment, the level line and, but in the opening picture, the graph markers.
void drawAxesValueAndLevel(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f, bool opening)
{
    if (opening)
        drawArrowAxes(painter, g);
    else
        drawCircleAxes(painter, g);
    drawValueSegment(painter, g, f);
    drawLevelAndMarkers(painter, g, f, !opening);
}

}  // namespace

// ---- The equation window -------------------------------------------------------------------------

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

void drawArcs(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f)
{
    switch (f.function) {
    case Sine:
        DrawAngleArc(painter, g, f.alphaDeg, 1, -1, Colors::clAqua);
        DrawAngleArc(painter, g, f.alphaDeg, -1, -1, Colors::clYellow);
        break;
    case Cosine:
        DrawAngleArc(painter, g, f.alphaDeg, 1, 1, Colors::clYellow);
        DrawAngleArc(painter, g, f.alphaDeg, 1, -1, Colors::clAqua);
        break;
    default:
        DrawAngleArc(painter, g, f.alphaDeg, 1, -1, Colors::clYellow);
        DrawAngleArc(painter, g, f.alphaDeg, -1, 1, Colors::clAqua);
        break;
    }
}

}  // namespace

void drawEquationPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                         const ElementaryFindings& f, bool opening)
{
    showGraph(painter, g, graph);
    drawElementaryConstruction(painter, g, f, opening);
    drawArcs(painter, g, f);
    drawAxesValueAndLevel(painter, g, f, opening);
}

// ---- The inequality window -----------------------------------------------------------------------

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

void copyTwoColourGraph(QPainter& painter, const SolverGeometry& g, const GraphSource& graph, float a)
{
    const int y = g.graphY(a);
    if (graph.bitmap) {
        // The aqua copy above the level and the yellow one from it down, each row copied once.
        const QRect lower = lowerSourceRect(g, y);
        const int upperRows = lower.isEmpty() ? g.H / 2 : lowerDestination(g, y).y();
        copyBitmapRect(painter, g.bitmapOrigin(), *graph.bitmap, QRect(0, 0, g.W / 2, upperRows));
        copyBitmapRect(painter, lowerDestination(g, y), *graph.bitmap, lower);
        return;
    }
    // The aqua copy above the level, the yellow one below it.
    const QRect quarter = graphQuarter(g);
    const int level = std::clamp(y, 0, quarter.bottom() + 1);
    drawBackdropCopy(painter, g, graph.style, 0, QRect(quarter.left(), 0, quarter.width(), level));
    drawBackdropCopy(painter, g, graph.style, 1, QRect(quarter.left(), level, quarter.width(), quarter.height() - level));
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

}  // namespace

void DrawSolutionArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int c1, int s1, int c2, int s2,
                     const QColor& colour)
{
    const long double alpha = radians(alphaDeg);
    drawArcBetween(painter, g, solutionArcRadius(g), g.arcDirection(c1, s1, alpha), g.arcDirection(c2, s2, alpha),
                   colour);
}

void drawSolutionArcs(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f)
{
    const int alphaDeg = f.alphaDeg;
    // Where a is the largest value of f, f(x) >= a holds at one point.
    if (f.greater.kind == SolutionSet::Kind::Points) {
        DrawSolutionArc(painter, g, alphaDeg, 1, -1, 1, -1, Colors::clYellow);
        drawSolutionPoint(painter, g, alphaDeg, Colors::clAqua);
        return;
    }
    switch (f.function) {
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

void drawInequalityPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                           const ElementaryFindings& f, bool opening)
{
    copyTwoColourGraph(painter, g, graph, elementaryLevel(f, g.H));
    drawElementaryConstruction(painter, g, f);
    drawSolutionArcs(painter, g, f);
    drawAxesValueAndLevel(painter, g, f, opening);
}

}  // namespace solvers
