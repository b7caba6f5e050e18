#include "solvers/quadratic/quadratic_texts.h"

#include <cmath>

#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace solvers {

QString quadraticExpressionText(int function)
{
    const QString f = functionName(function);
    return QStringLiteral("a (") + f + QStringLiteral(")^2 + b ") + f + QStringLiteral(" + c");
}

// ---- The equation window -------------------------------------------------------------------------

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

// Writes the labels of one root.
void writeRoot(std::array<QString, 15>& l, const RootLabels& r, int function, const WrittenRoot& root)
{
    const QString x = QStringLiteral("x") + r.index;
    const QString name = functionName(function).left(3);
    if (!root.admissible) {
        l[r.value] = name + QStringLiteral(" ") + x + app::commonText(app::Common::OutOfRange);
        return;
    }
    l[r.value] = QStringLiteral(" ") + name + QStringLiteral(" ") + x + QStringLiteral(" = ") + ShortValueText(root.t) +
                 QStringLiteral(" ");
    l[r.prefix1] = l[r.prefix2] = x + QStringLiteral(" = ");
    switch (function) {
    case Sine: writeSine(l, r, x, root.degrees); break;
    case Cosine: writeCosine(l, r, x, root.degrees); break;
    default: writeTangent(l, r, x, root.degrees); break;
    }
}

}  // namespace

QString quadraticEquationText(int function)
{
    return quadraticExpressionText(function) + QStringLiteral(" = 0");
}

std::array<QString, 15> quadraticEquationLabels(const QuadraticEquationFindings& f)
{
    std::array<QString, 15> l;
    switch (f.roots.kind) {
    case RootKind::None:
        l[8] = QStringLiteral("D < 0");
        break;
    case RootKind::Degenerate:
        l[2] = QStringLiteral(" x ∈ ") +
               app::commonText(f.solutions.kind == SolutionSet::Kind::AllReals ? app::Common::AllReals
                                                                               : app::Common::EmptySet);
        break;
    default:
        writeRoot(l, FirstRoot, f.function, f.written[0]);
        if (f.written.size() == 2)
            writeRoot(l, SecondRoot, f.function, f.written[1]);
        break;
    }
    if (f.function == Tangent)
        for (int n : SecondFamilyLabels)
            l[std::size_t(n)].clear();
    return l;
}

// ---- The inequality window -----------------------------------------------------------------------

