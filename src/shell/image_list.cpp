#include "shell/image_list.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "maths/angles.h"

namespace app {

namespace {

QImage blank()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void verticalTricolour(QImage& image, QColor left, QColor middle, QColor right)
{
    QPainter p(&image);
    p.fillRect(0, 2, 5, 12, left);
    p.fillRect(5, 2, 6, 12, middle);
    p.fillRect(11, 2, 5, 12, right);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 2, 15, 11);
}

void unionFlag(QImage& image)
{
    QPainter p(&image);
    p.fillRect(0, 2, 16, 12, QColor(1, 33, 105));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(0, 2, 16, 14);
    p.drawLine(16, 2, 0, 14);
    p.setPen(QPen(QColor(200, 16, 46), 1));
    p.drawLine(0, 2, 16, 14);
    p.drawLine(16, 2, 0, 14);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(6, 2, 4, 12, Qt::white);
    p.fillRect(0, 6, 16, 4, Qt::white);
    p.fillRect(7, 2, 2, 12, QColor(200, 16, 46));
    p.fillRect(0, 7, 16, 2, QColor(200, 16, 46));
}

void questionMark(QImage& image, QColor ground)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(ground);
    p.setPen(QPen(ground.darker(150), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void arrow(QImage& image, bool left)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 128, 0));
    p.setPen(QColor(0, 80, 0));
    QPolygonF shape;
    if (left)
        shape << QPointF(1, 8) << QPointF(8, 2) << QPointF(8, 5) << QPointF(15, 5) << QPointF(15, 11)
              << QPointF(8, 11) << QPointF(8, 14);
    else
        shape << QPointF(15, 8) << QPointF(8, 2) << QPointF(8, 5) << QPointF(1, 5) << QPointF(1, 11)
              << QPointF(8, 11) << QPointF(8, 14);
    p.drawPolygon(shape);
}

}  // namespace

QImage drawMenuPicture(int index)
{
    QImage image = blank();
    switch (index) {
    case ImageList::Calculator: {
        QPainter p(&image);
        p.fillRect(2, 0, 12, 16, QColor(128, 128, 128));
        p.fillRect(4, 2, 8, 3, QColor(0, 255, 0));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.fillRect(4 + c * 3, 7 + r * 3, 2, 2, Qt::white);
        break;
    }
    case ImageList::ToolHelp:
    case ImageList::Help:
        questionMark(image, QColor(0, 0, 200));
        break;
    case ImageList::Draw: {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 1));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(255, 255, 0), 2));
        p.drawLine(QPointF(8, 8), QPointF(14, 3));
        p.setPen(QPen(QColor(0, 255, 0), 2));
        p.drawLine(QPointF(8, 8), QPointF(15, 8));
        break;
    }
    case ImageList::NewFunction: {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 160, 255), 2));
        QPainterPath wave;
        wave.moveTo(1, 8);
        for (int x = 1; x <= 15; ++x)
            wave.lineTo(x, 8 - 5 * std::sin((x - 1) * double(Pi) / 7.0));
        p.drawPath(wave);
        break;
    }
    case ImageList::Exit: {
        QPainter p(&image);
        p.fillRect(3, 1, 9, 14, QColor(128, 64, 0));
        p.fillRect(9, 7, 2, 2, QColor(255, 255, 0));
        break;
    }
    case ImageList::About:
        questionMark(image, QColor(0, 128, 128));
        break;
    case ImageList::Mail: {
        QPainter p(&image);
        p.fillRect(1, 4, 14, 9, Qt::white);
        p.setPen(QColor(64, 64, 64));
        p.drawRect(1, 4, 13, 8);
        p.drawLine(1, 4, 8, 9);
        p.drawLine(14, 4, 8, 9);
        break;
    }
    case ImageList::PreviousWindow:
        arrow(image, true);
        break;
    case ImageList::NextWindow:
        arrow(image, false);
        break;
    case ImageList::WebSite: {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0, 100, 220));
        p.setPen(QColor(0, 60, 140));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::white);
        p.drawLine(QPointF(2, 8), QPointF(14, 8));
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
        break;
    }
    case ImageList::DataEntry: {
        QPainter p(&image);
        p.fillRect(1, 3, 14, 10, Qt::white);
        p.setPen(QColor(64, 64, 64));
        p.drawRect(1, 3, 13, 9);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QRect(1, 3, 14, 10), Qt::AlignCenter, QStringLiteral("abc"));
        break;
    }
    case ImageList::FrenchFlag:
        verticalTricolour(image, QColor(0, 35, 149), Qt::white, QColor(237, 41, 57));
        break;
    case ImageList::EnglishFlag:
        unionFlag(image);
        break;
    case ImageList::ItalianFlag:
        verticalTricolour(image, QColor(0, 146, 70), Qt::white, QColor(206, 43, 55));
        break;
    default:
        break;
    }
    return image;
}

ImageList::ImageList()
{
    reset();
}

ImageList& ImageList::mainList()
{
    static ImageList list;
    return list;
}

void ImageList::reset()
{
    m_icons.clear();
    m_languageFlag = -1;
    for (int i = 0; i <= ItalianFlag; ++i)
        m_icons.push_back(QIcon(QPixmap::fromImage(drawMenuPicture(i))));
}

QIcon ImageList::icon(int index) const
{
    if (index < 0 || index >= count())
        return QIcon();
    return m_icons[std::size_t(index)];
}

int ImageList::append(const QIcon& icon)
{
    m_icons.push_back(icon);
    return count() - 1;
}

int ImageList::setLanguageFlag(const QIcon& icon)
{
    if (m_languageFlag < 0 || m_languageFlag >= count())
        m_languageFlag = append(icon);
    else
        m_icons[std::size_t(m_languageFlag)] = icon;
    return m_languageFlag;
}

}  // namespace app
