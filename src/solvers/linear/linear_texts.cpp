#include "solvers/linear/linear_texts.h"

#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace solvers {

namespace {

QString degreeLine(const QString& prefix, int degrees)
{
    if (degrees == 0)
        return prefix + QStringLiteral("k 360°");
    return prefix + DegreeText(degrees) + QStringLiteral("° + k 360°");
}

QString radianText(int degrees)
{
    return degrees == 0 ? QStringLiteral(" 2Kp") : LinearPiFractionText(degrees);
}

// "30° + k 360°": a bound of an interval.
QString bound(int degrees)
{
    return DegreeText(degrees) + QStringLiteral("° + k 360°");
}

// The text of one set; `between` separates the bounds of an interval.
QString setText(const SolutionSet& set, const SolutionSet& other, const QString& between, bool constant)
{
    using Kind = SolutionSet::Kind;
    switch (set.kind) {
    case Kind::AllReals:
        return constant ? QStringLiteral("sempre") : app::commonText(app::Common::AllReals);
    case Kind::Empty:
        return constant ? QStringLiteral("mai") : app::commonText(app::Common::EmptySet);
    case Kind::Points:
        return QStringLiteral("x = ") + bound(set.points.front());
    case Kind::Intervals:
        break;
    }
    // Every x but the point the other set holds.
    if (other.kind == Kind::Points)
        return QStringLiteral("x ≠ ") + bound(other.points.front());
    const DegreeInterval& i = set.intervals.front();
    return bound(i.from) + between + bound(i.to);
}

}  // namespace

LinearRootTexts linearRootTexts(const LinearFindings& f)
{
    LinearRootTexts t;
    const SolutionSet& s = f.solutions;
    if (f.solution.constant) {
        t.Label2 = s.kind == SolutionSet::Kind::AllReals ? QStringLiteral("sempre") : QStringLiteral("mai");
        return t;
    }
    if (s.kind != SolutionSet::Kind::Points)
        return t;
    t.Label7 = QStringLiteral(" x1 = ");
    t.Label2 = degreeLine(t.Label7, s.points[0]);
    t.Label8 = radianText(s.points[0]);
    if (s.points.size() == 2) {
        t.Label6 = QStringLiteral(" x2 = ");
        t.Label4 = degreeLine(t.Label6, s.points[1]);
        t.Label11 = radianText(s.points[1]);
    }
    return t;
}

IntervalTexts inequalityIntervalTexts(const LinearFindings& f)
{
    const bool constant = f.solution.constant;
    return {setText(f.greater, f.less, QStringLiteral("' < = x <= "), constant),
            setText(f.less, f.greater, QStringLiteral("' <= x <= "), constant)};
}

QString EquationText(const QString& aText, const QString& bText)
{
    const QString plus = bText.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral("+");
    return (QStringLiteral("    ") + aText + QStringLiteral(" sin x ") + plus + bText + QStringLiteral(" cos x     "))
        .left(50);
}

QString InequalityText(const Coefficients& k, const std::array<QString, 3>& boxTexts, const QString& sineName)
{
    auto signed_ = [](const QString& text) {
        return text.startsWith(QLatin1Char('-')) ? text : QStringLiteral("+") + text;
    };
    QString aPart, bPart, cPart;
    if (k[0] != 0)
        aPart = (boxTexts[0] + QLatin1Char(' ') + sineName + QStringLiteral("x ")).left(15);
    if (k[1] != 0)
        bPart = (signed_(boxTexts[1]) + QStringLiteral(" cos x ")).left(15);
    if (k[2] != 0)
        cPart = signed_(boxTexts[2]).left(15);
    return ((aPart + bPart).left(30) + cPart).left(45);
}

}  // namespace solvers
