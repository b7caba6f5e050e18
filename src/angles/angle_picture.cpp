#include "angles/angle_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "maths/angles.h"
#include "platform/arc.h"
#include "platform/colors.h"
#include "platform/pens.h"

namespace angles {

namespace {

void solidPen(QPainter& painter, const QColor& colour, int width)
{
    painter.setPen(platform::picturePen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

void dottedWhitePen(QPainter& painter)
{
    painter.setPen(platform::picturePen(Colors::clWhite, 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin));
}

void drawCircle(QPainter& painter, const AnglePicture& picture)
{
    const QPoint c = picture.centre();
    const int r = picture.radius;
    painter.setPen(platform::picturePen(Colors::clWhite));
    painter.setBrush(Colors::clBlack);
    platform::drawBoxEllipse(painter, c.x() - r, c.y() - r, c.x() + r, c.y() + r);
}

void drawAxes(QPainter& painter, const AnglePicture& picture)
{
    const QPoint c = picture.centre();
    painter.setPen(platform::picturePen(Colors::clGray));
    painter.drawLine(picture.axisLeft(), c.y(), picture.axisRight(), c.y());
    painter.drawLine(c.x(), picture.axisTop(), c.x(), picture.axisBottom());
}

void drawArrowheads(QPainter& painter, const AnglePicture& picture)
{
    const QPoint c = picture.centre();
    const int right = picture.axisRight();
    const int top = picture.axisTop();
    painter.setPen(platform::picturePen(Colors::clGray));
    painter.setBrush(Colors::clGray);
    painter.drawPolygon(QPolygon({QPoint(right - 4, c.y() - 3), QPoint(right, c.y()), QPoint(right - 4, c.y() + 3)}));
    painter.drawPolygon(QPolygon({QPoint(c.x() - 3, top + 4), QPoint(c.x(), top), QPoint(c.x() + 3, top + 4)}));
}

// Text whose top-left corner is at (x, y), on the black brush.
void drawName(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QString& name)
{
    const QRect box(x, y, metrics.horizontalAdvance(name), metrics.height());
    painter.fillRect(box, Colors::clBlack);
    painter.setPen(platform::picturePen(Colors::clWhite));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, name);
}

}  // namespace

QPoint pointAt(const AnglePicture& picture, long double degrees, long double radius)
{
    const long double theta = radians(degrees);
    const QPoint c = picture.centre();
    return {c.x() + nearest(radius * std::cos(theta)), c.y() - nearest(radius * std::sin(theta))};
}

void drawAngleBackground(QPainter& painter, const AnglePicture& picture, const QColor& windowColour,
                         const QFont& font)
{
    const int half = picture.width / 2;
    painter.fillRect(QRect(half, 0, picture.width - half, picture.height), windowColour);
    painter.fillRect(QRect(0, 0, half, picture.height), Colors::clBlack);
    drawCircle(painter, picture);
    drawAxes(painter, picture);
    drawArrowheads(painter, picture);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    drawName(painter, metrics, picture.axisRight(), picture.centre().y(), QStringLiteral("x"));
    drawName(painter, metrics, picture.centre().x() - 2 * metrics.horizontalAdvance(QStringLiteral("y")),
             picture.axisTop(), QStringLiteral("y"));
    painter.setBrush(Colors::clBlack);
}

void wipeCircle(QPainter& painter, const AnglePicture& picture)
{
    drawCircle(painter, picture);
    drawAxes(painter, picture);
}

void drawAngle(QPainter& painter, const AnglePicture& picture, int degrees, const AngleStyle& style)
{
    const QPoint c = picture.centre();
    const QPoint p = pointAt(picture, degrees, picture.radius);
    const QPoint onHorizontal(p.x(), c.y());
    const QPoint onVertical(c.x(), p.y());

    solidPen(painter, style.cosine, style.penWidth);
    painter.drawLine(c, onHorizontal);

    dottedWhitePen(painter);
    painter.drawLine(onHorizontal, p);
    painter.drawLine(p, onVertical);

    if (style.arcDivisor > 0) {
        const int boxRadius = picture.radius / style.arcDivisor;
        const long double arcRadius = static_cast<long double>(picture.radius) / style.arcDivisor;
        platform::drawCounterClockwiseArc(painter, c.x() - boxRadius, c.y() - boxRadius, c.x() + boxRadius, c.y() + boxRadius,
                                QPoint(c.x() + picture.radius, c.y()), pointAt(picture, degrees, arcRadius));
    }

    solidPen(painter, style.sine, style.penWidth);
    painter.drawLine(onVertical, c);

    solidPen(painter, Colors::clWhite, 1);
    painter.drawLine(c, p);
}

}  // namespace angles
