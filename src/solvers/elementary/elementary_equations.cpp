#include "solvers/elementary/elementary_equations.h"

#include "texts/angle_notation.h"
#include "solvers/elementary/elementary_angles.h"

namespace solvers {

namespace {

QString degreeFamily(long long degrees)
{
    return QStringLiteral(" x = ") + DegreeText(degrees) + QStringLiteral("° + k 360°");
}

EquationLabels sineLabels(int alpha)
{
    EquationLabels l;
    l.Label1 = QStringLiteral(" sin x = ") + ShortValueText(*functionValue(Sine, alpha)) + QStringLiteral(" ");
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

EquationLabels cosineLabels(int alpha)
{
    EquationLabels l;
    l.Label1 = QStringLiteral(" cos x = ") + ShortValueText(*functionValue(Cosine, alpha)) + QStringLiteral(" ");
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

EquationLabels tangentLabels(int alpha)
{
    EquationLabels l;
    l.secondFamily = false;
    const std::optional<long double> value = functionValue(Tangent, alpha);
    l.Label1 = value ? QStringLiteral(" tan x = ") + ShortValueText(*value) + QStringLiteral(" ")
                     : QStringLiteral("tan = inf");
    l.Label2 = QStringLiteral(" x = ") + DegreeText(alpha) + QStringLiteral("° + k 180° ");
    l.Label8 = alpha == 0 ? QString::fromLatin1(TangentZeroRadians) : PiFractionText(alpha, Period::Pi);
    return l;
}

}  // namespace

EquationLabels elementaryEquationLabels(int function, int alphaDeg)
{
    switch (function) {
    case Sine: return sineLabels(alphaDeg);
    case Cosine: return cosineLabels(alphaDeg);
    default: return tangentLabels(alphaDeg);
    }
}

}  // namespace solvers
