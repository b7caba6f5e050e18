#include "expr/button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "platform/colors.h"
#include "platform/fonts.h"

namespace app::ButtonPictures {
namespace {

QIcon picture(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

QIcon confirm()
{
    return picture(16, 16, [](QPainter& p) {
        p.setPen(roundPen(Colors::clGreen, 2.5));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    });
}

QIcon cancel()
{
    return picture(16, 16, [](QPainter& p) {
        p.setPen(roundPen(Colors::clRed, 2.5));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon help()
{
    return picture(16, 16, [](QPainter& p) {
        p.setPen(Colors::clBlue);
        p.setFont(Fonts::sansSerif(15, true));
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon squareRoot()
{
    return picture(28, 18, [](QPainter& p) {
        p.setPen(roundPen(Colors::clBlack, 1.6));
        p.drawPolyline(QPolygonF({QPointF(2, 10), QPointF(5, 8.5), QPointF(9, 16), QPointF(13, 2), QPointF(26, 2)}));
    });
}

QIcon backspace()
{
    return picture(24, 16, [](QPainter& p) {
        p.setPen(roundPen(Colors::clBlack, 1.6));
        p.drawLine(QPointF(3, 8), QPointF(21, 8));
        p.drawPolyline(QPolygonF({QPointF(8, 3), QPointF(3, 8), QPointF(8, 13)}));
    });
}

QIcon radians()
{
    return picture(26, 16, [](QPainter& p) {
        p.setPen(Colors::clBlack);
        p.setFont(Fonts::sansSerif(12, true));
        p.drawText(QRect(0, 0, 26, 16), Qt::AlignCenter, QStringLiteral("rad"));
    });
}

}  // namespace app::ButtonPictures
