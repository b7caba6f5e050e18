#include "solvers/linear/linear_solver.h"

#include <algorithm>
#include <cmath>

#include "texts/text_tables.h"
#include "texts/angle_notation.h"

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

// ---- Texts --------------------------------------------------------------------------------------

namespace {

// Whole degrees as the angle of one turn they stand for, 0 ... 359.
int withinTurn(int degrees)
{
    return ((degrees % 360) + 360) % 360;
}

QString degreeLine(const QString& prefix, int degrees)
{
    const int d = withinTurn(degrees);
    if (d == 0)
        return prefix + QStringLiteral("k 360°");
    return prefix + DegreeText(d) + QStringLiteral("° + k 360°");
}

QString radianText(int degrees)
{
    const int d = withinTurn(degrees);
    return d == 0 ? QStringLiteral(" 2Kp") : LinearPiFractionText(d);
}

// "30° + k 360°": a bound of an interval.
QString bound(int degrees)
{
    return DegreeText(degrees) + QStringLiteral("° + k 360°");
}

}  // namespace

LinearRootTexts linearRootTexts(const LinearSolution& s, long double c)
{
    LinearRootTexts t;
    if (s.constant) {
        t.Label2 = c == 0 ? QStringLiteral("sempre") : QStringLiteral("mai");
        return t;
    }
    if (s.written == 0)
        return t;
    t.Label7 = QStringLiteral(" x1 = ");
    t.Label2 = degreeLine(t.Label7, s.deg1);
    t.Label8 = radianText(s.deg1);
    if (s.written == 2) {
        t.Label6 = QStringLiteral(" x2 = ");
        t.Label4 = degreeLine(t.Label6, s.deg2);
        t.Label11 = radianText(s.deg2);
    }
    return t;
}

IntervalTexts inequalityIntervalTexts(const LinearSolution& s, const Coefficients& k)
{
    const long double c = k[2];
    if (s.constant) {
        if (c >= 0)
            return {QStringLiteral("sempre"), QStringLiteral("mai")};
        return {QStringLiteral("mai"), QStringLiteral("sempre")};
    }
    const QString whole = app::commonText(app::Common::AllReals);
    const QString empty = app::commonText(app::Common::EmptySet);
    if (s.written == 1 && c < 0) {
        // Only the point of contact makes the left-hand side 0; everywhere else it is negative.
        const QString at = bound(withinTurn(s.deg1));
        return {QStringLiteral("x = ") + at, QStringLiteral("x ≠ ") + at};
    }
    if (s.written < 2) {
        // Without two crossings the left-hand side keeps (almost everywhere) the sign of c.
        if (c > 0)
            return {whole, empty};
        return {empty, whole};
    }
    const int lo = std::min(s.deg1, s.deg2);
    const int hi = std::max(s.deg1, s.deg2);
    // The sign in the middle of the arc from lo to hi tells which set that arc is.
    if (linearValue(k, (lo + hi) / 2.0L) >= 0)
        return {bound(lo) + QStringLiteral("' < = x <= ") + bound(hi),
                bound(hi - 360) + QStringLiteral("' <= x <= ") + bound(lo)};
    return {bound(hi - 360) + QStringLiteral("' < = x <= ") + bound(lo),
            bound(lo - 360) + QStringLiteral("' <= x <= ") + bound(hi - 360)};
}

QString EquationText(const QString& aText, const QString& bText)
{
    const QString plus = bText.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral("+");
    return (QStringLiteral("    ") + aText + QStringLiteral(" sin x ") + plus + bText + QStringLiteral(" cos x     "))
        .left(50);
}

QString InequalityText(const Coefficients& k, const std::array<QString, 3>& boxTexts, const QString& sineName)
{
    auto signed_ = [](const QString& text) {
        return text.startsWith(QLatin1Char('-')) ? text : QStringLiteral("+") + text;
    };
    QString aPart, bPart, cPart;
    if (k[0] != 0)
        aPart = (boxTexts[0] + QLatin1Char(' ') + sineName + QStringLiteral("x ")).left(15);
    if (k[1] != 0)
        bPart = (signed_(boxTexts[1]) + QStringLiteral(" cos x ")).left(15);
    if (k[2] != 0)
        cPart = signed_(boxTexts[2]).left(15);
    return ((aPart + bPart).left(30) + cPart).left(45);
}

}  // namespace solvers
