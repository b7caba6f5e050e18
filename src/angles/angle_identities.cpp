#include "angles/angle_identities.h"

#include <array>

namespace angles {

namespace {

const QString Cosine = QStringLiteral("cos (");
const QString Tangent = QStringLiteral("tan (");
const QString Cotangent = QStringLiteral("cotan (");

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

int normalisedDegrees(int degrees)
{
    const int rest = degrees % 360;
    return rest < 0 ? rest + 360 : rest;
}

}  // namespace

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
    return {sine(sineName) + angleText + QStringLiteral(")"), Cosine + angleText + QStringLiteral(")"),
            Tangent + angleText + QStringLiteral(")")};
}

AngleReduction reduceAngle(int alfa, bool octant, const QString& sineName)
{
    const QString s = sine(sineName);
    const int angle = normalisedDegrees(alfa);
    AngleReduction result;
    // Quadrant rows first, then the octant rows that replace them when the angle is above 45.
    IdentityRows octantRows;
    if (angle <= 90) {
        result.quadrantAngle = angle;
        result.rows = {PlusPrefix + s, PlusPrefix + Cosine, PlusPrefix + Tangent};
        octantRows = {PlusPrefix + Cosine, PlusPrefix + s, PlusPrefix + Cotangent};
    } else if (angle <= 180) {
        result.quadrantAngle = 180 - angle;
        // The plain sine row of the second quadrant carries no prefix.
        result.rows = {s, MinusPrefix + Cosine, MinusPrefix + Tangent};
        octantRows = {PlusPrefix + Cosine, MinusPrefix + s, MinusPrefix + Cotangent};
    } else if (angle <= 270) {
        result.quadrantAngle = angle - 180;
        result.rows = {MinusPrefix + s, MinusPrefix + Cosine, PlusPrefix + Tangent};
        octantRows = {MinusPrefix + Cosine, MinusPrefix + s, PlusPrefix + Cotangent};
    } else {
        result.quadrantAngle = 360 - angle;
        result.rows = {MinusPrefix + s, PlusPrefix + Cosine, MinusPrefix + Tangent};
        octantRows = {MinusPrefix + Cosine, PlusPrefix + s, MinusPrefix + Cotangent};
    }
    result.reducedAngle = result.quadrantAngle;
    if (octant && result.quadrantAngle > 45) {
        result.octantApplies = true;
        result.reducedAngle = 90 - result.quadrantAngle;
        result.rows = octantRows;
    }
    return result;
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
    const AngleReduction reduction = reduceAngle(alfa, octant, sineName);
    const QString left = QString::number(alfa);
    const QString right = degreeText(reduction.reducedAngle);
    ReductionTexts texts;
    texts.label2 = reducedAngleText(reduction.quadrantAngle, quadrantItem);
    texts.label3Shown = octant;
    if (octant)
        texts.label3 = reducedAngleText(reduction.reducedAngle, octantItem);
    texts.label4 = identityText(sineName, left, reduction.rows.sine, right);
    texts.label5 = identityText(QStringLiteral("cos"), left, reduction.rows.cosine, right);
    texts.label6 = identityText(QStringLiteral("tan"), left, reduction.rows.tangent, right);
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

AssociatedAngle associatedAngle(int a, int item, const QString& sineName)
{
    const QString s = sine(sineName);
    switch (item) {
    case 1:
        return {a + 90, {PlusPrefix + Cosine, MinusPrefix + s, MinusPrefix + Cotangent}};
    case 2:
        return {180 - a, {PlusPrefix + s, MinusPrefix + Cosine, MinusPrefix + Tangent}};
    case 3:
        return {a + 180, {MinusPrefix + s, MinusPrefix + Cosine, PlusPrefix + Tangent}};
    case 4:
        return {270 - a, {MinusPrefix + Cosine, MinusPrefix + s, PlusPrefix + Cotangent}};
    case 5:
        return {a + 270, {MinusPrefix + Cosine, PlusPrefix + s, MinusPrefix + Cotangent}};
    case 6:
        return {360 - a, {MinusPrefix + s, PlusPrefix + Cosine, MinusPrefix + Tangent}};
    case 7:
        return {-a, {MinusPrefix + s, PlusPrefix + Cosine, MinusPrefix + Tangent}};
    default:
        return {90 - a, {PlusPrefix + Cosine, PlusPrefix + s, PlusPrefix + Cotangent}};
    }
}

AssociatedTexts associatedTexts(int a, int item, const QString& sineName)
{
    const AssociatedAngle associated = associatedAngle(a, item, sineName);
    const QString d = degreeText(associated.angle);
    const QString angle = QString::number(a);
    AssociatedTexts texts;
    texts.label1 = QStringLiteral(" a  =  ") + angle + QStringLiteral("°");
    texts.label2 = associatedItemText(item) + QStringLiteral("  =  ") + d + QStringLiteral("°");
    texts.label4 = identityText(sineName, d, associated.rows.sine, angle);
    texts.label5 = identityText(QStringLiteral("cos"), d, associated.rows.cosine, angle);
    texts.label6 = identityText(QStringLiteral("tan"), d, associated.rows.tangent, angle);
    return texts;
}

}  // namespace angles
