// The pictures of the elementary solver windows, painted into images and read back at the
// pixels that carry meaning.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/colors.h"
#include "texts/angle_notation.h"
#include "maths/elementary.h"
#include "solvers/elementary/elementary_drawing.h"
#include "solvers/linear/linear_drawing.h"
#include "solvers/picture_reading.h"
#include "solvers/frame/solver_drawing.h"

using namespace solvers;
using namespace picture_reading;
using namespace Colors;

namespace {

const SolverGeometry g{800, 700, 100};

QImage blankWindow()
{
    QImage image(g.W, g.H, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);  // anything the picture leaves alone stays visible as blue
    return image;
}

QImage backdrop(const BackdropStyle& style, int halves)
{
    QImage bitmap(g.bitmapSize(halves), QImage::Format_RGB32);
    SolverBackdrop(bitmap, g, style);
    return bitmap;
}

// A window image with the picture `draw` of (function, α) over the given backdrop.
template <class Draw>
QImage picture(const BackdropStyle& style, int halves, Draw draw, int function, int alpha, bool first)
{
    const QImage bitmap = backdrop(style, halves);
    QImage window = blankWindow();
    QPainter painter(&window);
    draw(painter, g, GraphSource{&bitmap, style}, solveElementary(function, alpha), first);
    return window;
}

QImage equationPicture(int function, int alpha, bool first = false)
{
    return picture(equationBackdropStyle(function), 1, &drawEquationPicture, function, alpha, first);
}

QImage inequalityPicture(int function, int alpha, bool first = false)
{
    return picture(inequalityBackdropStyle(function), 2, &drawInequalityPicture, function, alpha, first);
}

int levelRow(int function, int alpha)
{
    return g.H / 4 - nearest(elementaryLevel(solveElementary(function, alpha), g.H) * g.H / 10.0L);
}

QPoint onCircle(double degrees, int radius)
{
    return g.pointAt(radians(degrees), radius);
}

// ---- The graph backdrop ------------------------------------------------------------------------

TEST(SolverBackdrop, AxesTicksAndCurve)
{
    const QImage bitmap = backdrop(equationBackdropStyle(Sine), 1);
    const QPoint o = g.graphOriginInBitmap();
    EXPECT_EQ(bitmap.size(), QSize(400, 350));
    EXPECT_EQ(colourAt(bitmap, QPoint(o.x(), g.H / 10 + 20)), clWhite);
    EXPECT_EQ(colourAt(bitmap, QPoint(g.W / 20 + 3, o.y())), clWhite);
    EXPECT_EQ(colourAt(bitmap, QPoint(9 * g.W / 20 + 5, o.y())), clWhite);
    EXPECT_EQ(colourAt(bitmap, QPoint(9 * g.W / 20 + 7, o.y())), clWhite);  // arrowhead
    EXPECT_EQ(colourAt(bitmap, QPoint(g.W / 20 - 3, o.y())), clBlack);
    for (int i : {-2, -1, 1, 2}) {
        const int x = o.x() + nearest(20.0L * i * Pi);
        EXPECT_EQ(colourAt(bitmap, QPoint(x, o.y() - 5)), clWhite) << i;
        EXPECT_EQ(colourAt(bitmap, QPoint(x, o.y() + 5)), clWhite) << i;
        EXPECT_EQ(colourAt(bitmap, QPoint(x, o.y() - 8)), clBlack) << i;
    }
    // No tick at π/2 in this style.
    EXPECT_EQ(colourAt(bitmap, QPoint(o.x() + nearest(10.0L * Pi), o.y() - 5)), clBlack);
    // The sine's top at π/2 and bottom at -π/2, one unit (H/10 = 70 pixels) from the axis.
    EXPECT_TRUE(colourNear(bitmap, QPoint(o.x() + 31, o.y() - 70), clWhite));
    EXPECT_TRUE(colourNear(bitmap, QPoint(o.x() - 31, o.y() + 70), clWhite));
    EXPECT_TRUE(colourNear(bitmap, QPoint(o.x() - 157, o.y() + 70), clWhite));
    // Nothing of the curve beyond one unit: the rows between the name and the sine's top hold
    // only the vertical axis.
    const QRect band(0, g.H / 10 + 16, bitmap.width(), o.y() - 72 - (g.H / 10 + 16));
    EXPECT_EQ(countColour(bitmap, band, clWhite), countColour(bitmap, QRect(o.x(), band.top(), 1, band.height()), clWhite));
}

TEST(SolverBackdrop, HalfPiTicksForTheCoefficientWindows)
{
    BackdropStyle style;
    style.function = -1;
    style.halfPiTicks = true;
    const QImage bitmap = backdrop(style, 1);
    const QPoint o = g.graphOriginInBitmap();
    for (int k = -4; k <= 4; ++k)
        EXPECT_EQ(colourAt(bitmap, QPoint(o.x() + nearest(10.0L * k * Pi), o.y() + 5)), clWhite) << k;
    // No curve: nothing white away from the axes, labels and ticks.
    EXPECT_EQ(countColour(bitmap, QRect(o.x() + 5, o.y() - 60, 100, 50), clWhite), 0);
}

TEST(SolverBackdrop, InequalityGraphHoldsAnAquaAndAYellowCopy)
{
    for (int function : {Sine, Cosine, Tangent}) {
        const QImage bitmap = backdrop(inequalityBackdropStyle(function), 2);
        ASSERT_EQ(bitmap.size(), QSize(400, 700));
        const int half = g.H / 2;
        EXPECT_GT(countColour(bitmap, QRect(0, 0, 400, half), clAqua), 300) << function;
        EXPECT_EQ(countColour(bitmap, QRect(0, 0, 400, half), clYellow), 0) << function;
        EXPECT_GT(countColour(bitmap, QRect(0, half, 400, half), clYellow), 300) << function;
        EXPECT_EQ(countColour(bitmap, QRect(0, half, 400, half), clAqua), 0) << function;
        // The two copies are the same picture but for the curve's colour.
        for (int y = 0; y < half; y += 3)
            for (int x = 0; x < 400; x += 3) {
                QColor upper = colourAt(bitmap, QPoint(x, y)), lower = colourAt(bitmap, QPoint(x, y + half));
                if (upper == clAqua)
                    upper = clYellow;
                ASSERT_EQ(upper, lower) << function << " at " << x << "," << y;
            }
        // The axis of the lower copy ends 8 pixels further on.
        EXPECT_EQ(colourAt(bitmap, QPoint(9 * g.W / 20 + 8, half + g.H / 4)), clWhite);
    }
}

// ---- The equation picture -----------------------------------------------------------------------

struct LevelCase {
    int function;
    int alpha;
};

class LevelLineTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LevelLineTest, LimeAcrossTheGraphAtTheLevelRow)
{
    const auto [function, alpha] = GetParam();
    for (const QImage& picture : {equationPicture(function, alpha), inequalityPicture(function, alpha)}) {
        const int y = levelRow(function, alpha);
        ASSERT_GT(y, 0);
        for (int x = g.levelLeft(); x <= g.levelRight(); ++x)
            ASSERT_EQ(colourAt(picture, QPoint(x, y)), clLime) << x << "," << y;
        EXPECT_NE(colourAt(picture, QPoint(g.levelLeft() - 2, y)), clLime);
        EXPECT_NE(colourAt(picture, QPoint(g.levelRight() + 2, y)), clLime);
        // The markers reach from the axis to the level and no further: nothing lime on the row
        // beyond the level.
        const int beyond = y < g.H / 4 ? y - 1 : y + 1;
        EXPECT_EQ(countColour(picture, QRect(g.W / 2, beyond, g.W / 2, 1), clLime), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, LevelLineTest,
                         ::testing::Values(LevelCase{Sine, 25}, LevelCase{Sine, -90}, LevelCase{Sine, 60},
                                           LevelCase{Cosine, 0}, LevelCase{Cosine, 135}, LevelCase{Tangent, 45},
                                           LevelCase{Tangent, 20}));

TEST(EquationPicture, MarkersStandAtTheSolutions)
{
    const QImage picture = equationPicture(Sine, 30);
    const int y = levelRow(Sine, 30);
    for (long double x : elementaryAbscissas(Sine, 30)) {
        const int column = g.graphX(x);
        // Dotted lime from the axis up to the level.
        EXPECT_GE(countColour(picture, QRect(column, y, 1, g.H / 4 - y), clLime), (g.H / 4 - y) / 4) << double(x);
    }
    // Half-way between two solutions there is no marker.
    EXPECT_EQ(countColour(picture, QRect(g.graphX(Pi / 2), y + 1, 1, g.H / 4 - y - 2), clLime), 0);
}

TEST(EquationPicture, TangentAtNinetyHasNoConstructionAndALevelAboveTheGraph)
{
    const QImage picture = equationPicture(Tangent, 90);
    // No lime on the circle side (no tangent segments) and no level line in the graph.
    EXPECT_EQ(countColour(picture, QRect(0, 0, g.W / 2, g.H), clLime), 0);
    EXPECT_EQ(countColour(picture, QRect(g.levelLeft(), 0, 20, g.H / 2), clLime), 0);
    // The markers run from the axis off the top.
    EXPECT_GT(countColour(picture, QRect(g.graphX(Pi / 2), 0, 1, g.H / 4), clLime), g.H / 16);
    // No diameter: nothing white below the circle's centre on the right.
    EXPECT_EQ(countColour(picture, QRect(g.W / 4 + g.U + 3, g.H / 2 + 5, 100, 100), clWhite), 0);
}

struct RayCase {
    int function;
    int alpha;
    double first;   // degrees of the ray to α
    double second;  // degrees of the second ray (or the diameter's other end)
};

class RaysTest : public ::testing::TestWithParam<RayCase> {};

TEST_P(RaysTest, WhiteRaysEndAtOneAndAHalfUnits)
{
    const RayCase& c = GetParam();
    for (const QImage& picture : {equationPicture(c.function, c.alpha), inequalityPicture(c.function, c.alpha)}) {
        for (double direction : {c.first, c.second}) {
            const QPoint end = g.pointAt(radians(direction), 1.5L * g.U);
            EXPECT_TRUE(colourNear(picture, end, clWhite)) << direction;
            // Nothing white just beyond the end.
            EXPECT_FALSE(colourNear(picture, g.pointAt(radians(direction), 1.5L * g.U + 6), clWhite)) << direction;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, RaysTest,
                         ::testing::Values(RayCase{Sine, 25, 25, 155}, RayCase{Sine, -40, -40, 220},
                                           RayCase{Cosine, 60, 60, -60}, RayCase{Cosine, 150, 150, -150},
                                           RayCase{Tangent, 30, 30, 210}, RayCase{Tangent, 45, 45, 225}));

TEST(EquationPicture, ArcsInTheirColoursAndRadii)
{
    const int aquaRadius = nearest(4.0L * g.U / 3);
    const int yellowRadius = nearest(3.5L * g.U / 3);
    // Sine at 40: aqua from 0 to 40, yellow from 0 to 140.
    QImage picture = equationPicture(Sine, 40);
    EXPECT_TRUE(colourNear(picture, onCircle(20, aquaRadius), clAqua));
    EXPECT_FALSE(colourNear(picture, onCircle(60, aquaRadius), clAqua));
    EXPECT_TRUE(colourNear(picture, onCircle(120, yellowRadius), clYellow));
    EXPECT_FALSE(colourNear(picture, onCircle(160, yellowRadius), clYellow));
    // Cosine at 60: yellow from 0 to -60 counter-clockwise (the long way), aqua from 0 to 60.
    picture = equationPicture(Cosine, 60);
    EXPECT_TRUE(colourNear(picture, onCircle(200, yellowRadius), clYellow));
    EXPECT_FALSE(colourNear(picture, onCircle(-30, yellowRadius), clYellow));
    EXPECT_TRUE(colourNear(picture, onCircle(30, aquaRadius), clAqua));
    // Tangent at 30: yellow to 30, aqua to 210.
    picture = equationPicture(Tangent, 30);
    EXPECT_TRUE(colourNear(picture, onCircle(15, yellowRadius), clYellow));
    EXPECT_TRUE(colourNear(picture, onCircle(150, aquaRadius), clAqua));
    EXPECT_FALSE(colourNear(picture, onCircle(240, aquaRadius), clAqua));
    // Sine at 0: the aqua arc to 0° is a whole circle.
    picture = equationPicture(Sine, 0);
    EXPECT_TRUE(colourNear(picture, onCircle(200, aquaRadius), clAqua));
    EXPECT_TRUE(colourNear(picture, onCircle(300, aquaRadius), clAqua));
}

TEST(EquationPicture, ValueSegmentIsLimeAndThick)
{
    QImage picture = equationPicture(Sine, 30);
    const QPoint c = g.centre();
    for (int dx : {-1, 0, 1})
        EXPECT_EQ(colourAt(picture, QPoint(c.x() + dx, c.y() - 25)), clLime) << dx;
    EXPECT_NE(colourAt(picture, QPoint(c.x(), c.y() - 55)), clLime);
    picture = equationPicture(Cosine, 120);
    EXPECT_EQ(colourAt(picture, QPoint(c.x() - 25, c.y() + 1)), clLime);
    EXPECT_NE(colourAt(picture, QPoint(c.x() + 25, c.y())), clLime);
    picture = equationPicture(Tangent, 45);
    EXPECT_EQ(colourAt(picture, QPoint(c.x() + g.U, c.y() - 50)), clLime);
    EXPECT_EQ(colourAt(picture, QPoint(c.x() - g.U, c.y() + 50)), clLime);
}

TEST(EquationPicture, GreyAxesAndBlackLeftHalf)
{
    const QImage picture = equationPicture(Sine, 25);
    EXPECT_EQ(colourAt(picture, QPoint(2, g.H / 2)), clGray);
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 4, 3)), clGray);
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 4, g.H - 3)), clGray);
    EXPECT_EQ(colourAt(picture, QPoint(30, 30)), clBlack);
    // The strip left of the graph between the halves is not painted.
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 2 - 1, g.H - 20)), QColor(Qt::darkBlue));
    // The graph was copied to the upper right quarter.
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 2 + g.W / 4, g.H / 10 + 20)), clWhite);
}

