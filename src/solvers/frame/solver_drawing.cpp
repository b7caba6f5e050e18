#include "solvers/frame/solver_drawing.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/arc.h"
#include "platform/fonts.h"
#include "platform/symbol_font.h"
#include "texts/angle_notation.h"
#include "platform/pens.h"

namespace solvers {

QPen solidPen(const QColor& colour, int width)
{
    return platform::picturePen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
}

QPen dottedPen(const QColor& colour)
{
    return platform::picturePen(colour, 1, Qt::DotLine, Qt::FlatCap);
}

void drawTextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

bool clipReaches(const QPainter& painter, const QRect& area)
{
    return !painter.hasClipping() || painter.clipBoundingRect().toAlignedRect().intersects(area);
}

QRect circleBox(const SolverGeometry& g, int radius)
{
    const int reach = std::abs(radius) + 3;
    return QRect(g.centre() - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
}

void copyBitmapRect(QPainter& painter, QPoint to, const QImage& bitmap, const QRect& source)
{
    if (source.isEmpty())
        return;
    const qreal ratio = bitmap.devicePixelRatio();
    painter.drawImage(QRectF(to, source.size()), bitmap,
                      QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
}

// ---- Graph backdrop ------------------------------------------------------------------------------

namespace {

// Copy `index` of the graph in bitmap coordinates, kept inside its own band of the bitmap.
void drawBackdropPieces(QPainter& painter, const SolverGeometry& g, const BackdropStyle& style, int index)
{
    const int yOffset = index * (g.H / 2);
    painter.save();
    painter.setClipRect(QRect(0, yOffset, g.W / 2, g.H / 2), Qt::IntersectClip);
    painter.setPen(solidPen(Colors::clWhite));
    painter.setBrush(Qt::black);
    drawGraphAxes(painter, g, style, yOffset);
    if (style.function >= Sine && (style.function != Tangent || style.tangentNamed))
        drawFunctionName(painter, g, style.function, yOffset);
    if (style.function >= Sine)
        drawFunctionCurve(painter, g, style.function, style.curveColours[std::size_t(index)], yOffset);
    painter.restore();
}

}  // namespace

void SolverBackdrop(QImage& bitmap, const SolverGeometry& g, const BackdropStyle& style)
{
    bitmap.fill(Qt::black);
    QPainter painter(&bitmap);
    for (int index = 0; index < int(style.curveColours.size()); ++index)
        drawBackdropPieces(painter, g, style, index);
}

void drawBackdropCopy(QPainter& painter, const SolverGeometry& g, const BackdropStyle& style, int index,
                      const QRect& rows, bool ground)
{
    const QRect area = rows.intersected(graphQuarter(g));
    if (area.isEmpty() || !clipReaches(painter, area))
        return;
    painter.save();
    if (ground)
        painter.fillRect(area, Qt::black);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.translate(g.W / 2, -index * (g.H / 2));
    drawBackdropPieces(painter, g, style, index);
    painter.restore();
}

void showGraph(QPainter& painter, const SolverGeometry& g, const GraphSource& source)
{
    if (source.bitmap)
        painter.drawImage(g.bitmapOrigin(), *source.bitmap);
    else
        drawBackdropCopy(painter, g, source.style, 0, graphQuarter(g));
}

QRect graphQuarter(const SolverGeometry& g)
{
    return QRect(g.bitmapOrigin(), g.bitmapSize());
}

void drawGraphAxes(QPainter& painter, const SolverGeometry& g, const BackdropStyle& style, int yOffset)
{
    painter.save();
    const int ox = g.W / 4;
    const int oy = g.H / 4 + yOffset;
    const int axisEnd = 9 * g.W / 20;
    painter.setPen(solidPen(Colors::clWhite));
    painter.drawLine(ox, g.H / 10 + yOffset, ox, 9 * g.H / 20 + yOffset);
    painter.drawLine(g.W / 20, oy, axisEnd + style.axisExtension, oy);

    painter.setFont(Fonts::pictureText(true));
    drawTextAt(painter, axisEnd + 8, oy, QStringLiteral("x"));

    painter.setFont(Fonts::symbol(Fonts::pictureText().pixelSize()));
    static const char* const labels[4] = {"p", "2p", "-p", "-2p"};
    for (int i = 0; i < 4; ++i)
        drawTextAt(painter, ox + style.piLabelX[std::size_t(i)], oy + 2, platform::symbolFontText(QString::fromLatin1(labels[i])));

    painter.setBrush(Colors::clWhite);
    const int top = g.H / 10 + yOffset;
    painter.drawPolygon(QPolygon({QPoint(ox - 3, top + 5), QPoint(ox, top), QPoint(ox + 3, top + 5)}));
    painter.drawPolygon(
        QPolygon({QPoint(axisEnd + 3, oy - 3), QPoint(axisEnd + 8, oy), QPoint(axisEnd + 3, oy + 3)}));

    if (style.halfPiTicks) {
        for (int k = -4; k <= 4; ++k) {
            const int x = ox + nearest(10.0L * k * Pi);
            painter.drawLine(x, oy - 5, x, oy + 5);
        }
    } else {
        for (int i = -2; i <= 2; ++i) {
            const int x = ox + nearest(20.0L * i * Pi);
            painter.drawLine(x, oy - 5, x, oy + 5);
        }
    }
    painter.restore();
}

void drawFunctionName(QPainter& painter, const SolverGeometry& g, int function, int yOffset)
{
    painter.save();
    painter.setPen(platform::picturePen(Colors::clWhite));
    painter.setFont(Fonts::pictureText(true));
    static const char* const names[3] = {"sin x", "cos x", "tan x"};
    const QString measure = function == Sine ? QStringLiteral("senxxx") : QStringLiteral("cosxxx");
    const int x = g.W / 4 - painter.fontMetrics().horizontalAdvance(measure);
    drawTextAt(painter, x, g.H / 10 + yOffset, QString::fromLatin1(names[std::clamp(function, 0, 2)]));
    painter.restore();
}

void drawFunctionCurve(QPainter& painter, const SolverGeometry& g, int function, const QColor& colour, int yOffset)
{
    painter.save();
    painter.setPen(solidPen(colour));
    const int ox = g.W / 4;
    const int oy = g.H / 4 + yOffset;
    const long double unit = g.H / 10.0L;
    const int cut = g.H / 4;

    // Runs of joined points; the tangent breaks the run where a branch leaves the graph.
    QPolygon run;
    run << QPoint(ox - 157, function == Sine ? oy + g.H / 10 : oy);
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };

    // The abscissa steps by π/100 in single precision, as the curve has always been traced.
    const float step = float(Pi / 100.0L);
    long double p = 0;
    for (float t = float(-2.5L * Pi); static_cast<long double>(t) <= 2.5L * Pi; t += step) {
        const long double s = t;
        const int x = ox + nearest(20.0L * s);
        if (function == Tangent) {
            const long double c = std::cos(s);
            if (std::fabs(c) > 0.0001L)
                p = nearest(std::sin(s) / c * unit);
            if (std::fabs(p) >= cut) {
                flush();
                run << QPoint(x, oy - nearest(p));
                continue;
            }
        } else {
            p = nearest((function == Sine ? std::sin(s) : std::cos(s)) * unit);
        }
        run << QPoint(x, oy - int(p));
    }
    flush();
    painter.restore();
}

// ---- Circle picture -------------------------------------------------------------------------------

void clearCirclePart(QPainter& painter, const SolverGeometry& g)
{
    painter.fillRect(QRect(0, 0, g.W / 2 - 2, g.H), Qt::black);
}

void drawUnitCircle(QPainter& painter, const SolverGeometry& g, const QColor& colour)
{
    if (!clipReaches(painter, circleBox(g, g.U)))
        return;
    painter.save();
    painter.setPen(solidPen(colour));
    painter.setBrush(Qt::NoBrush);
    const QPoint c = g.centre();
    platform::drawBoxEllipse(painter, c.x() - g.U, c.y() - g.U, c.x() + g.U, c.y() + g.U);
    painter.restore();
}

void drawRay(QPainter& painter, const SolverGeometry& g, long double theta, long double length)
{
    painter.drawLine(g.centre(), g.pointAt(theta, length));
}

void drawCircleAxes(QPainter& painter, const SolverGeometry& g)
{
    painter.save();
    painter.setPen(solidPen(Colors::clGray));
    painter.drawLine(0, g.H / 2, g.W / 2, g.H / 2);
    painter.drawLine(g.W / 4, 0, g.W / 4, g.H);
    painter.restore();
}

void drawArrowAxes(QPainter& painter, const SolverGeometry& g)
{
    painter.save();
    painter.setPen(solidPen(Colors::clGray));
    const int cx = g.W / 4, cy = g.H / 2;
    const int right = 9 * g.W / 20, top = g.H / 5;
    painter.drawLine(g.W / 20, cy, right, cy);
    painter.drawLine(cx, top, cx, 4 * g.H / 5);
    painter.setBrush(Colors::clGray);
    painter.drawPolygon(QPolygon({QPoint(right, cy), QPoint(right - 4, cy - 3), QPoint(right - 4, cy + 3)}));
    painter.drawPolygon(QPolygon({QPoint(cx, top), QPoint(cx - 3, top + 4), QPoint(cx + 3, top + 4)}));
    painter.restore();
}

void drawArcBetween(QPainter& painter, const SolverGeometry& g, int radius, QPoint from, QPoint to, const QColor& colour)
{
    if (!clipReaches(painter, circleBox(g, radius)))
        return;
    painter.save();
    painter.setPen(solidPen(colour));
    platform::drawCounterClockwiseArc(painter, g.centre(), radius, from, to);
    painter.restore();
}

void drawAngleArc(QPainter& painter, const SolverGeometry& g, int radius, QPoint to, const QColor& colour)
{
    drawArcBetween(painter, g, radius, QPoint(g.W / 4 + radius, g.H / 2), to, colour);
}

int angleArcRadius(const SolverGeometry& g, long double f)
{
    return nearest(g.U * (3.0L + f) / 3.0L);
}

// ---- Graph overlays ----------------------------------------------------------------------------------

void drawLevelLine(QPainter& painter, const SolverGeometry& g, int y, const QColor& colour, int width)
{
    painter.save();
    painter.setPen(solidPen(colour, width));
    painter.drawLine(g.levelLeft(), y, g.levelRight(), y);
    painter.restore();
}

void drawGraphMarkers(QPainter& painter, const SolverGeometry& g, const std::vector<long double>& abscissas, int y,
                      const QColor& colour)
{
    painter.save();
    painter.setPen(dottedPen(colour));
    for (long double theta : abscissas) {
        const int x = g.graphX(theta);
        painter.drawLine(x, g.H / 4, x, y);
    }
    painter.restore();
}

// ---- What a step changes ---------------------------------------------------------------------------

QRegion stepChanges(const SolverGeometry& g, bool wholeHeight, bool wholeGraph)
{
    const QRect circlePart(0, 0, g.W / 2, g.H);
    const QRect quarter = graphQuarter(g);
    // The longest reach from C and a margin for the widest pen (3 pixels, round caps).
    const int reach = std::max(nearest(1.5L * g.U), g.U + 10) + 4;
    QRect square(g.centre() - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1));
    // Down from the top beside a graph redrawn whole, which is then not cut in two bands.
    if (wholeHeight || wholeGraph)
        square.setTop(0);
    if (wholeHeight)
        square.setBottom(g.H - 1);
    if (!QRect(0, 0, g.W / 2 - 2, g.H).contains(QRect(square.left(), 0, square.width(), 1)))
        return QRegion(circlePart) + quarter;
    // The level lines and the graph's markers of a value -1 ... 1, pens of 2 pixels included.
    const QRect values(quarter.left(), g.H / 4 - g.H / 10 - 4, quarter.width(), 2 * (g.H / 10) + 9);
    return QRegion(square.intersected(circlePart)) + (wholeGraph ? quarter : values.intersected(quarter));
}

}  // namespace solvers
