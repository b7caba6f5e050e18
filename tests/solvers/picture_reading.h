#pragma once
// Reading the solver pictures back: colours at and around points of an image.
#include <QColor>
#include <QImage>
#include <QPoint>

namespace picture_reading {

inline QColor colourAt(const QImage& image, QPoint p)
{
    const qreal ratio = image.devicePixelRatio();
    const QPoint q(int(p.x() * ratio), int(p.y() * ratio));
    if (!image.valid(q))
        return QColor();
    return QColor(image.pixel(q));
}

// Whether a pixel of `colour` lies within `radius` pixels (a square) of p.
inline bool colourNear(const QImage& image, QPoint p, const QColor& colour, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (colourAt(image, p + QPoint(dx, dy)) == colour)
                return true;
    return false;
}

// How many pixels of `colour` the rectangle holds.
inline int countColour(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (colourAt(image, QPoint(x, y)) == colour)
                ++n;
    return n;
}

}  // namespace picture_reading
