#include "solvers/elementary/elementary_drawing.h"

#include <cmath>

#include "platform/colors.h"
#include "texts/angle_notation.h"
#include "solvers/elementary/elementary_angles.h"
#include "solvers/frame/solver_drawing.h"

namespace solvers {

namespace {

void drawSecondRay(QPainter& painter, const SolverGeometry& g, int function, long double alpha,
                   const std::optional<long double>& tangent)
{
    painter.setPen(solidPen(Colors::clWhite));
    const long double reach = 1.5L * g.U;
    if (function == Sine)
        drawRay(painter, g, Pi - alpha, reach);
    else if (function == Cosine)
        drawRay(painter, g, -alpha, reach);
    else if (tangent)
        painter.drawLine(g.pointAt(Pi + alpha, reach), g.pointAt(alpha, reach));
}

void drawChord(QPainter& painter, const SolverGeometry& g, int function, long double alpha,
               const std::optional<long double>& tangent)
{
    painter.setPen(dottedPen(Colors::clWhite));
    const QPoint start = g.pointAt(alpha, g.U);
    if (function == Sine) {
        painter.drawLine(start, g.pointAt(Pi - alpha, g.U));
    } else if (function == Cosine) {
        painter.drawLine(start, g.pointAt(-alpha, g.U));
    } else if (tangent) {
        const int rise = nearest(g.U * *tangent);
        painter.drawLine(g.W / 4 - g.U, g.H / 2 + rise, g.W / 4 + g.U, g.H / 2 - rise);
    }
}

}  // namespace

void drawElementaryConstruction(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg,
                                bool secondRayFirst)
{
    painter.save();
    const long double alpha = radians(alphaDeg);
    const std::optional<long double> tangent = function == Tangent ? functionValue(Tangent, alphaDeg) : std::nullopt;
    clearCirclePart(painter, g);
    drawUnitCircle(painter, g);
    painter.setPen(solidPen(Colors::clWhite));
    drawRay(painter, g, alpha, 1.5L * g.U);
    if (secondRayFirst) {
        drawSecondRay(painter, g, function, alpha, tangent);
        drawChord(painter, g, function, alpha, tangent);
    } else {
        drawChord(painter, g, function, alpha, tangent);
        drawSecondRay(painter, g, function, alpha, tangent);
    }
    painter.restore();
}

void drawValueSegment(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg)
{
    painter.save();
    painter.setPen(solidPen(Colors::clLime, 3));
    const long double alpha = radians(alphaDeg);
    const QPoint c = g.centre();
    if (function == Sine) {
        painter.drawLine(c, QPoint(c.x(), c.y() - nearest(g.U * std::sin(alpha))));
    } else if (function == Cosine) {
        painter.drawLine(c, QPoint(c.x() + nearest(g.U * std::cos(alpha)), c.y()));
    } else if (const std::optional<long double> t = functionValue(Tangent, alphaDeg)) {
        const int rise = nearest(g.U * *t);
        painter.drawLine(c.x() + g.U, c.y(), c.x() + g.U, c.y() - rise);
        painter.drawLine(c.x() - g.U, c.y(), c.x() - g.U, c.y() + rise);
    }
    painter.restore();
}

void drawLevelAndMarkers(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg, bool markers)
{
    const int y = g.graphY(elementaryLevel(function, alphaDeg, g.H));
    drawLevelLine(painter, g, y, Colors::clLime);
    if (markers)
        drawGraphMarkers(painter, g, elementaryAbscissas(function, alphaDeg), y, Colors::clLime);
}

}  // namespace solvers
