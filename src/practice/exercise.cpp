#include "practice/exercise.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "maths/angles.h"
#include "maths/elementary.h"
#include "maths/linear.h"
#include "maths/quadratic.h"
#include "texts/angle_notation.h"

namespace practice {

namespace {

using Unit = Number::Unit;
const QString Minus = QStringLiteral("\u2212");

Number normalised(Number n)
{
    if (n.d < 0) {
        n.p = -n.p;
        n.q = -n.q;
        n.d = -n.d;
    }
    const long long g = std::gcd(std::gcd(std::llabs(n.p), std::llabs(n.q)), n.d);
    if (g > 1) {
        n.p /= g;
        n.q /= g;
        n.d /= g;
    }
    if (n.q == 0) {
        n.unit = Unit::None;
        n.beta = 0;
    }
    return n;
}

Number sum(const Number& x, const Number& y)
{
    Number r{x.p * y.d + y.p * x.d, x.q * y.d + y.q * x.d, x.d * y.d, x.q ? x.unit : y.unit, x.q ? x.beta : y.beta};
    return normalised(r);
}

Number negated(Number x)
{
    x.p = -x.p;
    x.q = -x.q;
    return x;
}

// Products the exercises need: one factor rational, or both in the same square root.
Number product(const Number& x, const Number& y)
{
    if (x.q == 0)
        return normalised({x.p * y.p, x.p * y.q, x.d * y.d, y.unit, y.beta});
    if (y.q == 0)
        return product(y, x);
    const long long s = x.unit == Unit::Root2 ? 2 : 3;
    return normalised({x.p * y.p + s * x.q * y.q, x.p * y.q + x.q * y.p, x.d * y.d, x.unit, 0});
}

Number scaled(const Number& x, long long k)
{
    return normalised({x.p * k, x.q * k, x.d, x.unit, x.beta});
}

QString unitText(Unit unit, int beta)
{
    switch (unit) {
    case Unit::Root2: return QStringLiteral("√2");
    case Unit::Root3: return QStringLiteral("√3");
    case Unit::Sin: return QStringLiteral("sin %1°").arg(beta);
    case Unit::Cos: return QStringLiteral("cos %1°").arg(beta);
    case Unit::Tan: return QStringLiteral("tan %1°").arg(beta);
    case Unit::None: break;
    }
    return {};
}

QString unitExpression(Unit unit, int beta)
{
    switch (unit) {
    case Unit::Root2: return QStringLiteral("SQRT(2)");
    case Unit::Root3: return QStringLiteral("SQRT(3)");
    case Unit::Sin: return QStringLiteral("SIN(%1)").arg(beta);
    case Unit::Cos: return QStringLiteral("COS(%1)").arg(beta);
    case Unit::Tan: return QStringLiteral("(SIN(%1)/COS(%1))").arg(beta);  // the evaluator has no tangent
    case Unit::None: break;
    }
    return {};
}

// |q|·u without its sign: "√3", "2√3", "2 sin 20°".
QString irrationalMagnitude(const Number& n)
{
    const long long q = std::llabs(n.q);
    const bool root = n.unit == Unit::Root2 || n.unit == Unit::Root3;
    if (q == 1)
        return unitText(n.unit, n.beta);
    return QString::number(q) + (root ? QString() : QStringLiteral(" ")) + unitText(n.unit, n.beta);
}

// The magnitude of a number that is one term (p = 0 or q = 0), without its sign.
QString termMagnitude(const Number& n)
{
    QString text = n.q == 0 ? QString::number(std::llabs(n.p)) : irrationalMagnitude(n);
    if (n.d != 1)
        text += QStringLiteral("/%1").arg(n.d);
    return text;
}

// A term "coefficient·function" of a sum: its sign (true for minus) and the text without it.
// The function part is empty for the constant term.
std::pair<bool, QString> term(const Number& n, const QString& function)
{
    bool negative = false;
    QString magnitude;
    if (n.p != 0 && n.q != 0) {
        // Two parts: a common minus comes out, the rest stays in parentheses.
        negative = n.p < 0 && n.q < 0;
        const long long p = negative ? -n.p : n.p;
        const long long q = negative ? -n.q : n.q;
        if (p < 0)  // (2 cos 39° − 1) rather than (−1 + 2 cos 39°)
            magnitude = QStringLiteral("(%1 %2 %3)").arg(irrationalMagnitude(n), Minus, QString::number(-p));
        else
            magnitude = QStringLiteral("(%1 %2 %3)").arg(QString::number(p), q < 0 ? Minus : QStringLiteral("+"),
                                                         irrationalMagnitude(n));
        if (n.d != 1)
            magnitude += QStringLiteral("/%1").arg(n.d);
    } else {
        negative = n.p < 0 || n.q < 0;
        magnitude = termMagnitude(n);
    }
    if (function.isEmpty())
        return {negative, magnitude};
    if (magnitude == QLatin1String("1"))
        return {negative, function};
    return {negative, magnitude + QLatin1Char(' ') + function};
}

QString sumText(const std::vector<std::pair<Number, QString>>& terms)
{
    QString text;
    for (const auto& [number, function] : terms) {
        if (number.isZero())
            continue;
        const auto [negative, body] = term(number, function);
        if (text.isEmpty())
            text = (negative ? Minus : QString()) + body;
        else
            text += (negative ? QStringLiteral(" ") + Minus + QStringLiteral(" ") : QStringLiteral(" + ")) + body;
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}

// ---- Generation --------------------------------------------------------------------------------

class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % std::uint32_t(n)); }
    template <class T>
    const T& among(const std::vector<T>& items) { return items[std::size_t(below(int(items.size())))]; }

private:
    std::mt19937 m_engine;
};

