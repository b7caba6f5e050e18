#include "platform/arc.h"

#include <QPainterPath>
#include <cmath>

#include "maths/angles.h"

namespace platform {

ArcAngles counterClockwiseArcAngles(QPointF centre, QPoint start, QPoint end)
{
    const double sx = start.x() - centre.x(), sy = centre.y() - start.y();
    const double ex = end.x() - centre.x(), ey = centre.y() - end.y();
    const double startDeg = std::atan2(sy, sx) * 180.0 / double(Pi);
    const double endDeg = std::atan2(ey, ex) * 180.0 / double(Pi);
    // The same direction (parallel and pointing the same way) gives the whole circle.
    const double cross = sx * ey - sy * ex;
    const double dot = sx * ex + sy * ey;
    if (cross == 0.0 && dot >= 0.0)
        return {startDeg, 360.0};
    double span = endDeg - startDeg;
    while (span <= 0.0)
        span += 360.0;
    while (span > 360.0)
        span -= 360.0;
    return {startDeg, span};
}

void drawCounterClockwiseArc(QPainter& painter, int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    const QRectF box(left, top, right - left, bottom - top);
    const ArcAngles angles = counterClockwiseArcAngles(box.center(), start, end);
    painter.save();
    painter.setBrush(Qt::NoBrush);  // an arc is a line, never filled
    if (angles.spanDegrees >= 360.0) {
        painter.drawEllipse(box);
    } else {
        QPainterPath path;
        path.arcMoveTo(box, angles.startDegrees);
        path.arcTo(box, angles.startDegrees, angles.spanDegrees);
        painter.drawPath(path);
    }
    painter.restore();
}

void drawCounterClockwiseArc(QPainter& painter, QPoint centre, int radius, QPoint start, QPoint end)
{
    drawCounterClockwiseArc(painter, centre.x() - radius, centre.y() - radius, centre.x() + radius,
                            centre.y() + radius, start, end);
}

void drawBoxEllipse(QPainter& painter, int left, int top, int right, int bottom)
{
    painter.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

}  // namespace platform
