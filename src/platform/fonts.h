#pragma once
// The fonts the windows name, mapped to the installed ones: "MS Sans Serif" and "Arial" to
// Liberation Sans (DejaVu Sans as fall-back), "Symbol" to the same face drawn through the
// Greek mapping of symbol_font.h. Sizes are pixel heights.
#include <QFont>

namespace Fonts {
QFont sansSerif(int pixelSize, bool bold = false, bool italic = false);
// The desktop's text scaling that Qt has not already turned into the pixel ratio (it does unless
// its high-DPI scaling is off): the primary screen's logical dots per inch over 96, within 1 ... 2.
qreal textScale();
// A pixel size grown by textScale().
int scaled(int pixelSize);
// The font of the pictures' texts (axis names, graph titles): the windows' default font grown by
// textScale().
QFont pictureText(bool bold = false);
// "MS Sans Serif" 8 pt, the windows' default font.
QFont windowDefault(bool bold = false);
// The font of labels set in the Symbol font (the text is mapped to Greek when painted).
QFont symbol(int pixelSize, bool bold = false);
}  // namespace Fonts
