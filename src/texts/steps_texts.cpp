#include "texts/steps_texts.h"

#include <cmath>

#include "maths/angles.h"
#include "maths/known_values.h"
#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace solvers {

QString stepWords(const char* italian, const char* english, const char* french)
{
    switch (app::CurrentLanguage) {
    case 0: return QString::fromUtf8(italian);
    case 2: return QString::fromUtf8(french);
    default: return QString::fromUtf8(english);
    }
}

QString stepValueText(long double v)
{
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("∞") : QStringLiteral("-∞");
    if (std::isnan(v))
        return QStringLiteral("?");
    if (const std::optional<ExactValue> known = knownValue(v)) {
        static const char* const forms[] = {"0", "1/2", "√2/2", "√3/2", "1", "√3", "√3/3"};
        return (known->negative ? QStringLiteral("-") : QString()) + QString::fromUtf8(forms[int(known->value)]);
    }
    // The windows' seven characters, without the zeros that end a decimal.
    QString text = ShortValueText(v);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

QString stepTermText(long double coefficient, const QString& what, bool first)
{
    const long double m = std::fabs(coefficient);
    QString number = stepValueText(m);
    if (m == 1 && !what.isEmpty())
        number.clear();
    const QString body = what.isEmpty() || number.isEmpty() ? number + what : number + QLatin1Char(' ') + what;
    if (first)
        return (coefficient < 0 ? QStringLiteral("-") : QString()) + body;
    return (coefficient < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + body;
}

namespace {

QString piText(long long n, long long d)
{
    if (n == 0)
        return QStringLiteral("0");
    QString s = n < 0 ? QStringLiteral("-") : QString();
    const long long m = n < 0 ? -n : n;
    if (m != 1)
        s += QString::number(m);
    s += QStringLiteral("π");
    if (d != 1)
        s += QLatin1Char('/') + QString::number(d);
    return s;
}

QString periodDegreesText(int period)
{
    return QStringLiteral(" + k %1°").arg(period);
}

QString periodPiText(int period)
{
    return period == 180 ? QStringLiteral(" + kπ") : QStringLiteral(" + 2kπ");
}

}  // namespace

QString stepAngleText(long double degrees)
{
    if (const std::optional<PiFraction> p = piFraction(degrees))
        return QStringLiteral("%1° (%2)").arg(p->numerator * 180 / p->denominator).arg(piText(p->numerator, p->denominator));
    if (!std::isfinite(degrees))
        return QStringLiteral("?");
    return QStringLiteral("≈ %1°").arg(double(degrees), 0, 'f', 2);
}

QString stepSetText(const SolutionSet& set)
{
    using Kind = SolutionSet::Kind;
    switch (set.kind) {
    case Kind::AllReals: return stepWords("ogni x", "every x", "tout x");
    case Kind::Empty: return stepWords("nessuna x", "no x", "aucun x");
    case Kind::Points: {
        QStringList parts;
        for (int p : set.points) {
            const PiFraction f = *piFraction(p);
            const QString pi = p == 0 ? QString() : piText(f.numerator, f.denominator);
            parts << QStringLiteral("x = %1°%2 (%3%4)")
                         .arg(p)
                         .arg(periodDegreesText(set.period))
                         .arg(p == 0 ? QString() : pi)
                         .arg(p == 0 ? periodPiText(set.period).mid(3) : periodPiText(set.period));
        }
        return parts.join(QStringLiteral(", "));
    }
    case Kind::Intervals: {
        QStringList parts;
        for (const DegreeInterval& i : set.intervals)
            if (i.from == i.to)
                parts << QStringLiteral("x = %1°%2").arg(i.from).arg(periodDegreesText(set.period));
            else
                parts << QStringLiteral("%1°%2 %3 x %4 %5°%2")
                         .arg(i.from)
                         .arg(periodDegreesText(set.period))
                         .arg(i.fromClosed ? QStringLiteral("≤") : QStringLiteral("<"))
                         .arg(i.toClosed ? QStringLiteral("≤") : QStringLiteral("<"))
                         .arg(i.to);
        return parts.join(stepWords(" oppure ", " or ", " ou "));
    }
    }
    return QString();
}

QString inverseName(int function)
{
    return function == Sine ? QStringLiteral("arcsin") : function == Cosine ? QStringLiteral("arccos") : QStringLiteral("arctan");
}

QString stepText(const Step& step, bool inequality)
{
    if (step.key.starts_with("elementary."))
        return elementaryStepText(step);
    if (step.key.starts_with("quadratic."))
        return quadraticStepText(step, inequality);
    if (step.key.starts_with("linear."))
        return linearStepText(step, inequality);
    if (step.key.starts_with("triangle."))
        return triangleStepText(step);
    return QString();
}

namespace {

void addLines(QStringList& lines, const WorkedSolution& steps, const QString& prefix, const QString& indent, bool inequality)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const QString number = prefix + QString::number(i + 1);
        lines << indent + number + (prefix.isEmpty() ? QStringLiteral(". ") : QStringLiteral(" ")) + stepText(steps[i], inequality);
        addLines(lines, steps[i].substeps, number + QLatin1Char('.'), indent + QStringLiteral("   "), false);
    }
}

}  // namespace

QStringList workedSolutionLines(const WorkedSolution& steps)
{
    bool inequality = false;
    if (!steps.empty()) {
        const Step& first = steps.front();
        inequality = first.key == "linear.inequality" || first.key == "elementary.inequality" ||
                     (first.key == "quadratic.substitution" && first.value("inequality") == 1);
    }
    QStringList lines;
    addLines(lines, steps, QString(), QString(), inequality);
    return lines;
}

}  // namespace solvers
