#include "practice/answer.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>

#include "maths/angles.h"
#include "maths/evaluator.h"
#include "practice/exercise.h"

namespace practice {

namespace {

// The words for every x and for no x, in the three languages, and the signs for them.
const QStringList EveryX = {"r", "all", "every", "always", "sempre", "tutte", "tutti", "toujours", "toutes", "tous"};
const QStringList NoX = {"ø", "{}", "none", "no", "never", "nessuna", "nessuno", "mai", "aucune", "aucun", "jamais"};

// What the evaluator cannot read, in the forms students type.
QString plain(QString text)
{
    text.replace(QStringLiteral("π"), QStringLiteral("pi"));
    text.replace(QStringLiteral("°"), QString());
    text.replace(QStringLiteral("−"), QStringLiteral("-"));
    text.replace(QStringLiteral("–"), QStringLiteral("-"));
    text.replace(QStringLiteral("≤"), QStringLiteral("<="));
    text.replace(QStringLiteral("≥"), QStringLiteral(">="));
    text.replace(QStringLiteral("ℝ"), QStringLiteral("R"));
    text.replace(QStringLiteral("∅"), QStringLiteral("Ø"));
    text.replace(QStringLiteral("·"), QStringLiteral("*"));
    return text.trimmed();
}

struct Angle {
    std::optional<int> degrees;
    Reading::Problem problem = Reading::Problem::None;
};

// An angle in degrees, or in radians when it names π; it must be a whole number of degrees.
Angle readAngle(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('x'), Qt::CaseInsensitive) && text.mid(1).trimmed().startsWith(QLatin1Char('=')))
        text = text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (text.isEmpty())
        return {std::nullopt, Reading::Problem::Unreadable};
    // The evaluator reads "30 150" as 30150: two numbers that lack their comma are no angle.
    static const QRegularExpression lostComma(QStringLiteral("[0-9.]\\s+[0-9.]"));
    if (text.contains(lostComma))
        return {std::nullopt, Reading::Problem::Unreadable};
    const app::Evaluation e = app::EvaluateExpression(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
    if (!e.ok || !std::isfinite(e.value))
        return {std::nullopt, Reading::Problem::Unreadable};
    const bool radiansGiven = text.contains(QStringLiteral("pi"), Qt::CaseInsensitive);
    const long double degrees = radiansGiven ? e.value * 180.0L / Pi : e.value;
    const long double whole = std::nearbyint(degrees);
    if (std::fabs(degrees - whole) > (radiansGiven ? 1e-6L : 1e-9L))
        return {std::nullopt, Reading::Problem::NotWhole};
    // An answer of one period has no use for angles further away: they are slips of the keys.
    if (whole < -360 || whole > 720)
        return {std::nullopt, Reading::Problem::OutOfRange};
    return {int(whole), Reading::Problem::None};
}

Reading failed(Reading::Problem problem, const QString& part)
{
    Reading r;
    r.problem = problem;
    r.part = part.trimmed();
    return r;
}

Reading readPoints(const QString& text, int period)
{
    // "30 + k 360", "pi/6 + 2kπ": an angle and the step of its family, which stands for every
    // angle of the family in one period ("30 + k 180" is 30° and 210°).
    static const QRegularExpression family(QStringLiteral("^(.*?)\\+\\s*(\\d*)\\s*\\*?\\s*[kn]\\s*\\*?\\s*(.+)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    std::set<int> points;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[,;]")))) {
        if (part.trimmed().isEmpty())
            continue;
        QString angle = part;
        int step = period;
        if (const QRegularExpressionMatch m = family.match(part); m.hasMatch()) {
            const Angle unit = readAngle(m.captured(3));
            const int times = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
            if (!unit.degrees || *unit.degrees <= 0 || times <= 0 || period % (times * *unit.degrees) != 0)
                return failed(Reading::Problem::Unreadable, part);
            step = times * *unit.degrees;
            angle = m.captured(1);
        }
        const Angle a = readAngle(angle);
        if (!a.degrees)
            return failed(a.problem, angle.trimmed().isEmpty() ? part : angle);
        for (int d = *a.degrees; d < *a.degrees + period; d += step)
            points.insert(((d % period) + period) % period);
    }
    if (points.empty())
        return failed(Reading::Problem::Empty, text);
    Reading r;
    r.set = SolutionSet::atPoints({points.begin(), points.end()}, period);
    return r;
}

// One interval from its two ends; `part` is what the student typed for it.
std::optional<Reading> addInterval(std::vector<DegreeInterval>& intervals, const QString& part, const QString& from,
                                   const QString& to, bool fromClosed, bool toClosed)
{
    const Angle a = readAngle(from);
    if (!a.degrees)
        return failed(a.problem, from.trimmed().isEmpty() ? part : from);
    const Angle b = readAngle(to);
    if (!b.degrees)
        return failed(b.problem, to.trimmed().isEmpty() ? part : to);
    if (*a.degrees >= *b.degrees)
        return failed(Reading::Problem::EndsOrder, part);
    intervals.push_back({*a.degrees, *b.degrees, fromClosed, toClosed});
    return std::nullopt;
}

