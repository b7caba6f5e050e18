#pragma once
// The texts of the two angle windows: the identities of a reduction or of an associated angle
// written as the labels show them, and every label text a press of traccia writes.
#include <QString>

#include "maths/angle_identities.h"

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

// The rows of a reduction (the plain sine row of the second quadrant carries no prefix) and of
// an associated angle, with the language's name of the sine.
IdentityRows identityRows(const AngleReduction& reduction, const QString& sineName);
IdentityRows identityRows(const AssociatedAngle& associated, const QString& sineName);

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

// The drop-down items, read in the Symbol font (a reads alpha): "  90°  -  a " ... "  -a".
QString associatedItemText(int item);

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
