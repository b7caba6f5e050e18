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

const QChar Union(0x222A);
const QChar Or(0x2228);

// The words for every x and for no x, in the three languages, written without blanks; the
// signs for them (ℝ and ∅ are read as R and Ø).
const QStringList EveryX = {"r", "ir", "all", "allx", "everyx", "anyx", "forallx", "foreveryx", "∀x", "always",
                            "allreals", "allrealnumbers", "sempre", "tutte", "tutti", "ognix", "perognix", "tuttiireali",
                            "toujours", "toutes", "tous", "toutx", "pourtoutx", "touslesréels"};
const QStringList NoX = {"ø", "{}", "φ", "none", "no", "never", "nosolution", "nosolutions", "empty", "emptyset",
                         "impossible", "nessuna", "nessuno", "mai", "nessunasoluzione", "impossibile", "vuoto",
                         "insiemevuoto", "aucune", "aucun", "jamais", "aucunesolution", "pasdesolution", "vide",
                         "ensemblevide"};

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
    text.replace(QStringLiteral("×"), QStringLiteral("*"));
    return text.trimmed();
}

// The answer as a word: lower case, no blanks, no full stop.
QString asWord(const QString& text)
{
    QString word;
    for (QChar c : plain(text).toLower())
        if (!c.isSpace())
            word += c;
    while (word.endsWith(QLatin1Char('.')))
        word.chop(1);
    return word;
}

// "x =" before an angle.
const QRegularExpression& xIs()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*x\\s*="), QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

struct Value {
    long double degrees = 0;
    bool radians = false;
};

// The number a piece names, in degrees; a piece with π is in radians.
std::optional<Value> evaluate(const QString& typed)
{
    const QString text = plain(typed);
    if (text.isEmpty())
        return std::nullopt;
    // The evaluator reads "30 150" as 30150: two numbers that lack their comma are no angle.
    static const QRegularExpression lostComma(QStringLiteral("[0-9.]\\s+[0-9.]"));
    if (text.contains(lostComma))
        return std::nullopt;
    const app::Evaluation e = app::EvaluateExpression(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())));
    if (!e.ok || !std::isfinite(e.value))
        return std::nullopt;
    const bool radians = text.contains(QStringLiteral("pi"), Qt::CaseInsensitive);
    return Value{radians ? e.value * 180.0L / Pi : e.value, radians};
}

struct Angle {
    std::optional<int> degrees;
    Reading::Problem problem = Reading::Problem::None;
};

// An angle in degrees, or in radians when it names π; it must be a whole number of degrees.
Angle readAngle(QString text)
{
    text.remove(xIs());
    const std::optional<Value> v = evaluate(text);
    if (!v || !std::isfinite(v->degrees))
        return {std::nullopt, Reading::Problem::Unreadable};
    const long double whole = std::nearbyint(v->degrees);
    if (std::fabs(v->degrees - whole) > (v->radians ? 1e-6L : 1e-9L))
        return {std::nullopt, Reading::Problem::NotWhole};
    // An answer of one period has no use for angles further away: they are slips of the keys.
    if (whole < -360 || whole > 720)
        return {std::nullopt, Reading::Problem::OutOfRange};
    return {int(whole), Reading::Problem::None};
}

// The step of a family: a whole number of degrees that divides the period.
std::optional<int> readStep(const QString& text, int period)
{
    const std::optional<Value> v = evaluate(text);
    if (!v || !(std::fabs(v->degrees) <= period))
        return std::nullopt;
    const long double whole = std::nearbyint(std::fabs(v->degrees));
    if (std::fabs(std::fabs(v->degrees) - whole) > (v->radians ? 1e-6L : 1e-9L))
        return std::nullopt;
    const long long step = static_cast<long long>(whole);
    if (step <= 0 || period % step != 0)
        return std::nullopt;
    return int(step);
}

Reading failed(Reading::Problem problem, const QString& part)
{
    Reading r;
    r.problem = problem;
    r.part = part.trimmed();
    return r;
}

// For each position of the text, where the separator that starts there ends, or -1: commas,
// semicolons, ∪ and ∨, the words for "or" and "and" between blanks, and a U between two
// brackets ("[0,30)U(150,360)").
std::vector<int> separatorEnds(const QString& text)
{
    static const QRegularExpression words(
        QStringLiteral("\\s+(?:u|or|o|ou|oppure|and|e|et)\\s+|(?<=[\\]\\)\\[\\}])\\s*u\\s*(?=[\\[\\(\\]\\{])"),
        QRegularExpression::CaseInsensitiveOption);
    std::vector<int> ends(std::size_t(text.size()), -1);
    for (int i = 0; i < int(text.size()); ++i)
        if (const QChar c = text[i]; c == QLatin1Char(',') || c == QLatin1Char(';') || c == Union || c == Or)
            ends[std::size_t(i)] = i + 1;
    for (QRegularExpressionMatchIterator it = words.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ends[std::size_t(m.capturedStart())] = std::max(ends[std::size_t(m.capturedStart())], int(m.capturedEnd()));
    }
    return ends;
}

