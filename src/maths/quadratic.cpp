#include "maths/quadratic.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "maths/angles.h"

namespace solvers {

namespace {

// A discriminant this small beside the terms it comes from is zero up to rounding.
constexpr long double DiscriminantTolerance = 1e-16L;

long double snappedToUnit(long double t)
{
    if (std::fabs(t - 1.0L) <= UnitTolerance)
        return 1.0L;
    if (std::fabs(t + 1.0L) <= UnitTolerance)
        return -1.0L;
    return t;
}

// A root beyond the extended range stays a (very large) number; a zero root is +0, never -0.
long double finiteRoot(long double t)
{
    if (std::isnan(t) || t == 0)
        return 0;
    return std::clamp(t, -LDBL_MAX, LDBL_MAX);
}

}  // namespace

QuadraticRoots solveQuadratic(long double a, long double b, long double c)
{
    QuadraticRoots roots;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c))
        return roots;
    // Scaling by a power of two changes neither the roots nor the sign of D, and keeps the
    // squares and products below overflow.
    const long double largest = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (largest > 0) {
        int exponent = 0;
        std::frexp(largest, &exponent);
        a = std::ldexp(a, -exponent);
        b = std::ldexp(b, -exponent);
        c = std::ldexp(c, -exponent);
    }
    if (a == 0) {
        if (b == 0) {
            roots.kind = RootKind::Degenerate;
            return roots;
        }
        roots.kind = RootKind::Linear;
        roots.t1 = roots.t2 = snappedToUnit(finiteRoot(-c / b));
        return roots;
    }
    const long double half = b / 2;
    const long double square = half * half;
    const long double product = a * c;
    long double D = square - product;
    if (std::fabs(D) <= DiscriminantTolerance * std::max(square, std::fabs(product)))
        D = 0;
    if (D < 0) {
        roots.kind = RootKind::None;
        return roots;
    }
    if (D == 0) {
        roots.kind = RootKind::Double;
        roots.t1 = roots.t2 = snappedToUnit(finiteRoot(-half / a));
        return roots;
    }
    const long double root = std::sqrt(D);
    roots.kind = RootKind::Two;
    roots.t1 = snappedToUnit(finiteRoot((-half + root) / a));
    roots.t2 = snappedToUnit(finiteRoot((-half - root) / a));
    if (roots.t1 == roots.t2)
        roots.kind = RootKind::Double;
    return roots;
}

bool rootInRange(int function, long double t)
{
    return function == Tangent || std::fabs(t) <= 1.0L;
}

long double principalAngle(int function, long double t)
{
    switch (function) {
    case Sine: return std::asin(std::clamp(t, -1.0L, 1.0L));
    case Cosine: return std::acos(std::clamp(t, -1.0L, 1.0L));
    default: return std::atan(t);
    }
}

// ---- The equation window -------------------------------------------------------------------------

namespace {

int withinPeriod(int degrees, int period)
{
    return ((degrees % period) + period) % period;
}

void addPoint(std::vector<int>& points, int degrees, int period)
{
    const int p = withinPeriod(degrees, period);
    if (std::find(points.begin(), points.end(), p) == points.end())
        points.push_back(p);
}

WrittenRoot written(int function, long double t)
{
    WrittenRoot root{t, rootInRange(function, t), 0};
    if (root.admissible)
        root.degrees = wholeDegrees(principalAngle(function, t));
    return root;
}

}  // namespace

QuadraticEquationFindings solveQuadraticEquation(int function, long double a, long double b, long double c)
{
    QuadraticEquationFindings f;
    f.function = function;
    f.roots = solveQuadratic(a, b, c);
    const QuadraticRoots& roots = f.roots;
    switch (roots.kind) {
    case RootKind::None:
        f.solutions = SolutionSet::empty(periodDegrees(function));
        return f;
    case RootKind::Degenerate:
        f.solutions = c == 0 ? SolutionSet::allReals(periodDegrees(function)) : SolutionSet::empty(periodDegrees(function));
        return f;
    case RootKind::Two:
        f.written = {written(function, roots.t1), written(function, roots.t2)};
        break;
    case RootKind::Double:
    case RootKind::Linear:
        f.written = {written(function, roots.t1)};
        break;
    }
    const int period = periodDegrees(function);
    std::vector<int> points;
    for (std::size_t i = 0; i < f.written.size(); ++i) {
        const WrittenRoot& root = f.written[i];
        if (!root.admissible)
            continue;
        const RootOrder order = f.written.size() == 1 ? RootOrder::Single : i == 0 ? RootOrder::First : RootOrder::Second;
        f.drawn.push_back({principalAngle(function, root.t), root.t, order});
        const int n = root.degrees;
        addPoint(points, n, period);
        if (function == Sine)
            addPoint(points, 180 - n, period);
        else if (function == Cosine)
            addPoint(points, 360 - n, period);
    }
    f.solutions = points.empty() ? SolutionSet::empty(period) : SolutionSet::atPoints(points, period);
    return f;
}

