#include "platform/fonts.h"

#include <QStringList>

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

QFont windowDefault(bool bold)
{
    return sansSerif(11, bold);
}

QFont symbol(int pixelSize, bool bold)
{
    return sansSerif(pixelSize, bold);
}

}  // namespace Fonts
