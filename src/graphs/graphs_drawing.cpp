#include "graphs/graphs_drawing.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>

#include "graphs/function_texts.h"
#include "platform/arc.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/symbol_font.h"
#include "platform/pens.h"

namespace graphs {

namespace {

QFont labelFont()
{
    return Fonts::pictureText(true);
}

// Text with its top-left corner at (x, y).
void textOut(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

enum class Pointing { Right, Up };

// A white filled arrow head 5 pixels long and 6 wide with its tip at `tip`.
void arrowHead(QPainter& painter, QPoint tip, Pointing pointing)
{
    QPolygon head;
    if (pointing == Pointing::Right)
        head << tip << QPoint(tip.x() - 5, tip.y() - 3) << QPoint(tip.x() - 5, tip.y() + 3);
    else
        head << tip << QPoint(tip.x() - 3, tip.y() + 5) << QPoint(tip.x() + 3, tip.y() + 5);
    painter.save();
    painter.setPen(platform::picturePen(Colors::clWhite, 1));
    painter.setBrush(Colors::clWhite);
    painter.drawPolygon(head);
    painter.restore();
}

// The letter "y" beside the top of a vertical axis at x, as both axes place it.
void yLetter(QPainter& painter, int axisX, int axisTop)
{
    const QFontMetrics metrics = painter.fontMetrics();
    textOut(painter, axisX - (3 * metrics.horizontalAdvance(QLatin1Char('Z'))) / 2,
            axisTop - metrics.height() / 2, QStringLiteral("y"));
}

QPen thickPen(TrigFunction function)
{
    return QPen(functionColour(function), 3, Qt::SolidLine, Qt::RoundCap);
}

// The construction lines: dotted while the radius turns, solid on the last step.
QPen constructionPen(int step)
{
    return platform::picturePen(Colors::clWhite, 1, step < LastStep ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
}

QPen greyPen()
{
    return platform::picturePen(Colors::clGray, 1);
}

int sideOf(int pixels)
{
    return pixels < 1 ? -1 : 1;
}

// One function's thick segment, construction lines and grey lines on the circle.
void drawOnCircle(QPainter& painter, const GraphGeometry& g, TrigFunction function, const StepPicture& picture)
{
    const int x0 = g.centreX();
    const int cy = g.cy();
    const int r = g.radius;
    const int cx = picture.current.cx;
    const int sy = picture.current.sy;
    const int step = picture.step;
    const QPoint p(x0 + cx, cy - sy);
    const QPoint opposite(x0 - cx, cy + sy);
    const QPen thick = thickPen(function);
    const QPen dotted = constructionPen(step);

    switch (function) {
    case TrigFunction::Sine:
        painter.setPen(thick);
        painter.drawLine(x0, cy, x0, cy - sy);
        painter.setPen(dotted);
        painter.drawLine(QPoint(x0, cy - sy), p);
        break;
    case TrigFunction::Cosine:
        painter.setPen(thick);
        painter.drawLine(x0, cy, x0 + cx, cy);
        painter.setPen(dotted);
        painter.drawLine(QPoint(x0 + cx, cy), p);
        break;
    case TrigFunction::Cosecant: {
        const std::optional<int> v = graphValue(function, picture.current, r);
        if (!v)
            break;
        painter.setPen(thick);
        painter.drawLine(x0, cy, x0, cy - *v);
        painter.setPen(dotted);
        painter.drawLine(p, QPoint(x0, cy - *v));
        break;
    }
    case TrigFunction::Secant: {
        const std::optional<int> v = graphValue(function, picture.current, r);
        if (!v)
            break;
        painter.setPen(thick);
        painter.drawLine(x0, cy, g.heldEndX(*v), cy);
        painter.setPen(dotted);
        painter.drawLine(p, QPoint(x0 + *v, cy));
        break;
    }
    case TrigFunction::Tangent: {
        const std::optional<int> v = graphValue(function, picture.current, r);
        if (!v)
            break;
        const int k = sideOf(cx);
        const int kv = int(nearest((long double)k * r * sy / cx));
        painter.setPen(thick);
        painter.drawLine(x0 + r, cy, x0 + r, cy - *v);
        painter.setPen(dotted);
        painter.drawLine(x0 + k * r, cy, x0 + k * r, cy - kv);
        painter.drawLine(p, QPoint(x0 + k * r, cy - kv));
        if (step > 40 && step < 120) {
            painter.setPen(greyPen());
            painter.drawLine(opposite, QPoint(x0 - k * r, cy + kv));
        }
        break;
    }
    case TrigFunction::Cotangent: {
        const std::optional<int> v = graphValue(function, picture.current, r);
        if (!v)
            break;
        const int k = sideOf(sy);
        const int kv = int(nearest((long double)k * r * cx / sy));
        painter.setPen(thick);
        painter.drawLine(x0, cy - r, g.heldEndX(*v), cy - r);
        painter.setPen(dotted);
        painter.drawLine(x0, cy - k * r, g.heldEndX(kv), cy - k * r);
        painter.drawLine(p, QPoint(x0 + kv, cy - k * r));
        if (step > 80) {
            painter.setPen(greyPen());
            painter.drawLine(opposite, QPoint(x0 - kv, cy + k * r));
        }
        break;
    }
    }
}

bool shown(const StepPicture& picture, TrigFunction function)
{
    return picture.shown[std::size_t(function)];
}

}  // namespace

GraphGeometry GraphGeometry::forClient(int width, int height)
{
    GraphGeometry g;
    g.width = width;
    g.height = height;
    g.radius = width / 8;
    g.scale = float(width) / 440.0f;
    return g;
}

int GraphGeometry::graphX(int step) const
{
    return graphLeft() + int(nearest((long double)step * scale));
}

int GraphGeometry::heldEndX(int offset) const
{
    return offset >= width / 4 ? width / 2 - 2 : centreX() + offset;
}

void drawCircleBitmap(QImage& bitmap, const GraphGeometry& g)
{
    bitmap.fill(Colors::clBlack);
    QPainter painter(&bitmap);
    drawCircle(painter, g);
}

void drawCircle(QPainter& painter, const GraphGeometry& g)
{
    const int w = g.width;
    const int cy = g.cy();
    painter.save();
    painter.setBrush(Colors::clBlack);
    painter.setPen(platform::picturePen(Colors::clWhite, 1));
    painter.setFont(labelFont());
    platform::drawBoxEllipse(painter, w / 8, cy - w / 8, 3 * w / 8, cy + w / 8);
    painter.drawLine(w / 10, cy, 2 * w / 5, cy);
    textOut(painter, 2 * w / 5, cy, QStringLiteral("x"));
    yLetter(painter, w / 4, cy - 3 * w / 20);
    arrowHead(painter, QPoint(2 * w / 5, cy), Pointing::Right);
    arrowHead(painter, QPoint(w / 4, cy - 3 * w / 20), Pointing::Up);
    painter.drawLine(w / 4, cy - 3 * w / 20, w / 4, cy + 3 * w / 20);
    painter.restore();
}

void drawCleanCircle(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& g)
{
    painter.save();
    painter.setClipRect(g.leftHalf(), Qt::IntersectClip);
    if (circleBitmap.isNull()) {
        painter.fillRect(g.leftHalf(), Colors::clBlack);
        drawCircle(painter, g);
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), circleBitmap);
    }
    painter.restore();
}

void drawGraphAxes(QPainter& painter, const GraphGeometry& g)
{
    const int w = g.width;
    const int cy = g.cy();
    const int left = g.graphLeft();
    painter.save();
    painter.fillRect(QRect(QPoint(w / 2, 0), QPoint(w, g.height)), Colors::clBlack);
    painter.setPen(platform::picturePen(Colors::clWhite, 1));
    painter.drawLine(left, cy - 3 * w / 20, left, cy + 3 * w / 20);
    painter.drawLine(left, cy, 9 * w / 10, cy);
    const int twoPi = g.graphX(2 * 80);
    const int pi = g.graphX(80);
    painter.drawLine(twoPi, cy - 4, twoPi, cy + 4);
    painter.drawLine(pi, cy - 4, pi, cy + 4);
    painter.setFont(labelFont());
    textOut(painter, 9 * w / 10, cy, QStringLiteral("x"));
    yLetter(painter, left, cy - 3 * w / 20);
    const int labelTop = cy + painter.fontMetrics().height();
    painter.setFont(Fonts::symbol(Fonts::scaled(13), true));
    textOut(painter, twoPi, labelTop, platform::symbolFontText(QStringLiteral("2p")));
    textOut(painter, pi, labelTop, platform::symbolFontText(QStringLiteral("p")));
    arrowHead(painter, QPoint(9 * w / 10, cy), Pointing::Right);
    arrowHead(painter, QPoint(left, cy - 3 * w / 20), Pointing::Up);
    painter.restore();
}

void drawAnimationStep(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& g, const StepPicture& picture)
{
    drawStepOnCircle(painter, circleBitmap, g, picture);
    drawStepOnGraph(painter, g, picture);
}

void drawStepOnCircle(QPainter& painter, const QImage& circleBitmap, const GraphGeometry& g, const StepPicture& picture)
{
    const int x0 = g.centreX();
    const int cy = g.cy();
    const int step = picture.step;
    const Sample& now = picture.current;
    const QPoint centre(x0, cy);
    const QPoint p(x0 + now.cx, cy - now.sy);

    painter.save();
    // Everything on the circle stays inside the left half, as on a paint box.
    painter.setClipRect(g.leftHalf(), Qt::IntersectClip);
    drawCleanCircle(painter, circleBitmap, g);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(platform::picturePen(Colors::clWhite, 1));
    painter.drawLine(p, centre);

    const bool tangentExtension = shown(picture, TrigFunction::Tangent) && step > 40 && step < 120;
    const bool cotangentExtension = shown(picture, TrigFunction::Cotangent) && step >= 81;
    if (tangentExtension || cotangentExtension) {
        painter.setPen(greyPen());
        painter.drawLine(centre, QPoint(x0 - now.cx, cy + now.sy));
    }

    // The angle mark. A point on the positive x axis before the last step is the angle 0,
    // which has no mark (the arc helper would draw the whole circle for it).
    const bool zeroAngle = now.sy == 0 && now.cx > 0 && step < LastStep;
    if (g.radius / 4 > 0 && !zeroAngle) {
        painter.setPen(platform::picturePen(Colors::clWhite, 1));
        platform::drawCounterClockwiseArc(painter, centre, g.radius / 4, QPoint(x0 + g.radius, cy), p);
    }

    for (TrigFunction function : DrawingOrder)
        if (shown(picture, function))
            drawOnCircle(painter, g, function, picture);
    painter.restore();
}

void drawStepOnGraph(QPainter& painter, const GraphGeometry& g, const StepPicture& picture)
{
    const int cy = g.cy();
    const int step = picture.step;
    // The graph segments accumulate on the right half.
    painter.save();
    for (TrigFunction function : DrawingOrder) {
        if (!shown(picture, function))
            continue;
        const std::optional<int> v = graphValue(function, picture.current, g.radius);
        const std::optional<int> before = graphValue(function, picture.previous, g.radius);
        if (!v || !before)
            continue;
        painter.setPen(platform::picturePen(functionColour(function), 1));
        painter.drawLine(g.graphX(step - 1), cy - *before, g.graphX(step), cy - *v);
    }
    painter.restore();
}

StepPicture stepPicture(int step, int radius, const std::array<bool, FunctionCount>& shown)
{
    StepPicture picture;
    picture.step = step;
    picture.current = sampleAtStep(step, radius);
    picture.previous = sampleAtStep(std::max(step - 1, 0), radius);
    picture.shown = shown;
    return picture;
}

QRect graphStripOfStep(const GraphGeometry& g, int step)
{
    const int left = g.graphX(step - 1);
    return QRect(QPoint(left - 1, 0), QPoint(g.graphX(step) + 1, g.height));
}

}  // namespace graphs