// A value of f with, when f takes it, its principal angle θ (sin in [-90, 90], cos in [0, 180],
// tan in [0, 180) for the equations and (-90, 90) for the inequalities).
struct Root {
    Number value;
    std::optional<int> theta;
};

Number root(Unit unit, long long q, long long d)
{
    return normalised({0, q, d, unit, 0});
}

// The roots of level 1: 0, ±1/2, ±1 (sin, cos) or 0, ±1 (tan), with values f does not take.
std::vector<Root> rationalRoots(int function, bool inequality, bool withOutside)
{
    std::vector<Root> roots;
    if (function == solvers::Sine)
        roots = {{Number::whole(-1), -90}, {Number::fraction(-1, 2), -30}, {Number::whole(0), 0},
                 {Number::fraction(1, 2), 30}, {Number::whole(1), 90}};
    else if (function == solvers::Cosine)
        roots = {{Number::whole(1), 0}, {Number::fraction(1, 2), 60}, {Number::whole(0), 90},
                 {Number::fraction(-1, 2), 120}, {Number::whole(-1), 180}};
    else
        roots = {{Number::whole(0), 0}, {Number::whole(1), 45}, {Number::whole(-1), inequality ? -45 : 135}};
    // At ±1 sine and cosine touch their extreme: an inequality would have a lone point.
    if (inequality && function != solvers::Tangent)
        roots.erase(std::remove_if(roots.begin(), roots.end(), [](const Root& r) { return std::llabs(r.value.p) == r.value.d; }),
                    roots.end());
    if (withOutside && function != solvers::Tangent)
        for (Number n : {Number::whole(2), Number::whole(-2), Number::fraction(3, 2), Number::fraction(-3, 2)})
            roots.push_back({n, std::nullopt});
    return roots;
}

// The roots of level 2: √2/2, √3/2 and their opposites (sin, cos), ±√3 and ±√3/3 (tan), with
// ±√2 and ±√3, which sine and cosine do not take.
std::vector<Root> rootRoots(int function, bool inequality, bool withOutside)
{
    std::vector<Root> roots;
    if (function == solvers::Sine)
        roots = {{root(Unit::Root2, 1, 2), 45}, {root(Unit::Root2, -1, 2), -45}, {root(Unit::Root3, 1, 2), 60},
                 {root(Unit::Root3, -1, 2), -60}};
    else if (function == solvers::Cosine)
        roots = {{root(Unit::Root2, 1, 2), 45}, {root(Unit::Root2, -1, 2), 135}, {root(Unit::Root3, 1, 2), 30},
                 {root(Unit::Root3, -1, 2), 150}};
    else
        roots = {{root(Unit::Root3, 1, 1), 60}, {root(Unit::Root3, -1, 1), inequality ? -60 : 120},
                 {root(Unit::Root3, 1, 3), 30}, {root(Unit::Root3, -1, 3), inequality ? -30 : 150}};
    if (withOutside && function != solvers::Tangent)
        for (Unit unit : {Unit::Root2, Unit::Root3})
            for (int sign : {1, -1})
                roots.push_back({root(unit, sign, 1), std::nullopt});
    return roots;
}

