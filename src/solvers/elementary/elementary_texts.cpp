#include "solvers/elementary/elementary_texts.h"

#include "texts/angle_notation.h"
#include "texts/sum_text.h"
#include "texts/text_tables.h"

namespace solvers {

namespace {

// ---- The equation window ----

QString degreeFamily(long long degrees)
{
    return QStringLiteral(" x = ") + DegreeText(degrees) + QStringLiteral("° + k 360°");
}

EquationLabels sineLabels(const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    EquationLabels l;
    l.Label1 = QStringLiteral(" sin x = ") + ShortValueText(*f.value) + QStringLiteral(" ");
    l.Label5 = degreeFamily(180 - alpha) + QStringLiteral(" ");
    if (alpha == 0) {
        l.Label2 = QStringLiteral(" x = k 360°");
        l.Label8 = QStringLiteral(" 2Kp");
        l.Label9 = QStringLiteral(" p + 2Kp");
    } else {
        const int beta = alpha > 0 ? alpha : alpha + 360;
        l.Label8 = PiFractionText(beta);
        l.Label2 = degreeFamily(beta);
        l.Label9 = PiFractionText(180 - alpha);
    }
    return l;
}

EquationLabels cosineLabels(const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    EquationLabels l;
    l.Label1 = QStringLiteral(" cos x = ") + ShortValueText(*f.value) + QStringLiteral(" ");
    l.Label2 = degreeFamily(alpha) + QStringLiteral(" ");
    l.Label5 = degreeFamily(360 - alpha) + QStringLiteral(" ");
    l.Label8 = PiFractionText(alpha);
    l.Label9 = PiFractionText(360 - alpha);
    if (alpha == 0) {
        l.Label2 = l.Label5 = QStringLiteral(" x = k 360°");
        l.Label8 = l.Label9 = QStringLiteral(" 2Kp");
    }
    if (alpha == 180)
        l.Label8 = l.Label9 = QStringLiteral(" p + 2Kp");
    return l;
}

EquationLabels tangentLabels(const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    EquationLabels l;
    l.secondFamily = false;
    l.Label1 = f.value ? QStringLiteral(" tan x = ") + ShortValueText(*f.value) + QStringLiteral(" ")
                       : QStringLiteral("tan = inf");
    l.Label2 = QStringLiteral(" x = ") + DegreeText(alpha) + QStringLiteral("° + k 180° ");
    l.Label8 = alpha == 0 ? QString::fromLatin1(TangentZeroRadians) : PiFractionText(alpha, Period::Pi);
    return l;
}

// ---- The inequality window ----

const QString Between = QStringLiteral(" <= x <= ");

QString deg(long long d)
{
    return DegreeText(d);
}

void show(InequalityLabels& l, std::initializer_list<int> labels, bool on)
{
    for (int n : labels)
        l.visible[std::size_t(n)] = on;
}

void sineIntervals(InequalityLabels& l, const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    show(l, {4}, true);
    if (alpha == -90) {
        show(l, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, false);
    } else if (alpha <= 0) {
        show(l, {6, 7, 8, 9, 10, 11}, true);
        show(l, {5, 12, 13, 14}, false);
    } else if (alpha < 90) {
        show(l, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, true);
    } else {
        show(l, {6, 9}, true);
        show(l, {5, 7, 8, 10, 11, 12, 13, 14}, false);
    }

    auto& t = l.text;
    const QString value = ShortValueText(*f.value);
    t[1] = QStringLiteral(" sin x > = ") + value + QStringLiteral(" ");
    t[3] = QStringLiteral(" sin x < ") + value + QStringLiteral(" ");
    t[2] = QStringLiteral(" ") + deg(alpha) + QStringLiteral("° + k 360°") + Between + deg(180 - alpha) +
           QStringLiteral("° + k 360° ");
    t[5] = QStringLiteral(" k 360°") + Between + deg(alpha) + QStringLiteral("° + k 360° ");
    t[7] = t[10] = t[13] = Between;
    t[12] = QStringLiteral(" 2Kp");
    if (alpha == 0) {
        t[2] = QStringLiteral("k 360° <= x <= 180° + k 360°");
        t[4] = QStringLiteral("180° + k 360° <= x <= 360° + k 360°");
        t[6] = QStringLiteral("2Kp ");
        t[8] = QStringLiteral("p + 2Kp");
        t[9] = QStringLiteral(" p + 2Kp");
        t[11] = QStringLiteral(" 2p + 2Kp");
    } else if (alpha > 0) {
        t[4] = QStringLiteral(" ") + deg(180 - alpha) + QStringLiteral("° + k 360° <= x <= k 360°");
        t[11] = QStringLiteral(" 2Kp");
        t[6] = QStringLiteral(" ") + PiFractionText(alpha);
    } else {
        t[4] = QStringLiteral(" ") + deg(180 - alpha) + QStringLiteral("° + k 360°") + Between + deg(alpha + 360) +
               QStringLiteral("° + k 360°");
        t[11] = QStringLiteral(" ") + PiFractionText(alpha + 360);
        t[6] = QStringLiteral(" -") + PiFractionText(-alpha);
    }
    if (alpha != 0) {
        t[8] = PiFractionText(180 - alpha);
        t[9] = QStringLiteral(" ") + PiFractionText(180 - alpha);
        t[14] = alpha > 0 ? PiFractionText(alpha) : QStringLiteral("-") + PiFractionText(-alpha);
    }
    if (alpha == -90) {
        t[2] = QStringLiteral(" ") + app::commonText(app::Common::AllReals);
        t[4] = QStringLiteral(" ") + app::commonText(app::Common::EmptySet);
    }
    if (alpha == 90) {
        t[2] = QStringLiteral(" 90° + k 360°");
        t[6] = QStringLiteral("p/2 + 2 Kp        ");
        t[4] = QStringLiteral(" <> 90° + k 360°");
        t[9] = QStringLiteral(" <> p/2 + 2Kp    ");
    }
}

void cosineIntervals(InequalityLabels& l, const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    show(l, {4, 6, 7, 8, 9, 10, 11}, true);
    show(l, {5, 12, 13, 14}, false);

    auto& t = l.text;
    const QString value = ShortValueText(*f.value);
    t[1] = QStringLiteral(" cos x > = ") + value + QStringLiteral(" ");
    t[3] = QStringLiteral(" cos x < ") + value + QStringLiteral(" ");
    t[2] = QStringLiteral(" -") + deg(alpha) + QStringLiteral("° + k 360°") + Between + deg(alpha) +
           QStringLiteral("° + k 360° ");
    t[7] = Between;
    t[4] = QStringLiteral(" ") + deg(alpha) + QStringLiteral("° + k 360°") + Between + deg(360 - alpha) +
           QStringLiteral("° + k 360° ");
    t[10] = Between;
    t[11] = PiFractionText(360 - alpha);
    if (alpha > 0) {
        t[6] = QStringLiteral(" -") + PiFractionText(alpha);
        t[8] = PiFractionText(alpha);
        t[9] = QStringLiteral(" ") + PiFractionText(alpha);
    }
    if (alpha == 0) {
        show(l, {7, 8}, false);
        t[2] = QStringLiteral(" k 360°");
        t[6] = QStringLiteral("2Kp           ");
        t[4] = QStringLiteral(" k 360° < x < 360° + k 360°");
        t[9] = QStringLiteral("2Kp");
        t[11] = QStringLiteral("2p + 2Kp");
    }
    if (alpha == 180) {
        show(l, {6, 7, 8, 9, 10, 11}, false);
        t[2] = QStringLiteral(" ") + app::commonText(app::Common::AllReals);
        t[4] = QStringLiteral(" ") + app::commonText(app::Common::EmptySet);
    }
}

void tangentIntervals(InequalityLabels& l, const ElementaryFindings& f)
{
    const int alpha = f.alphaDeg;
    show(l, {4, 12, 13, 14}, false);
    show(l, {5, 6, 7, 8, 9, 10, 11}, true);

    auto& t = l.text;
    const QString value = f.value ? ShortValueText(*f.value) : QString();
    t[1] = QStringLiteral(" tan x > = ") + value + QStringLiteral(" ");
    t[3] = QStringLiteral(" tan x < ") + value + QStringLiteral(" ");
    t[2] = deg(alpha) + QStringLiteral("° + k 180°") + Between + QStringLiteral("90° + k 180° ");
    t[5] = QStringLiteral("- 90° + k 180°") + Between + deg(alpha) + QStringLiteral("° + k 180° ");
    if (alpha == 0) {
        t[6] = t[11] = QStringLiteral("K p");
    } else if (alpha > 0) {
        t[6] = t[11] = PiFractionText(alpha, Period::Pi);
    } else {
        t[11] = QStringLiteral(" -") + PiFractionText(-alpha, Period::Pi);
        t[6] = QStringLiteral("-") + PiFractionText(-alpha, Period::Pi);
    }
    t[7] = Between;
    t[8] = QStringLiteral("p/2 + K p");
    t[9] = QStringLiteral("-p/2  + K p");
    t[10] = Between;
}

}  // namespace

EquationLabels elementaryEquationLabels(const ElementaryFindings& f)
{
    switch (f.function) {
    case Sine: return sineLabels(f);
    case Cosine: return cosineLabels(f);
    default: return tangentLabels(f);
    }
}

InequalityLabels elementaryInequalityLabels(const ElementaryFindings& f)
{
    InequalityLabels l;
    show(l, {1, 2, 3}, true);
    switch (f.function) {
    case Sine: sineIntervals(l, f); break;
    case Cosine: cosineIntervals(l, f); break;
    default: tangentIntervals(l, f); break;
    }
    return l;
}

QString elementaryStatement(const ElementaryFindings& f, bool inequality)
{
    QString value = QStringLiteral("∞");
    if (f.value)
        value = (*f.value < 0 && app::decimalMagnitude(*f.value) != QLatin1String("0") ? QStringLiteral("\u2212")
                                                                                        : QString()) +
                app::decimalMagnitude(*f.value);
    return functionName(f.function) + (inequality ? QStringLiteral(" ≥ ") : QStringLiteral(" = ")) + value +
           QStringLiteral(", α = ") + DegreeText(f.alphaDeg) + QStringLiteral("°");
}

}  // namespace solvers
