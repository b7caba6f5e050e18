// The texts of the linear equation and inequalities: the exact result texts, and sweeps over a
// grid of coefficients checked against the mathematics.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "common/test_support.h"
#include "solvers/label_reading.h"
#include "solvers/linear/linear_texts.h"

using namespace solvers;

namespace {

struct EquationCase {
    Coefficients k;
    const char* x1Degrees;
    const char* x1Radians;
    const char* x2Degrees;
    const char* x2Radians;
};

TEST(LinearEquationTexts, EdgeCases)
{
    ScratchDirectory scratch;
    const EquationCase cases[] = {
        // The start equation sin x - 1.5 cos x + 0.5 = 0 (g = 3).
        {{1, -1.5L, 0.5L}, " x1 = 40° + k 360°", "2p/9 + 2Kp", " x2 = 252° + k 360°", "7p/5 + 2Kp"},
        // t1 = 0 and t2 = -2: x2 = -127° shown as 233°.
        {{1, -0.5L, 0.5L}, " x1 = k 360°", " 2Kp", " x2 = 233° + k 360°", "233p/180 + 2Kp"},
        // b = c = 0: the horizontal line through the centre, 0° and 180°.
        {{1, 0, 0}, " x1 = k 360°", " 2Kp", " x2 = 180° + k 360°", "p + 2Kp"},
        // A negative root: sin x = -1/2.
        {{1, 0, 0.5L}, " x1 = 330° + k 360°", "11p/6 + 2Kp", " x2 = 210° + k 360°", "7p/6 + 2Kp"},
        // cos x = 1/2: ± 60°.
        {{0, 1, -0.5L}, " x1 = 60° + k 360°", "p/3 + 2Kp", " x2 = 300° + k 360°", "5p/3 + 2Kp"},
        // c = b: one finite half-angle root, and x = 180°.
        {{1, 0.5L, 0.5L}, " x1 = 307° + k 360°", "307p/180 + 2Kp", " x2 = 180° + k 360°", "p + 2Kp"},
        // Small coefficients: 0.02 sin x - 0.01 = 0 is sin x = 1/2.
        {{0.02L, 0, -0.01L}, " x1 = 30° + k 360°", "p/6 + 2Kp", " x2 = 150° + k 360°", "5p/6 + 2Kp"},
        {{0.01L, 0.01L, -0.01L}, " x1 = k 360°", " 2Kp", " x2 = 90° + k 360°", "p/2 + 2Kp"},
        {{90, 0, -45}, " x1 = 30° + k 360°", "p/6 + 2Kp", " x2 = 150° + k 360°", "5p/6 + 2Kp"},
        // A line touching the circle: its one point.
        {{0.6L, 0.8L, -1}, " x1 = 37° + k 360°", "37p/180 + 2Kp", "", ""},
        {{0, 0.5L, 0.5L}, " x1 = 180° + k 360°", "p + 2Kp", "", ""},
        // Lines missing the circle, in the general and the special cases.
        {{0.6L, 0.8L, 1.5L}, "", "", "", ""},
        {{0, 0.5L, 1}, "", "", "", ""},
        {{0.5L, 0, -1}, "", "", "", ""},
    };
    for (const EquationCase& c : cases) {
        const LinearRootTexts t = linearRootTexts(solveLinearEquation(c.k));
        SCOPED_TRACE(::testing::Message() << double(c.k[0]) << ", " << double(c.k[1]) << ", " << double(c.k[2]));
        EXPECT_EQ(t.Label2.toStdString(), c.x1Degrees);
        EXPECT_EQ(t.Label8.toStdString(), c.x1Radians);
        EXPECT_EQ(t.Label4.toStdString(), c.x2Degrees);
        EXPECT_EQ(t.Label11.toStdString(), c.x2Radians);
        EXPECT_EQ(t.Label7.toStdString(), *c.x1Degrees ? " x1 = " : "");
        EXPECT_EQ(t.Label6.toStdString(), *c.x2Degrees ? " x2 = " : "");
    }
}

TEST(LinearEquationTexts, WithoutSineAndCosineTermsEveryXOrNone)
{
    const struct {
        long double c;
        const char* text;
    } cases[] = {{0, "sempre"}, {0.5L, "mai"}, {-0.5L, "mai"}};
    for (const auto& c : cases) {
        const LinearFindings f = solveLinearEquation({0, 0, c.c});
        EXPECT_TRUE(f.solution.constant);
        EXPECT_EQ(f.solution.written, 0);
        const LinearRootTexts t = linearRootTexts(f);
        EXPECT_EQ(t.Label2.toStdString(), c.text);
        for (const QString& other : {t.Label7, t.Label8, t.Label4, t.Label6, t.Label11})
            EXPECT_TRUE(other.isEmpty());
    }
}

TEST(LinearSolution, FarValuesGiveNoNumbersThatAreNot)
{
    const long double huge = std::numeric_limits<long double>::max();
    const Coefficients cases[] = {{huge, huge, -huge}, {huge, 0, huge}, {1e-4000L, 0, 0}, {0, 1e-4000L, 1}};
    for (const Coefficients& k : cases) {
        const LinearSolution s = solveLinear(k, AngleSpan::OneTurn);
        EXPECT_TRUE(std::isfinite(s.x1) && std::isfinite(s.x2));
        const LinearRootTexts t = linearRootTexts(solveLinearEquation(k));
        const IntervalTexts i = inequalityIntervalTexts(solveLinearInequality(k));
        for (const QString& text : {t.Label2, t.Label8, t.Label4, t.Label11, i.Label8, i.Label11}) {
            EXPECT_FALSE(text.contains(QLatin1String("nan")) || text.contains(QLatin1String("inf"))) << text.toStdString();
        }
    }
    EXPECT_EQ(solveLinear({1e-4000L, 0, 0}, AngleSpan::HalfTurnEachSide).deg2, 180);
}

struct InequalityCase {
    Coefficients k;
    const char* atLeastZero;
    const char* belowZero;
};

TEST(LinearInequalityTexts, EdgeCases)
{
    ScratchDirectory scratch;
    const InequalityCase cases[] = {
        {{1, -1.5L, 0.5L}, "40° + k 360°' < = x <= 252° + k 360°", "-108° + k 360°' <= x <= 40° + k 360°"},
        // sin x >= 1/2, also with small coefficients.
        {{1, 0, -0.5L}, "30° + k 360°' < = x <= 150° + k 360°", "-210° + k 360°' <= x <= 30° + k 360°"},
        {{0.02L, 0, -0.01L}, "30° + k 360°' < = x <= 150° + k 360°", "-210° + k 360°' <= x <= 30° + k 360°"},
        // cos x >= 1/2: -60° ... 60°.
        {{0, 1, -0.5L}, "-60° + k 360°' < = x <= 60° + k 360°", "-300° + k 360°' <= x <= -60° + k 360°"},
        // sin x >= -1/2.
        {{1, 0, 0.5L}, "-30° + k 360°' < = x <= 210° + k 360°", "-150° + k 360°' <= x <= -30° + k 360°"},
        // c = b: the second boundary is 180°.
        {{1, 0.5L, 0.5L}, "-53° + k 360°' < = x <= 180° + k 360°", "-180° + k 360°' <= x <= -53° + k 360°"},
        // Lines missing the circle: the sign of c everywhere.
        {{0.6L, 0.8L, 1.5L}, "R", "Ø"},
        {{0.6L, 0.8L, -1.5L}, "Ø", "R"},
        {{0, 0.5L, -1}, "Ø", "R"},
        // Nearly touching: the thin arc around 90° where the sign differs.
        {{1, 0, -0.9999L}, "89° + k 360°' < = x <= 91° + k 360°", "-269° + k 360°' <= x <= 89° + k 360°"},
        {{-1, 0, 0.9999L}, "-269° + k 360°' < = x <= 89° + k 360°", "-271° + k 360°' <= x <= -269° + k 360°"},
        // Closer still, both bounds round to 90°: that point, or every x.
        {{1, 0, -0.9999999L}, "x = 90° + k 360°", "x ≠ 90° + k 360°"},
        {{-1, 0, 0.9999999L}, "R", "Ø"},
        // Touching: >= 0 everywhere (c > 0), or only at the point of contact (c < 0).
        {{0.6L, 0.8L, 1}, "R", "Ø"},
        {{0.6L, 0.8L, -1}, "x = 37° + k 360°", "x ≠ 37° + k 360°"},
        {{0, 0, 0.5L}, "sempre", "mai"},
        {{0, 0, -0.5L}, "mai", "sempre"},
        {{0, 0, 0}, "sempre", "mai"},
    };
    for (const InequalityCase& c : cases) {
        const IntervalTexts t = inequalityIntervalTexts(solveLinearInequality(c.k));
        SCOPED_TRACE(::testing::Message() << double(c.k[0]) << ", " << double(c.k[1]) << ", " << double(c.k[2]));
        EXPECT_EQ(t.Label8.toStdString(), c.atLeastZero);
        EXPECT_EQ(t.Label11.toStdString(), c.belowZero);
    }
}

TEST(LinearTitles, EquationAndInequalityTexts)
{
    EXPECT_EQ(EquationText("1.00", "-1.50").toStdString(), "    1.00 sin x -1.50 cos x     ");
    EXPECT_EQ(EquationText("-10.0", "0.00").toStdString(), "    -10.0 sin x +0.00 cos x     ");
    EXPECT_EQ(EquationText(QString(60, QLatin1Char('1')), "1").size(), 50);

    const std::array<QString, 3> boxes = {"1.00", "-1.50", "0.50"};
    EXPECT_EQ(InequalityText({1, -1.5L, 0.5L}, boxes, "sin").toStdString(), "1.00 sinx -1.50 cos x +0.50");
    EXPECT_EQ(InequalityText({1, -1.5L, 0.5L}, boxes, "sen").toStdString(), "1.00 senx -1.50 cos x +0.50");
    EXPECT_EQ(InequalityText({0, 1.5L, -0.5L}, {"0.00", "1.50", "-0.50"}, "sin").toStdString(), "+1.50 cos x -0.50");
    EXPECT_EQ(InequalityText({0.001L, 0, 0}, {"0.00", "0.00", "0.00"}, "sin").toStdString(), "0.00 sinx ");
    EXPECT_EQ(InequalityText({1, 0, 0}, boxes, "a-very-long-sine-name").toStdString(), "1.00 a-very-lon");
    EXPECT_EQ(InequalityText({0, 0, 0}, boxes, "sin"), QString());
}

// ---- Sweeps over a grid of coefficients ------------------------------------------------------------

// a, b, c from -2 to 2 by 0.25.
std::vector<Coefficients> coefficientGrid()
{
    std::vector<Coefficients> grid;
    for (int i = -8; i <= 8; ++i)
        for (int j = -8; j <= 8; ++j)
            for (int l = -8; l <= 8; ++l)
                grid.push_back({i / 4.0L, j / 4.0L, l / 4.0L});
    return grid;
}

// The distance between two angles in degrees, along the circle.
long double turnDistance(long double x, long double y)
{
    const long double d = std::fmod(std::fabs(x - y), 360.0L);
    return std::min(d, 360 - d);
}

TEST(LinearEquationSweep, EveryWrittenAngleSolvesTheEquationAndNoneIsMissing)
{
    for (const Coefficients& k : coefficientGrid()) {
        const auto [a, b, c] = k;
        const LinearFindings f = solveLinearEquation(k);
        const LinearSolution& s = f.solution;
        const LinearRootTexts t = linearRootTexts(f);
        const long double r = std::sqrt(a * a + b * b);
        SCOPED_TRACE(::testing::Message() << double(a) << ", " << double(b) << ", " << double(c));
        if (r == 0)
            continue;
        // The solutions from a sin x + b cos x = r sin(x + φ), φ = atan2(b, a).
        std::vector<long double> expected;
        const long double g = a * a + b * b - c * c;
        if (g > 0) {
            const long double phi = std::atan2(b, a) * 180 / Pi;
            const long double base = std::asin(-c / r) * 180 / Pi;
            expected = {base - phi, 180 - base - phi};
            ASSERT_EQ(s.written, 2);
        }
        std::vector<long double> written;
        for (const auto& [degrees, radians] : {std::pair{t.Label2, t.Label8}, std::pair{t.Label4, t.Label11}}) {
            if (degrees.isEmpty())
                continue;
            const std::optional<int> d = label_reading::degreeSolution(degrees);
            const std::optional<int> p = label_reading::radianBound(radians);
            ASSERT_TRUE(d && p) << degrees.toStdString() << " / " << radians.toStdString();
            EXPECT_EQ(*d, *p);
            EXPECT_GE(*d, 0);
            EXPECT_LT(*d, 360);
            // Whole-degree rounding moves x by at most half a degree, the value by r·π/360.
            EXPECT_LE(std::fabs(linearValue(k, *d)), r * 3.1416L / 360 + 1e-12L) << *d;
            written.push_back(*d);
        }
        if (!expected.empty()) {
            ASSERT_EQ(written.size(), 2u);
            for (long double x : expected)
                EXPECT_TRUE(turnDistance(x, written[0]) <= 0.5L + 1e-9L || turnDistance(x, written[1]) <= 0.5L + 1e-9L)
                    << double(x);
        }
    }
}

// A solution set as written under >= 0 or < 0: whether a whole degree d belongs to it, or
// nothing when d lies within a degree of a bound (where rounding decides).
struct WrittenSet {
    enum Kind { Interval, Whole, Empty, Point, AllButPoint } kind;
    int low = 0, high = 0;