TEST(EquationPicture, FirstPictureHasArrowedAxesAndNoMarkers)
{
    const QImage picture = equationPicture(Sine, 25, true);
    const QPoint c = g.centre();
    const int right = 9 * g.W / 20, top = g.H / 5;
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 20 + 1, c.y())), clGray);
    EXPECT_EQ(colourAt(picture, QPoint(g.W / 20 - 3, c.y())), clBlack);
    EXPECT_EQ(colourAt(picture, QPoint(right - 2, c.y() - 2)), clGray);  // arrowhead
    EXPECT_EQ(colourAt(picture, QPoint(c.x() + 2, top + 3)), clGray);     // arrowhead
    EXPECT_EQ(colourAt(picture, QPoint(c.x(), top - 4)), clBlack);
    EXPECT_EQ(colourAt(picture, QPoint(c.x(), 4 * g.H / 5 + 4)), clBlack);
    // Level line, no markers.
    const int y = levelRow(Sine, 25);
    EXPECT_EQ(colourAt(picture, QPoint(g.levelLeft() + 10, y)), clLime);
    EXPECT_EQ(countColour(picture, QRect(g.W / 2, y + 1, g.W / 2, g.H / 4 - y - 1), clLime), 0);
}

// ---- The inequality picture ------------------------------------------------------------------------

class TwoColourGraphTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(TwoColourGraphTest, AquaAboveTheLevelYellowBelow)
{
    const auto [function, alpha] = GetParam();
    const QImage picture = inequalityPicture(function, alpha);
    const int y = levelRow(function, alpha);
    const QRect graph(g.W / 2, 0, g.W / 2, g.H / 2);
    const QRect above(graph.left(), 0, graph.width(), std::clamp(y, 0, g.H / 2));
    const QRect below(graph.left(), std::max(y + 1, 0), graph.width(), g.H / 2 - std::max(y + 1, 0));
    EXPECT_EQ(countColour(picture, above, clYellow), 0);
    EXPECT_EQ(countColour(picture, below, clAqua), 0);
    // Where the curve has room on a side of the level, it shows there in that side's colour.
    const float a = elementaryLevel(solveElementary(function, alpha), g.H);
    if (above.height() > 5 && (function == Tangent || a < 0.9f))
        EXPECT_GT(countColour(picture, above, clAqua), 20);
    if (below.height() > 5 && (function == Tangent || a > -0.9f))
        EXPECT_GT(countColour(picture, below, clYellow), 20);
}

INSTANTIATE_TEST_SUITE_P(Angles, TwoColourGraphTest,
                         ::testing::Values(LevelCase{Sine, 25}, LevelCase{Sine, -90}, LevelCase{Sine, 90},
                                           LevelCase{Sine, -30}, LevelCase{Cosine, 0}, LevelCase{Cosine, 100},
                                           LevelCase{Cosine, 180}, LevelCase{Tangent, -89}, LevelCase{Tangent, 0},
                                           LevelCase{Tangent, 70}, LevelCase{Tangent, 89}));

