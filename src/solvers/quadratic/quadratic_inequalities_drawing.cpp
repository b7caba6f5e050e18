#include "solvers/quadratic/quadratic_inequalities_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/arc.h"
#include "platform/colors.h"
#include "texts/angle_notation.h"
#include "solvers/quadratic/quadratic_drawing.h"
#include "solvers/quadratic/quadratic_roots.h"
#include "solvers/frame/solver_drawing.h"

namespace solvers {

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
    drawBoxEllipse(painter, 0, 0, ringSide(g), ringSide(g));
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
std::vector<Band> bands(const SolverGeometry& g, int function, const QuadraticInequalityResult& r, const QColor& outer,
                        const QColor& inner)
{
    const QRect range = bandRange(g, function);
    if (!r.hasInner)
        return {{range, outer}};
    const int top = std::max(range.top(), heldGraphRow(g, heldValue(function, r.innerHigh)));
    const int bottom = std::min(range.bottom(), heldGraphRow(g, heldValue(function, r.innerLow)));
    if (top > bottom)
        return {{range, outer}};
    const int right = range.right();
    return {{QRect(QPoint(0, range.top()), QPoint(right, top - 1)), outer},
            {QRect(QPoint(0, top), QPoint(right, bottom)), inner},
            {QRect(QPoint(0, bottom + 1), QPoint(right, range.bottom())), outer}};
}

// Paints the bands into BandBitmap (black elsewhere) and combines them onto the composite by a
// bitwise OR; each band is one colour, so the OR is done band by band.
void paintBands(const SolverGeometry& g, int function, InequalityBitmaps& b, const std::vector<Band>& list)
{
    QImage& band = b.BandBitmap;
    // Only a tangent's bands reach beyond the rows of sin and cos; those go black again.
    if (b.bandsBeyondRange && function != Tangent)
        band.fill(Qt::black);
    b.bandsBeyondRange = function == Tangent;
    QPainter painter(&band);
    QPainter composite(&b.CompositeBitmap);
    composite.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    for (const Band& each : list) {
        if (each.rows.isEmpty())
            continue;
        painter.fillRect(each.rows, each.colour);
        composite.fillRect(each.rows, each.colour);
    }
}

// The pieces of the ring whose points have f between innerLow and innerHigh.
void copyRingPieces(QPainter& painter, const SolverGeometry& g, int function, const InequalityBitmaps& b,
                    const QuadraticInequalityResult& r)
{
    const int side = ringSide(g);
    const long double radius = g.U + 10;
    const QPoint corner = g.centre() - QPoint(g.U + 10, g.U + 10);
    const long double lo = heldValue(function, r.innerLow), hi = heldValue(function, r.innerHigh);
    switch (function) {
    case Sine: {
        const int top = nearest(radius * (1 - hi)), bottom = nearest(radius * (1 - lo));
        copyBitmapRect(painter, corner + QPoint(0, top), b.RingBitmap, QRect(0, top, side, bottom - top + 1));
        break;
    }
    case Cosine: {
        const int left = nearest(radius * (1 + lo)), right = nearest(radius * (1 + hi));
        copyBitmapRect(painter, corner + QPoint(left, 0), b.RingBitmap, QRect(left, 0, right - left + 1, side));
        break;
    }
    default: {
        // Two opposite sectors of the disc, from the angle of the smaller value to that of the
        // larger: filled in the disc's colour, as the bitmap holds it.
        const double from = double(tangentAngle(lo) * 180 / Pi), to = double(tangentAngle(hi) * 180 / Pi);
        const QRect box(corner, QSize(side, side));
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(b.ringColour);
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
    BandBitmap = blackBitmap(g.bitmapSize(), ratio);
    CompositeBitmap = blackBitmap(g.bitmapSize(), ratio);
    RingBitmap = blackBitmap(QSize(ringSide(g), ringSide(g)), ratio);
    drawRing(RingBitmap, g, Colors::clRed, Colors::clBlack);
    ringColour = QColor();
}

void InequalityBitmaps::free()
{
    BandBitmap = CompositeBitmap = RingBitmap = QImage();
}

void DrawCircleArc(QPainter& painter, const SolverGeometry& g, const QColor& colour, long double theta1,
                   long double theta2)
{
    const int radius = g.U + 10;
    drawArcBetween(painter, g, radius, g.pointAt(theta1, radius), g.pointAt(theta2, radius), colour);
}

void PaintSolutionBands(QPainter& painter, const SolverGeometry& g, int function, const QImage& graph,
                        InequalityBitmaps& b, const QuadraticInequalityResult& r, bool wholeGraph)
{
    // >= 0 is blue on the graph and aqua on the ring, < 0 red on both.
    using namespace Colors;
    const QColor outerBand = r.outerGreater ? clBlue : clRed;
    const QColor innerBand = r.outerGreater ? clRed : clBlue;
    const QColor outerArc = r.outerGreater ? clAqua : clRed;
    const QColor innerArc = r.outerGreater ? clRed : clAqua;

    // The graph with the bands combined by a bitwise OR: the black ground takes the band
    // colours, the white curve, axes and labels stay white.
    // Outside the band rows the composite is the graph itself, so only those rows are made
    // again, unless the graph is new.
    const QRect whole(QPoint(0, 0), g.bitmapSize());
    const QRect range = bandRange(g, function);
    {
        QPainter composite(&b.CompositeBitmap);
        composite.setCompositionMode(QPainter::CompositionMode_Source);
        const QRect copied = b.compositeGraph == graph.cacheKey() ? range : whole;
        copyBitmapRect(composite, copied.topLeft(), graph, copied);
        b.compositeGraph = graph.cacheKey();
    }
    paintBands(g, function, b, bands(g, function, r, outerBand, innerBand));
    // The silver markers of sin and cos stay within a row of the band rows.
    const QRect shown = wholeGraph ? whole : range.adjusted(0, -2, 0, 2).intersected(whole);
    copyBitmapRect(painter, g.bitmapOrigin() + shown.topLeft(), b.CompositeBitmap, shown);

    // The circle: the ring in the outer colour, the pieces between the roots in the inner one.
    clearCirclePart(painter, g);
    if (b.ringColour != innerArc) {
        drawRing(b.RingBitmap, g, innerArc, innerArc);
        b.ringColour = innerArc;
    }
    DrawCircleArc(painter, g, outerArc, 0, 2 * Pi);
    if (r.hasInner)
        copyRingPieces(painter, g, function, b, r);
    drawCircleFrame(painter, g);
}

void DrawRootRadii(QPainter& painter, const SolverGeometry& g, int function, const QuadraticInequalityResult& r)
{
    painter.save();
    for (long double t : r.radii) {
        const long double theta = principalAngle(function, t);
        const long double partner = function == Sine ? Pi - theta : function == Cosine ? -theta : theta + Pi;
        painter.setPen(solidPen(Colors::clWhite));
        drawRay(painter, g, theta, 1.5L * g.U);
        drawRay(painter, g, partner, 1.5L * g.U);
    }
    painter.setPen(solidPen(Colors::clSilver));
    for (long double t : r.radii) {
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

void drawQuadraticInequalityPicture(QPainter& painter, const SolverGeometry& g, int function, const QImage& graph,
                                    InequalityBitmaps& bitmaps, const QuadraticInequalityResult& result,
                                    bool wholeGraph)
{
    PaintSolutionBands(painter, g, function, graph, bitmaps, result, wholeGraph);
    DrawRootRadii(painter, g, function, result);
}

}  // namespace solvers
