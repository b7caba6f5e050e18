#include "practice/slips.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "maths/angles.h"
#include "maths/elementary_steps.h"
#include "maths/linear_steps.h"
#include "maths/quadratic_steps.h"
#include "practice/answer.h"
#include "texts/steps_texts.h"

namespace practice {

using solvers::Step;
using solvers::WorkedSolution;

namespace {

// The steps that find the triangle's parts: the measures (area, perimeter, radii), which no
// exercise asks for, left out.
WorkedSolution withoutMeasures(WorkedSolution steps)
{
    std::erase_if(steps, [](const Step& s) { return s.key == "triangle.area" || s.key == "triangle.perimeter" ||
                                                    s.key == "triangle.circumradius" || s.key == "triangle.inradius"; });
    for (Step& s : steps)
        s.substeps = withoutMeasures(std::move(s.substeps));
    return steps;
}

}  // namespace

solvers::WorkedSolution exerciseSteps(const Exercise& e)
{
    const auto [a, b, c] = e.values();
    switch (e.family) {
    case Family::Elementary: {
        const solvers::ElementaryFindings f = solvers::solveElementary(e.function, e.alphaDeg);
        return e.isInequality() ? solvers::elementaryInequalitySteps(f) : solvers::elementaryEquationSteps(f);
    }
    case Family::Quadratic:
        return e.isInequality() ? solvers::quadraticInequalitySteps(solvers::solveQuadraticInequality(e.function, a, b, c), a, b, c)
                                : solvers::quadraticEquationSteps(solvers::solveQuadraticEquation(e.function, a, b, c), a, b, c);
    case Family::Linear:
        return e.isInequality() ? solvers::linearInequalitySteps(solvers::solveLinearInequality({a, b, c}))
                                : solvers::linearEquationSteps(solvers::solveLinearEquation({a, b, c}));
    case Family::Triangles:
        return withoutMeasures(triangles::triangleSteps(triangles::solveTriangle(e.triangle.given)));
    }
    return {};
}

namespace {

// Every step in the order of its lines, with its line and the list it stands in.
void visit(const WorkedSolution& steps, int& line, const std::function<void(const Step&, int, const WorkedSolution&)>& f)
{
    for (const Step& s : steps) {
        f(s, line++, steps);
        visit(s.substeps, line, f);
    }
}

// The line of the first step with one of the keys, or -1.
int lineOf(const WorkedSolution& steps, std::initializer_list<std::string_view> keys)
{
    int found = -1;
    int line = 0;
    visit(steps, line, [&](const Step& s, int at, const WorkedSolution&) {
        if (found < 0 && std::find(keys.begin(), keys.end(), s.key) != keys.end())
            found = at;
    });
    return found;
}

int inPeriod(long double degrees, int period)
{
    const long long d = std::llround(degrees);
    return int(((d % period) + period) % period);
}

// An equation's answer that lacks only solutions whose symmetric partner it gives: the pairs
// are the families' two solutions; over one turn a tangent's pair is its period's slip.
SlipFinding missedPartner(const WorkedSolution& steps, const std::vector<int>& missing, const std::vector<bool>& given, int period)
{
    SlipFinding finding;
    std::size_t explained = 0;
    int line = 0;
    visit(steps, line, [&](const Step& s, int, const WorkedSolution& list) {
        if ((s.key != "elementary.families" && s.key != "linear.shifted") || !s.has("x1") || !s.has("x2"))
            return;
        const int x1 = inPeriod(s.value("x1"), period);
        const int x2 = inPeriod(s.value("x2"), period);
        for (int m : missing) {
            const int partner = m == x1 ? x2 : m == x2 ? x1 : -1;
            if (partner < 0 || !given[std::size_t(2 * partner)])
                continue;
            ++explained;
            if (finding.slip != Slip::None)
                continue;
            // The step of the list (or of the step's own substeps) that gives the second solution.
            const bool tangent = std::any_of(list.begin(), list.end(), [](const Step& t) { return t.key == "elementary.tangent_period"; });
            finding.slip = tangent ? Slip::TangentPeriod : Slip::SymmetricMissed;
            const std::string_view key = tangent ? "elementary.tangent_period" : "elementary.symmetric";
            int at = 0;
            visit(steps, at, [&](const Step& t, int tLine, const WorkedSolution& tList) {
                const bool near = &tList == &list || &tList == &s.substeps;
                if (finding.step < 0 && near && t.key == key)
                    finding.step = tLine;
            });
        }
    });
    return explained == missing.size() ? finding : SlipFinding{};
}

// The answer with every decimal number read as radians and put in whole degrees, where each is
// within 0.3° of one; empty when none is or the answer already names π.
QString radiansAsDegrees(const QString& typed)
{
    if (typed.contains(QStringLiteral("pi"), Qt::CaseInsensitive) || typed.contains(QStringLiteral("π")))
        return {};
    static const QRegularExpression decimal(QStringLiteral("(?<![\\w.])\\d*\\.\\d+(?![\\w.])"));
    QString text;
    int from = 0;
    bool changed = false;
    for (QRegularExpressionMatchIterator it = decimal.globalMatch(typed); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const long double degrees = m.captured().toDouble() * 180.0L / Pi;
        text += typed.mid(from, m.capturedStart() - from);
        from = int(m.capturedEnd());
        if (!(std::fabs(degrees) < 1e6L) || std::fabs(degrees - std::nearbyint(degrees)) > 0.3L)
            return {};
        text += QString::number(std::llround(degrees));
        changed = true;
    }
    return changed ? text + typed.mid(from) : QString();
}

}  // namespace

SlipFinding findSlip(const Exercise& e, const QString& typed)
{
    const bool inequality = e.isInequality();
    const int period = e.period();
    const SolutionSet right = solverAnswer(e);
    const std::vector<bool> r = sampled(right, period);
    const WorkedSolution steps = exerciseSteps(e);
    const Reading reading = readAnswer(typed, inequality, period);
    if (!reading.ok()) {
        // The numbers of a calculator in radians.
        if (const QString degrees = radiansAsDegrees(typed); !degrees.isEmpty()) {
            const Reading asDegrees = readAnswer(degrees, inequality, period);
            if (asDegrees.ok() && sampled(asDegrees.set, period) == r)
                return {Slip::Radians, lineOf(steps, {"elementary.reference", "elementary.ends", "linear.auxiliary", "quadratic.substitution"})};
        }
        // A tangent's families stepped by 360°: right over 180°, but not over the next 180°.
        if (period == 180) {
            const Reading turn = readAnswer(typed, inequality, 360);
            if (turn.ok()) {
                const std::vector<bool> g = sampled(turn.set, 360);
                const std::vector<bool> first(g.begin(), g.begin() + 360), second(g.begin() + 360, g.end());
                if (first == r && second != r)
                    return {Slip::TangentPeriod, lineOf(steps, {"elementary.tangent_period", "elementary.families", "quadratic.union"})};
            }
        }
        return {};
    }
    const Verdict v = check(right, reading.set, inequality, period);
    if (v.right)
        return {};
    const std::vector<bool> g = sampled(reading.set, period);
    if (inequality) {
        const int arc = lineOf(steps, {"elementary.arc", "elementary.arc_all", "elementary.arc_top", "quadratic.sign",
                                       "linear.arc", "linear.arc_point", "linear.arc_sign"});
        bool everyStretch = true;
        for (std::size_t i = 1; i < r.size(); i += 2)
            everyStretch = everyStretch && r[i] != g[i];
        if (v.holdsForEveryX || v.holdsForNoX || (v.wrongEnds.empty() && v.missingEnds.empty() && everyStretch))
            return {Slip::Complement, arc};
        const auto zeros = [&](const std::vector<int>& ends) {
            return std::all_of(ends.begin(), ends.end(), [&](int d) {
                return std::any_of(e.zeros.begin(), e.zeros.end(), [&](int z) { return inPeriod(z, period) == d; });
            });
        };
        if (!v.wrongEnds.empty() || !v.missingEnds.empty() || v.wrongStretches || !zeros(v.include) || !zeros(v.exclude))
            return {};
        if (!v.exclude.empty() && v.include.empty() && e.relation == Relation::Less)
            return {Slip::EndsIncluded, arc};
        if (!v.include.empty() && v.exclude.empty() && e.relation == Relation::GreaterOrEqual)
            return {Slip::EndsExcluded, arc};
        return {};
    }
    if (v.everyX)
        return {};
    if (v.extra.empty() && !v.missing.empty() && std::find(g.begin(), g.end(), true) != g.end())
        return missedPartner(steps, v.missing, g, period);
    if (v.missing.empty() && !v.extra.empty())
        if (const int discard = lineOf(steps, {"quadratic.discard"}); discard >= 0)
            return {Slip::OutsideRange, discard};
    return {};
}

QString slipText(Slip slip)
{
    using solvers::stepWords;
    switch (slip) {
    case Slip::None: return {};
    case Slip::SymmetricMissed:
        return stepWords("Forse: manca la seconda soluzione, simmetrica della prima (vedi il passo segnato).",
                         "Likely slip: the second solution, symmetric to the first, is missing (see the marked step).",
                         "Erreur probable : il manque la seconde solution, symétrique de la première (voir l'étape marquée).");
    case Slip::OutsideRange:
        return stepWords("Forse: soluzioni prese da un t fuori di [-1, 1], che non ne ha (vedi il passo segnato).",
                         "Likely slip: solutions taken from a t outside [-1, 1], which has none (see the marked step).",
                         "Erreur probable : des solutions tirées d'un t hors de [-1, 1], qui n'en a pas (voir l'étape marquée).");
    case Slip::TangentPeriod:
        return stepWords("Forse: il periodo della tangente preso come 360°; è 180° (vedi il passo segnato).",
                         "Likely slip: the tangent's period taken as 360°; it is 180° (see the marked step).",
                         "Erreur probable : la période de la tangente prise égale à 360° ; elle est de 180° (voir l'étape marquée).");
    case Slip::Radians:
        return stepWords("Forse: angoli scritti in radianti; la risposta li vuole in gradi (o con π).",
                         "Likely slip: angles typed in radians; the answer asks for degrees (or fractions of π).",
                         "Erreur probable : angles tapés en radians ; la réponse les demande en degrés (ou avec π).");
    case Slip::EndsIncluded:
        return stepWords("Forse: estremi inclusi che la disuguaglianza stretta esclude (vedi il passo segnato).",
                         "Likely slip: ends included that the strict inequality leaves out (see the marked step).",
                         "Erreur probable : des bornes incluses que l'inégalité stricte exclut (voir l'étape marquée).");
    case Slip::EndsExcluded:
        return stepWords("Forse: estremi esclusi che ≥ include (vedi il passo segnato).",
                         "Likely slip: ends left out that ≥ includes (see the marked step).",
                         "Erreur probable : des bornes exclues que ≥ inclut (voir l'étape marquée).");
    case Slip::Complement:
        return stepWords("Forse: è stato dato l'insieme complementare, dove la disuguaglianza non vale (vedi il passo segnato).",
                         "Likely slip: the complement of the set was given, where the inequality does not hold (see the marked step).",
                         "Erreur probable : le complémentaire de l'ensemble a été donné, où l'inégalité n'est pas vérifiée (voir l'étape marquée).");
    }
    return {};
}

namespace {

struct SlipNames {
    Slip slip;
    const char* key;
    const char* it;
    const char* en;
    const char* fr;
};

constexpr SlipNames kSlipNames[] = {
    {Slip::SymmetricMissed, "symmetric_missed", "soluzione simmetrica mancante", "symmetric solution missed",
     "solution symétrique oubliée"},
    {Slip::OutsideRange, "outside_range", "t fuori di [-1, 1]", "t outside [-1, 1]", "t hors de [-1, 1]"},
    {Slip::TangentPeriod, "tangent_period", "periodo della tangente 360°", "tangent's period taken as 360°",
     "période de la tangente prise à 360°"},
    {Slip::Radians, "radians", "radianti al posto dei gradi", "radians for degrees", "radians au lieu de degrés"},
    {Slip::EndsIncluded, "ends_included", "estremi inclusi", "ends included", "bornes incluses"},
    {Slip::EndsExcluded, "ends_excluded", "estremi esclusi", "ends left out", "bornes exclues"},
    {Slip::Complement, "complement", "insieme complementare", "the complement given", "ensemble complémentaire"},
};

}  // namespace

QString slipKey(Slip slip)
{
    for (const SlipNames& n : kSlipNames)
        if (n.slip == slip)
            return QString::fromLatin1(n.key);
    return {};
}

QString slipName(const QString& key)
{
    for (const SlipNames& n : kSlipNames)
        if (key == QLatin1String(n.key))
            return solvers::stepWords(n.it, n.en, n.fr);
    return key;
}

}  // namespace practice
