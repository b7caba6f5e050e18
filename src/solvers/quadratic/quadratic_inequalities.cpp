#include "solvers/quadratic/quadratic_inequalities.h"

#include <cmath>
#include <limits>

#include "texts/text_tables.h"
#include "solvers/frame/coefficient_controls.h"
#include "maths/elementary.h"
#include "solvers/elementary/elementary_texts.h"

namespace solvers {

namespace {

constexpr long double Infinity = std::numeric_limits<long double>::infinity();

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

// The interval texts: sine and tangent style with the bounds' period, cosine style, and the
// cosine's symmetric interval from -M to M.
QString sineInterval(long long p, long long q, bool closed, int period = 360)
{
    const QString k = QStringLiteral("° + k ") + QString::number(period) + QStringLiteral("°");
    return deg(p) + k + (closed ? QStringLiteral("  <= x <= ") : QStringLiteral("  < x < ")) + deg(q) + k +
           QStringLiteral(" ");
}

QString tangentInterval(long long p, long long q, bool closed)
{
    return sineInterval(p, q, closed, 180);
}

QString cosineInterval(long long p, long long q, bool closed)
{
    return deg(p) + QStringLiteral("° + k 360°") + (closed ? QStringLiteral(" <= x <= ") : QStringLiteral(" < x < ")) +
           deg(q) + QStringLiteral("° + k 360°");
}

QString symmetricInterval(long long M, bool closed)
{
    return QStringLiteral("-") + cosineInterval(M, M, closed);
}

// Which intervals of x the sets of sine and cosine take.
enum class Layout {
    None,        // both sets are R or Ø
    Inside,      // both roots within [-1, 1]: two intervals per set
    LowBeyond,   // the smaller root at or below -1: one interval per set, bounded by the larger
    HighBeyond,  // the larger root at or above 1: one interval per set, bounded by the smaller
};

struct SineCosineSets {
    QString greater, less;
    Layout layout = Layout::None;
};

// a > 0 (or a linear expression seen as one with a root at infinity): >= 0 outside [lo, hi].
SineCosineSets outsideRoots(const QString& F, long double lo, long double hi, const QString& m, const QString& M)
{
    SineCosineSets s;
    if (hi < -1 || lo > 1)
        return {allReals(), emptySet(), Layout::None};
    if (lo < -1 && hi > 1)
        return {emptySet(), allReals(), Layout::None};
    if (lo < -1) {
        s.layout = Layout::LowBeyond;
        s.greater = F + (hi == 1 ? QStringLiteral(" = ") : QStringLiteral(" >= ")) + M;
        s.less = hi == -1 ? emptySet() : F + QStringLiteral(" < ") + M;
    } else if (hi > 1) {
        s.layout = Layout::HighBeyond;
        s.greater = F + (lo == -1 ? QStringLiteral(" = ") : QStringLiteral(" <= ")) + m;
        s.less = lo == 1 ? emptySet() : F + QStringLiteral(" > ") + m;
    } else {
        s.layout = Layout::Inside;
        s.greater = F + (lo == -1 ? QStringLiteral(" = ") : QStringLiteral(" <= ")) + m + QStringLiteral("   U   ") + F +
                    (hi == 1 ? QStringLiteral(" = ") : QStringLiteral(" >= ")) + M;
        s.less = m + QStringLiteral("  < ") + F + QStringLiteral(" < ") + M;
    }
    return s;
}

// a < 0: >= 0 on [lo, hi] (a single value for a double root).
SineCosineSets betweenRoots(const QString& F, long double lo, long double hi, const QString& m, const QString& M)
{
    SineCosineSets s;
    if (hi < -1 || lo > 1)
        return {emptySet(), allReals(), Layout::None};
    if (lo <= -1 && hi >= 1)
        return {allReals(), emptySet(), Layout::None};
    if (lo <= -1) {
        s.layout = Layout::LowBeyond;
        s.greater = F + (hi == -1 ? QStringLiteral(" = ") : QStringLiteral(" <= ")) + M;
        s.less = F + QStringLiteral(" > ") + M;
    } else if (hi >= 1) {
        s.layout = Layout::HighBeyond;
        s.greater = F + (lo == 1 ? QStringLiteral(" = ") : QStringLiteral(" >= ")) + m;
        s.less = F + QStringLiteral(" < ") + m;
    } else {
        s.layout = Layout::Inside;
        s.greater = lo == hi ? F + QStringLiteral(" = ") + M
                             : m + QStringLiteral("  <= ") + F + QStringLiteral(" <= ") + M;
        s.less = F + QStringLiteral(" < ") + m + QStringLiteral("   U   ") + F + QStringLiteral(" > ") + M;
    }
    return s;
}

// The x intervals of sine and cosine; m and M are the degrees of the smaller and larger root.
void writeSineCosineIntervals(QuadraticInequalityResult& r, int function, bool positive, Layout layout, long long m,
                              long long M)
{
    QString &L5 = r.Label5, &L14 = r.Label14, &L12 = r.Label12, &L16 = r.Label16;
    if (function == Sine && positive) {
        switch (layout) {
        case Layout::Inside:
            L5 = sineInterval(M, 180 - M, true), L14 = sineInterval(-180 - m, m, true);
            L12 = sineInterval(m, M, false), L16 = sineInterval(180 - M, 180 - m, false);
            break;
        case Layout::LowBeyond: L5 = sineInterval(M, 180 - M, true), L12 = sineInterval(-180 - M, M, false); break;
        case Layout::HighBeyond: L5 = sineInterval(-180 - m, m, true), L12 = sineInterval(m, 180 - m, false); break;
        case Layout::None: break;
        }
    } else if (function == Sine) {
        switch (layout) {
        case Layout::Inside:
            L5 = sineInterval(m, M, true), L14 = sineInterval(180 - M, 180 - m, true);
            L12 = sineInterval(M, 180 - M, false), L16 = sineInterval(-180 - m, m, false);
            break;
        case Layout::LowBeyond: L5 = sineInterval(-180 - M, M, true), L12 = sineInterval(M, 180 - M, false); break;
        case Layout::HighBeyond: L5 = sineInterval(m, 180 - m, true), L12 = sineInterval(-180 - m, m, false); break;
        case Layout::None: break;
        }
    } else if (positive) {
        switch (layout) {
        case Layout::Inside:
            L5 = symmetricInterval(M, true), L14 = cosineInterval(m, 360 - m, true);
            L12 = cosineInterval(M, m, false), L16 = cosineInterval(360 - m, 360 - M, false);
            break;
        case Layout::LowBeyond: L5 = symmetricInterval(M, true), L12 = cosineInterval(M, 360 - M, false); break;
        case Layout::HighBeyond: L5 = sineInterval(m, 360 - m, true), L12 = sineInterval(-m, m, false); break;
        case Layout::None: break;
        }
    } else {
        switch (layout) {
        case Layout::Inside:
            L5 = cosineInterval(M, m, true), L14 = cosineInterval(360 - m, 360 - M, true);
            L12 = symmetricInterval(M, false), L16 = cosineInterval(m, 360 - m, false);
            break;
        case Layout::LowBeyond: L5 = cosineInterval(M, 360 - M, true), L12 = symmetricInterval(M, false); break;
        case Layout::HighBeyond: L5 = sineInterval(-m, m, true), L12 = sineInterval(m, 360 - m, false); break;
        case Layout::None: break;
        }
    }
}

// Whole degrees of the principal angle of a root; 0 for an infinite one, whose angle is never written.
long long rootDegrees(int function, long double t)
{
    return std::isinf(t) ? 0 : wholeDegrees(principalAngle(function, t));
}

void solveSineCosine(QuadraticInequalityResult& r, int function, bool positive, long double lo, long double hi)
{
    const QString F = functionName(function);
    const QString m = CoefficientBoxText(lo), M = CoefficientBoxText(hi);
    const SineCosineSets s = positive ? outsideRoots(F, lo, hi, m, M) : betweenRoots(F, lo, hi, m, M);
    r.Label2 = s.greater;
    r.Label4 = s.less;
    writeSineCosineIntervals(r, function, positive, s.layout, rootDegrees(function, lo), rootDegrees(function, hi));
}

// The tangent: a > 0 (or a linear expression, with an infinite root) >= 0 outside [lo, hi],
// a < 0 >= 0 on [lo, hi]. Infinite roots stand at -90° and 90°.
void writeTangentIntervals(QuadraticInequalityResult& r, bool positive, long double lo, long double hi)
{
    const long long m = std::isinf(lo) ? -90 : rootDegrees(Tangent, lo);
    const long long M = std::isinf(hi) ? 90 : rootDegrees(Tangent, hi);
    if (positive) {
        r.Label5 = m < 0 ? tangentInterval(M, m + 180, true) : tangentInterval(M - 180, m, true);
        r.Label12 = tangentInterval(m, M, false);
    } else {
        r.Label5 = M > 0 ? tangentInterval(m, M, true) : tangentInterval(m + 180, M + 180, true);
        r.Label12 = tangentInterval(M, m + 180, false);
    }
}

void setWholeSets(QuadraticInequalityResult& r, bool greaterEverywhere)
{
    r.Label2 = greaterEverywhere ? allReals() : emptySet();
    r.Label4 = greaterEverywhere ? emptySet() : allReals();
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

QuadraticInequalityResult solveQuadraticInequality(int function, long double a, long double b, long double c)
{
    QuadraticInequalityResult r;
    r.roots = solveQuadratic(a, b, c);
    const QuadraticRoots& roots = r.roots;
    const long double lo = roots.smaller(), hi = roots.larger();
    const bool positive = a > 0;

    switch (roots.kind) {
    case RootKind::None:
        setWholeSets(r, positive);
        r.outerGreater = positive;
        return r;
    case RootKind::Degenerate:
        setWholeSets(r, c >= 0);
        r.hasInner = c < 0;
        r.innerLow = -Infinity;
        r.innerHigh = Infinity;
        return r;
    case RootKind::Double:
        r.outerGreater = positive;
        r.radii = {hi};
        if (positive) {
            setWholeSets(r, true);
            break;
        }
        r.hasInner = true;
        r.innerLow = r.innerHigh = hi;
        if (function == Tangent) {
            const QString M = CoefficientBoxText(hi);
            r.Label2 = QStringLiteral("tan x = ") + M;
            r.Label4 = QStringLiteral("tan x < ") + M + QStringLiteral("  U  tan x > ") + M;
            writeTangentIntervals(r, false, hi, hi);
        } else {
            solveSineCosine(r, function, false, hi, hi);
        }
        break;
    case RootKind::Linear: {
        // b t + c >= 0 is t >= root for b > 0 and t <= root for b < 0: a > 0 with the other root
        // at infinity; the inner band is where b t + c < 0.
        const long double root = roots.t1;
        const bool rising = b > 0;
        const long double low = rising ? -Infinity : root, high = rising ? root : Infinity;
        r.radii = {root};
        r.hasInner = true;
        r.innerLow = low;
        r.innerHigh = high;
        if (function == Tangent) {
            const QString M = CoefficientBoxText(root);
            r.Label2 = (rising ? QStringLiteral("tan x  >=  ") : QStringLiteral("tan x  <=  ")) + M;
            r.Label4 = (rising ? QStringLiteral("tan x  <  ") : QStringLiteral("tan x  >  ")) + M;
            writeTangentIntervals(r, true, low, high);
        } else {
            solveSineCosine(r, function, true, low, high);
        }
        break;
    }
    case RootKind::Two:
        r.outerGreater = positive;
        r.hasInner = true;
        r.innerLow = lo;
        r.innerHigh = hi;
        r.radii = {hi, lo};
        if (function == Tangent) {
            const QString m = CoefficientBoxText(lo), M = CoefficientBoxText(hi);
            if (positive) {
                r.Label2 = QStringLiteral("tan x <= ") + m + QStringLiteral("  U  tan x >= ") + M;
                r.Label4 = m + QStringLiteral("  < tan x <  ") + M;
            } else {
                r.Label4 = QStringLiteral("tan x < ") + m + QStringLiteral("  U  tan x > ") + M;
                r.Label2 = m + QStringLiteral("  <= tan x <=  ") + M;
            }
            writeTangentIntervals(r, positive, lo, hi);
        } else {
            solveSineCosine(r, function, positive, lo, hi);
        }
        break;
    }
    // A set of every x or of none has no intervals.
    for (const QString* set : {&r.Label2, &r.Label4}) {
        if (*set == allReals() || *set == emptySet()) {
            QString& first = set == &r.Label2 ? r.Label5 : r.Label12;
            QString& second = set == &r.Label2 ? r.Label14 : r.Label16;
            first.clear();
            second.clear();
        }
    }
    // Roots beyond the range of sine and cosine have no radius.
    std::erase_if(r.radii, [function](long double t) { return !rootInRange(function, t); });
    return r;
}

}  // namespace solvers
