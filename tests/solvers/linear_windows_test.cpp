// The two linear windows driven as a user would: opened from the menu, stepped with held
// arrows, given coefficients in the dialog, repainted, closed and opened again; and their
// pictures read back at the points that matter.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/help.h"
#include "platform/updown.h"
#include "app/main_window.h"
#include "texts/text_tables.h"
#include "shell/window_registry.h"
#include "texts/angle_notation.h"
#include "solvers/frame/coefficient_controls.h"
#include "solvers/label_reading.h"
#include "solvers/linear/linear_drawing.h"
#include "solvers/linear/linear_window.h"
#include "solvers/picture_reading.h"
#include "solvers/solver_controls.h"

using namespace solvers;
using namespace solver_controls;
using namespace picture_reading;

namespace {

class LinearWindowTest : public ::testing::Test {
protected:
    void SetUp() override { main = makeMainWindow(); }

    template <class Window>
    Window* open()
    {
        constexpr bool equation = std::is_same_v<Window, Tequazionilineari>;
        main->menuItem(QString::fromLatin1(equation ? "Equazionilineari1" : "Disequazionilineari1"))->trigger();
        processEvents();
        return qobject_cast<Window*>(app::openChildWindow(equation ? 30 : 31));
    }
    static QString text(QObject* window, const char* name)
    {
        return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    // Types the three fields of the coefficient dialog and presses OK (or cancel).
    static void answerDialog(const std::array<const char*, 3>& fields, bool confirm)
    {
        whenModalShown([fields, confirm](QWidget* dialog) {
            const char* names[3] = {"espra", "esprb", "esprc"};
            for (int i = 0; i < 3; ++i) {
                if (!fields[size_t(i)])
                    continue;
                auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(names[i]));
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(fields[size_t(i)]));
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(confirm ? "BitBtn1" : "BitBtn2"), Qt::LeftButton);
        });
    }
    // A paint the window did not ask for, as when it is uncovered.
    static void uncover(app::ChildWindow* w)
    {
        w->surface().fill(Qt::red);
        w->client()->repaint();
    }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
};