// A root of level 3: f(θ) for a whole θ that is no multiple of 15°, written as ± sin, cos or
// tan of an angle between 1° and 89°.
Root anyAngleRoot(Dice& dice, int function, bool inequality)
{
    // The tangent stays within 80° of 0° or 180°, where its values are no larger than 6.
    int theta = 0;
    do {
        if (function == solvers::Sine || (function == solvers::Tangent && inequality))
            theta = dice.below(179) - 89;
        else
            theta = dice.below(179) + 1;
    } while (theta % 15 == 0 || (function == solvers::Tangent && std::abs(theta) > 80 && std::abs(theta) < 100));
    Number n;
    if (function == solvers::Tangent) {
        const int beta = theta > 90 ? 180 - theta : std::abs(theta);
        n = {0, theta > 90 || theta < 0 ? -1 : 1, 1, Unit::Tan, beta};
    } else {
        // sin θ or cos θ as ± sin β or ± cos β, β in [1, 89].
        const long double v = function == solvers::Sine ? std::sin(radians(theta)) : std::cos(radians(theta));
        const int sign = v < 0 ? -1 : 1;
        const int beta = wholeDegrees(std::asin(std::fabs(double(v))));
        n = dice.below(2) ? Number{0, sign, 1, Unit::Sin, beta} : Number{0, sign, 1, Unit::Cos, 90 - beta};
    }
    return {n, theta};
}

// The whole degrees of one period where f(x) = f(θ).
std::vector<int> zerosOf(int function, int theta)
{
    std::vector<int> x;
    if (function == solvers::Sine)
        x = {theta, 180 - theta};
    else if (function == solvers::Cosine)
        x = {theta, -theta};
    else
        x = {theta};
    const int period = solvers::periodDegrees(function);
    for (int& d : x)
        d = ((d % period) + period) % period;
    return x;
}

void addZeros(std::vector<int>& zeros, const std::vector<int>& more)
{
    zeros.insert(zeros.end(), more.begin(), more.end());
    std::sort(zeros.begin(), zeros.end());
    zeros.erase(std::unique(zeros.begin(), zeros.end()), zeros.end());
}

// The level's root for an elementary exercise.
Root elementaryRoot(Dice& dice, int function, bool inequality, int level)
{
    if (level == 1)
        return dice.among(rationalRoots(function, inequality, false));
    if (level == 2)
        return dice.among(rootRoots(function, inequality, false));
    return anyAngleRoot(dice, function, inequality);
}

void makeElementary(Exercise& e, Dice& dice)
{
    const Root r = elementaryRoot(dice, e.function, e.isInequality(), e.level);
    // m f(x) + q with m > 0: the denominator of the value times f(x), minus its numerator; the
    // value 1/√3 of the tangent as √3 tan x − 1.
    Number m = Number::whole(r.value.d);
    Number q = negated(Number{r.value.p, r.value.q, 1, r.value.unit, r.value.beta});
    if (r.value.unit == Unit::Root3 && r.value.d == 3) {
        m = root(Unit::Root3, 1, 1);
        q = Number::whole(r.value.q < 0 ? 1 : -1);
    }
    e.coefficients = {m, q, Number::whole(0)};
    e.alphaDeg = *r.theta;
    addZeros(e.zeros, zerosOf(e.function, *r.theta));
}

bool sameValue(const Number& x, const Number& y)
{
    return std::fabs(double(x.value() - y.value())) < 1e-9;
}

