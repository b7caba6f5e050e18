#include "angles/angle_texts.h"

#include <array>

namespace angles {

namespace {

// Degree texts are cut to three characters, the room the labels keep for them.
constexpr int DegreeTextLength = 3;

QString degreeText(int degrees)
{
    return cutTo(QString::number(degrees), DegreeTextLength);
}

QString sine(const QString& sineName)
{
    return sineName + QStringLiteral(" (");
}

QString functionText(Ratio ratio, const QString& sineName)
{
    switch (ratio) {
    case Ratio::Sine: return sine(sineName);
    case Ratio::Cosine: return QStringLiteral("cos (");
    case Ratio::Tangent: return QStringLiteral("tan (");
    case Ratio::Cotangent: return QStringLiteral("cotan (");
    }
    return QString();
}

QString rowText(const Identity& identity, const QString& sineName)
{
    return (identity.negative ? MinusPrefix : PlusPrefix) + functionText(identity.ratio, sineName);
}

IdentityRows rows(const Identities& identities, const QString& sineName)
{
    return {rowText(identities.sine, sineName), rowText(identities.cosine, sineName),
            rowText(identities.tangent, sineName)};
}

}  // namespace

IdentityRows identityRows(const AngleReduction& reduction, const QString& sineName)
{
    IdentityRows result = rows(reduction.identities, sineName);
    if (reduction.quadrant == 2 && !reduction.octantApplies)
        result.sine = sine(sineName);
    return result;
}

IdentityRows identityRows(const AssociatedAngle& associated, const QString& sineName)
{
    return rows(associated.identities, sineName);
}

QString cutTo(const QString& text, int length)
{
    return length <= 0 ? QString() : text.left(length);
}

QString identityText(const QString& leftFunction, const QString& leftAngle, const QString& row,
                     const QString& rightAngle)
{
    return leftFunction + QStringLiteral(" (") + leftAngle + QStringLiteral(")  =  ") + row + rightAngle +
           QStringLiteral(")");
}

IdentityLabels leftSides(const QString& angleText, const QString& sineName)
{
    return {sine(sineName) + angleText + QStringLiteral(")"), QStringLiteral("cos (") + angleText + QStringLiteral(")"),
            QStringLiteral("tan (") + angleText + QStringLiteral(")")};
}

QString alfaText(int alfa)
{
    return QStringLiteral("alfa = ") + QString::number(alfa) + QStringLiteral("°");
}

QString reducedAngleText(int angle, const QString& item)
{
    return QStringLiteral("alfa = ") + degreeText(angle) + QStringLiteral("°       ") + item;
}

ReductionTexts reductionTexts(int alfa, bool octant, const QString& sineName, const QString& quadrantItem,
                              const QString& octantItem)
{
    const AngleReduction reduction = reduceAngle(alfa, octant);
    const IdentityRows rows = identityRows(reduction, sineName);
    const QString left = QString::number(alfa);
    const QString right = degreeText(reduction.reducedAngle);
    ReductionTexts texts;
    texts.label2 = reducedAngleText(reduction.quadrantAngle, quadrantItem);
    texts.label3Shown = octant;
    if (octant)
        texts.label3 = reducedAngleText(reduction.reducedAngle, octantItem);
    texts.label4 = identityText(sineName, left, rows.sine, right);
    texts.label5 = identityText(QStringLiteral("cos"), left, rows.cosine, right);
    texts.label6 = identityText(QStringLiteral("tan"), left, rows.tangent, right);
    return texts;
}

QString associatedItemText(int item)
{
    static const std::array<const char*, AssociatedItemCount> items = {
        "  90°  -  a ", "  90°  +  a ", " 180°  -  a ", " 180°  +  a ",
        " 270°  -  a ", " 270°  +  a",  " 360°  -  a",  "  -a"};
    if (item < 0 || item >= AssociatedItemCount)
        item = 0;
    return QString::fromUtf8(items[std::size_t(item)]);
}

AssociatedTexts associatedTexts(int a, int item, const QString& sineName)
{
    const AssociatedAngle associated = associatedAngle(a, item);
    const IdentityRows rows = identityRows(associated, sineName);
    const QString d = degreeText(associated.angle);
    const QString angle = QString::number(a);
    AssociatedTexts texts;
    texts.label1 = QStringLiteral(" a  =  ") + angle + QStringLiteral("°");
    texts.label2 = associatedItemText(item) + QStringLiteral("  =  ") + d + QStringLiteral("°");
    texts.label4 = identityText(sineName, d, rows.sine, angle);
    texts.label5 = identityText(QStringLiteral("cos"), d, rows.cosine, angle);
    texts.label6 = identityText(QStringLiteral("tan"), d, rows.tangent, angle);
    return texts;
}

}  // namespace angles