// ---- The inequality window -----------------------------------------------------------------------

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
using Kind = SolutionSet::Kind;

// Whole degrees of the principal angle of a value of t; 0 for an infinite one, whose angle is
// never written.
int rootDegrees(int function, long double t)
{
    return std::isinf(t) ? 0 : wholeDegrees(principalAngle(function, t));
}

struct Classification {
    RootLayout layout;
    Kind greater;
    Kind less;
};

// Sine and cosine when >= 0 holds outside [lo, hi].
Classification outsideRoots(long double lo, long double hi)
{
    if (hi < -1 || lo > 1)
        return {RootLayout::None, Kind::AllReals, Kind::Empty};
    if (lo < -1 && hi > 1)
        return {RootLayout::None, Kind::Empty, Kind::AllReals};
    if (lo < -1)
        return {RootLayout::LowBeyond, Kind::Intervals, hi == -1 ? Kind::Empty : Kind::Intervals};
    if (hi > 1)
        return {RootLayout::HighBeyond, Kind::Intervals, lo == 1 ? Kind::Empty : Kind::Intervals};
    return {RootLayout::Inside, Kind::Intervals, Kind::Intervals};
}

// Sine and cosine when >= 0 holds within [lo, hi] (a single value for a double root).
Classification betweenRoots(long double lo, long double hi)
{
    if (hi < -1 || lo > 1)
        return {RootLayout::None, Kind::Empty, Kind::AllReals};
    if (lo <= -1 && hi >= 1)
        return {RootLayout::None, Kind::AllReals, Kind::Empty};
    if (lo <= -1)
        return {RootLayout::LowBeyond, Kind::Intervals, Kind::Intervals};
    if (hi >= 1)
        return {RootLayout::HighBeyond, Kind::Intervals, Kind::Intervals};
    return {RootLayout::Inside, Kind::Intervals, Kind::Intervals};
}

DegreeInterval closed(int from, int to)
{
    return {from, to, true, true};
}

DegreeInterval open(int from, int to)
{
    return {from, to, false, false};
}

// The intervals of x of sine and cosine, as the window writes them; m and M are the degrees of
// lo and hi.
void sineCosineIntervals(int function, bool outside, RootLayout layout, int m, int M,
                         std::vector<DegreeInterval>& greater, std::vector<DegreeInterval>& less)
{
    using enum RootLayout;
    if (layout == None)
        return;
    if (function == Sine && outside) {
        if (layout == Inside)
            greater = {closed(M, 180 - M), closed(-180 - m, m)}, less = {open(m, M), open(180 - M, 180 - m)};
        else if (layout == LowBeyond)
            greater = {closed(M, 180 - M)}, less = {open(-180 - M, M)};
        else
            greater = {closed(-180 - m, m)}, less = {open(m, 180 - m)};
    } else if (function == Sine) {
        if (layout == Inside)
            greater = {closed(m, M), closed(180 - M, 180 - m)}, less = {open(M, 180 - M), open(-180 - m, m)};
        else if (layout == LowBeyond)
            greater = {closed(-180 - M, M)}, less = {open(M, 180 - M)};
        else
            greater = {closed(m, 180 - m)}, less = {open(-180 - m, m)};
    } else if (outside) {
        if (layout == Inside)
            greater = {closed(-M, M), closed(m, 360 - m)}, less = {open(M, m), open(360 - m, 360 - M)};
        else if (layout == LowBeyond)
            greater = {closed(-M, M)}, less = {open(M, 360 - M)};
        else
            greater = {closed(m, 360 - m)}, less = {open(-m, m)};
    } else {
        if (layout == Inside)
            greater = {closed(M, m), closed(360 - m, 360 - M)}, less = {open(-M, M), open(m, 360 - m)};
        else if (layout == LowBeyond)
            greater = {closed(M, 360 - M)}, less = {open(-M, M)};
        else
            greater = {closed(-m, m)}, less = {open(m, 360 - m)};
    }
}

