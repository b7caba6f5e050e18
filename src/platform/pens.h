#pragma once
// Pens of the pictures. The pictures are drawn at device resolution; a line of one pixel uses a
// cosmetic pen so that it stays one device pixel wide on a high-density screen (a sharp hairline
// rather than a two-pixel smear), while thicker lines scale with the picture.
#include <QColor>
#include <QPen>

inline QPen picturePen(const QColor& colour, qreal width = 1, Qt::PenStyle style = Qt::SolidLine,
                       Qt::PenCapStyle cap = Qt::SquareCap, Qt::PenJoinStyle join = Qt::BevelJoin)
{
    QPen pen(colour, width, style, cap, join);
    pen.setCosmetic(width <= 1);
    return pen;
}
