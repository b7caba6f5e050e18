// The quadratic equation's texts: every label text of the worked examples and edge cases, and a
// sweep over coefficients checking that each degree written solves the equation to within its
// whole-degree rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

#include "common/test_support.h"
#include "solvers/quadratic_coefficient_grid.h"
#include "texts/text_tables.h"
#include "solvers/label_reading.h"
#include "solvers/quadratic/quadratic_drawing.h"
#include "solvers/quadratic/quadratic_texts.h"

using namespace solvers;

namespace {

// ---- Labels -----------------------------------------------------------------------------------

using Labels = std::map<int, QString>;  // the labels that are not empty

void expectLabels(int function, long double a, long double b, long double c, const Labels& expected)
{
    const std::array<QString, 15> label = quadraticEquationLabels(solveQuadraticEquation(function, a, b, c));
    for (int n = 1; n <= 14; ++n) {
        const auto it = expected.find(n);
        EXPECT_EQ(label[std::size_t(n)].toStdString(), it == expected.end() ? "" : it->second.toStdString())
            << "Label" << n << " for " << function << ": " << double(a) << ", " << double(b) << ", " << double(c);
    }
}

class QuadraticEquationLabels : public ::testing::Test {
protected:
    ScratchDirectory scratch;  // English texts
};

TEST_F(QuadraticEquationLabels, DefaultEquation)
{
    expectLabels(Sine, 1, -1.5L, 0.5L,
                 {{1, " sin x1 = 1.00000 "}, {2, " x1 = 90° + k 360°"}, {7, "x1 = "}, {8, "p/2 + 2Kp"},
                  {5, " x1 = 90° + k 360° "}, {10, "x1 = "}, {9, "p/2 + 2Kp"}, {3, " sin x2 = 0.50000 "},
                  {4, " x2 = 30° + k 360°"}, {6, "x2 = "}, {11, "p/6 + 2Kp"}, {12, " x2 = 150° + k 360° "},
                  {13, "x2 = "}, {14, "5p/6 + 2Kp"}});
    const QuadraticEquationFindings r = solveQuadraticEquation(Sine, 1, -1.5L, 0.5L);
    ASSERT_EQ(r.drawn.size(), 2u);
    EXPECT_EQ(r.drawn[0].t, 1);
    EXPECT_EQ(rootDrawing(r.drawn[0]).m, 0.2L);
    EXPECT_EQ(r.drawn[1].t, 0.5L);
    EXPECT_EQ(rootDrawing(r.drawn[1]).m, 0.6L);
    EXPECT_EQ(quadraticEquationText(Sine), "a (sin x)^2 + b sin x + c = 0");
    EXPECT_EQ(quadraticEquationText(Tangent), "a (tan x)^2 + b tan x + c = 0");
}

TEST_F(QuadraticEquationLabels, SymmetricSineRootsAndTheDialogExample)
{
    expectLabels(Sine, 1, 0, -0.25L,
                 {{1, " sin x1 = 0.50000 "}, {2, " x1 = 30° + k 360°"}, {7, "x1 = "}, {8, "p/6 + 2Kp"},
                  {5, " x1 = 150° + k 360° "}, {10, "x1 = "}, {9, "5p/6 + 2Kp"}, {3, " sin x2 = -0.5000 "},
                  {4, " x2 = 330° + k 360°"}, {6, "x2 = "}, {11, "11p/6 + 2Kp"}, {12, " x2 = 210° + k 360° "},
                  {13, "x2 = "}, {14, "7p/6 + 2Kp"}});
    // 4t² - 2(√3 + √2)t + √6 = 0: t = √3/2 and √2/2.
    const std::array<QString, 15> label =
        quadraticEquationLabels(solveQuadraticEquation(Sine, 4, -2 * (std::sqrt(3.0L) + std::sqrt(2.0L)), std::sqrt(6.0L)));
    EXPECT_EQ(label[2], " x1 = 60° + k 360°");
    EXPECT_EQ(label[5], " x1 = 120° + k 360° ");
    EXPECT_EQ(label[8], "p/3 + 2Kp");
    EXPECT_EQ(label[9], "2p/3 + 2Kp");
    EXPECT_EQ(label[4], " x2 = 45° + k 360°");
    EXPECT_EQ(label[12], " x2 = 135° + k 360° ");
    EXPECT_EQ(label[11], "p/4 + 2Kp");
    EXPECT_EQ(label[14], "3p/4 + 2Kp");
}

TEST_F(QuadraticEquationLabels, SingleRootsAtTheSpecialAngles)
{
    // Linear equations b t + c = 0 with t = -1, 1, 0: one root, drawn with m = 0.
    expectLabels(Cosine, 0, 1, 1,
                 {{1, " cos x1 = -1.0000 "}, {2, " x1 = 180° + k 360° "}, {7, "x1 = "}, {8, " p + 2Kp"},
                  {5, " x1 = 180° + k 360° "}, {10, "x1 = "}, {9, " p + 2Kp"}});
    expectLabels(Cosine, 0, 1, -1,
                 {{1, " cos x1 = 1.00000 "}, {2, " x1 = k 360°"}, {7, "x1 = "}, {8, " 2Kp"}, {5, " x1 = k 360°"},
                  {10, "x1 = "}, {9, " 2Kp"}});
    expectLabels(Sine, 0, 1, 0,
                 {{1, " sin x1 = 0.00000 "}, {2, " x1 = k 360°"}, {7, "x1 = "}, {8, " 2Kp"},
                  {5, " x1 = 180° + k 360° "}, {10, "x1 = "}, {9, " p + 2Kp"}});
    expectLabels(Sine, 0, 1, 1,
                 {{1, " sin x1 = -1.0000 "}, {2, " x1 = 270° + k 360°"}, {7, "x1 = "}, {8, "3p/2 + 2Kp"},
                  {5, " x1 = 270° + k 360° "}, {10, "x1 = "}, {9, "3p/2 + 2Kp"}});
    expectLabels(Cosine, 0, 2, -1,
                 {{1, " cos x1 = 0.50000 "}, {2, " x1 = 60° + k 360° "}, {7, "x1 = "}, {8, "p/3 + 2Kp"},
                  {5, " x1 = 300° + k 360° "}, {10, "x1 = "}, {9, "5p/3 + 2Kp"}});
    const QuadraticEquationFindings r = solveQuadraticEquation(Cosine, 0, 2, -1);
    ASSERT_EQ(r.drawn.size(), 1u);
    EXPECT_EQ(rootDrawing(r.drawn[0]).m, 0);
}

TEST_F(QuadraticEquationLabels, TangentRoots)
{
    // Negative and zero angles keep their sign in the π form; the tangent has one family per root.
    expectLabels(Tangent, 0, 1, 1,
                 {{1, " tan x1 = -1.0000 "}, {2, " x1= -45° + k 180° "}, {7, "x1 = "}, {8, "-p/4 + Kp"}});
    expectLabels(Tangent, 0, 1, 0, {{1, " tan x1 = 0.00000 "}, {2, " x1= 0° + k 180° "}, {7, "x1 = "}, {8, " Kp"}});
    expectLabels(Tangent, 1, 0, -1,
                 {{1, " tan x1 = 1.00000 "}, {2, " x1= 45° + k 180° "}, {7, "x1 = "}, {8, "p/4 + Kp"},
                  {3, " tan x2 = -1.0000 "}, {4, " x2= -45° + k 180° "}, {6, "x2 = "}, {11, "-p/4 + Kp"}});
    // Roots far beyond the range of sine are still roots of the tangent.
    expectLabels(Tangent, 1, -3, 2,
                 {{1, " tan x1 = 2.00000 "}, {2, " x1= 63° + k 180° "}, {7, "x1 = "}, {8, "7p/20 + Kp"},
                  {3, " tan x2 = 1.00000 "}, {4, " x2= 45° + k 180° "}, {6, "x2 = "}, {11, "p/4 + Kp"}});
}

TEST_F(QuadraticEquationLabels, RootsOutOfRange)
{
    expectLabels(Sine, 1, -3, 2,
                 {{1, "sin x1 out of range"}, {3, " sin x2 = 1.00000 "}, {4, " x2 = 90° + k 360°"}, {6, "x2 = "},
                  {11, "p/2 + 2Kp"}, {12, " x2 = 90° + k 360° "}, {13, "x2 = "}, {14, "p/2 + 2Kp"}});
    const QuadraticEquationFindings r = solveQuadraticEquation(Sine, 1, -3, 2);
    ASSERT_EQ(r.drawn.size(), 1u);
    EXPECT_EQ(rootDrawing(r.drawn[0]).m, 0.6L);
    expectLabels(Cosine, 0, 2, -3, {{1, "cos x1 out of range"}});
    expectLabels(Cosine, 1, 0, -4, {{1, "cos x1 out of range"}, {3, "cos x2 out of range"}});
    EXPECT_TRUE(solveQuadraticEquation(Cosine, 1, 0, -4).drawn.empty());

    app::CurrentLanguage = 0;
    expectLabels(Cosine, 1, 0, -4, {{1, "cos x1 fuori intervallo"}, {3, "cos x2 fuori intervallo"}});
}

TEST_F(QuadraticEquationLabels, NoRealRoot)
{
    for (int function : {Sine, Cosine, Tangent}) {
        expectLabels(function, 1, 0, 1, {{8, "D < 0"}});
        EXPECT_TRUE(solveQuadraticEquation(function, 1, 0, 1).drawn.empty());
    }
}

TEST_F(QuadraticEquationLabels, RootAtMinusOneInHundredthsKeepsItsSolution)
{
    // a = 0.42, b = 0.97, c = 0.55: t = -1 and t = -1.31.
    expectLabels(Sine, 0.42L, 0.97L, 0.55L,
                 {{1, " sin x1 = -1.0000 "}, {2, " x1 = 270° + k 360°"}, {7, "x1 = "}, {8, "3p/2 + 2Kp"},
                  {5, " x1 = 270° + k 360° "}, {10, "x1 = "}, {9, "3p/2 + 2Kp"}, {3, "sin x2 out of range"}});
    expectLabels(Cosine, 0.42L, 0.97L, 0.55L,
                 {{1, " cos x1 = -1.0000 "}, {2, " x1 = 180° + k 360° "}, {7, "x1 = "}, {8, " p + 2Kp"},
                  {5, " x1 = 180° + k 360° "}, {10, "x1 = "}, {9, " p + 2Kp"}, {3, "cos x2 out of range"}});
    EXPECT_EQ(solveQuadraticEquation(Sine, 0.42L, 0.97L, 0.55L).drawn.size(), 1u);
}

TEST_F(QuadraticEquationLabels, DoubleRootIsShownAsOneRoot)
{
    expectLabels(Sine, 1, -1, 0.25L,
                 {{1, " sin x1 = 0.50000 "}, {2, " x1 = 30° + k 360°"}, {7, "x1 = "}, {8, "p/6 + 2Kp"},
                  {5, " x1 = 150° + k 360° "}, {10, "x1 = "}, {9, "5p/6 + 2Kp"}});
    const QuadraticEquationFindings r = solveQuadraticEquation(Sine, 1, -1, 0.25L);
    ASSERT_EQ(r.drawn.size(), 1u);
    EXPECT_EQ(rootDrawing(r.drawn[0]).m, 0);
    // Zero only up to rounding: (t + 0.1)².
    expectLabels(Tangent, 1, 0.2L, 0.01L,
                 {{1, " tan x1 = -0.1000 "}, {2, " x1= -6° + k 180° "}, {7, "x1 = "}, {8, "-p/30 + Kp"}});
    // Beyond the range: reported once.
    expectLabels(Sine, 1, -4, 4, {{1, "sin x1 out of range"}});
}

TEST_F(QuadraticEquationLabels, NoTermInT)
{
    for (int function : {Sine, Cosine, Tangent}) {
        expectLabels(function, 0, 0, 0, {{2, " x ∈ R"}});
        expectLabels(function, 0, 0, -2.5L, {{2, " x ∈ Ø"}});
        EXPECT_TRUE(solveQuadraticEquation(function, 0, 0, 0).drawn.empty());
    }
}

// ---- Sweep ----------------------------------------------------------------------------------------

// The real roots of a t² + b t + c, computed on their own (stable form, double precision).
std::vector<double> referenceRoots(double a, double b, double c)
{
    if (a == 0)
        return b == 0 ? std::vector<double>{} : std::vector<double>{-c / b};
    const double D = b * b - 4 * a * c;
    if (D < -1e-12)
        return {};
    if (std::fabs(D) <= 1e-12)
        return {-b / (2 * a)};
    const double q = -0.5 * (b + std::copysign(std::sqrt(D), b));
    return {q / a, c / q};
}

// Whether f takes the value t within half a degree of x (whole degrees).
bool solvesWithinRounding(int function, long double t, int x)
{
    long double low = std::numeric_limits<long double>::max(), high = -low;
    for (int i = 0; i <= 100; ++i) {
        const long double v = label_reading::trig(function, x - 0.5L + i / 100.0L);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return t >= low - 1e-9L && t <= high + 1e-9L;
}

TEST_F(QuadraticEquationLabels, SweepEveryWrittenDegreeSolvesTheEquation)
{
    const std::vector<std::array<int, 3>> grid = coefficient_grid::hundredths(12345, 1500);
    for (int function : {Sine, Cosine, Tangent}) {
        for (const auto& [ia, ib, ic] : grid) {
            const long double a = ia / 100.0L, b = ib / 100.0L, c = ic / 100.0L;
            const std::array<QString, 15> label = quadraticEquationLabels(solveQuadraticEquation(function, a, b, c));
            std::vector<double> roots = referenceRoots(ia / 100.0, ib / 100.0, ic / 100.0);
            int admissible = 0;
            for (double t : roots)
                admissible += function == Tangent || std::fabs(t) <= 1 + 1e-9;
            // Families written: Label2 and Label5 for x1, Label4 and Label12 for x2.
            int families = 0;
            for (int n : {2, 5, 4, 12}) {
                const QString& text = label[std::size_t(n)];
                if (text.isEmpty() || text.contains(QStringLiteral("∈")))
                    continue;
                ++families;
                const std::optional<int> x = label_reading::degreeSolution(text);
                ASSERT_TRUE(x.has_value()) << text.toStdString();
                if (function == Tangent) {
                    // Its π label beside it names the same angle, modulo 180°.
                    const std::optional<int> p = label_reading::radianBound(label[std::size_t(n == 2 ? 8 : 11)]);
                    ASSERT_TRUE(p.has_value()) << ia << " " << ib << " " << ic << " " << text.toStdString();
                    EXPECT_EQ(((*p - *x) % 180 + 180) % 180, 0) << text.toStdString();
                }
                bool solves = false;
                for (double t : roots)
                    solves = solves || solvesWithinRounding(function, t, *x);
                EXPECT_TRUE(solves) << function << ": " << ia << " " << ib << " " << ic << " " << text.toStdString();
            }
            EXPECT_EQ(families, admissible * (function == Tangent ? 1 : 2))
                << function << ": " << ia << " " << ib << " " << ic;
            for (const QString& text : label) {
                EXPECT_FALSE(text.contains(QStringLiteral("nan")) || text.contains(QStringLiteral("inf")));
            }
        }
    }
}

}  // namespace