void makeQuadratic(Exercise& e, Dice& dice)
{
    const bool inequality = e.isInequality();
    Root r1, r2;
    for (;;) {
        if (e.level == 1) {
            const std::vector<Root> pool = rationalRoots(e.function, inequality, true);
            r1 = dice.among(pool);
            r2 = dice.among(pool);
        } else if (e.level == 2) {
            r1 = dice.among(rootRoots(e.function, inequality, false));
            std::vector<Root> pool = rationalRoots(e.function, inequality, true);
            for (const Root& r : rootRoots(e.function, inequality, true))
                if (r.value.unit == r1.value.unit)
                    pool.push_back(r);
            r2 = dice.among(pool);
        } else {
            r1 = anyAngleRoot(dice, e.function, inequality);
            r2 = dice.among(rationalRoots(e.function, inequality, true));
        }
        // Two distinct roots, at least one that f takes.
        if (!sameValue(r1.value, r2.value) && (r1.theta || r2.theta))
            break;
    }
    // (t − r1)(t − r2) with whole coefficients.
    std::array<Number, 3> k = {Number::whole(1), negated(sum(r1.value, r2.value)), product(r1.value, r2.value)};
    long long lcm = 1;
    for (const Number& n : k)
        lcm = std::lcm(lcm, n.d);
    for (Number& n : k)
        n = scaled(n, lcm);
    if (inequality && e.level > 1 && dice.below(2))
        for (Number& n : k)
            n = negated(n);
    e.coefficients = k;
    for (const Root& r : {r1, r2})
        if (r.theta)
            addZeros(e.zeros, zerosOf(e.function, *r.theta));
}

void makeLinear(Exercise& e, Dice& dice)
{
    // a = k sin m, b = k cos m, c = −k cos h: the line through the points of the circle at
    // m − h and m + h.
    struct Direction {
        Number a, b;
        int m;
        int k;  // 0 for √2
    };
    const Number one = Number::whole(1), minusOne = Number::whole(-1);
    const Number r3 = root(Unit::Root3, 1, 1), minusR3 = root(Unit::Root3, -1, 1);
    const std::vector<Direction> diagonal = {{one, one, 45, 0}, {one, minusOne, 135, 0}, {minusOne, one, -45, 0},
                                             {minusOne, minusOne, -135, 0}};
    const std::vector<Direction> steep = {{r3, one, 60, 2},     {r3, minusOne, 120, 2},    {minusR3, one, -60, 2},
                                          {minusR3, minusOne, -120, 2}, {one, r3, 30, 2},  {one, minusR3, 150, 2},
                                          {minusOne, r3, -30, 2}, {minusOne, minusR3, -150, 2}};
    Direction dir;
    int h = 90;
    Number c;
    if (e.level == 1) {
        dir = dice.among(diagonal);
        const int choice = dice.below(3);  // c = −1, 0, 1: h = 45°, 90°, 135°
        c = Number::whole(choice - 1);
        h = 45 * (choice + 1);
    } else if (e.level == 2) {
        dir = dice.among(steep);
        h = dice.among(std::vector<int>{30, 45, 60, 90, 120, 135, 150});
        const int beta = h > 90 ? 180 - h : h;
        const int sign = h > 90 ? 1 : -1;
        c = beta == 30 ? root(Unit::Root3, sign, 1)
            : beta == 45 ? root(Unit::Root2, sign, 1)
            : beta == 60 ? Number::whole(sign)
                         : Number::whole(0);
    } else {
        dir = dice.among(steep);
        // Not too close to a tangent line: the two solutions at least 10° apart.
        do
            h = dice.below(171) + 5;
        while (h % 15 == 0);
        c = h < 90 ? Number{0, -2, 1, Unit::Cos, h} : Number{0, 2, 1, Unit::Cos, 180 - h};
    }
    e.coefficients = {dir.a, dir.b, c};
    e.zeros.clear();
    addZeros(e.zeros, {((dir.m - h) % 360 + 360) % 360, ((dir.m + h) % 360 + 360) % 360});
}

// The set without the angles where the tangent has no value, 90° + k 180°. The quadratic
// inequalities' findings state intervals of the values t = tan x, whose x run across them.
SolutionSet withoutTangentPoles(const SolutionSet& set)
{
    if (set.kind == SolutionSet::Kind::AllReals)
        return SolutionSet::within({{-90, 90, false, false}}, 180);
    if (set.kind != SolutionSet::Kind::Intervals)
        return set;
    std::vector<DegreeInterval> pieces;
    for (DegreeInterval i : set.intervals) {
        for (int pole = 90 + 180 * int(std::floor((i.from - 90) / 180.0)); pole <= i.to; pole += 180) {
            if (pole == i.from)
                i.fromClosed = false;
            else if (pole == i.to)
                i.toClosed = false;
            else if (pole > i.from) {
                pieces.push_back({i.from, pole, i.fromClosed, false});
                i.from = pole;
                i.fromClosed = false;
            }
        }
        pieces.push_back(i);
    }
    return SolutionSet::within(pieces, 180);
}

}  // namespace

