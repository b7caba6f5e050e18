#pragma once
// The named colours the pictures and labels use (the classic 16-colour palette), and the paper
// palette that a picture leaving the screen for paper takes instead of them.
#include <QColor>
#include <algorithm>

namespace Colors {
inline const QColor clBlack{0, 0, 0};
inline const QColor clWhite{255, 255, 255};
inline const QColor clLime{0, 255, 0};
inline const QColor clAqua{0, 255, 255};
inline const QColor clYellow{255, 255, 0};
inline const QColor clGray{128, 128, 128};
inline const QColor clSilver{192, 192, 192};
inline const QColor clRed{255, 0, 0};
inline const QColor clMaroon{128, 0, 0};
inline const QColor clGreen{0, 128, 0};
inline const QColor clOlive{128, 128, 0};
inline const QColor clNavy{0, 0, 128};
inline const QColor clPurple{128, 0, 128};
inline const QColor clTeal{0, 128, 128};
inline const QColor clBlue{0, 0, 255};
inline const QColor clFuchsia{255, 0, 255};

// ---- The paper palette -----------------------------------------------------------------------------
// The pictures are drawn on black for the screen; on paper the ground is white and every colour
// of the screen palette has its paper colour, one for lines and texts and one for filled areas.
// The two solution sets keep their hues (≥: aqua and blue become blues, <: red and yellow become
// oranges) and stay told apart when printed in grey: the blues are darker than the oranges by
// more than a quarter of the grey scale, lines and fills alike.

// The colour of a line or a text of `screen` on paper.
inline QColor paperLine(const QColor& screen)
{
    const QRgb c = screen.rgb() & 0xffffff;
    switch (c) {
    case 0x000000: return clWhite;                  // black draws the ground
    case 0xffffff: return QColor(25, 25, 25);       // white lines and texts: near black
    case 0x808080: return QColor(140, 140, 140);    // the grey axes
    case 0xc0c0c0: return QColor(105, 105, 105);    // silver markers: darker than the axes
    case 0x00ff00: return QColor(0, 135, 0);        // lime: the value and its level
    case 0x00ffff: return QColor(0, 110, 140);      // aqua: the set ≥, teal beside the blue
    case 0x0000ff: return QColor(0, 60, 200);       // blue
    case 0xffff00: return QColor(235, 150, 0);      // yellow: the set <
    case 0xff0000: return QColor(240, 120, 30);     // red: the set <
    case 0xff00ff: return QColor(175, 0, 150);      // fuchsia
    default: break;
    }
    // Any other colour keeps its hue, as dark as it must be to read on white.
    float h = 0, s = 0, l = 0;
    screen.getHslF(&h, &s, &l);
    return QColor::fromHslF(h, s, std::min(l, 0.42f));
}

// The colour of a filled area of `screen` on paper: the grounds white, the solution sets' bands
// and discs in tints, the small filled marks (arrowheads, points) as their lines.
inline QColor paperFill(const QColor& screen)
{
    switch (screen.rgb() & 0xffffff) {
    case 0x0000ff:
    case 0x00ffff: return QColor(120, 160, 230);   // the set ≥
    case 0xff0000:
    case 0xffff00: return QColor(255, 225, 190);   // the set <
    case 0xffffff: return paperLine(screen);       // white marks (arrowheads) as their lines
    default: break;
    }
    float h = 0, s = 0, l = 0;
    screen.getHslF(&h, &s, &l);
    if (l < 0.25f)
        return clWhite;  // dark grounds
    if (l > 0.75f)
        return screen;   // light areas print as they are
    return paperLine(screen);
}

}  // namespace Colors
