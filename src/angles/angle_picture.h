#pragma once
// The picture the two angle windows share: the unit circle with its axes on the black left half
// of the window, and an angle drawn as its cosine and sine segments, its radius and, in the
// associated angles window, a dotted arc from the horizontal axis.
#include <QColor>
#include <QFont>
#include <QPoint>

class QPainter;

namespace angles {

// Where the picture lies in a client area of width W and height H: the circle has its centre
// at (W div 4, H div 2) and radius R; the vertical axis runs from H div d to 9H div d.
struct AnglePicture {
    int width = 0;
    int height = 0;
    int radius = 0;
    int axisDivisor = 8;  // d: 8 in the reduction window, 10 in the associated angles window

    QPoint centre() const { return {width / 4, height / 2}; }
    int axisLeft() const { return width / 40; }
    int axisRight() const { return 19 * width / 40; }
    int axisTop() const { return axisDivisor > 0 ? height / axisDivisor : 0; }
    int axisBottom() const { return axisDivisor > 0 ? 9 * height / axisDivisor : height; }
};

// The point of the circle of `radius` (in pixels, not necessarily whole) at `degrees`, on the
// screen: (W div 4 + nearest(radius cos t), H div 2 - nearest(radius sin t)).
QPoint pointAt(const AnglePicture& picture, long double degrees, long double radius);

// The background: the window colour on the right half, the left half black, the white circle
// filled black, the grey axes with their arrowheads and the white names "x" and "y" (in `font`).
void drawAngleBackground(QPainter& painter, const AnglePicture& picture, const QColor& windowColour,
                         const QFont& font);

// The circle drawn again over whatever was inside it, and the two axes without arrowheads.
void wipeCircle(QPainter& painter, const AnglePicture& picture);

// How an angle is drawn: the colours of its cosine and sine segments, their pen width, and the
// divisor n of its dotted arc's radius R div n (0: no arc).
struct AngleStyle {
    QColor cosine;
    QColor sine;
    int penWidth = 1;
    int arcDivisor = 0;
};

// Draws an angle: the cosine segment along the horizontal axis, the dotted lines to the point
// of the circle and across to the vertical axis, the dotted arc, the sine segment along the
// vertical axis, and the white radius.
void drawAngle(QPainter& painter, const AnglePicture& picture, int degrees, const AngleStyle& style);

}  // namespace angles