    std::optional<bool> contains(int d) const
    {
        switch (kind) {
        case Whole: return true;
        case Empty: return false;
        case Point:
        case AllButPoint:
            if (turnDistance(d, low) <= 1)
                return std::nullopt;
            return kind == AllButPoint;
        case Interval:
            if (turnDistance(d, low) <= 1 || turnDistance(d, high) <= 1)
                return std::nullopt;
            // Shift d into [low, low + 360).
            const int shifted = low + ((d - low) % 360 + 360) % 360;
            return shifted <= high;
        }
        return std::nullopt;
    }
};

std::optional<WrittenSet> readSet(const QString& text)
{
    if (text == QLatin1String("R") || text == QLatin1String("sempre"))
        return WrittenSet{WrittenSet::Whole};
    if (text == QStringLiteral("Ø") || text == QLatin1String("mai"))
        return WrittenSet{WrittenSet::Empty};
    static const QRegularExpression point(QStringLiteral("^x (=|≠) (-?\\d+)° \\+ k 360°$"));
    if (const auto m = point.match(text); m.hasMatch())
        return WrittenSet{m.captured(1) == QStringLiteral("=") ? WrittenSet::Point : WrittenSet::AllButPoint,
                          m.captured(2).toInt()};
    static const QRegularExpression interval(
        QStringLiteral("^(-?\\d+)° \\+ k 360°' (?:< =|<=) x <= (-?\\d+)° \\+ k 360°$"));
    if (const auto m = interval.match(text); m.hasMatch())
        return WrittenSet{WrittenSet::Interval, m.captured(1).toInt(), m.captured(2).toInt()};
    return std::nullopt;
}

TEST(LinearInequalitySweep, TheWrittenSetsHoldExactlyWhereTheSignSays)
{
    ScratchDirectory scratch;
    for (const Coefficients& k : coefficientGrid()) {
        const IntervalTexts t = inequalityIntervalTexts(solveLinearInequality(k));
        SCOPED_TRACE(::testing::Message() << double(k[0]) << ", " << double(k[1]) << ", " << double(k[2]));
        const std::optional<WrittenSet> atLeast = readSet(t.Label8);
        const std::optional<WrittenSet> below = readSet(t.Label11);
        ASSERT_TRUE(atLeast && below) << t.Label8.toStdString() << " / " << t.Label11.toStdString();
        if (atLeast->kind == WrittenSet::Interval) {
            // The two sets share their bounds and cover one turn between them.
            EXPECT_EQ(below->kind, WrittenSet::Interval);
            EXPECT_EQ(atLeast->high - atLeast->low + below->high - below->low, 360);
            EXPECT_EQ(turnDistance(atLeast->high, below->low) + turnDistance(atLeast->low, below->high), 0);
        }
        for (int d = 0; d < 360; ++d) {
            const long double value = linearValue(k, d);
            if (std::fabs(value) < 1e-12L)
                continue;  // on the boundary up to rounding
            const std::optional<bool> in = atLeast->contains(d);
            const std::optional<bool> out = below->contains(d);
            if (in)
                ASSERT_EQ(*in, value >= 0) << "at " << d << ": " << t.Label8.toStdString();
            if (out)
                ASSERT_EQ(*out, value < 0) << "at " << d << ": " << t.Label11.toStdString();
        }
    }
}

}  // namespace
