#pragma once
// Counter-clockwise arcs between two directions, as the pictures draw them.
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace platform {

// Draws the arc of the ellipse inscribed in the box from (left, top) to (right, bottom)
// (right and bottom excluded, as the window system's ellipses are), counter-clockwise on the
// screen, from the direction of `start` to the direction of `end` (both seen from the box
// centre). When the two directions coincide the whole ellipse is drawn.
void drawCounterClockwiseArc(QPainter& painter, int left, int top, int right, int bottom, QPoint start, QPoint end);

// The same arc on a circle of `radius` around `centre`.
void drawCounterClockwiseArc(QPainter& painter, QPoint centre, int radius, QPoint start, QPoint end);

// The ellipse inscribed in the box from (left, top) to (right, bottom), right and bottom excluded.
void drawBoxEllipse(QPainter& painter, int left, int top, int right, int bottom);

// The start angle and the counter-clockwise span in degrees (0 at three o'clock) of that arc;
// the span is 360 when the directions coincide.
struct ArcAngles {
    double startDegrees;
    double spanDegrees;
};
ArcAngles counterClockwiseArcAngles(QPointF centre, QPoint start, QPoint end);

}  // namespace platform