// The pieces of a text between its separators, as typed.
QStringList pieces(const QString& text)
{
    const std::vector<int> ends = separatorEnds(text);
    QStringList parts;
    int start = 0;
    for (int i = 0; i < int(text.size());) {
        if (ends[std::size_t(i)] < 0) {
            ++i;
            continue;
        }
        parts << text.mid(start, i - start);
        i = start = ends[std::size_t(i)];
    }
    parts << text.mid(start);
    return parts;
}

// The family of an angle, "30 + 360k", "π/6 + 2kπ", "k·180 − 30": the angle and the step, as
// typed; no step when the piece names no k (or n).
struct FamilyParts {
    QString angle;
    QString step;
    bool contiguous = true;  // the angle is one stretch of what was typed
};

bool signAt(const QString& text, int i)
{
    const QChar c = text[i];
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QChar(0x2212) || c == QChar(0x2013);
}

// A sign that joins two terms, not one that only gives its term a sign ("k*-360", "(-30").
bool joinsTerms(const QString& text, int i)
{
    int j = i - 1;
    while (j >= 0 && text[j].isSpace())
        --j;
    if (j < 0)
        return false;
    static const QString operators = QStringLiteral("*/^(+-\u2212\u2013\u00B7\u00D7");
    return !operators.contains(text[j]);
}

