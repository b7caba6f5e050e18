#pragma once
// Pens of the pictures. The pictures are drawn at device resolution; a line of one pixel uses a
// cosmetic pen so that it stays one device pixel wide on a high-density screen (a sharp hairline
// rather than a two-pixel smear), while thicker lines scale with the picture.
#include <QColor>
#include <QPen>

#include "platform/accessibility.h"

namespace platform {

inline QPen picturePen(const QColor& colour, qreal width = 1, Qt::PenStyle style = Qt::SolidLine,
                       Qt::PenCapStyle cap = Qt::SquareCap, Qt::PenJoinStyle join = Qt::BevelJoin)
{
    // Under high contrast a line stands well apart from the black ground of the pictures.
    QPen pen(Accessibility::readable(colour, Qt::black), width, style, cap, join);
    pen.setCosmetic(width <= 1);
    return pen;
}

}  // namespace platform
