#pragma once
// The picture geometry every solver window shares, from the client size W x H and the scale
// unit U (the unit circle's radius in pixels):
//  - the unit circle is centred at C = (W div 4, H div 2) in the left half of the window;
//  - the graph lives in an off-screen bitmap W div 2 wide shown at (W div 2, 0); its origin is
//    (W div 4, H div 4) in the bitmap and (3W div 4, H div 4) on the window; one radian is 20
//    pixels across, one unit H/10 pixels up.
// Plain values and functions, no widgets.
#include <QPoint>
#include <QRect>

namespace solvers {

// A coordinate far outside any window is held at ±FarCoordinate pixels: a huge value (a typed
// coefficient of 10^20, say) then neither overflows the sums it enters nor reaches the painter.
inline constexpr int FarCoordinate = 1000000;
int drawableCoordinate(long long v);

struct SolverGeometry {
    int W = 0;  // client width
    int H = 0;  // client height
    int U = 0;  // ScaleUnit: radius of the unit circle

    QPoint centre() const { return {W / 4, H / 2}; }
    // P(θ, r): the point at angle θ (radians) on the circle of radius r around C.
    QPoint pointAt(long double theta, long double r) const;
    // The point whose direction from C an angle arc ends at: (W div 4 + sx·round(1.5U·cos θ),
    // H div 2 + sy·round(1.5U·sin θ)); (1, -1) is θ, (-1, -1) 180° - θ, (1, 1) -θ, (-1, 1) 180° + θ.
    QPoint arcDirection(int sx, int sy, long double theta) const;

    // The size of the off-screen graph bitmap: W div 2 x H div 2 (times `halves` in height).
    QSize bitmapSize(int halves = 1) const { return {W / 2, (H / 2) * halves}; }
    // Where the bitmap is shown on the window.
    QPoint bitmapOrigin() const { return {W / 2, 0}; }
    // The graph origin in bitmap coordinates.
    QPoint graphOriginInBitmap() const { return {W / 4, H / 4}; }
    // The window x of an abscissa θ of the graph: 3W div 4 + round(20θ).
    int graphX(long double theta) const;
    // The y of a value t on the graph (window and bitmap alike): H div 4 - round(t·H/10).
    int graphY(long double t) const;
    // The horizontal extent of the level lines on the window: 11W div 20 to 19W div 20.
    int levelLeft() const { return 11 * W / 20; }
    int levelRight() const { return 19 * W / 20; }
};

}  // namespace solvers