Number Number::fraction(long long p, long long d)
{
    return normalised({p, 0, d, Unit::None, 0});
}

long double Number::value() const
{
    long double u = 0;
    switch (unit) {
    case Unit::Root2: u = std::sqrt(2.0L); break;
    case Unit::Root3: u = std::sqrt(3.0L); break;
    case Unit::Sin: u = std::sin(radians(beta)); break;
    case Unit::Cos: u = std::cos(radians(beta)); break;
    case Unit::Tan: u = std::tan(radians(beta)); break;
    case Unit::None: break;
    }
    return (p + q * u) / d;
}

QString Number::text() const
{
    const auto [negative, body] = term(*this, QString());
    return (negative ? Minus : QString()) + body;
}

QString Number::expression() const
{
    QString text;
    if (q == 0)
        text = QString::number(p);
    else if (p == 0)
        text = (q == 1 ? QString() : q == -1 ? QStringLiteral("-") : QString::number(q) + QLatin1Char('*')) +
               unitExpression(unit, beta);
    else
        text = QStringLiteral("(%1%2%3)")
                   .arg(p)
                   .arg(q == 1 ? QStringLiteral("+") : q == -1 ? QStringLiteral("-")
                                                      : QString::asprintf("%+lld*", q))
                   .arg(unitExpression(unit, beta));
    if (d != 1)
        text = (q != 0 && p == 0 ? QStringLiteral("(%1)").arg(text) : text) + QStringLiteral("/%1").arg(d);
    return text;
}

int Exercise::period() const
{
    return family == Family::Linear ? 360 : solvers::periodDegrees(function);
}

QString Exercise::text() const
{
    const QString f = solvers::functionName(function);
    QString left;
    switch (family) {
    case Family::Elementary: left = sumText({{coefficients[0], f}, {coefficients[1], QString()}}); break;
    case Family::Quadratic:
        left = sumText({{coefficients[0], QStringLiteral("(%1)^2").arg(f)}, {coefficients[1], f}, {coefficients[2], QString()}});
        break;
    case Family::Linear:
        left = sumText({{coefficients[0], solvers::functionName(solvers::Sine)},
                        {coefficients[1], solvers::functionName(solvers::Cosine)},
                        {coefficients[2], QString()}});
        break;
    }
    const char* sign = relation == Relation::Equal ? " = 0" : relation == Relation::GreaterOrEqual ? " ≥ 0" : " < 0";
    return left + QString::fromUtf8(sign);
}

std::array<long double, 3> Exercise::values() const
{
    return {coefficients[0].value(), coefficients[1].value(), coefficients[2].value()};
}

long double Exercise::leftSide(long double degrees) const
{
    const auto [a, b, c] = values();
    const long double x = radians(degrees);
    if (family == Family::Linear)
        return a * std::sin(x) + b * std::cos(x) + c;
    long double t = 0;
    if (function == solvers::Sine)
        t = std::sin(x);
    else if (function == solvers::Cosine)
        t = std::cos(x);
    else if (std::fabs(std::cos(x)) < 1e-15L)
        return NAN;
    else
        t = std::tan(x);
    return family == Family::Elementary ? a * t + b : (a * t + b) * t + c;
}

Exercise makeExercise(const Request& request, std::uint32_t seed)
{
    Dice dice(seed);
    Exercise e;
    e.seed = seed;
    e.family = request.family ? *request.family : Family(dice.below(3));
    const bool inequality = request.inequality ? *request.inequality : dice.below(2) == 1;
    e.relation = !inequality ? Relation::Equal : dice.below(2) ? Relation::GreaterOrEqual : Relation::Less;
    e.function = request.function ? std::clamp(*request.function, 0, 2) : dice.below(3);
    e.level = request.level ? std::clamp(*request.level, 1, 3) : dice.below(3) + 1;
    switch (e.family) {
    case Family::Elementary: makeElementary(e, dice); break;
    case Family::Quadratic: makeQuadratic(e, dice); break;
    case Family::Linear:
        e.function = solvers::Sine;
        makeLinear(e, dice);
        break;
    }
    return e;
}

