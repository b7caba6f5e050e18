#include "platform/fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace Fonts {

QFont sansSerif(int pixelSize, bool bold, bool italic)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies(QStringList() << QStringLiteral("Liberation Sans") << QStringLiteral("Arial") << QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

qreal textScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::clamp(screen->logicalDotsPerInchY() / 96.0, 1.0, 2.0) : 1.0;
}

int scaled(int pixelSize)
{
    return int(std::lround(pixelSize * textScale()));
}

QFont pictureText(bool bold)
{
    return sansSerif(scaled(windowDefault().pixelSize()), bold);
}

QFont windowDefault(bool bold)
{
    return sansSerif(11, bold);
}

QFont symbol(int pixelSize, bool bold)
{
    return sansSerif(pixelSize, bold);
}

}  // namespace Fonts
