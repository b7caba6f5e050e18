#include "solvers/quadratic/quadratic_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/colors.h"
#include "texts/angle_notation.h"

namespace solvers {

BackdropStyle quadraticBackdropStyle(int function)
{
    BackdropStyle style;
    style.function = function;
    style.halfPiTicks = true;
    return style;
}

void drawCircleFrame(QPainter& painter, const SolverGeometry& g)
{
    drawCircleAxes(painter, g);
    drawUnitCircle(painter, g);
}

int heldRow(const SolverGeometry& g, long double y)
{
    return int(std::clamp<long double>(std::nearbyint(y), -g.H, 2.0L * g.H));
}

int heldGraphRow(const SolverGeometry& g, long double t)
{
    if (std::isnan(t))
        return g.H / 4;
    return heldRow(g, g.H / 4 - std::nearbyint(std::clamp<long double>(t, -1e9L, 1e9L) * g.H / 10.0L));
}

void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int sx, int sy, float f, long double theta,
                  const QColor& colour)
{
    drawAngleArc(painter, g, angleArcRadius(g, f), g.arcDirection(sx, sy, theta), colour);
}

namespace {

// How far up from the centre the tangent t stands at x = cx + R: round(R·t), held within 4H.
int tangentRise(const SolverGeometry& g, long double t)
{
    return nearest(std::clamp<long double>(g.U * t, -4.0L * g.H, 4.0L * g.H));
}

}  // namespace

void DrawRoot(QPainter& painter, const SolverGeometry& g, int function, const RootDrawing& root)
{
    using namespace Colors;
    const bool first = root.m < 0.5L;
    const QColor colour = first ? clLime : clBlue;
    const long double theta = root.theta, R = g.U;
    const long double c = std::cos(theta), s = std::sin(theta);
    const int cx = g.W / 4, cy = g.H / 2;
    const QPoint centre = g.centre();

    // The root's ray.
    painter.setPen(solidPen(colour));
    drawRay(painter, g, theta, 1.5L * R);

    // The dotted chord to the partner angle, then the partner's ray (the whole diameter for tan).
    painter.setPen(dottedPen(colour));
    const int rc = nearest(R * c), rs = nearest(R * s);
    const int wc = nearest(1.5L * R * c), ws = nearest(1.5L * R * s);
    switch (function) {
    case Sine: painter.drawLine(g.pointAt(theta, R), QPoint(cx - rc, cy - rs)); break;
    case Cosine: painter.drawLine(g.pointAt(theta, R), QPoint(cx + rc, cy + rs)); break;
    default: {
        // The line of slope t between the two vertical tangents, shortened where it leaves the
        // picture so a steep line stays exact where it shows.
        long double dx = R, dy = tangentRise(g, root.t);
        const long double limit = 2.0L * g.H;
        if (std::fabs(dy) > limit) {
            dx = R * limit / std::fabs(dy);
            dy = dy > 0 ? limit : -limit;
        }
        painter.drawLine(QLineF(double(cx - dx), double(cy + dy), double(cx + dx), double(cy - dy)));
        break;
    }
    }
    painter.setPen(solidPen(colour));
    switch (function) {
    case Sine: painter.drawLine(centre, QPoint(cx - wc, cy - ws)); break;
    case Cosine: painter.drawLine(centre, QPoint(cx + wc, cy + ws)); break;
    default: painter.drawLine(QPoint(cx - wc, cy + ws), QPoint(cx + wc, cy - ws)); break;
    }

    // The two angle arcs, the second one 0.2 further out.
    // Directions: sin θ and 180° - θ, cos -θ and θ, tan θ and θ + 180°.
    static constexpr int directions[3][4] = {{1, -1, -1, -1}, {1, 1, 1, -1}, {1, -1, -1, 1}};
    const int* d = directions[std::clamp(function, 0, 2)];
    const float f = float(root.m);
    const QColor inner = first ? (function == Sine ? clAqua : clYellow) : clRed;
    const QColor outer = first ? (function == Sine ? clYellow : clAqua) : clFuchsia;
    DrawAngleArc(painter, g, d[0], d[1], f, theta, inner);
    DrawAngleArc(painter, g, d[2], d[3], f + 0.2f, theta, outer);

    // The projection of the value on its axis (on the two vertical tangents for tan).
    const QColor line = first ? clLime : clRed;
    painter.setPen(solidPen(line, first ? 2 : 1));
    switch (function) {
    case Sine: painter.drawLine(centre, QPoint(cx, cy - rs)); break;
    case Cosine: painter.drawLine(centre, QPoint(cx + rc, cy)); break;
    default: {
        const int rise = tangentRise(g, root.t);
        painter.drawLine(QPoint(cx + g.U, cy), QPoint(cx + g.U, cy - rise));
        painter.drawLine(QPoint(cx - g.U, cy), QPoint(cx - g.U, cy + rise));
        break;
    }
    }

    // The line y = t across the graph and the solutions marked on it.
    const int y = heldGraphRow(g, root.t);
    drawLevelLine(painter, g, y, line);
    std::vector<long double> abscissas;
    switch (function) {
    case Sine: abscissas = sineAbscissas(theta); break;
    case Cosine: abscissas = cosineAbscissas(theta, theta < Pi / 2); break;
    default: abscissas = tangentAbscissas(theta, -2, 2); break;
    }
    drawGraphMarkers(painter, g, abscissas, y, line);
    painter.setPen(solidPen(line));
}

void drawQuadraticEquationPicture(QPainter& painter, const SolverGeometry& g, const QImage& graph, int function,
                                  const std::vector<RootDrawing>& roots)
{
    painter.drawImage(g.bitmapOrigin(), graph);
    clearCirclePart(painter, g);
    drawCircleFrame(painter, g);
    for (const RootDrawing& root : roots)
        DrawRoot(painter, g, function, root);
}

}  // namespace solvers
