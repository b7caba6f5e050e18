#pragma once
// The mathematics and texts of the two angle windows, without widgets: the reduction of an
// angle to the first quadrant or octant, the eight associated angles of an acute angle, and the
// exact label texts of both windows.
#include <QString>

namespace angles {

// The right-hand functions of the sine, cosine and tangent identities, each with its sign
// prefix and opening bracket, such as "- cos (" or "  cotan (".
struct IdentityRows {
    QString sine;
    QString cosine;
    QString tangent;
};

// "- " before a function with a minus sign, two blanks before one with a plus sign.
inline const QString MinusPrefix = QStringLiteral("- ");
inline const QString PlusPrefix = QStringLiteral("  ");

// The first characters of a text, at most `length` of them.
QString cutTo(const QString& text, int length);

// One identity: "sen (150)  =  - cos (30)" from the left function name, the left angle text,
// the right-hand row ("- cos (") and the right angle text.
QString identityText(const QString& leftFunction, const QString& leftAngle, const QString& row,
                     const QString& rightAngle);

// The left sides alone, as the reduction window shows them before the reduction:
// "sen (150)", "cos (150)", "tan (150)".
struct IdentityLabels {
    QString sine;
    QString cosine;
    QString tangent;
};
IdentityLabels leftSides(const QString& angleText, const QString& sineName);

// ---- Reduction to the first quadrant or octant ----

inline constexpr int ReductionMinimum = 91;
inline constexpr int ReductionMaximum = 359;
inline constexpr int ReductionStart = 150;

struct AngleReduction {
    int quadrantAngle = 0;       // the angle in the first quadrant, 0..90
    int reducedAngle = 0;        // the angle the identities use (the octant one when it applies)
    bool octantApplies = false;  // octant asked for and the quadrant angle above 45
    IdentityRows rows;
};

// Reduces alfa (whole degrees, taken modulo 360) to the first quadrant, and further to the
// first octant when `octant` is set and the quadrant angle is above 45.
AngleReduction reduceAngle(int alfa, bool octant, const QString& sineName);

// Every label text the second press of the reduction window writes.
struct ReductionTexts {
    QString label2;       // "alfa = 30°       1° quadrante"
    QString label3;       // "alfa = 30°       1° ottante", meaningful when label3Shown
    bool label3Shown = false;
    QString label4;       // "sen (150)  =  sen (30)"
    QString label5;       // "cos (150)  =  - cos (30)"
    QString label6;       // "tan (150)  =  - tan (30)"
};
ReductionTexts reductionTexts(int alfa, bool octant, const QString& sineName, const QString& quadrantItem,
                              const QString& octantItem);

// "alfa = 150°"
QString alfaText(int alfa);
// "alfa = 30°       1° quadrante"
QString reducedAngleText(int angle, const QString& item);

// ---- Associated angles ----

inline constexpr int AcuteMinimum = 0;
inline constexpr int AcuteMaximum = 90;
inline constexpr int AcuteStart = 50;
inline constexpr int AssociatedItemCount = 8;

// The drop-down items, read in the Symbol font (a reads alpha): "  90°  -  a " ... "  -a".
QString associatedItemText(int item);

struct AssociatedAngle {
    int angle = 0;  // b, which may be negative or 360
    IdentityRows rows;
};
// The associated angle of a for an item 0..7 (90° - a, 90° + a, 180° - a, 180° + a, 270° - a,
// 270° + a, 360° - a, -a); an item out of range counts as item 0.
AssociatedAngle associatedAngle(int a, int item, const QString& sineName);

// Every label text a press of the associated angles window writes.
struct AssociatedTexts {
    QString label1;  // " a  =  50°"
    QString label2;  // "  90°  -  a   =  40°"
    QString label4;  // "sen (40)  =    cos (50)"
    QString label5;
    QString label6;
};
AssociatedTexts associatedTexts(int a, int item, const QString& sineName);

}  // namespace angles