SolutionSet solverAnswer(const Exercise& e)
{
    const auto [a, b, c] = e.values();
    switch (e.family) {
    case Family::Elementary: {
        const solvers::ElementaryFindings f = solvers::solveElementary(e.function, e.alphaDeg);
        return e.relation == Relation::Equal ? f.solutions : e.relation == Relation::GreaterOrEqual ? f.greater : f.less;
    }
    case Family::Quadratic: {
        if (e.relation == Relation::Equal)
            return solvers::solveQuadraticEquation(e.function, a, b, c).solutions;
        const solvers::QuadraticInequalityFindings f = solvers::solveQuadraticInequality(e.function, a, b, c);
        const SolutionSet& set = e.relation == Relation::GreaterOrEqual ? f.greater : f.less;
        return e.function == solvers::Tangent ? withoutTangentPoles(set) : set;
    }
    case Family::Linear: {
        if (e.relation == Relation::Equal)
            return solvers::solveLinearEquation({a, b, c}).solutions;
        const solvers::LinearFindings f = solvers::solveLinearInequality({a, b, c});
        return e.relation == Relation::GreaterOrEqual ? f.greater : f.less;
    }
    }
    return {};
}

QString degreeText(int degrees)
{
    return QString::number(degrees) + QStringLiteral("°");
}

QString piFractionText(int degrees)
{
    if (degrees == 0)
        return QStringLiteral("0");
    const int g = std::gcd(std::abs(degrees), 180);
    const int numerator = degrees / g;
    const int denominator = 180 / g;
    QString text = numerator == 1 ? QStringLiteral("π") : numerator == -1 ? Minus + QStringLiteral("π")
                                                                           : QString::number(numerator) + QStringLiteral("π");
    text.replace(QLatin1Char('-'), Minus);
    if (denominator != 1)
        text += QStringLiteral("/%1").arg(denominator);
    return text;
}

std::vector<bool> sampled(const SolutionSet& set, int period)
{
    std::vector<bool> flags(std::size_t(2 * period));
    for (int i = 0; i < 2 * period; ++i)
        flags[std::size_t(i)] = set.contains(i / 2.0L);
    return flags;
}

QString answerText(const SolutionSet& set, int period, bool radians)
{
    const auto angle = [radians](int d) { return radians ? piFractionText(d) : degreeText(d); };
    switch (set.kind) {
    case SolutionSet::Kind::AllReals: return QStringLiteral("R");
    case SolutionSet::Kind::Empty: return QStringLiteral("Ø");
    case SolutionSet::Kind::Points: {
        std::vector<int> points;
        for (int p : set.points)
            points.push_back(((p % period) + period) % period);
        std::sort(points.begin(), points.end());
        QStringList parts;
        for (int p : points)
            parts << angle(p);
        return parts.join(QStringLiteral(", "));
    }
    case SolutionSet::Kind::Intervals: break;
    }
    // The pieces of the set within [0, period), each end a whole degree.
    const std::vector<bool> in = sampled(set, period);
    const int n = int(in.size());
    QStringList pieces;
    for (int i = 0; i < n; ++i) {
        if (!in[std::size_t(i)] || (i > 0 && in[std::size_t(i - 1)]))
            continue;
        int j = i;
        while (j + 1 < n && in[std::size_t(j + 1)])
            ++j;
        const int from = i / 2;
        const int to = (j + 1) / 2;
        const bool fromClosed = i % 2 == 0;
        const bool toClosed = j % 2 == 0;
        if (from == to)
            pieces << angle(from);
        else
            pieces << QStringLiteral("%1%2, %3%4")
                          .arg(fromClosed ? QStringLiteral("[") : QStringLiteral("("), angle(from), angle(to),
                               toClosed ? QStringLiteral("]") : QStringLiteral(")"));
        i = j;
    }
    return pieces.isEmpty() ? QStringLiteral("Ø") : pieces.join(QStringLiteral(" ∪ "));
}

}  // namespace practice