Reading readIntervals(QString text, int period)
{
    // The words that join intervals become ∪.
    static const QRegularExpression joins(QStringLiteral("\\s(?:u|or|o|ou|oppure|and|e|et)\\s"),
                                          QRegularExpression::CaseInsensitiveOption);
    text.replace(joins, QStringLiteral(" ∪ "));
    static const QRegularExpression chain(QStringLiteral("^(.+?)(<=|<)\\s*x\\s*(<=|<)(.+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    std::vector<DegreeInterval> intervals;
    const int n = int(text.size());
    int i = 0;
    const auto separator = [](QChar c) { return c == QChar(0x222A) || c == QLatin1Char(',') || c == QLatin1Char(';'); };
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace() || separator(c)) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('(') || c == QLatin1Char(']')) {
            // [a, b], (a, b), ]a; b[ and their mixtures; parentheses may also group inside an end.
            int depth = 0;
            int comma = -1;
            int j = i + 1;
            for (; j < n; ++j) {
                const QChar k = text[j];
                if (k == QLatin1Char('('))
                    ++depth;
                else if (k == QLatin1Char(')') && depth > 0)
                    --depth;
                else if (depth == 0 && comma < 0 && (k == QLatin1Char(',') || k == QLatin1Char(';')))
                    comma = j;
                else if (depth == 0 && comma >= 0 && (k == QLatin1Char(']') || k == QLatin1Char('[') || k == QLatin1Char(')')))
                    break;
            }
            const QString part = text.mid(i, j - i + 1);
            if (j >= n || comma < 0)
                return failed(Reading::Problem::Unreadable, part);
            if (auto problem = addInterval(intervals, part, text.mid(i + 1, comma - i - 1), text.mid(comma + 1, j - comma - 1),
                                           c == QLatin1Char('['), text[j] == QLatin1Char(']')))
                return *problem;
            i = j + 1;
            continue;
        }
        int j = i;
        while (j < n && !separator(text[j]))
            ++j;
        const QString part = text.mid(i, j - i);
        const int dots = part.indexOf(QStringLiteral(".."));
        if (dots >= 0) {
            if (auto problem = addInterval(intervals, part, part.left(dots), part.mid(dots + 2), true, true))
                return *problem;
        } else if (const QRegularExpressionMatch m = chain.match(part); m.hasMatch()) {
            if (auto problem = addInterval(intervals, part, m.captured(1), m.captured(4), m.captured(2) == QLatin1String("<="),
                                           m.captured(3) == QLatin1String("<=")))
                return *problem;
        } else {
            return failed(Reading::Problem::Unreadable, part);
        }
        i = j;
    }
    if (intervals.empty())
        return failed(Reading::Problem::Empty, text);
    Reading r;
    r.set = SolutionSet::within(intervals, period);
    return r;
}

// The whole degrees where a set begins or ends: the set differs on the two sides of d, or at d
// from beside it.
std::vector<int> endsOf(const std::vector<bool>& s, int period)
{
    std::vector<int> ends;
    const int n = 2 * period;
    for (int d = 0; d < period; ++d) {
        const bool before = s[std::size_t((2 * d - 1 + n) % n)];
        const bool at = s[std::size_t(2 * d)];
        const bool after = s[std::size_t(2 * d + 1)];
        if (before != after || at != after)
            ends.push_back(d);
    }
    return ends;
}

std::vector<int> without(const std::vector<int>& a, const std::vector<int>& b)
{
    std::vector<int> r;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(r));
    return r;
}

}  // namespace

Reading readAnswer(const QString& typed, bool inequality, int period)
{
    const QString text = plain(typed);
    if (text.isEmpty())
        return failed(Reading::Problem::Empty, typed);
    QString word = text.toLower();
    word.remove(QLatin1Char(' '));
    Reading r;
    if (EveryX.contains(word)) {
        r.set = SolutionSet::allReals(period);
        return r;
    }
    if (NoX.contains(word)) {
        r.set = SolutionSet::empty(period);
        return r;
    }
    return inequality ? readIntervals(text, period) : readPoints(text, period);
}

Verdict check(const SolutionSet& expected, const SolutionSet& given, bool inequality, int period)
{
    Verdict v;
    const std::vector<bool> e = sampled(expected, period);
    const std::vector<bool> g = sampled(given, period);
    v.right = e == g;
    if (v.right)
        return v;
    if (!inequality) {
        v.everyX = given.kind == SolutionSet::Kind::AllReals;
        for (int d = 0; d < period; ++d) {
            if (e[std::size_t(2 * d)] && !g[std::size_t(2 * d)])
                v.missing.push_back(d);
            if (!v.everyX && !e[std::size_t(2 * d)] && g[std::size_t(2 * d)])
                v.extra.push_back(d);
        }
        return v;
    }
    const std::vector<int> expectedEnds = endsOf(e, period);
    const std::vector<int> givenEnds = endsOf(g, period);
    v.wrongEnds = without(givenEnds, expectedEnds);
    v.missingEnds = without(expectedEnds, givenEnds);
    if (!v.wrongEnds.empty() || !v.missingEnds.empty())
        return v;
    for (int d : expectedEnds) {
        if (e[std::size_t(2 * d)] && !g[std::size_t(2 * d)])
            v.include.push_back(d);
        if (!e[std::size_t(2 * d)] && g[std::size_t(2 * d)])
            v.exclude.push_back(d);
    }
    for (int i = 1; i < 2 * period; i += 2)
        v.wrongStretches = v.wrongStretches || e[std::size_t(i)] != g[std::size_t(i)];
    return v;
}

}  // namespace practice