TEST_F(LinearWindowTest, BothOpenFromTheMenuInTheirStartState)
{
    Tequazionilineari* e = open<Tequazionilineari>();
    Tdisequazionilineari* d = open<Tdisequazionilineari>();
    ASSERT_TRUE(e && d);
    EXPECT_EQ(e->objectName(), QStringLiteral("Tequazionilineari"));
    EXPECT_EQ(d->objectName(), QStringLiteral("Tdisequazionilineari"));
    EXPECT_EQ(e->windowTitle(), app::titleText(app::Title::LinearEquations));
    EXPECT_EQ(d->windowTitle(), app::titleText(app::Title::LinearInequalities));
    EXPECT_FALSE(app::windowClosed(30) || app::windowClosed(31));
    ASSERT_NE(Panel2(e), nullptr);
    EXPECT_EQ(Panel2(e)->text(), QStringLiteral("a sin x + b cos x + c = 0"));
    EXPECT_EQ(Panel2(d), nullptr);

    for (LinearSolverWindow* w : {static_cast<LinearSolverWindow*>(e), static_cast<LinearSolverWindow*>(d)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(w->backdropPending());
        EXPECT_TRUE(ToolBar1(w)->isVisible());
        for (const char* name : {"ToolBar3", "a", "pa", "b", "pb", "c", "pc", "dati", "aiuto", "Label2", "Label8",
                                 "Label4", "Label11"})
            EXPECT_NE(w->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
        EXPECT_EQ(w->coefficients()->a->text(), QStringLiteral("1.00"));
        EXPECT_EQ(w->coefficients()->b->text(), QStringLiteral("-1.50"));
        EXPECT_EQ(w->coefficients()->c->text(), QStringLiteral("0.50"));
        EXPECT_EQ(w->coefficients()->pa->position(), 100);
        EXPECT_EQ(w->coefficients()->pb->minimum(), -9000);
        EXPECT_EQ(w->coefficients()->pc->maximum(), 9000);
        EXPECT_EQ(w->coefficients()->dati->toolTip(), app::commonText(app::Common::DataEnter));
        EXPECT_EQ(w->coefficients()->a->width(), 45);
        EXPECT_EQ(w->coefficients()->values(), (Coefficients{1, -1.5L, 0.5L}));
        EXPECT_NEAR(double(w->findings().solution.g), 3.0, 1e-15);
    }
    EXPECT_EQ(text(e, "Label2"), QStringLiteral(" x1 = 40° + k 360°"));
    EXPECT_EQ(text(e, "Label7"), QStringLiteral(" x1 = "));
    EXPECT_EQ(text(e, "Label8"), QStringLiteral("2p/9 + 2Kp"));
    EXPECT_EQ(text(e, "Label4"), QStringLiteral(" x2 = 252° + k 360°"));
    EXPECT_EQ(text(e, "Label6"), QStringLiteral(" x2 = "));
    EXPECT_EQ(text(e, "Label11"), QStringLiteral("7p/5 + 2Kp"));
    EXPECT_EQ(text(d, "Label2"), QStringLiteral("a sin x + b cos x + c >= 0"));
    EXPECT_EQ(text(d, "Label4"), QStringLiteral("a sin x + b cos x + c < 0"));
    EXPECT_EQ(text(d, "Label8"), QStringLiteral("40° + k 360°' < = x <= 252° + k 360°"));
    EXPECT_EQ(text(d, "Label11"), QStringLiteral("-108° + k 360°' <= x <= 40° + k 360°"));

    QTest::mouseClick(aiuto(e), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 307);
    QTest::mouseClick(aiuto(d), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 309);
    EXPECT_EQ(main->openTopicWindow(30), e);
}

TEST_F(LinearWindowTest, EquationPictureAtItsPoints)
{
    Tequazionilineari* w = open<Tequazionilineari>();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    const QImage& surface = w->surface();
    const LinearSolution& s = w->findings().solution;

    // The radii end at 1.5 R: blue to x1 = 40°, lime to x2 = -108°.
    EXPECT_TRUE(colourNear(surface, solutionRadiusEnd(g, s.x1), Colors::clBlue));
    EXPECT_TRUE(colourNear(surface, solutionRadiusEnd(g, s.x2), Colors::clLime));
    EXPECT_TRUE(colourNear(surface, g.pointAt(s.x1, 0.75L * g.U), Colors::clBlue));
    // The arcs from 0: aqua at 20° on 1.1 R; yellow the long way round to 252°, at 126° on 1.2 R.
    EXPECT_TRUE(colourNear(surface, g.pointAt(radians(20), firstArcRadius(g)), Colors::clAqua));
    EXPECT_TRUE(colourNear(surface, g.pointAt(radians(126), secondArcRadius(g)), Colors::clYellow));
    EXPECT_FALSE(colourNear(surface, g.pointAt(radians(-54), secondArcRadius(g)), Colors::clYellow));
    // The white circle.
    EXPECT_TRUE(colourNear(surface, g.pointAt(radians(135), g.U), Colors::clWhite));

    // The level line y = -c and the marks at x1 and x2 between it and the axis.
    const int level = linearLevelY(g, w->findings().scaled);
    EXPECT_EQ(level, g.H / 4 + nearest(g.H / 10.0L * 0.5L / 2.5L));
    EXPECT_EQ(colourAt(surface, QPoint(g.levelLeft() + 2, level)), Colors::clRed);
    EXPECT_EQ(colourAt(surface, QPoint(g.levelRight() - 2, level)), Colors::clRed);
    EXPECT_NE(colourAt(surface, QPoint(g.levelRight() + 2, level)), Colors::clRed);
    const int between = (level + g.H / 4 + 1) / 2;
    // Marks beyond the graph area are cut off.
    int marks = 0;
    for (int period : {0, 1, -1}) {
        for (const auto& [x, colour] : {std::pair{s.x1, Colors::clAqua}, std::pair{s.x2, Colors::clYellow}}) {
            const int mx = linearMarkX(g, x, period);
            const bool inside = mx >= g.levelLeft() && mx < g.levelRight();
            marks += inside;
            EXPECT_EQ(colourAt(surface, QPoint(mx, between)) == colour, inside) << period;
        }
    }
    EXPECT_GE(marks, 4);

    // The white curve in the graph: its first point, and its top where sin x - 1.5 cos x is
    // greatest (x = 146.3°, height √3.25 / 2.5 of H/10).
    const QImage& bitmap = w->solverBitmap();
    const int top = g.H / 4 - nearest(std::sqrt(3.25L) / 2.5L * g.H / 10.0L);
    EXPECT_TRUE(colourNear(bitmap, QPoint(g.W / 4 + nearest(20 * radians(146.31L)), top), Colors::clWhite));
    // At -5π/2 the curve is at -a/S = -0.4.
    EXPECT_TRUE(colourNear(bitmap, QPoint(g.W / 4 - 157, g.H / 4 + nearest(0.4L * g.H / 10.0L)), Colors::clWhite));
}

TEST_F(LinearWindowTest, TangentAndSpecialCasesArePictured)
{
    Tequazionilineari* w = open<Tequazionilineari>();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    const QRect circlePart(0, 0, g.W / 2 - 2, g.H);
    const struct {
        Coefficients k;
        std::vector<int> blue;  // where the radii end (degrees): the first blue, the second lime
        std::vector<int> lime;
    } cases[] = {
        {{0.6L, 0.8L, -1}, {37}, {}},           // touching: its one radius, no second
        {{1, 0.5L, 0.5L}, {-53}, {180}},         // c = b: the second solution is 180°
        {{1, 0, -0.5L}, {30}, {150}},            // sin x = 1/2
        {{0, 1, -0.5L}, {60}, {-60}},            // cos x = 1/2
        {{0.6L, 0.8L, 1.5L}, {}, {}},            // missing the circle
    };
    for (const auto& c : cases) {
        w->setCoefficients(c.k);
        SCOPED_TRACE(::testing::Message() << double(c.k[0]) << ", " << double(c.k[1]) << ", " << double(c.k[2]));
        const QImage& surface = w->surface();
        for (int d : c.blue)
            EXPECT_TRUE(colourNear(surface, solutionRadiusEnd(g, radians(d)), Colors::clBlue, 2)) << d;
        for (int d : c.lime)
            EXPECT_TRUE(colourNear(surface, solutionRadiusEnd(g, radians(d)), Colors::clLime, 2)) << d;
        EXPECT_EQ(countColour(surface, circlePart, Colors::clBlue) > 0, !c.blue.empty());
        EXPECT_EQ(countColour(surface, circlePart, Colors::clLime) > 0, !c.lime.empty());
        EXPECT_EQ(countColour(surface, circlePart, Colors::clAqua) > 0, !c.blue.empty());
        EXPECT_EQ(countColour(surface, circlePart, Colors::clYellow) > 0, !c.lime.empty());
        // The level line y = -c across the graph, also when a or b is 0, with aqua marks at x1.
        const int level = linearLevelY(g, scaleFree(c.k));
        EXPECT_EQ(colourAt(surface, QPoint(g.levelLeft() + 2, level)), Colors::clRed);
        if (!c.blue.empty() && level != g.H / 4) {
            const int mark = linearMarkX(g, w->findings().solution.x1, 0);
            EXPECT_TRUE(colourNear(surface, QPoint(mark, (level + g.H / 4) / 2), Colors::clAqua));
        }
    }
    EXPECT_EQ(text(w, "Label2"), QString());
    // From two solutions to a touching line: the second one's labels do not stay behind.
    w->setCoefficients({1, -1.5L, 0.5L});
    EXPECT_FALSE(text(w, "Label4").isEmpty());
    w->setCoefficients({0.6L, 0.8L, -1});
    EXPECT_EQ(text(w, "Label2"), QStringLiteral(" x1 = 37° + k 360°"));
    EXPECT_EQ(text(w, "Label4"), QString());
    EXPECT_EQ(text(w, "Label6"), QString());
}

TEST_F(LinearWindowTest, TheLineIsClippedToTheDiscAroundTheCircle)
{
    Tequazionilineari* w = open<Tequazionilineari>();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    // The start line, then a vertical one (a = 0: cos x = 1/2) and a nearly vertical one whose
    // nearest point to the centre is far from the point where it crosses the vertical axis.
    const Coefficients lines[] = {{1, -1.5L, 0.5L}, {0, 1, -0.5L}, {0.01L, 1, 0.5L}, {1, 0, -0.3L}};
    for (const Coefficients& k : lines) {
        w->setCoefficients(k);
        SCOPED_TRACE(::testing::Message() << double(k[0]) << ", " << double(k[1]) << ", " << double(k[2]));
        QPoint from, to;
        ASSERT_TRUE(linearLineEnds(g, scaleFree(k), from, to));
        const QImage& surface = w->surface();
        const QPointF centre(g.W / 4.0, g.H / 2.0);
        // Both ends on the disc of radius 1.5 R, the middle white.
        for (QPoint end : {from, to})
            EXPECT_NEAR(QLineF(centre, end).length(), 1.5 * g.U, 1.5);
        for (double t : {0.1, 0.3, 0.7, 0.9}) {
            const QPoint p = (QPointF(from) * (1 - t) + QPointF(to) * t).toPoint();
            EXPECT_TRUE(colourNear(surface, p, Colors::clWhite)) << t;
        }
        // Beyond the ends, nothing white.
        const QPointF along = QPointF(to - from) / QLineF(from, to).length();
        for (QPointF beyond : {QPointF(to) + 12 * along, QPointF(from) - 12 * along})
            EXPECT_FALSE(colourNear(surface, beyond.toPoint(), Colors::clWhite));
    }
    // No sine and no cosine term: no line.
    QPoint from, to;
    EXPECT_FALSE(linearLineEnds(g, scaleFree({0, 0, 0.5L}), from, to));
    EXPECT_FALSE(linearLineEnds(g, scaleFree({0.6L, 0.8L, 1.5L}), from, to));
}

TEST_F(LinearWindowTest, InequalityCircleAndCurveAreColouredBySign)
{
    Tdisequazionilineari* w = open<Tdisequazionilineari>();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    const Coefficients shown[] = {{1, -1.5L, 0.5L}, {0, 1, -0.5L}, {1, 0.5L, 0.5L}, {0.6L, 0.8L, -1}};
    for (const Coefficients& k : shown) {
        w->setCoefficients(k);
        SCOPED_TRACE(::testing::Message() << double(k[0]) << ", " << double(k[1]) << ", " << double(k[2]));
        const QImage& surface = w->surface();
        // The chord ends: aqua where a sin x + b cos x + c >= 0, red elsewhere (away from the
        // boundaries and from the white line, drawn over the circle).
        int checked = 0;
        for (int i = 0; i < 360; ++i) {
            const bool atLeast = linearValue(k, i) >= 0;
            const QPoint vertex = chordVertex(g, i);
            bool sameAround = true;
            for (int j = i - 2; j <= i + 2; ++j)
                sameAround = sameAround && atLeast == (linearValue(k, j) >= 0);
            if (!sameAround || colourNear(surface, vertex, Colors::clWhite, 2))
                continue;
            ++checked;
            ASSERT_TRUE(colourNear(surface, vertex, atLeast ? Colors::clAqua : Colors::clRed)) << i;
            ASSERT_FALSE(colourNear(surface, vertex, atLeast ? Colors::clRed : Colors::clAqua)) << i;
        }
        EXPECT_GT(checked, 300);
        // No radii nor arcs in this picture.
        EXPECT_EQ(countColour(surface, QRect(0, 0, g.W / 2 - 2, g.H), Colors::clBlue), 0);
        EXPECT_EQ(countColour(surface, QRect(0, 0, g.W / 2 - 2, g.H), Colors::clYellow), 0);

        // The curve over the graph: aqua above the level -c, red below, checked where it is at
        // least two pixels away from the level.
        const Coefficients f = scaleFree(k);
        const long double S = std::fabs(f[0]) + std::fabs(f[1]);
        const long double unit = g.H / 10.0L;
        const QImage& bitmap = w->solverBitmap();
        for (int x = -150; x <= 150; x += 3) {
            const long double t = x / 20.0L;
            const long double value = (f[0] * std::sin(t) + f[1] * std::cos(t)) / S * unit;
            const long double level = -unit * f[2] / S;
            if (std::fabs(value - level) < 2)
                continue;
            const QPoint p(g.W / 4 + x, g.H / 4 - nearest(value));
            EXPECT_TRUE(colourNear(bitmap, p, value > level ? Colors::clAqua : Colors::clRed)) << x;
        }
        // The silver level line.
        EXPECT_EQ(colourAt(surface, QPoint(g.levelLeft() + 2, linearLevelY(g, scaleFree(k)))), Colors::clSilver);
    }
    // Without sine and cosine: the whole circle in the sign of c, and no curve.
    for (long double c : {0.5L, -0.5L}) {
        w->setCoefficients({0, 0, c});
        const QRect circlePart(0, 0, g.W / 2 - 2, g.H);
        EXPECT_GT(countColour(w->surface(), circlePart, c > 0 ? Colors::clAqua : Colors::clRed), 0);
        EXPECT_EQ(countColour(w->surface(), circlePart, c > 0 ? Colors::clRed : Colors::clAqua), 0);
        EXPECT_EQ(countColour(w->solverBitmap(), QRect(QPoint(0, 0), w->solverBitmap().size()), Colors::clAqua), 0);
        EXPECT_EQ(text(w, "Label8"), c > 0 ? QStringLiteral("sempre") : QStringLiteral("mai"));
    }
}

TEST_F(LinearWindowTest, SmallCoefficientsStillHaveTheirSolutions)
{
    Tequazionilineari* e = open<Tequazionilineari>();
    Tdisequazionilineari* d = open<Tdisequazionilineari>();
    ASSERT_TRUE(e && d);
    answerDialog({"0.02", "0", "-0.01"}, true);
    e->coefficients()->datiClick();
    answerDialog({"0.02", "0", "-0.01"}, true);
    d->coefficients()->datiClick();
    EXPECT_EQ(text(e, "Label2"), QStringLiteral(" x1 = 30° + k 360°"));
    EXPECT_EQ(text(e, "Label4"), QStringLiteral(" x2 = 150° + k 360°"));
    EXPECT_EQ(text(d, "Label8"), QStringLiteral("30° + k 360°' < = x <= 150° + k 360°"));
    EXPECT_TRUE(colourNear(e->surface(), solutionRadiusEnd(e->geometry(), radians(150)), Colors::clLime));
}

TEST_F(LinearWindowTest, LargeCoefficientsNearlyTouchingShowBothSolutions)
{
    Tequazionilineari* e = open<Tequazionilineari>();
    Tdisequazionilineari* d = open<Tdisequazionilineari>();
    ASSERT_TRUE(e && d);
    const SolverGeometry g = e->geometry();
    static const QRegularExpression number(QStringLiteral("(-?\\d+)°"));
    auto turn = [](long double degrees) { return ((int(std::lround(degrees)) % 360) + 360) % 360; };
    int pairs = 0;
    // a, b in hundredths; c just inside the circle: c² a few hundredths² below a² + b².
    const int values[] = {-9000, -7000, -3000, 0, 2000, 3000, 4000, 9000};
    for (int A : values) {
        for (int B : values) {
            const long long n = 1LL * A * A + 1LL * B * B;
            if (n == 0)
                continue;
            const long long top = std::llround(std::floor(std::sqrt(double(n - 1))));
            for (long long m : {top, top - 1, top - 7, -top, -top + 2}) {
                if (m * m >= n)
                    continue;
                const Coefficients k{A / 100.0L, B / 100.0L, m / 100.0L};
                // a sin x + b cos x = r sin(x + φ).
                const long double r = std::sqrt(k[0] * k[0] + k[1] * k[1]);
                const long double phi = std::atan2(k[1], k[0]) * 180 / Pi;
                const long double base = std::asin(-k[2] / r) * 180 / Pi;
                const std::set<int> expected{turn(base - phi), turn(180 - base - phi)};
                if (expected.size() < 2)
                    continue;
                ++pairs;
                SCOPED_TRACE(::testing::Message() << A << ", " << B << ", " << m);
                e->setCoefficients(k);
                d->setCoefficients(k);
                std::set<int> written;
                for (const char* label : {"Label2", "Label4"})
                    if (const auto x = label_reading::degreeSolution(text(e, label)))
                        written.insert(*x);
                EXPECT_EQ(written, expected);
                for (int x : expected)
                    EXPECT_TRUE(colourNear(e->surface(), solutionRadiusEnd(g, radians(x)), Colors::clBlue, 2) ||
                                colourNear(e->surface(), solutionRadiusEnd(g, radians(x)), Colors::clLime, 2))
                        << x;
                // The inequality's sets are bounded by the two solutions.
                std::set<int> bounds;
                for (const QString& label : {text(d, "Label8"), text(d, "Label11")})
                    for (const auto& match : number.globalMatch(label))
                        if (match.captured(1) != QLatin1String("360"))
                            bounds.insert(turn(match.captured(1).toInt()));
                EXPECT_EQ(bounds, expected) << text(d, "Label8").toStdString();
            }
        }
    }
    EXPECT_GT(pairs, 150);
    // The first case the issue found: sin x = -0.99989, x = 269° and 271°.
    e->setCoefficients({90, 0, 89.99L});
    EXPECT_EQ(text(e, "Label2"), QStringLiteral(" x1 = 271° + k 360°"));
    EXPECT_EQ(text(e, "Label4"), QStringLiteral(" x2 = 269° + k 360°"));
}

TEST_F(LinearWindowTest, HeldArrowsAccelerateAndReleaseResets)
{
    Tequazionilineari* e = open<Tequazionilineari>();
    Tdisequazionilineari* d = open<Tdisequazionilineari>();
    ASSERT_TRUE(e && d);
    // Equation: 1 for clicks 1-9, 5 from the 10th, 10 from the 25th. Inequality: also 20 from the 50th.
    const struct {
        LinearSolverWindow* window;
        int steps;
        int lastIncrement;
    } cases[] = {{e, 60, 10}, {d, 60, 20}};
    for (const auto& c : cases) {
        platform::UpDown* pb = c.window->coefficients()->pb;
        int expected = pb->position();
        for (int step = 1; step <= c.steps; ++step) {
            expected += pb->increment();
            pb->stepUp();
        }
        EXPECT_EQ(pb->position(), expected);
        EXPECT_EQ(pb->increment(), c.lastIncrement);
        EXPECT_EQ(c.window->coefficients()->stepPressCount(), c.steps);
        EXPECT_EQ(c.window->coefficients()->values()[1], expected / 100.0L);
        EXPECT_EQ(c.window->coefficients()->b->text(), CoefficientBoxText(expected / 100.0L));
        // The results follow the last step.
        EXPECT_EQ(c.window->findings().solution.deg1,
                  solveLinear(c.window->coefficients()->values(), c.window == e ? AngleSpan::HalfTurnEachSide : AngleSpan::OneTurn).deg1);
        c.window->coefficients()->pc->release();
        EXPECT_EQ(c.window->coefficients()->stepPressCount(), 0);
        EXPECT_EQ(pb->increment(), 1);
        pb->stepDown();
        EXPECT_EQ(pb->position(), expected - 1);
    }
    // Steps before 10 move by hundredths: -1.50 + 0.09.
    d->close();
    processEvents();
    d = open<Tdisequazionilineari>();
    for (int step = 0; step < 9; ++step)
        d->coefficients()->pb->stepUp();
    EXPECT_EQ(d->coefficients()->b->text(), QStringLiteral("-1.41"));
}

TEST_F(LinearWindowTest, TypedCoefficientsSurviveRepaintsAndOtherWindows)
{
    Tequazionilineari* e = open<Tequazionilineari>();
    Tdisequazionilineari* d = open<Tdisequazionilineari>();
    ASSERT_TRUE(e && d);
    answerDialog({"-sqrt(3)", "1", "-1"}, true);
    e->coefficients()->datiClick();
    const long double a = e->coefficients()->values()[0];
    EXPECT_NEAR(double(a), -std::sqrt(3.0), 1e-15);
    EXPECT_NE(a, -1.73L);
    EXPECT_EQ(e->coefficients()->a->text(), QStringLiteral("-1.73"));
    EXPECT_EQ(e->coefficients()->pa->position(), -173);
    // -√3 sin x + cos x - 1 = 0: x = -120° (240°) and x = 0°.
    EXPECT_EQ(text(e, "Label2"), QStringLiteral(" x1 = 240° + k 360°"));
    EXPECT_EQ(text(e, "Label4"), QStringLiteral(" x2 = k 360°"));
    const QString second = text(e, "Label11");

    // Another coefficient window stepped, then this one repainted and activated: nothing moves.
    d->coefficients()->pa->stepUp();
    d->coefficients()->pb->stepDown();
    const int steps = e->coefficients()->stepPressCount();
    main->openTopicWindow(30);
    processEvents();
    const int paints = e->formPaintCount();
    uncover(e);
    EXPECT_GT(e->formPaintCount(), paints);
    EXPECT_EQ(e->coefficients()->values()[0], a);
    EXPECT_EQ(e->coefficients()->values()[1], 1.0L);
    EXPECT_EQ(e->coefficients()->values()[2], -1.0L);
    EXPECT_EQ(e->coefficients()->stepPressCount(), steps);
    EXPECT_EQ(text(e, "Label11"), second);
    EXPECT_EQ(colourAt(e->surface(), QPoint(2, 2)), Colors::clBlack);

    // Beyond the up-down's range: the position stops at 9000, the typed value stays until pa is stepped.
    answerDialog({"1000", nullptr, nullptr}, true);
    e->coefficients()->datiClick();
    EXPECT_EQ(e->coefficients()->pa->position(), 9000);
    EXPECT_EQ(e->coefficients()->values()[0], 1000.0L);
    EXPECT_EQ(e->coefficients()->a->text(), QStringLiteral("1000."));
    uncover(e);
    EXPECT_EQ(e->coefficients()->values()[0], 1000.0L);
    e->coefficients()->pb->stepUp();
    EXPECT_EQ(e->coefficients()->values()[0], 1000.0L);
    e->coefficients()->pa->stepDown();
    EXPECT_EQ(e->coefficients()->values()[0], 89.99L);
    EXPECT_EQ(e->coefficients()->a->text(), QStringLiteral("89.99"));

    // Cancel changes nothing.
    const Coefficients before = e->coefficients()->values();
    const QString first = text(e, "Label2");
    answerDialog({"5", "5", "5"}, false);
    e->coefficients()->datiClick();
    EXPECT_EQ(e->coefficients()->values(), before);
    EXPECT_EQ(text(e, "Label2"), first);
}

TEST_F(LinearWindowTest, ClosingAndReopeningStartsAgain)
{
    for (int slot : {30, 31}) {
        SCOPED_TRACE(slot);
        LinearSolverWindow* w = slot == 30 ? static_cast<LinearSolverWindow*>(open<Tequazionilineari>())
                                           : static_cast<LinearSolverWindow*>(open<Tdisequazionilineari>());
        ASSERT_NE(w, nullptr);
        const QString startText = text(w, "Label8");
        for (int i = 0; i < 30; ++i)
            w->coefficients()->pc->stepDown();
        EXPECT_NE(text(w, "Label8"), startText);
        w->close();
        processEvents();
        EXPECT_TRUE(app::windowClosed(slot));
        EXPECT_EQ(app::openChildWindow(slot), nullptr);

        w = slot == 30 ? static_cast<LinearSolverWindow*>(open<Tequazionilineari>())
                       : static_cast<LinearSolverWindow*>(open<Tdisequazionilineari>());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->coefficients()->values(), (Coefficients{1, -1.5L, 0.5L}));
        EXPECT_EQ(w->coefficients()->c->text(), QStringLiteral("0.50"));
        EXPECT_EQ(w->coefficients()->pc->increment(), 1);
        EXPECT_EQ(w->coefficients()->stepPressCount(), 0);
        EXPECT_EQ(text(w, "Label8"), startText);
        w->close();
        processEvents();
    }
}

}  // namespace