TEST(InequalityPicture, TopAndBottomOfTheSineInTheirColours)
{
    const QImage picture = inequalityPicture(Sine, 25);
    const int ox = g.W / 2 + g.W / 4, oy = g.H / 4;
    EXPECT_TRUE(colourNear(picture, QPoint(ox + 31, oy - 70), clAqua));
    EXPECT_TRUE(colourNear(picture, QPoint(ox - 31, oy + 70), clYellow));
    EXPECT_TRUE(colourNear(picture, QPoint(ox + 94, oy + 70), clYellow));
}

TEST(InequalityPicture, LowerRectanglesFollowTheLevel)
{
    EXPECT_EQ(lowerSourceRect(g, 100), QRect(0, 450, 400, 250));
    EXPECT_EQ(lowerDestination(g, 100), QPoint(400, 100));
    // A level above the graph shows the whole yellow copy; one below it none.
    EXPECT_EQ(lowerSourceRect(g, -5000), QRect(0, 350, 400, 350));
    EXPECT_EQ(lowerDestination(g, -5000), QPoint(400, 0));
    EXPECT_TRUE(lowerSourceRect(g, 350).isEmpty());
    EXPECT_TRUE(lowerSourceRect(g, 9000).isEmpty());
}

struct ArcCase {
    int function;
    int alpha;
    std::vector<double> aqua;    // directions (degrees) on the aqua arcs
    std::vector<double> yellow;  // directions on the yellow arcs
};

