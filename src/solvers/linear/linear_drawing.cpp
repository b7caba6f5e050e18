#include "solvers/linear/linear_drawing.h"

#include <QPolygon>
#include <cmath>
#include <vector>

#include "platform/colors.h"
#include "platform/fonts.h"
#include "texts/angle_notation.h"
#include "solvers/frame/solver_drawing.h"

namespace solvers {

namespace {

// A polyline whose segments take the colour of their end points: runs of one colour are drawn
// in one call.
class ColouredPolyline {
public:
    explicit ColouredPolyline(QPainter& painter) : m_painter(painter) {}
    ~ColouredPolyline() { flush(); }
    ColouredPolyline(const ColouredPolyline&) = delete;
    ColouredPolyline& operator=(const ColouredPolyline&) = delete;

    void moveTo(QPoint p)
    {
        flush();
        m_run = {p};
    }
    // A segment from the last point to p, in `colour`.
    void lineTo(QPoint p, const QColor& colour)
    {
        if (m_run.size() > 1 && colour != m_colour) {
            const QPoint last = m_run.last();
            flush();
            m_run = {last};
        }
        m_colour = colour;
        m_run << p;
    }

private:
    void flush()
    {
        if (m_run.size() > 1) {
            m_painter.setPen(solidPen(m_colour));
            m_painter.drawPolyline(m_run);
        }
        m_run.clear();
    }
    QPainter& m_painter;
    QPolygon m_run;
    QColor m_colour;
};

// S = |a| + |b| of the scale-free coefficients (0 when a = b = 0).
long double curveScale(const Coefficients& scaled)
{
    return std::fabs(scaled[0]) + std::fabs(scaled[1]);
}

// The abscissas of the curve with their sines and cosines: s from -5π/2 in steps of π/100
// while s <= 5π/2, the step accumulating in single precision, as the curve has always been
// traced. The same for every curve, so computed once.
struct CurveAbscissa {
    int x;  // nearest(20 s), pixels from the graph origin
    long double sin;
    long double cos;
};
const std::vector<CurveAbscissa>& curveAbscissas()
{
    static const std::vector<CurveAbscissa> abscissas = [] {
        std::vector<CurveAbscissa> list;
        const float step = float(Pi / 100.0L);
        for (float t = float(-2.5L * Pi); static_cast<long double>(t) <= 2.5L * Pi; t += step) {
            const long double s = t;
            list.push_back({nearest(20.0L * s), std::sin(s), std::cos(s)});
        }
        return list;
    }();
    return abscissas;
}

// The curve y = a sin s + b cos s, with its greatest possible height S at H/10 pixels.
void drawLinearCurve(QPainter& painter, const SolverGeometry& g, const LinearPicture& p)
{
    const Coefficients& k = p.findings.scaled;
    const long double S = p.findings.curveScale;
    if (S == 0 || !std::isfinite(S))
        return;
    const int ox = g.W / 4;
    const int oy = g.H / 4;
    const long double unit = g.H / 10.0L;
    // The level -c at the graph's scale, in pixels above the axis.
    const long double level = -unit * k[2] / S;
    painter.save();
    {
        ColouredPolyline curve(painter);
        bool first = true;
        for (const CurveAbscissa& s : curveAbscissas()) {
            const int value = nearest((s.sin * k[0] / S + s.cos * k[1] / S) * unit);
            const QPoint point(ox + s.x, oy - value);
            if (first) {
                curve.moveTo(point);
                first = false;
            } else if (!p.signs) {
                curve.lineTo(point, Colors::clWhite);
            } else {
                curve.lineTo(point, value > level ? Colors::clAqua : Colors::clRed);
            }
        }
    }
    painter.restore();
}

// The vertices of the chords at every whole degree (0 ... 359) for the geometry's circle, made
// once for the geometry last asked for (a picture drawn rectangle by rectangle asks again each
// time).
const std::vector<QPoint>& chordVertices(const SolverGeometry& g)
{
    static std::vector<QPoint> vertices;
    static SolverGeometry made;
    if (vertices.empty() || made.W != g.W || made.H != g.H || made.U != g.U) {
        vertices.clear();
        for (int d = 0; d < 360; ++d)
            vertices.push_back(chordVertex(g, d));
        made = g;
    }
    return vertices;
}

// The unit circle as 360 chords, each aqua where the left-hand side is >= 0 at its end and red
// elsewhere; the last chord closes the circle at 0°.
void drawSignCircle(QPainter& painter, const SolverGeometry& g, const Coefficients& k)
{
    if (!clipReaches(painter, circleBox(g, g.U)))
        return;
    painter.save();
    {
        ColouredPolyline circle(painter);
        circle.moveTo(QPoint(g.W / 4 + g.U, g.H / 2));
        const WholeDegreeTrig& trig = wholeDegreeTrig();
        const std::vector<QPoint>& vertices = chordVertices(g);
        for (int i = 0; i <= 360; ++i) {
            const int d = i % 360;
            const long double value = k[0] * trig.sin[d] + k[1] * trig.cos[d] + k[2];
            circle.lineTo(vertices[std::size_t(d)], value >= 0 ? Colors::clAqua : Colors::clRed);
        }
    }
    painter.restore();
}

void drawLine(QPainter& painter, const SolverGeometry& g, const Coefficients& k)
{
    QPoint from, to;
    if (!linearLineEnds(g, k, from, to))
        return;
    painter.save();
    painter.setPen(solidPen(Colors::clWhite));
    painter.drawLine(from, to);
    painter.restore();
}

void drawRadiiAndArcs(QPainter& painter, const SolverGeometry& g, const LinearSolution& s)
{
    if (s.drawn == 0)
        return;
    painter.save();
    painter.setPen(solidPen(Colors::clBlue));
    painter.drawLine(solutionRadiusEnd(g, s.x1), g.centre());
    if (s.drawn == 2) {
        painter.setPen(solidPen(Colors::clLime));
        painter.drawLine(g.centre(), solutionRadiusEnd(g, s.x2));
    }
    painter.restore();
    drawAngleArc(painter, g, firstArcRadius(g), solutionRadiusEnd(g, s.x1), Colors::clAqua);
    if (s.drawn == 2)
        drawAngleArc(painter, g, secondArcRadius(g), solutionRadiusEnd(g, s.x2), Colors::clYellow);
}

void drawLevelAndMarks(QPainter& painter, const SolverGeometry& g, const LinearPicture& p)
{
    const Coefficients& k = p.findings.scaled;
    const long double S = p.findings.curveScale;
    if (S == 0 || !std::isfinite(S))
        return;
    painter.save();
    painter.setClipRect(QRect(g.levelLeft(), 0, g.levelRight() - g.levelLeft(), g.H / 2), Qt::IntersectClip);
    const int level = linearLevelY(g, k);
    painter.setPen(solidPen(p.signs ? Colors::clSilver : Colors::clRed));
    painter.drawLine(g.levelLeft(), level, g.levelRight(), level);

    const LinearSolution& s = p.findings.solution;
    if (s.drawn > 0) {
        const int top = nearest(g.H / 4.0L + g.H / 10.0L * k[2] / S);
        auto marks = [&](long double x, const QColor& colour) {
            painter.setPen(solidPen(p.signs ? Colors::clSilver : colour));
            for (int period : {0, 1, -1}) {
                const int mx = linearMarkX(g, x, period);
                painter.drawLine(mx, top, mx, g.H / 4);
            }
        };
        marks(s.x1, Colors::clAqua);
        if (s.drawn == 2)
            marks(s.x2, Colors::clYellow);
    }
    painter.restore();
}

// The graph in bitmap coordinates on a black ground: title, axes, curve.
void drawLinearGraph(QPainter& painter, const SolverGeometry& g, const LinearPicture& p)
{
    painter.setPen(solidPen(Colors::clWhite));
    painter.setFont(Fonts::pictureText(true));
    const int width = painter.fontMetrics().horizontalAdvance(p.title);
    drawTextAt(painter, g.W / 4 - width / 2, g.H / 10 - 16, p.title);

    BackdropStyle style;
    style.function = -1;
    style.halfPiTicks = true;
    drawGraphAxes(painter, g, style);
    drawLinearCurve(painter, g, p);
}

}  // namespace

void drawLinearPicture(QPainter& painter, const SolverGeometry& g, const LinearPicture& p, QImage* graphCache)
{
    if (graphCache) {
        graphCache->fill(Qt::black);
        QPainter graph(graphCache);
        drawLinearGraph(graph, g, p);
        graph.end();
        painter.drawImage(g.bitmapOrigin(), *graphCache);
    } else if (clipReaches(painter, graphQuarter(g))) {
        const QRect quarter = graphQuarter(g);
        painter.save();
        painter.fillRect(quarter, Qt::black);
        // Above the title's line the graph holds nothing but its ground.
        const int top = g.H / 10 - 16 - 8;
        if (clipReaches(painter, QRect(quarter.left(), top, quarter.width(), quarter.bottom() + 1 - top))) {
            painter.setClipRect(quarter, Qt::IntersectClip);
            painter.translate(g.bitmapOrigin());
            drawLinearGraph(painter, g, p);
        }
        painter.restore();
    }
    clearCirclePart(painter, g);
    drawCircleAxes(painter, g);
    if (p.signs)
        drawSignCircle(painter, g, p.findings.scaled);
    else
        drawUnitCircle(painter, g);

    drawLine(painter, g, p.findings.scaled);
    if (!p.signs)
        drawRadiiAndArcs(painter, g, p.findings.solution);
    drawLevelAndMarks(painter, g, p);
}

bool linearLineEnds(const SolverGeometry& g, const Coefficients& scaled, QPoint& from, QPoint& to)
{
    const auto [a, b, c] = scaled;
    const long double n = a * a + b * b;
    if (n == 0 || !std::isfinite(n) || !std::isfinite(c))
        return false;
    const long double root = std::sqrt(n);
    // The foot of the perpendicular from the centre, at signed distance `distance` along the
    // normal (b, a); the line runs along (a, -b).
    const long double distance = -c / root;
    constexpr long double reach = 1.5L;
    if (std::fabs(distance) >= reach)
        return false;
    const long double half = std::sqrt(reach * reach - distance * distance);
    const long double fx = distance * b / root, fy = distance * a / root;
    const long double dx = a / root, dy = -b / root;
    auto onWindow = [&](long double x, long double y) {
        return QPoint(nearest(g.W / 4.0L + g.U * x), nearest(g.H / 2.0L - g.U * y));
    };
    from = onWindow(fx + half * dx, fy + half * dy);
    to = onWindow(fx - half * dx, fy - half * dy);
    return true;
}

QPoint chordVertex(const SolverGeometry& g, int degrees)
{
    const WholeDegreeTrig& trig = wholeDegreeTrig();
    const int d = ((degrees % 360) + 360) % 360;
    return {nearest(g.W / 4.0L + g.U * trig.cos[d]), nearest(g.H / 2.0L - g.U * trig.sin[d])};
}

int linearLevelY(const SolverGeometry& g, const Coefficients& k)
{
    const long double S = curveScale(k);
    if (S == 0)
        return g.H / 4;
    return drawableCoordinate(static_cast<long long>(g.H / 4) + nearest(g.H / 10.0L * k[2] / S));
}

int linearMarkX(const SolverGeometry& g, long double x, int period)
{
    return nearest(3.0L * g.W / 4.0L + 20.0L * x + period * 40.0L * Pi);
}

QPoint solutionRadiusEnd(const SolverGeometry& g, long double x)
{
    return g.pointAt(x, 1.5L * g.U);
}

int firstArcRadius(const SolverGeometry& g)
{
    return angleArcRadius(g, static_cast<long double>(0.3f));
}

int secondArcRadius(const SolverGeometry& g)
{
    return angleArcRadius(g, static_cast<long double>(0.6f));
}

}  // namespace solvers
