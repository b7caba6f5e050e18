#include "maths/linear.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"

namespace solvers {

Coefficients scaleFree(const Coefficients& k)
{
    long double largest = 0;
    for (long double v : k) {
        if (!std::isfinite(v))
            return k;
        largest = std::max(largest, std::fabs(v));
    }
    if (largest == 0)
        return k;
    return {k[0] / largest, k[1] / largest, k[2] / largest};
}

long double linearValue(const Coefficients& k, long double degrees)
{
    const long double x = radians(degrees);
    return k[0] * std::sin(x) + k[1] * std::cos(x) + k[2];
}

const WholeDegreeTrig& wholeDegreeTrig()
{
    static const WholeDegreeTrig table = [] {
        WholeDegreeTrig t;
        for (int i = 0; i <= 360; ++i) {
            t.cos[i] = std::cos(radians(i));
            t.sin[i] = std::sin(radians(i));
        }
        return t;
    }();
    return table;
}

namespace {

// 2 arctan t of a half-angle root N / D; π when D = 0 (the root at infinity).
long double halfAngleSolution(long double numerator, long double denominator)
{
    if (denominator == 0)
        return Pi;
    return 2 * std::atan(numerator / denominator);
}

// Whole degrees of a solution, 360 counted as 0.
int solutionDegrees(long double x)
{
    const int d = wholeDegrees(x);
    return d == 360 ? 0 : d;
}

}  // namespace

LinearSolution solveLinear(const Coefficients& given, AngleSpan span)
{
    LinearSolution s;
    s.g = given[0] * given[0] + given[1] * given[1] - given[2] * given[2];
    const auto [a, b, c] = scaleFree(given);
    const long double n = a * a + b * b;
    if (n == 0 || !std::isfinite(n) || !std::isfinite(c)) {
        s.constant = n == 0;
        return s;
    }
    const long double g = n - c * c;
    s.ratio = g / n;
    s.tangent = std::fabs(s.ratio) < TangentTolerance;
    if (s.tangent || s.ratio > 0) {
        if (a != 0 && b != 0) {
            if (s.tangent) {
                s.x1 = s.x2 = halfAngleSolution(-a, c - b);
            } else if (c - b != 0) {
                const long double root = std::sqrt(g);
                s.x1 = halfAngleSolution(root - a, c - b);
                s.x2 = halfAngleSolution(-a - root, c - b);
            } else {
                // (c - b) t² vanishes: one finite root, and x = π, where t is infinite.
                s.x1 = halfAngleSolution(-(b + c), 2 * a);
                s.x2 = Pi;
            }
        } else if (b != 0) {
            // b cos x + c = 0; a tangent line may leave -c/b a hair beyond ±1.
            const long double t = std::clamp(-c / b, -1.0L, 1.0L);
            s.x1 = t == 0 ? Pi / 2 : std::acos(t);
            s.x2 = s.tangent ? s.x1 : -s.x1;
        } else {
            // a sin x + c = 0.
            const long double t = std::clamp(-c / a, -1.0L, 1.0L);
            s.x1 = t == 0 ? 0 : std::asin(t);
            s.x2 = s.tangent ? s.x1 : Pi - s.x1;
        }
        if (span == AngleSpan::OneTurn) {
            for (long double* x : {&s.x1, &s.x2})
                if (*x < 0)
                    *x += 2 * Pi;
        }
        s.deg1 = solutionDegrees(s.x1);
        s.deg2 = solutionDegrees(s.x2);
        const bool oneAngle = s.tangent || (s.deg1 - s.deg2) % 360 == 0;
        s.written = s.drawn = oneAngle ? 1 : 2;
    }
    return s;
}

namespace {

// Whole degrees as the angle of one turn they stand for, 0 ... 359.
int withinTurn(int degrees)
{
    return ((degrees % 360) + 360) % 360;
}

LinearFindings findings(const Coefficients& k, AngleSpan span)
{
    LinearFindings f;
    f.k = k;
    f.scaled = scaleFree(k);
    f.curveScale = std::fabs(f.scaled[0]) + std::fabs(f.scaled[1]);
    f.solution = solveLinear(k, span);
    const LinearSolution& s = f.solution;
    const long double c = k[2];

    if (s.constant) {
        // The left-hand side is the constant c.
        f.solutions = c == 0 ? SolutionSet::allReals() : SolutionSet::empty();
        f.greater = c >= 0 ? SolutionSet::allReals() : SolutionSet::empty();
        f.less = c >= 0 ? SolutionSet::empty() : SolutionSet::allReals();
        return f;
    }
    if (s.written == 0)
        f.solutions = SolutionSet::empty();
    else if (s.written == 1)
        f.solutions = SolutionSet::atPoints({withinTurn(s.deg1)});
    else
        f.solutions = SolutionSet::atPoints({withinTurn(s.deg1), withinTurn(s.deg2)});

    if (s.written == 1 && c < 0) {
        // Only the point of contact makes the left-hand side 0; everywhere else it is negative.
        const int at = withinTurn(s.deg1);
        f.greater = SolutionSet::atPoints({at});
        f.less = SolutionSet::within({{at, at + 360, false, false}});
    } else if (s.written < 2) {
        // Without two crossings the left-hand side keeps (almost everywhere) the sign of c.
        f.greater = c > 0 ? SolutionSet::allReals() : SolutionSet::empty();
        f.less = c > 0 ? SolutionSet::empty() : SolutionSet::allReals();
    } else {
        const int lo = std::min(s.deg1, s.deg2);
        const int hi = std::max(s.deg1, s.deg2);
        // The sign in the middle of the arc from lo to hi tells which set that arc is.
        if (linearValue(k, (lo + hi) / 2.0L) >= 0) {
            f.greater = SolutionSet::within({{lo, hi, true, true}});
            f.less = SolutionSet::within({{hi - 360, lo, false, false}});
        } else {
            f.greater = SolutionSet::within({{hi - 360, lo, true, true}});
            f.less = SolutionSet::within({{lo - 360, hi - 360, false, false}});
        }
    }
    return f;
}

}  // namespace

LinearFindings solveLinearEquation(const Coefficients& k)
{
    return findings(k, AngleSpan::HalfTurnEachSide);
}

LinearFindings solveLinearInequality(const Coefficients& k)
{
    return findings(k, AngleSpan::OneTurn);
}

}  // namespace solvers
