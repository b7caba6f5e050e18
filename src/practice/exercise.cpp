#include "practice/exercise.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <random>

#include "maths/angles.h"
#include "maths/elementary.h"
#include "maths/linear.h"
#include "maths/quadratic.h"
#include "texts/angle_notation.h"
#include "texts/sum_text.h"

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

// A number as a term of a sum: its sign (true for minus) and the text without it.
std::pair<bool, QString> term(const Number& n)
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
    return {negative, magnitude};
}

QString sumText(const std::vector<std::pair<Number, QString>>& terms)
{
    std::vector<app::SumTerm> written;
    for (const auto& [number, function] : terms) {
        if (number.isZero())
            continue;
        const auto [negative, magnitude] = term(number);
        written.push_back({negative, magnitude, function});
    }
    return app::sumText(written);
}

// ---- Generation --------------------------------------------------------------------------------

class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % std::uint32_t(n)); }

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

// The angles β of level 3's coefficients: from 1° to `last`, no multiple of 15°.
std::vector<int> levelThreeBetas(int last = 89)
{
    std::vector<int> betas;
    for (int beta = 1; beta <= last; ++beta)
        if (beta % 15 != 0)
            betas.push_back(beta);
    return betas;
}

// The roots of level 3: f(θ) for every whole θ that is no multiple of 15°, written as ± sin,
// cos or tan of an angle between 1° and 89° (sine and cosine values both as sin β and as
// cos (90° − β)). The tangent stays within 80° of 0° or 180°, where its values are no larger than 6.
std::vector<Root> anyAngleRoots(int function, bool inequality)
{
    std::vector<Root> roots;
    const bool aroundZero = function == solvers::Sine || (function == solvers::Tangent && inequality);
    for (int i = 0; i < 179; ++i) {
        const int theta = aroundZero ? i - 89 : i + 1;
        if (theta % 15 == 0 || (function == solvers::Tangent && std::abs(theta) > 80 && std::abs(theta) < 100))
            continue;
        if (function == solvers::Tangent) {
            const int beta = theta > 90 ? 180 - theta : std::abs(theta);
            roots.push_back({Number{0, theta > 90 || theta < 0 ? -1 : 1, 1, Unit::Tan, beta}, theta});
            continue;
        }
        const long double v = function == solvers::Sine ? std::sin(radians(theta)) : std::cos(radians(theta));
        const int sign = v < 0 ? -1 : 1;
        const int beta = wholeDegrees(std::asin(std::fabs(double(v))));
        roots.push_back({Number{0, sign, 1, Unit::Sin, beta}, theta});
        roots.push_back({Number{0, sign, 1, Unit::Cos, 90 - beta}, theta});
    }
    return roots;
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

bool sameValue(const Number& x, const Number& y)
{
    return std::fabs(double(x.value() - y.value())) < 1e-9;
}

// The exercises of a pool by index: how many there are, and how to make the one of an index.
// Each pool is a list of choices with no two alike, so that its size counts distinct exercises.
struct Listing {
    int size = 0;
    std::function<void(Exercise&, int)> make;
};

// ---- Elementary: m f(x) − m·v for a value v = f(θ) and a factor m > 0

struct Form {
    Root value;
    Number factor;
};

std::vector<Form> elementaryForms(const Pool& p)
{
    const bool inequality = p.relation != Relation::Equal;
    std::vector<Form> forms;
    if (p.emptyOrWhole) {
        // Sine and cosine at their smallest value: m f(x) + m ≥ 0 holds for every x, < 0 for none.
        if (!inequality || p.function == solvers::Tangent || p.level == 1)
            return forms;
        const Root lowest{Number::whole(-1), p.function == solvers::Sine ? -90 : 180};
        if (p.level == 2)
            for (Unit unit : {Unit::Root2, Unit::Root3})
                for (long long k : {1, 2})
                    forms.push_back({lowest, root(unit, k, 1)});
        else
            for (int beta : levelThreeBetas())
                for (Unit unit : {Unit::Sin, Unit::Cos})
                    forms.push_back({lowest, Number{0, 1, 1, unit, beta}});
        return forms;
    }
    if (p.level == 1) {
        // The notable values with whole factors: 2 sin x − 1, 4 sin x − 2, 6 sin x − 3, 8 sin x − 4.
        for (const Root& r : rationalRoots(p.function, inequality, false))
            for (long long k = 1; k <= 4; ++k)
                forms.push_back({r, Number::whole(r.value.d * k)});
    } else if (p.level == 2) {
        // A value with a square root written two ways (2 sin x − √2 and √2 sin x − 1), and the
        // values of level 1 but 0 with a square root in the factor (2√3 sin x − √3).
        for (const Root& r : rootRoots(p.function, inequality, false)) {
            const Number unit = root(r.value.unit, 1, 1);
            forms.push_back({r, Number::whole(r.value.d)});
            forms.push_back({r, scaled(unit, product(unit, r.value).d)});
        }
        for (const Root& r : rationalRoots(p.function, inequality, false))
            if (!r.value.isZero())
                for (Unit unit : {Unit::Root2, Unit::Root3})
                    forms.push_back({r, root(unit, r.value.d, 1)});
    } else {
        for (const Root& r : anyAngleRoots(p.function, inequality))
            forms.push_back({r, Number::whole(1)});
    }
    return forms;
}

Listing elementaryListing(const Pool& p)
{
    std::vector<Form> forms = elementaryForms(p);
    const int size = int(forms.size());
    return {size, [forms = std::move(forms)](Exercise& e, int i) {
                const Form& f = forms[std::size_t(i)];
                e.coefficients = {f.factor, negated(product(f.factor, f.value.value)), Number::whole(0)};
                e.alphaDeg = *f.value.theta;
                addZeros(e.zeros, zerosOf(e.function, *f.value.theta));
            }};
}

// ---- Quadratic: (t − r1)(t − r2) times a factor, or a left-hand side with no root at all

// The pairs of roots of a pool: those listed, or every first with every second.
struct RootPairs {
    std::vector<std::pair<Root, Root>> listed;
    std::vector<Root> firsts;
    std::vector<Root> seconds;

    int size() const { return listed.empty() ? int(firsts.size() * seconds.size()) : int(listed.size()); }
    std::pair<Root, Root> at(int i) const
    {
        if (!listed.empty())
            return listed[std::size_t(i)];
        return {firsts[std::size_t(i) / seconds.size()], seconds[std::size_t(i) % seconds.size()]};
    }
};

RootPairs quadraticRoots(int function, bool inequality, int level)
{
    RootPairs pairs;
    if (level == 3) {
        pairs.firsts = anyAngleRoots(function, inequality);
        pairs.seconds = rationalRoots(function, inequality, true);
        return pairs;
    }
    const std::vector<Root> rational = rationalRoots(function, inequality, true);
    const std::vector<Root> withRoots = rootRoots(function, inequality, false);
    if (level == 1) {
        // Two roots of level 1, at least one that f takes.
        for (std::size_t i = 0; i < rational.size(); ++i)
            for (std::size_t j = i + 1; j < rational.size(); ++j)
                if (rational[i].theta || rational[j].theta)
                    pairs.listed.push_back({rational[i], rational[j]});
        // Two opposite roots with a square root still give whole coefficients: 2 (sin x)^2 − 1.
        for (std::size_t i = 0; i < withRoots.size(); ++i)
            for (std::size_t j = i + 1; j < withRoots.size(); ++j)
                if (sameValue(withRoots[i].value, negated(withRoots[j].value)))
                    pairs.listed.push_back({withRoots[i], withRoots[j]});
        // The tangent's double roots ±1: (tan x − 1)^2 = 0. An inequality of them would hold
        // nowhere, or everywhere but at one point.
        if (function == solvers::Tangent && !inequality)
            for (const Root& r : rational)
                if (!r.value.isZero())
                    pairs.listed.push_back({r, r});
        return pairs;
    }
    // Level 2: a root with a square root and a root of level 1 or beyond the range of f, or
    // another with the same square root (not its opposite, which level 1 has).
    for (std::size_t i = 0; i < withRoots.size(); ++i) {
        const Root& first = withRoots[i];
        for (const Root& second : rational)
            pairs.listed.push_back({first, second});
        for (std::size_t j = i + 1; j < withRoots.size(); ++j)
            if (withRoots[j].value.unit == first.value.unit && !sameValue(first.value, negated(withRoots[j].value)))
                pairs.listed.push_back({first, withRoots[j]});
        for (const Root& second : rootRoots(function, inequality, true))
            if (!second.theta && second.value.unit == first.value.unit)
                pairs.listed.push_back({first, second});
    }
    return pairs;
}

// (t − r1)(t − r2) with whole coefficients where the roots allow.
std::array<Number, 3> withRoots(const Number& r1, const Number& r2)
{
    std::array<Number, 3> k = {Number::whole(1), negated(sum(r1, r2)), product(r1, r2)};
    long long lcm = 1;
    for (const Number& n : k)
        lcm = std::lcm(lcm, n.d);
    for (Number& n : k)
        n = scaled(n, lcm);
    return k;
}

// The left-hand sides whose set is every x or no x: for sine and cosine two roots beyond
// [−1, 1]; for the tangent, which takes every value, t² + b t + c with b² < 4c.
std::vector<std::array<Number, 3>> quadraticEmptyOrWhole(const Pool& p)
{
    std::vector<std::array<Number, 3>> sides;
    if (p.level == 1)
        return sides;
    if (p.function != solvers::Tangent) {
        std::vector<Number> beyond;
        if (p.level == 2) {
            for (Unit unit : {Unit::Root2, Unit::Root3}) {
                beyond.push_back(root(unit, 1, 1));
                beyond.push_back(root(unit, -1, 1));
                sides.push_back(withRoots(root(unit, 1, 1), root(unit, -1, 1)));
            }
        } else {
            for (int beta : levelThreeBetas(80))
                if (beta > 45)  // tan β > 1
                    for (int sign : {1, -1})
                        beyond.push_back(Number{0, sign, 1, Unit::Tan, beta});
        }
        for (const Number& r : beyond)
            for (const Number& whole : {Number::whole(2), Number::whole(-2), Number::fraction(3, 2), Number::fraction(-3, 2)})
                sides.push_back(withRoots(r, whole));
        return sides;
    }
    if (p.level == 2) {
        for (int c = 1; c <= 4; ++c)
            for (Unit unit : {Unit::Root2, Unit::Root3})
                for (long long k : {1, 2})
                    if ((unit == Unit::Root2 ? 2 : 3) * k * k < 4 * c)
                        for (int sign : {1, -1})
                            sides.push_back({Number::whole(1), root(unit, sign * k, 1), Number::whole(c)});
    } else {
        for (int beta : levelThreeBetas())
            for (Unit unit : {Unit::Sin, Unit::Cos})
                for (int sign : {1, -1})
                    sides.push_back({Number::whole(1), Number{0, 2 * sign, 1, unit, beta}, Number::whole(1)});
    }
    return sides;
}

std::array<Number, 3> times(std::array<Number, 3> k, long long factor)
{
    for (Number& n : k)
        n = scaled(n, factor);
    return k;
}

Listing quadraticListing(const Pool& p)
{
    const bool inequality = p.relation != Relation::Equal;
    // The factors a left-hand side is taken with: both signs for the inequalities above level 1,
    // and 1 and 2 for the tangent's few of level 1.
    std::vector<long long> factors = {1};
    if (p.emptyOrWhole) {
        std::vector<std::array<Number, 3>> sides = quadraticEmptyOrWhole(p);
        // The tangent has no value at 90°: only the sign that holds nowhere gives a whole answer.
        if (inequality)
            factors = p.function != solvers::Tangent ? std::vector<long long>{1, -1}
                      : p.relation == Relation::Less ? std::vector<long long>{1}
                                                     : std::vector<long long>{-1};
        const int size = int(sides.size() * factors.size());
        return {size, [sides = std::move(sides), factors](Exercise& e, int i) {
                    e.coefficients = times(sides[std::size_t(i) / factors.size()], factors[std::size_t(i) % factors.size()]);
                }};
    }
    if (inequality && p.level > 1)
        factors = {1, -1};
    else if (p.function == solvers::Tangent && p.level == 1)
        factors = {1, 2};
    RootPairs pairs = quadraticRoots(p.function, inequality, p.level);
    const int size = pairs.size() * int(factors.size());
    return {size, [pairs = std::move(pairs), factors](Exercise& e, int i) {
                const auto [r1, r2] = pairs.at(i / int(factors.size()));
                e.coefficients = times(withRoots(r1.value, r2.value), factors[std::size_t(i) % factors.size()]);
                for (const Root& r : {r1, r2})
                    if (r.theta)
                        addZeros(e.zeros, zerosOf(e.function, *r.theta));
            }};
}

// ---- Linear: a = k sin m, b = k cos m, c = −k cos h, the line through the points of the
// circle at m − h and m + h; or a constant beyond k, a line that misses the circle

Listing linearListing(const Pool& p)
{
    struct Direction {
        Number a, b;
        int m;
    };
    const Number one = Number::whole(1), minusOne = Number::whole(-1);
    const Number r3 = root(Unit::Root3, 1, 1), minusR3 = root(Unit::Root3, -1, 1);
    // k = √2 at level 1, 2 above.
    const std::vector<Direction> diagonal = {{one, one, 45}, {one, minusOne, 135}, {minusOne, one, -45}, {minusOne, minusOne, -135}};
    const std::vector<Direction> steep = {{r3, one, 60},      {r3, minusOne, 120},     {minusR3, one, -60},
                                          {minusR3, minusOne, -120}, {one, r3, 30},     {one, minusR3, 150},
                                          {minusOne, r3, -30}, {minusOne, minusR3, -150}};
    std::vector<Direction> directions = p.level == 1 ? diagonal : steep;
    // The constants c, each with the half-angle h between the two solutions.
    std::vector<std::pair<Number, int>> constants;
    if (p.emptyOrWhole) {
        if (p.level == 2)
            for (const Number& c : {Number::whole(3), root(Unit::Root2, 2, 1), root(Unit::Root3, 2, 1)})
                for (const Number& signed_ : {c, negated(c)})
                    constants.push_back({signed_, 0});
        else if (p.level == 3)
            for (int beta : levelThreeBetas(44))  // 3 cos β > 2
                for (int sign : {1, -1})
                    constants.push_back({Number{0, 3 * sign, 1, Unit::Cos, beta}, 0});
    } else if (p.level == 1) {
        for (int choice = 0; choice < 3; ++choice)  // c = −1, 0, 1: h = 45°, 90°, 135°
            constants.push_back({Number::whole(choice - 1), 45 * (choice + 1)});
    } else if (p.level == 2) {
        for (int h : {30, 45, 60, 90, 120, 135, 150}) {
            const int beta = h > 90 ? 180 - h : h;
            const int sign = h > 90 ? 1 : -1;
            constants.push_back({beta == 30   ? root(Unit::Root3, sign, 1)
                                 : beta == 45 ? root(Unit::Root2, sign, 1)
                                 : beta == 60 ? Number::whole(sign)
                                              : Number::whole(0),
                                 h});
        }
    } else {
        // Not too close to a tangent line: the two solutions at least 10° apart.
        for (int h = 5; h <= 175; ++h)
            if (h % 15 != 0)
                constants.push_back({h < 90 ? Number{0, -2, 1, Unit::Cos, h} : Number{0, 2, 1, Unit::Cos, 180 - h}, h});
    }
    const int size = int(directions.size() * constants.size());
    return {size, [directions = std::move(directions), constants = std::move(constants), special = p.emptyOrWhole](Exercise& e, int i) {
                const Direction& d = directions[std::size_t(i) / constants.size()];
                const auto& [c, h] = constants[std::size_t(i) % constants.size()];
                e.coefficients = {d.a, d.b, c};
                if (!special)
                    addZeros(e.zeros, {((d.m - h) % 360 + 360) % 360, ((d.m + h) % 360 + 360) % 360});
            }};
}

Listing makeListing(const Pool& p)
{
    switch (p.family) {
    case Family::Elementary: return elementaryListing(p);
    case Family::Quadratic: return quadraticListing(p);
    case Family::Linear: return linearListing(p);
    case Family::Triangles:
        // One pool per level: the relation and function of a triangle are Equal and 0.
        if (p.relation != Relation::Equal || p.function != 0 || p.emptyOrWhole) return {};
        return {triangleTaskCount(p.level), [level = p.level](Exercise& e, int i) { e.triangle = triangleTask(level, i); }};
    }
    return {};
}

// Each pool's list is made once (a few hundred choices at most, level 3's products aside): the
// window, the sheets and the counts take from it again.
const Listing& listing(const Pool& p)
{
    thread_local std::map<Pool, Listing> made;
    auto it = made.find(p);
    if (it == made.end())
        it = made.emplace(p, makeListing(p)).first;
    return it->second;
}

Exercise exerciseAt(const Pool& p, const Listing& l, int index)
{
    Exercise e;
    e.family = p.family;
    e.relation = p.relation;
    e.function = p.function;
    e.level = p.level;
    if (l.size > 0)
        l.make(e, std::clamp(index, 0, l.size - 1));
    return e;
}

Pool drawPool(const Request& request, Dice& dice)
{
    Pool p;
    p.family = request.family ? *request.family : Family(dice.below(3));
    const bool inequality = request.inequality ? *request.inequality : dice.below(2) == 1;
    p.relation = !inequality ? Relation::Equal : dice.below(2) ? Relation::GreaterOrEqual : Relation::Less;
    p.function = request.function ? std::clamp(*request.function, 0, 2) : dice.below(3);
    p.level = request.level ? std::clamp(*request.level, 1, 3) : dice.below(3) + 1;
    if (p.family == Family::Linear)
        p.function = solvers::Sine;  // the linear ones take sine and cosine together
    if (p.family == Family::Triangles) {
        p.relation = Relation::Equal;
        p.function = 0;
        return p;
    }
    Pool whole = p;
    whole.emptyOrWhole = true;
    p.emptyOrWhole = dice.below(7) == 0 && poolSize(whole) > 0;
    return p;
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
    const auto [negative, body] = term(*this);
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

namespace {

QString exerciseText(const Exercise& e, bool paper)
{
    if (e.family == Family::Triangles)
        return triangleTaskText(e.triangle);
    const QString f = solvers::functionName(e.function);
    QString left;
    switch (e.family) {
    case Family::Elementary: left = sumText({{e.coefficients[0], f}, {e.coefficients[1], QString()}}); break;
    case Family::Quadratic: {
        // "sin x" squared: "(sin x)^2" on the screen, "sin²x" on paper.
        const QString square = paper ? QString(f).replace(QStringLiteral(" x"), QStringLiteral("²x"))
                                     : QStringLiteral("(%1)^2").arg(f);
        left = sumText({{e.coefficients[0], square}, {e.coefficients[1], f}, {e.coefficients[2], QString()}});
        break;
    }
    case Family::Linear:
        left = sumText({{e.coefficients[0], solvers::functionName(solvers::Sine)},
                        {e.coefficients[1], solvers::functionName(solvers::Cosine)},
                        {e.coefficients[2], QString()}});
        break;
    case Family::Triangles: break;  // written above
    }
    const char* sign = e.relation == Relation::Equal ? " = 0" : e.relation == Relation::GreaterOrEqual ? " ≥ 0" : " < 0";
    return left + QString::fromUtf8(sign);
}

}  // namespace

QString Exercise::text() const
{
    return exerciseText(*this, false);
}

QString Exercise::paperText() const
{
    return exerciseText(*this, true);
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

std::vector<Pool> poolsOf(const Request& request)
{
    std::vector<Family> families = {Family::Elementary, Family::Quadratic, Family::Linear};
    if (request.family)
        families = {*request.family};
    std::vector<Relation> relations = {Relation::Equal, Relation::GreaterOrEqual, Relation::Less};
    if (request.inequality)
        relations = *request.inequality ? std::vector<Relation>{Relation::GreaterOrEqual, Relation::Less}
                                        : std::vector<Relation>{Relation::Equal};
    std::vector<int> levels = {1, 2, 3};
    if (request.level)
        levels = {std::clamp(*request.level, 1, 3)};
    std::vector<Pool> pools;
    for (Family family : families) {
        std::vector<int> functions = {solvers::Sine, solvers::Cosine, solvers::Tangent};
        if (family == Family::Linear)
            functions = {solvers::Sine};
        else if (family == Family::Triangles)
            functions = {0};
        else if (request.function)
            functions = {std::clamp(*request.function, 0, 2)};
        for (Relation relation : family == Family::Triangles ? std::vector<Relation>{Relation::Equal} : relations)
            for (int function : functions)
                for (int level : levels)
                    for (bool emptyOrWhole : {false, true})
                        if (const Pool p{family, relation, function, level, emptyOrWhole}; poolSize(p) > 0)
                            pools.push_back(p);
    }
    return pools;
}

int poolSize(const Pool& pool)
{
    return listing(pool).size;
}

Exercise exerciseOf(const Pool& pool, int index)
{
    return exerciseAt(pool, listing(pool), index);
}

long long distinctExercises(const Request& request)
{
    long long count = 0;
    for (const Pool& p : poolsOf(request))
        count += poolSize(p);
    return count;
}

Pool choosePool(const Request& request, std::uint32_t seed)
{
    Dice dice(seed);
    return drawPool(request, dice);
}

Exercise makeExercise(const Request& request, std::uint32_t seed)
{
    Dice dice(seed);
    const Pool pool = drawPool(request, dice);
    const Listing& l = listing(pool);
    Exercise e = exerciseAt(pool, l, dice.below(l.size));
    e.seed = seed;
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
    case Family::Triangles: break;  // answered by triangleAnswerText and checkTriangleAnswer
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
        if (from == to)  // a point alone, in braces so that it reads as one
            pieces << QStringLiteral("{%1}").arg(angle(from));
        else
            pieces << QStringLiteral("%1%2, %3%4")
                          .arg(fromClosed ? QStringLiteral("[") : QStringLiteral("("), angle(from), angle(to),
                               toClosed ? QStringLiteral("]") : QStringLiteral(")"));
        i = j;
    }
    return pieces.isEmpty() ? QStringLiteral("Ø") : pieces.join(QStringLiteral(" ∪ "));
}

}  // namespace practice
