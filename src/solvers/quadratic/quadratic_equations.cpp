#include "solvers/quadratic/quadratic_equations.h"

#include "texts/text_tables.h"
#include "maths/elementary.h"
#include "solvers/elementary/elementary_texts.h"

namespace solvers {

namespace {

// The labels that show one root: its value, then the first family (degrees, prefix, π) and the
// second family (degrees, prefix, π).
struct RootLabels {
    int value, degrees1, prefix1, pi1, degrees2, prefix2, pi2;
    QChar index;
};
constexpr RootLabels FirstRoot{1, 2, 7, 8, 5, 10, 9, QChar(u'1')};
constexpr RootLabels SecondRoot{3, 4, 6, 11, 12, 13, 14, QChar(u'2')};

QString degrees(long long n)
{
    return DegreeText(n);
}

void writeSine(std::array<QString, 15>& l, const RootLabels& r, const QString& x, int n)
{
    l[r.degrees2] = QStringLiteral(" ") + x + QStringLiteral(" = ") + degrees(180 - n) + QStringLiteral("° + k 360° ");
    if (n != 0) {
        const int p = n > 0 ? n : n + 360;
        l[r.degrees1] = QStringLiteral(" ") + x + QStringLiteral(" = ") + degrees(p) + QStringLiteral("° + k 360°");
        l[r.pi1] = PiFractionText(p);
        l[r.pi2] = PiFractionText(180 - n);
    } else {
        l[r.degrees1] = QStringLiteral(" ") + x + QStringLiteral(" = k 360°");
        l[r.pi1] = QStringLiteral(" 2Kp");
        l[r.pi2] = QStringLiteral(" p + 2Kp");
    }
}

void writeCosine(std::array<QString, 15>& l, const RootLabels& r, const QString& x, int n)
{
    if (n == 0) {
        l[r.degrees1] = l[r.degrees2] = QStringLiteral(" ") + x + QStringLiteral(" = k 360°");
        l[r.pi1] = l[r.pi2] = QStringLiteral(" 2Kp");
        return;
    }
    l[r.degrees1] = QStringLiteral(" ") + x + QStringLiteral(" = ") + degrees(n) + QStringLiteral("° + k 360° ");
    l[r.degrees2] = QStringLiteral(" ") + x + QStringLiteral(" = ") + degrees(360 - n) + QStringLiteral("° + k 360° ");
    if (n == 180) {
        l[r.pi1] = l[r.pi2] = QStringLiteral(" p + 2Kp");
    } else {
        l[r.pi1] = PiFractionText(n);
        l[r.pi2] = PiFractionText(360 - n);
    }
}

// The π label names the same angle as the degree label: "-11p/30 + Kp" beside -66°, " Kp" beside 0°.
void writeTangent(std::array<QString, 15>& l, const RootLabels& r, const QString& x, int n)
{
    l[r.degrees1] = QStringLiteral(" ") + x + QStringLiteral("= ") + degrees(n) + QStringLiteral("° + k 180° ");
    if (n == 0)
        l[r.pi1] = QString::fromLatin1(TangentZeroRadians);
    else if (n < 0)
        l[r.pi1] = QStringLiteral("-") + PiFractionText(-n, Period::Pi);
    else
        l[r.pi1] = PiFractionText(n, Period::Pi);
}

// Writes the labels of one root; true when f takes the value t (the root is then drawn).
bool writeRoot(std::array<QString, 15>& l, const RootLabels& r, int function, long double t)
{
    const QString x = QStringLiteral("x") + r.index;
    const QString name = functionName(function).left(3);
    if (!rootInRange(function, t)) {
        l[r.value] = name + QStringLiteral(" ") + x + app::commonText(app::Common::OutOfRange);
        return false;
    }
    const int n = wholeDegrees(principalAngle(function, t));
    l[r.value] = QStringLiteral(" ") + name + QStringLiteral(" ") + x + QStringLiteral(" = ") + ShortValueText(t) +
                 QStringLiteral(" ");
    l[r.prefix1] = l[r.prefix2] = x + QStringLiteral(" = ");
    switch (function) {
    case Sine: writeSine(l, r, x, n); break;
    case Cosine: writeCosine(l, r, x, n); break;
    default: writeTangent(l, r, x, n); break;
    }
    return true;
}

}  // namespace

QString quadraticEquationText(int function)
{
    return quadraticExpressionText(function) + QStringLiteral(" = 0");
}

QuadraticEquationResult solveQuadraticEquation(int function, long double a, long double b, long double c)
{
    QuadraticEquationResult result;
    result.roots = solveQuadratic(a, b, c);
    const QuadraticRoots& roots = result.roots;
    auto& l = result.label;
    switch (roots.kind) {
    case RootKind::None:
        l[8] = QStringLiteral("D < 0");
        break;
    case RootKind::Degenerate:
        l[2] = QStringLiteral(" x ∈ ") +
               app::commonText(c == 0 ? app::Common::AllReals : app::Common::EmptySet);
        break;
    case RootKind::Two:
        if (writeRoot(l, FirstRoot, function, roots.t1))
            result.drawn.push_back({principalAngle(function, roots.t1), roots.t1, 0.2L});
        if (writeRoot(l, SecondRoot, function, roots.t2))
            result.drawn.push_back({principalAngle(function, roots.t2), roots.t2, 0.6L});
        break;
    case RootKind::Double:
    case RootKind::Linear:
        if (writeRoot(l, FirstRoot, function, roots.t1))
            result.drawn.push_back({principalAngle(function, roots.t1), roots.t1, 0.0L});
        break;
    }
    if (function == Tangent)
        for (int n : SecondFamilyLabels)
            l[std::size_t(n)].clear();
    return result;
}

}  // namespace solvers