// nullopt: more than one k, which no family has.
std::optional<FamilyParts> familyParts(const QString& text)
{
    static const QRegularExpression variable(QStringLiteral("(?:(?<![a-z])|(?<=pi))[kn](?:(?![a-z])|(?=pi))"),
                                             QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatchIterator it = variable.globalMatch(text);
    if (!it.hasNext())
        return FamilyParts{text, QString(), true};
    const int at = int(it.next().capturedStart());
    if (it.hasNext())
        return std::nullopt;
    // The term of k: from the sign before it to the sign after it, outside parentheses.
    std::vector<int> depth(std::size_t(text.size()) + 1, 0);
    for (int i = 0; i < int(text.size()); ++i)
        depth[std::size_t(i) + 1] = depth[std::size_t(i)] + (text[i] == QLatin1Char('(')) - (text[i] == QLatin1Char(')'));
    int from = -1;  // the sign before the term, or -1
    for (int i = at - 1; i >= 0 && from < 0; --i)
        if (depth[std::size_t(i)] == 0 && signAt(text, i) && joinsTerms(text, i))
            from = i;
    int to = int(text.size());  // the sign after the term, or the end
    for (int i = at + 1; i < int(text.size()) && to == int(text.size()); ++i)
        if (depth[std::size_t(i)] == 0 && signAt(text, i) && joinsTerms(text, i))
            to = i;
    QString term = text.mid(from + 1, to - from - 1);
    term[at - from - 1] = QLatin1Char('*');
    // Its sign does not matter: 30 − 360k is the family of 30 + 360k.
    term = term.trimmed();
    if (!term.isEmpty() && signAt(term, 0))
        term.remove(0, 1);
    // The k stood for a product: "2kπ" is 2·π, "k 360" and "360·k" are 360.
    static const QRegularExpression products(QStringLiteral("\\s*[*\u00B7\u00D7](?:\\s*[*\u00B7\u00D7])*\\s*"));
    term.replace(products, QStringLiteral("*"));
    while (term.startsWith(QLatin1Char('*')))
        term.remove(0, 1);
    while (term.endsWith(QLatin1Char('*')))
        term.chop(1);
    FamilyParts parts;
    parts.step = term.isEmpty() ? QStringLiteral("?") : term;  // a family has its step written
    parts.angle = text.left(std::max(from, 0)) + text.mid(to);
    parts.contiguous = from < 0 || to == int(text.size());
    parts.angle = parts.angle.trimmed();
    if (parts.angle.startsWith(QLatin1Char('+')))
        parts.angle = parts.angle.mid(1).trimmed();
    if (parts.angle.isEmpty())
        parts.angle = QStringLiteral("0");
    return parts;
}

// "k ∈ Z" and the like after a family: nothing to read.
bool saysKIsWhole(const QString& part)
{
    static const QRegularExpression note(
        QStringLiteral("^(?:con|with|avec|for|per|pour|where|dove|où)?\\s*[kn]\\s*(?:(?:∈|∊|\\bin\\b)\\s*(?:z|ℤ)|intero|integer|entier)$"),
        QRegularExpression::CaseInsensitiveOption);
    return note.match(part.trimmed()).hasMatch();
}

// A piece as typed, without the blanks and braces around it.
QString bare(QString part)
{
    part = part.trimmed();
    while (!part.isEmpty() && (part.front() == QLatin1Char('{') || part.front().isSpace()))
        part.remove(0, 1);
    while (!part.isEmpty() && (part.back() == QLatin1Char('}') || part.back().isSpace()))
        part.chop(1);
    return part;
}

Reading readPoints(const QString& text, int period)
{
    std::set<int> points;
    for (const QString& piece : pieces(text)) {
        const QString part = bare(piece);
        if (part.isEmpty() || saysKIsWhole(part))
            continue;
        // "30 + k 360", "pi/6 + 2kπ": an angle and the step of its family, which stands for
        // every angle of the family in one period ("30 + k 180" is 30° and 210°).
        const std::optional<FamilyParts> family = familyParts(QString(part).remove(xIs()));
        if (!family)
            return failed(Reading::Problem::Unreadable, part);
        int step = period;
        if (!family->step.isEmpty()) {
            const std::optional<int> s = readStep(family->step, period);
            if (!s)
                return failed(Reading::Problem::Unreadable, part);
            step = *s;
        }
        const Angle a = readAngle(family->angle);
        if (!a.degrees)
            return failed(a.problem, family->contiguous && !family->angle.trimmed().isEmpty() ? family->angle : part);
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

// A point alone among the intervals: a closed interval of no length.
std::optional<Reading> addPoint(std::vector<DegreeInterval>& intervals, const QString& text)
{
    const Angle a = readAngle(text);
    if (!a.degrees)
        return failed(a.problem, text);
    intervals.push_back({*a.degrees, *a.degrees, true, true});
    return std::nullopt;
}

Reading readIntervals(const QString& text, int period)
{
    static const QRegularExpression below(QStringLiteral("^(.+?)(<=|≤|=<|<)\\s*x\\s*(<=|≤|=<|<)(.+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression above(QStringLiteral("^(.+?)(>=|≥|=>|>)\\s*x\\s*(>=|≥|=>|>)(.+)$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto closes = [](const QString& sign) { return sign.size() == 2 || sign == QStringLiteral("≤") || sign == QStringLiteral("≥"); };
    std::vector<DegreeInterval> intervals;
    const std::vector<int> ends = separatorEnds(text);
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (ends[std::size_t(i)] >= 0) {
            i = ends[std::size_t(i)];
            continue;
        }
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('{')) {
            // Points alone: {0} or {0, 90}.
            const int j = int(text.indexOf(QLatin1Char('}'), i + 1));
            if (j < 0)
                return failed(Reading::Problem::Unreadable, text.mid(i));
            static const QRegularExpression commas(QStringLiteral("[,;]"));
            for (const QString& point : text.mid(i + 1, j - i - 1).split(commas))
                if (!point.trimmed().isEmpty())
                    if (auto problem = addPoint(intervals, point))
                        return *problem;
            i = j + 1;
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
        while (j < n && ends[std::size_t(j)] < 0)
            ++j;
        const QString part = text.mid(i, j - i).trimmed();
        const int dots = int(part.indexOf(QStringLiteral("..")));
        std::optional<Reading> problem;
        if (dots >= 0) {
            problem = addInterval(intervals, part, part.left(dots), part.mid(dots + 2), true, true);
        } else if (const QRegularExpressionMatch m = below.match(part); m.hasMatch()) {
            problem = addInterval(intervals, part, m.captured(1), m.captured(4), closes(m.captured(2)), closes(m.captured(3)));
        } else if (const QRegularExpressionMatch m = above.match(part); m.hasMatch()) {
            problem = addInterval(intervals, part, m.captured(4), m.captured(1), closes(m.captured(3)), closes(m.captured(2)));
        } else if (part.contains(xIs())) {
            problem = addPoint(intervals, part);
        } else {
            return failed(Reading::Problem::Unreadable, part);
        }
        if (problem)
            return *problem;
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
    if (typed.size() > MaxAnswerLength)
        return failed(Reading::Problem::TooLong, QString());
    // "x ∈ [0, 180]", "S = {30, 150}": the set alone.
    static const QRegularExpression setOf(QStringLiteral("^\\s*(?:[xs]\\s*(?:∈|∊|\\bin\\b)|s\\s*=)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString text = typed;
    text.remove(setOf);
    if (plain(text).isEmpty())
        return failed(Reading::Problem::Empty, typed);
    const QString word = asWord(text);
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
    if (expectedEnds.empty()) {
        // Neither set has an end: one is every x, the other none.
        (e.front() ? v.holdsForEveryX : v.holdsForNoX) = true;
        return v;
    }
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