namespace {

QString allReals()
{
    return app::commonText(app::Common::AllReals);
}

QString emptySet()
{
    return app::commonText(app::Common::EmptySet);
}

QString deg(long long n)
{
    return DegreeText(n);
}

// An interval of x: the cosine's style, where a symmetric interval from -M to M is written with
// the minus before M, and the sine's and tangent's style (two blanks before the relation, the
// bounds' period, a blank at the end), which the cosine also takes when the larger root lies
// at or beyond 1.
QString intervalText(const DegreeInterval& i, int function, RootLayout layout, int period)
{
    const bool closed = i.fromClosed;
    if (function == Cosine && layout != RootLayout::HighBeyond) {
        const QString from = i.from == -i.to ? QStringLiteral("-") + deg(i.to) : deg(i.from);
        return from + QStringLiteral("° + k 360°") + (closed ? QStringLiteral(" <= x <= ") : QStringLiteral(" < x < ")) +
               deg(i.to) + QStringLiteral("° + k 360°");
    }
    const QString k = QStringLiteral("° + k ") + QString::number(period) + QStringLiteral("°");
    return deg(i.from) + k + (closed ? QStringLiteral("  <= x <= ") : QStringLiteral("  < x < ")) + deg(i.to) + k +
           QStringLiteral(" ");
}

// The x intervals of a set into its two labels.
void writeIntervals(const SolutionSet& set, const QuadraticInequalityFindings& f, QString& first, QString& second)
{
    if (set.kind != SolutionSet::Kind::Intervals)
        return;
    first = intervalText(set.intervals[0], f.function, f.layout, set.period);
    if (set.intervals.size() > 1)
        second = intervalText(set.intervals[1], f.function, f.layout, set.period);
}

// The sets of t of sine and cosine, when neither is every x or none.
void sineCosineValueSets(const QuadraticInequalityFindings& f, QString& greater, QString& less)
{
    const QString F = functionName(f.function);
    const long double lo = f.lo, hi = f.hi;
    const QString m = CoefficientBoxText(lo), M = CoefficientBoxText(hi);
    const QString equals = QStringLiteral(" = ");
    if (f.greaterOutside) {
        switch (f.layout) {
        case RootLayout::LowBeyond:
            greater = F + (hi == 1 ? equals : QStringLiteral(" >= ")) + M;
            less = F + QStringLiteral(" < ") + M;
            break;
        case RootLayout::HighBeyond:
            greater = F + (lo == -1 ? equals : QStringLiteral(" <= ")) + m;
            less = F + QStringLiteral(" > ") + m;
            break;
        default:
            greater = F + (lo == -1 ? equals : QStringLiteral(" <= ")) + m + QStringLiteral("   U   ") + F +
                      (hi == 1 ? equals : QStringLiteral(" >= ")) + M;
            less = m + QStringLiteral("  < ") + F + QStringLiteral(" < ") + M;
            break;
        }
        return;
    }
    switch (f.layout) {
    case RootLayout::LowBeyond:
        greater = F + (hi == -1 ? equals : QStringLiteral(" <= ")) + M;
        less = F + QStringLiteral(" > ") + M;
        break;
    case RootLayout::HighBeyond:
        greater = F + (lo == 1 ? equals : QStringLiteral(" >= ")) + m;
        less = F + QStringLiteral(" < ") + m;
        break;
    default:
        greater = lo == hi ? F + equals + M : m + QStringLiteral("  <= ") + F + QStringLiteral(" <= ") + M;
        less = F + QStringLiteral(" < ") + m + QStringLiteral("   U   ") + F + QStringLiteral(" > ") + M;
        break;
    }
}

// The sets of t of the tangent.
void tangentValueSets(const QuadraticInequalityFindings& f, QString& greater, QString& less)
{
    const QString m = CoefficientBoxText(f.lo), M = CoefficientBoxText(f.hi);
    switch (f.roots.kind) {
    case RootKind::Double:
        greater = QStringLiteral("tan x = ") + M;
        less = QStringLiteral("tan x < ") + M + QStringLiteral("  U  tan x > ") + M;
        break;
    case RootKind::Linear: {
        const bool rising = std::isinf(f.lo);
        const QString root = rising ? M : m;
        greater = (rising ? QStringLiteral("tan x  >=  ") : QStringLiteral("tan x  <=  ")) + root;
        less = (rising ? QStringLiteral("tan x  <  ") : QStringLiteral("tan x  >  ")) + root;
        break;
    }
    default:
        if (f.greaterOutside) {
            greater = QStringLiteral("tan x <= ") + m + QStringLiteral("  U  tan x >= ") + M;
            less = m + QStringLiteral("  < tan x <  ") + M;
        } else {
            less = QStringLiteral("tan x < ") + m + QStringLiteral("  U  tan x > ") + M;
            greater = m + QStringLiteral("  <= tan x <=  ") + M;
        }
        break;
    }
}

// "R" or "Ø" for a set of every x or of none.
bool writeWholeSet(const SolutionSet& set, QString& text)
{
    if (set.kind == SolutionSet::Kind::AllReals)
        text = allReals();
    else if (set.kind == SolutionSet::Kind::Empty)
        text = emptySet();
    else
        return false;
    return true;
}

}  // namespace

QString greaterInequalityText(int function)
{
    return quadraticExpressionText(function) + QStringLiteral(" >= 0");
}

QString lessInequalityText(int function)
{
    return quadraticExpressionText(function) + QStringLiteral(" < 0");
}

QuadraticInequalityTexts quadraticInequalityTexts(const QuadraticInequalityFindings& f)
{
    QuadraticInequalityTexts t;
    QString greater, less;
    if (f.greater.kind == SolutionSet::Kind::Intervals || f.less.kind == SolutionSet::Kind::Intervals) {
        if (f.function == Tangent)
            tangentValueSets(f, greater, less);
        else
            sineCosineValueSets(f, greater, less);
    }
    t.Label2 = greater;
    t.Label4 = less;
    writeWholeSet(f.greater, t.Label2);
    writeWholeSet(f.less, t.Label4);
    writeIntervals(f.greater, f, t.Label5, t.Label14);
    writeIntervals(f.less, f, t.Label12, t.Label16);
    return t;
}

}  // namespace solvers
