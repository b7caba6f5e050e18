#include "texts/steps_texts.h"

#include <QRegularExpression>
#include <QStringBuilder>
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
    QString s;
    if (n < 0)
        s += QLatin1Char('-');
    const long long m = n < 0 ? -n : n;
    if (m != 1)
        s += QString::number(m);
    s += QChar(0x03C0);
    if (d != 1)
        s += QLatin1Char('/') % QString::number(d);
    return s;
}

// " + k 360°"
QString periodDegreesText(int period)
{
    return u" + k " % QString::number(period) % u'°';
}

QString periodPiText(int period)
{
    return period == 180 ? QStringLiteral(" + kπ") : QStringLiteral(" + 2kπ");
}

}  // namespace

QString stepAngleText(long double degrees)
{
    // Written by concatenation rather than arg(): the steps panel writes these on every click.
    if (const std::optional<PiFraction> p = piFraction(degrees))
        return QString::number(p->numerator * 180 / p->denominator) % u"° (" % piText(p->numerator, p->denominator) % u')';
    if (!std::isfinite(degrees))
        return QStringLiteral("?");
    return u"≈ " % QString::number(double(degrees), 'f', 2) % u'°';
}

QString stepSetText(const SolutionSet& set)
{
    using Kind = SolutionSet::Kind;
    switch (set.kind) {
    case Kind::AllReals: return stepWords("ogni x", "every x", "tout x");
    case Kind::Empty: return stepWords("nessuna x", "no x", "aucun x");
    case Kind::Points: {
        const QString degrees = periodDegreesText(set.period), pi = periodPiText(set.period);
        QString text;
        for (int p : set.points) {
            if (!text.isEmpty())
                text += u", ";
            // "x = 30° + k 360° (π/6 + 2kπ)"; for 0 the family alone, "(2kπ)".
            if (p == 0) {
                text += u"x = 0°" % degrees % u" (" % QStringView(pi).mid(3) % u')';
            } else {
                const PiFraction f = *piFraction(p);
                text += u"x = " % QString::number(p) % u'°' % degrees % u" (" % piText(f.numerator, f.denominator) % pi % u')';
            }
        }
        return text;
    }
    case Kind::Intervals: {
        const QString degrees = periodDegreesText(set.period);
        const QString joint = stepWords(" oppure ", " or ", " ou ");
        QString text;
        for (const DegreeInterval& i : set.intervals) {
            if (!text.isEmpty())
                text += joint;
            if (i.from == i.to)
                text += u"x = " % QString::number(i.from) % u'°' % degrees;
            else
                text += QString::number(i.from) % u'°' % degrees % (i.fromClosed ? u" ≤ x " : u" < x ") %
                        (i.toClosed ? u"≤ " : u"< ") % QString::number(i.to) % u'°' % degrees;
        }
        return text;
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

// The line with the variable x renamed y: the substeps of the auxiliary angle solve sin y = v
// for y = x + φ, while the elementary step texts speak of x.
QString renamedToY(const QString& line)
{
    static const QRegularExpression x(QStringLiteral("\\bx\\b"));
    QString renamed = line;
    return renamed.replace(x, QStringLiteral("y"));
}

void addLines(QStringList& lines, const WorkedSolution& steps, const QString& prefix, const QString& indent, bool inequality,
              bool inY = false)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const QString number = prefix + QString::number(i + 1);
        const QString text = stepText(steps[i], inequality);
        lines << indent % number % (prefix.isEmpty() ? QLatin1StringView(". ") : QLatin1StringView(" ")) %
                     (inY ? renamedToY(text) : text);
        addLines(lines, steps[i].substeps, number + QLatin1Char('.'), indent + QStringLiteral("   "), false,
                 inY || steps[i].key == "linear.shifted");
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