class SolutionArcsTest : public ::testing::TestWithParam<ArcCase> {};

// In the first picture of a function as in every later one.
TEST_P(SolutionArcsTest, AquaWhereFIsAtLeastTheLevel)
{
    const ArcCase& c = GetParam();
    for (bool first : {false, true}) {
        SCOPED_TRACE(first ? "first picture" : "step");
        const QImage picture = inequalityPicture(c.function, c.alpha, first);
        const int r = nearest(4.0L * g.U / 3);
        for (double d : c.aqua) {
            EXPECT_TRUE(colourNear(picture, onCircle(d, r), clAqua)) << d;
            EXPECT_FALSE(colourNear(picture, onCircle(d, r), clYellow)) << d;
        }
        for (double d : c.yellow) {
            EXPECT_TRUE(colourNear(picture, onCircle(d, r), clYellow)) << d;
            EXPECT_FALSE(colourNear(picture, onCircle(d, r), clAqua)) << d;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, SolutionArcsTest,
    ::testing::Values(ArcCase{Sine, 25, {40, 80, 140}, {170, 250, 300, 10}},
                      ArcCase{Sine, -30, {-20, 60, 200}, {230, 300}},
                      ArcCase{Sine, -90, {10, 100, 200, 300}, {}},                  // every x
                      ArcCase{Sine, 90, {90}, {10, 80, 100, 200, 300}},             // one point
                      ArcCase{Cosine, 60, {-40, 10, 50}, {70, 180, 290}},
                      ArcCase{Cosine, 0, {0}, {10, 100, 200, 300, 350}},            // one point
                      ArcCase{Cosine, 180, {10, 100, 200, 300}, {}},                // every x
                      ArcCase{Tangent, 25, {30, 85, 210, 265}, {95, 200, 275, 20}},  // the first tangent
                      ArcCase{Tangent, 30, {40, 80, 220, 260}, {100, 200, 280, 20}},
                      ArcCase{Tangent, -45, {-30, 60, 150, 260}, {100, 120, 280, 300}}));

}  // namespace

// Far-off values (typed coefficients such as 10^20 or 10^-20) give coordinates held at
// ±FarCoordinate instead of overflowing the sums they enter.
TEST(FarCoordinates, AreHeldInsteadOfOverflowing)
{
    SolverGeometry g;
    g.W = 1596;
    g.H = 800;
    g.U = 200;
    const struct {
        long double t;
        int y;
    } levels[] = {{1e30L, -FarCoordinate}, {-1e30L, FarCoordinate}, {1e-30L, 200}, {1.0L, 120},
                  {-std::numeric_limits<long double>::max(), FarCoordinate}};
    for (const auto& c : levels)
        EXPECT_EQ(g.graphY(c.t), c.y) << double(c.t);
    // The linear windows' level line y = -c when the curve 10^-20 sin x is next to nothing.
    EXPECT_EQ(linearLevelY(g, scaleFree({1e-20L, 0, 1})), FarCoordinate);
    EXPECT_EQ(linearLevelY(g, {1e-20L, 0, -1}), -FarCoordinate);
    EXPECT_EQ(linearLevelY(g, {1, 0, 0.5L}), 200 + 40);
}