SolutionSet setOf(Kind kind, std::vector<DegreeInterval> intervals, int period)
{
    switch (kind) {
    case Kind::AllReals: return SolutionSet::allReals(period);
    case Kind::Empty: return SolutionSet::empty(period);
    default: return SolutionSet::within(std::move(intervals), period);
    }
}

void sineCosineSets(QuadraticInequalityFindings& f)
{
    const Classification k = f.greaterOutside ? outsideRoots(f.lo, f.hi) : betweenRoots(f.lo, f.hi);
    f.layout = k.layout;
    std::vector<DegreeInterval> greater, less;
    sineCosineIntervals(f.function, f.greaterOutside, k.layout, rootDegrees(f.function, f.lo),
                        rootDegrees(f.function, f.hi), greater, less);
    f.greater = setOf(k.greater, std::move(greater), 360);
    f.less = setOf(k.less, std::move(less), 360);
}

// The tangent: >= 0 outside [lo, hi] or on it; infinite ends stand at -90° and 90°.
void tangentSets(QuadraticInequalityFindings& f)
{
    const int m = std::isinf(f.lo) ? -90 : rootDegrees(Tangent, f.lo);
    const int M = std::isinf(f.hi) ? 90 : rootDegrees(Tangent, f.hi);
    if (f.greaterOutside) {
        f.greater = SolutionSet::within({m < 0 ? closed(M, m + 180) : closed(M - 180, m)}, 180);
        f.less = SolutionSet::within({open(m, M)}, 180);
    } else {
        f.greater = SolutionSet::within({M > 0 ? closed(m, M) : closed(m + 180, M + 180)}, 180);
        f.less = SolutionSet::within({open(M, m + 180)}, 180);
    }
}

void wholeSets(QuadraticInequalityFindings& f, bool greaterEverywhere)
{
    const int period = periodDegrees(f.function);
    f.greater = greaterEverywhere ? SolutionSet::allReals(period) : SolutionSet::empty(period);
    f.less = greaterEverywhere ? SolutionSet::empty(period) : SolutionSet::allReals(period);
}

}  // namespace

QuadraticInequalityFindings solveQuadraticInequality(int function, long double a, long double b, long double c)
{
    QuadraticInequalityFindings f;
    f.function = function;
    f.roots = solveQuadratic(a, b, c);
    const QuadraticRoots& roots = f.roots;
    f.lo = roots.smaller();
    f.hi = roots.larger();
    const bool positive = a > 0;

    switch (roots.kind) {
    case RootKind::None:
        f.greaterOutside = positive;
        wholeSets(f, positive);
        f.outerGreater = positive;
        return f;
    case RootKind::Degenerate:
        wholeSets(f, c >= 0);
        f.hasInner = c < 0;
        f.innerLow = -Infinity;
        f.innerHigh = Infinity;
        return f;
    case RootKind::Double:
        f.greaterOutside = positive;
        f.outerGreater = positive;
        f.radii = {f.hi};
        if (positive) {
            wholeSets(f, true);
            break;
        }
        f.lo = f.hi;
        f.hasInner = true;
        f.innerLow = f.innerHigh = f.hi;
        if (function == Tangent)
            tangentSets(f);
        else
            sineCosineSets(f);
        break;
    case RootKind::Linear: {
        // b t + c >= 0 is t >= root for b > 0 and t <= root for b < 0: a > 0 with the other root
        // at infinity; the inner band is where b t + c < 0.
        const long double root = roots.t1;
        const bool rising = b > 0;
        f.lo = rising ? -Infinity : root;
        f.hi = rising ? root : Infinity;
        f.greaterOutside = true;
        f.radii = {root};
        f.hasInner = true;
        f.innerLow = f.lo;
        f.innerHigh = f.hi;
        if (function == Tangent)
            tangentSets(f);
        else
            sineCosineSets(f);
        break;
    }
    case RootKind::Two:
        f.greaterOutside = positive;
        f.outerGreater = positive;
        f.hasInner = true;
        f.innerLow = f.lo;
        f.innerHigh = f.hi;
        f.radii = {f.hi, f.lo};
        if (function == Tangent)
            tangentSets(f);
        else
            sineCosineSets(f);
        break;
    }
    // Roots beyond the range of sine and cosine have no radius.
    std::erase_if(f.radii, [function](long double t) { return !rootInRange(function, t); });
    return f;
}

}  // namespace solvers
