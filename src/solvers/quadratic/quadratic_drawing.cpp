#include "solvers/quadratic/quadratic_drawing.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"
#include "platform/arc.h"
#include "platform/colors.h"

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

// ---- The equation window -------------------------------------------------------------------------

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

RootDrawing rootDrawing(const RootTaken& root)
{
    const long double m = root.order == RootOrder::Single ? 0.0L : root.order == RootOrder::First ? 0.2L : 0.6L;
    return {root.theta, root.t, m};
}

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

void drawQuadraticEquationPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                                  const QuadraticEquationFindings& f)
{
    showGraph(painter, g, graph);
    clearCirclePart(painter, g);
    drawCircleFrame(painter, g);
    for (const RootTaken& root : f.drawn)
        DrawRoot(painter, g, f.function, rootDrawing(root));
}

// ---- The inequality window -----------------------------------------------------------------------


namespace {

QImage blackBitmap(QSize size, qreal ratio)
{
    QImage image(size.expandedTo(QSize(1, 1)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

int ringSide(const SolverGeometry& g)
{
    return 2 * g.U + 20;
}

void drawRing(QImage& ring, const SolverGeometry& g, const QColor& pen, const QColor& brush)
{
    ring.fill(Qt::black);
    QPainter painter(&ring);
    painter.setPen(solidPen(pen));
    painter.setBrush(brush);
    platform::drawBoxEllipse(painter, 0, 0, ringSide(g), ringSide(g));
}

// t held within the range of the function: [-1, 1] for sine and cosine.
long double heldValue(int function, long double t)
{
    return function == Tangent ? t : std::clamp(t, -1.0L, 1.0L);
}

// The principal angle of a tangent value, -90° and 90° for the infinite ends.
long double tangentAngle(long double t)
{
    return std::isinf(t) ? (t < 0 ? -Pi / 2 : Pi / 2) : std::atan(t);
}

// The rows of the graph the bands take: those of the values -1 to 1 for sin and cos, all for tan.
QRect bandRange(const SolverGeometry& g, int function)
{
    const int width = g.W / 2, height = g.H / 2;
    if (function == Tangent)
        return QRect(0, 0, width, height);
    return QRect(QPoint(0, g.H / 4 - g.H / 10), QPoint(width - 1, g.H / 4 + g.H / 10));
}

struct Band {
    QRect rows;
    QColor colour;
};

// The bands of a solve, without overlap: the outer colour over the range with the inner band
// (between the roots) cut out of it.
std::vector<Band> bands(const SolverGeometry& g, const QuadraticInequalityFindings& f, const QColor& outer,
                        const QColor& inner)
{
    const int function = f.function;
    const QRect range = bandRange(g, function);
    if (!f.hasInner)
        return {{range, outer}};
    const int top = std::max(range.top(), heldGraphRow(g, heldValue(function, f.innerHigh)));
    const int bottom = std::min(range.bottom(), heldGraphRow(g, heldValue(function, f.innerLow)));
    if (top > bottom)
        return {{range, outer}};
    const int right = range.right();
    return {{QRect(QPoint(0, range.top()), QPoint(right, top - 1)), outer},
            {QRect(QPoint(0, top), QPoint(right, bottom)), inner},
            {QRect(QPoint(0, bottom + 1), QPoint(right, range.bottom())), outer}};
}

// The band graphs of `graph`, made again when the graph is not the one they were made from.
void makeBandGraphs(const SolverGeometry& g, InequalityBitmaps& b, const QImage& graph, int function)
{
    if (b.bandGraphsOf == graph.cacheKey() && !b.BandGraphs[0].isNull())
        return;
    const QRect range = bandRange(g, function == Tangent ? Tangent : Sine);
    const QColor colours[2] = {Colors::clBlue, Colors::clRed};
    for (int i = 0; i < 2; ++i) {
        b.BandGraphs[std::size_t(i)] = graph.copy();
        QPainter painter(&b.BandGraphs[std::size_t(i)]);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.fillRect(range, colours[i]);
    }
    b.bandGraphsOf = graph.cacheKey();
}

// The graph quarter with its bands: each band's rows from the band graph of its colour, the
// rows outside the bands from the graph itself.
void copyBandedGraph(QPainter& painter, const SolverGeometry& g, InequalityBitmaps& b, const QImage& graph,
                     const std::vector<Band>& list)
{
    const QRect whole(QPoint(0, 0), g.bitmapSize());
    QRegion plain(whole);
    for (const Band& band : list) {
        const QRect rows = band.rows.intersected(whole);
        if (rows.isEmpty())
            continue;
        const QImage& source = b.BandGraphs[band.colour == Colors::clBlue ? 0 : 1];
        copyBitmapRect(painter, g.bitmapOrigin() + rows.topLeft(), source, rows);
        plain -= rows;
    }
    for (const QRect& rows : plain)
        copyBitmapRect(painter, g.bitmapOrigin() + rows.topLeft(), graph, rows);
}

// A strip of the disc in the inner colour: copied from the ring bitmap when there is one, drawn
// on a black ground otherwise (`strip` in ring coordinates).
void copyRingStrip(QPainter& painter, const SolverGeometry& g, const InequalityBitmaps* b, const QColor& colour,
                   const QRect& strip)
{
    const QPoint corner = g.centre() - QPoint(g.U + 10, g.U + 10);
    if (b) {
        copyBitmapRect(painter, corner + strip.topLeft(), b->RingBitmap, strip);
        return;
    }
    const QRect onWindow = strip.translated(corner).intersected(QRect(corner, QSize(ringSide(g), ringSide(g))));
    if (onWindow.isEmpty())
        return;
    painter.save();
    painter.fillRect(onWindow, Qt::black);
    painter.setClipRect(onWindow, Qt::IntersectClip);
    painter.setPen(solidPen(colour));
    painter.setBrush(colour);
    platform::drawBoxEllipse(painter, corner.x(), corner.y(), corner.x() + ringSide(g), corner.y() + ringSide(g));
    painter.restore();
}

// The pieces of the ring whose points have f between innerLow and innerHigh.
void copyRingPieces(QPainter& painter, const SolverGeometry& g, const InequalityBitmaps* b, const QColor& colour,
                    const QuadraticInequalityFindings& f)
{
    if (!clipReaches(painter, circleBox(g, g.U + 10)))
        return;
    const int side = ringSide(g);
    const long double radius = g.U + 10;
    const QPoint corner = g.centre() - QPoint(g.U + 10, g.U + 10);
    const int function = f.function;
    const long double lo = heldValue(function, f.innerLow), hi = heldValue(function, f.innerHigh);
    switch (function) {
    case Sine: {
        const int top = nearest(radius * (1 - hi)), bottom = nearest(radius * (1 - lo));
        copyRingStrip(painter, g, b, colour, QRect(0, top, side, bottom - top + 1));
        break;
    }
    case Cosine: {
        const int left = nearest(radius * (1 + lo)), right = nearest(radius * (1 + hi));
        copyRingStrip(painter, g, b, colour, QRect(left, 0, right - left + 1, side));
        break;
    }
    default: {
        // Two opposite sectors of the disc, from the angle of the smaller value to that of the
        // larger: filled in the disc's colour, as the bitmap holds it.
        const double from = double(tangentAngle(lo) * 180 / Pi), to = double(tangentAngle(hi) * 180 / Pi);
        const QRect box(corner, QSize(side, side));
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        for (double turn : {0.0, 180.0})
            painter.drawPie(box, qRound((from + turn) * 16), qRound((to - from) * 16));
        painter.restore();
        break;
    }
    }
}

}  // namespace

void InequalityBitmaps::create(const SolverGeometry& g, qreal ratio)
{
    RingBitmap = blackBitmap(QSize(ringSide(g), ringSide(g)), ratio);
    drawRing(RingBitmap, g, Colors::clRed, Colors::clBlack);
    ringColour = QColor();
}

void InequalityBitmaps::free()
{
    RingBitmap = QImage();
    BandGraphs = {};
    bandGraphsOf = 0;
}

void DrawCircleArc(QPainter& painter, const SolverGeometry& g, const QColor& colour, long double theta1,
                   long double theta2)
{
    const int radius = g.U + 10;
    drawArcBetween(painter, g, radius, g.pointAt(theta1, radius), g.pointAt(theta2, radius), colour);
}

void PaintSolutionBands(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                        InequalityBitmaps* b, const QuadraticInequalityFindings& f)
{
    // >= 0 is blue on the graph and aqua on the ring, < 0 red on both.
    using namespace Colors;
    const QColor outerBand = f.outerGreater ? clBlue : clRed;
    const QColor innerBand = f.outerGreater ? clRed : clBlue;
    const QColor outerArc = f.outerGreater ? clAqua : clRed;
    const QColor innerArc = f.outerGreater ? clRed : clAqua;
    const std::vector<Band> list = bands(g, f, outerBand, innerBand);

    const QRect quarter = graphQuarter(g);
    if (b && graph.bitmap) {
        makeBandGraphs(g, *b, *graph.bitmap, f.function);
        if (clipReaches(painter, quarter))
            copyBandedGraph(painter, g, *b, *graph.bitmap, list);
    } else if (clipReaches(painter, quarter)) {
        painter.fillRect(quarter, Qt::black);
        for (const Band& band : list)
            if (!band.rows.isEmpty())
                painter.fillRect(band.rows.translated(g.bitmapOrigin()).intersected(quarter), band.colour);
        drawBackdropCopy(painter, g, graph.style, 0, quarter, false);
    }

    // The circle: the ring in the outer colour, the pieces between the roots in the inner one.
    clearCirclePart(painter, g);
    if (b && b->ringColour != innerArc) {
        drawRing(b->RingBitmap, g, innerArc, innerArc);
        b->ringColour = innerArc;
    }
    DrawCircleArc(painter, g, outerArc, 0, 2 * Pi);
    if (f.hasInner)
        copyRingPieces(painter, g, b, innerArc, f);
    drawCircleFrame(painter, g);
}

void DrawRootRadii(QPainter& painter, const SolverGeometry& g, const QuadraticInequalityFindings& f)
{
    const int function = f.function;
    painter.save();
    for (long double t : f.radii) {
        const long double theta = principalAngle(function, t);
        const long double partner = function == Sine ? Pi - theta : function == Cosine ? -theta : theta + Pi;
        painter.setPen(solidPen(Colors::clWhite));
        drawRay(painter, g, theta, 1.5L * g.U);
        drawRay(painter, g, partner, 1.5L * g.U);
    }
    painter.setPen(solidPen(Colors::clSilver));
    for (long double t : f.radii) {
        const long double theta = principalAngle(function, t);
        const std::vector<long double> abscissas = function == Sine     ? sineAbscissas(theta)
                                                   : function == Cosine ? cosineAbscissas(theta, false)
                                                                        : tangentAbscissas(theta, -2, 2);
        const int y = heldGraphRow(g, t);
        for (long double u : abscissas) {
            const int x = g.graphX(u);
            painter.drawLine(x, g.H / 4, x, y);
        }
    }
    painter.restore();
}

void drawQuadraticInequalityPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                                    InequalityBitmaps* bitmaps, const QuadraticInequalityFindings& f)
{
    PaintSolutionBands(painter, g, graph, bitmaps, f);
    DrawRootRadii(painter, g, f);
}

}  // namespace solvers
