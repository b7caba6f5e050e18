#pragma once
// Reads a drawn circle or arc back from an image.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <cmath>
#include <numbers>

#include "common/test_support.h"

// How many pixels of a colour lie within a pixel of the circle of radius r around the centre,
// between two directions (degrees, counter-clockwise from three o'clock, 0 to 360).
inline int countOnCircle(const QImage& image, QPoint centre, const QColor& colour, double r, double fromDegrees,
                         double toDegrees)
{
    int count = 0;
    for (int y = centre.y() - int(r) - 2; y <= centre.y() + int(r) + 2; ++y)
        for (int x = centre.x() - int(r) - 2; x <= centre.x() + int(r) + 2; ++x) {
            const double dx = x - centre.x(), dy = centre.y() - y;
            if (std::fabs(std::hypot(dx, dy) - r) > 1.0)
                continue;
            double angle = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
            if (angle < 0)
                angle += 360.0;
            if (angle >= fromDegrees && angle <= toDegrees && pixelAt(image, x, y) == colour)
                ++count;
        }
    return count;
}
