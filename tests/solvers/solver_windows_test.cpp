// The two elementary solver windows driven as a user would: opened from the menu, stepped,
// switched to another function, repainted, closed and opened again.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/help.h"
#include "platform/updown.h"
#include "app/main_window.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "shell/window_registry.h"
#include "texts/angle_notation.h"
#include "maths/elementary.h"
#include "solvers/elementary/elementary_drawing.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/picture_reading.h"
#include "solvers/solver_controls.h"

using namespace solvers;
using namespace solver_controls;
using namespace picture_reading;

namespace {

class SolverWindowTest : public ::testing::Test {
protected:
    void SetUp() override { main = makeMainWindow(); }

    template <class Window>
    Window* open(const char* menuItem, int slot)
    {
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        return qobject_cast<Window*>(app::openChildWindow(slot));
    }
    Tequa* openEquations() { return open<Tequa>("Equazionielementari1", 6); }
    Tdisequatr* openInequalities() { return open<Tdisequatr>("Disequazionielementari1", 9); }

    template <class T>
    static T* child(QObject* window, const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    static QString labelText(QObject* window, const char* name) { return child<QLabel>(window, name)->text(); }

    static void choose(ElementarySolverWindow* window, int function)
    {
        funzt(window)->setCurrentIndex(function);
        QTest::mouseClick(aggiorna(window), Qt::LeftButton);
        processEvents();
    }

    // The level row of the window's current state, on its surface.
    static int levelRow(ElementarySolverWindow* window)
    {
        const SolverGeometry g = window->geometry();
        return g.graphY(elementaryLevel(window->findings(), g.H));
    }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
};

TEST_F(SolverWindowTest, EquationWindowOpensFromTheMenuLaidOutOnTheSharedGeometry)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("Tequa"));
    EXPECT_EQ(w->windowTitle(), app::titleText(app::Title::ElementaryEquations));
    EXPECT_FALSE(app::windowClosed(6));
    EXPECT_FALSE(main->backgroundPicture()->isVisible());
    for (const char* name : {"sotto", "Bevel1", "Panel2", "barrasotto", "ToolBar1", "Panel3", "Panel1", "funzt",
                             "sposta", "aggiorna", "aiuto", "PopupMenu1", "Label1", "Label2", "Label5", "Label7",
                             "Label8", "Label9", "Label10"})
        EXPECT_NE(w->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(mostra(w)->objectName(), QStringLiteral("mostra"));

    // Laid out on the shared geometry.
    const int W = w->clientWidth(), H = w->clientHeight();
    EXPECT_EQ(w->geometry().W, W);
    EXPECT_EQ(w->geometry().H, H);
    EXPECT_EQ(w->scaleUnit(), w->screen()->geometry().width() / 8);
    EXPECT_EQ(frame(w, "sotto")->height(), app::windowMetrics().bottomBarHeight);
    EXPECT_EQ(frame(w, "sotto")->geometry().bottom(), H - 1);
    EXPECT_EQ(frame(w, "Panel1")->geometry(), QRect(W - (W / 2 + 2), H - app::windowMetrics().bottomBarHeight - H / 2, W / 2 + 2, H / 2));
    EXPECT_EQ(Panel2(w)->height(), app::windowMetrics().barPanelHeight);
    EXPECT_EQ(Panel2(w)->y(), app::windowMetrics().barPanelTop);
    EXPECT_EQ(frame(w, "Panel3")->y(), frame(w, "barrasotto")->geometry().bottom() + 1);
    EXPECT_EQ(frame(w, "Panel3")->size(), QSize(393, 25));

    // The first activation built the picture and showed the tool bar.
    EXPECT_FALSE(w->backdropPending());
    EXPECT_TRUE(ToolBar1(w)->isVisible());
    EXPECT_EQ(frame(w, "Panel3")->palette().color(QPalette::Window), Colors::clBlack);
    EXPECT_EQ(w->solverBitmap().size(), QSize(W / 2, H / 2));

    // Start state: the sine at 25°.
    EXPECT_EQ(sposta(w)->position(), 25);
    EXPECT_EQ(sposta(w)->minimum(), -90);
    EXPECT_EQ(sposta(w)->maximum(), 90);
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("sin x"));
    EXPECT_EQ(labelText(w, "Label1"), QStringLiteral(" sin x = 0.42262 "));
    EXPECT_EQ(labelText(w, "Label7"), QStringLiteral(" x ="));
    EXPECT_EQ(labelText(w, "Label10"), QStringLiteral(" x ="));
    EXPECT_EQ(labelText(w, "Label8"), QStringLiteral("5p/36 + 2Kp"));

    // Opening it again brings the same window forward.
    EXPECT_EQ(main->openTopicWindow(6), w);
}

TEST_F(SolverWindowTest, FirstPictureHasTheArrowedAxes)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    if (w->formPaintCount() > 0)
        GTEST_SKIP() << "the window was repainted before it could be looked at";
    const QImage& surface = w->surface();
    EXPECT_EQ(colourAt(surface, QPoint(g.W / 4, g.H / 5 + 3)), Colors::clGray);
    EXPECT_EQ(colourAt(surface, QPoint(g.W / 4, g.H / 5 - 4)), Colors::clBlack);
    EXPECT_EQ(colourAt(surface, QPoint(g.levelLeft() + 4, levelRow(w))), Colors::clLime);
}

TEST_F(SolverWindowTest, EveryArrowClickRedrawsAtOnce)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    for (int i = 0; i < 5; ++i)
        sposta(w)->stepUp();
    EXPECT_EQ(w->angleDeg(), 30);
    EXPECT_EQ(labelText(w, "Label1"), QStringLiteral(" sin x = 0.50000 "));
    EXPECT_EQ(labelText(w, "Label2"), QStringLiteral(" x = 30° + k 360°"));
    EXPECT_EQ(labelText(w, "Label9"), QStringLiteral("5p/6 + 2Kp"));
    // The surface already holds the new picture: the level line of sin 30° and the ray to 30°.
    const QImage& surface = w->surface();
    EXPECT_EQ(levelRow(w), g.H / 4 - nearest(0.5L * g.H / 10));
    EXPECT_EQ(colourAt(surface, QPoint(g.levelLeft() + 4, levelRow(w))), Colors::clLime);
    EXPECT_TRUE(colourNear(surface, g.pointAt(radians(30), 1.5L * g.U), Colors::clWhite));
    // The ray of the previous angle is gone.
    EXPECT_FALSE(colourNear(surface, g.pointAt(radians(25), 1.5L * g.U), Colors::clWhite));

    // Showing the click does not draw the picture a second time through the paint handler.
    const int paints = w->formPaintCount();
    processEvents();
    EXPECT_EQ(w->formPaintCount(), paints);

    // The range holds the angle: down to -90 and no further.
    for (int i = 0; i < 200; ++i)
        sposta(w)->stepDown();
    EXPECT_EQ(w->angleDeg(), -90);
    EXPECT_EQ(labelText(w, "Label2"), QStringLiteral(" x = 270° + k 360°"));
    EXPECT_EQ(labelText(w, "Label5"), QStringLiteral(" x = 270° + k 360° "));
}

TEST_F(SolverWindowTest, NewFunctionAppliesOnlyWithAggiornaAndRebuildsTheGraph)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    sposta(w)->stepUp();
    funzt(w)->setCurrentIndex(Tangent);
    processEvents();
    EXPECT_EQ(w->functionIndex(), Sine);
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("sin x"));

    QTest::mouseClick(aggiorna(w), Qt::LeftButton);
    processEvents();
    EXPECT_EQ(w->functionIndex(), Tangent);
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("tan x"));
    EXPECT_EQ(w->angleDeg(), 25);
    EXPECT_EQ(sposta(w)->position(), 25);
    EXPECT_EQ(sposta(w)->minimum(), 0);
    EXPECT_EQ(sposta(w)->maximum(), 180);
    EXPECT_EQ(labelText(w, "Label1"), QStringLiteral(" tan x = 0.46631 "));
    EXPECT_EQ(labelText(w, "Label8"), QStringLiteral("5p/36 + Kp"));
    for (const char* hidden : {"Label5", "Label9", "Label10"})
        EXPECT_FALSE(child<QLabel>(w, hidden)->isVisible()) << hidden;

    // The graph is the tangent's.
    QImage expected(w->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, w->geometry(), equationBackdropStyle(Tangent));
    EXPECT_EQ(w->solverBitmap(), expected);

    for (int i = 0; i < 65; ++i)
        sposta(w)->stepUp();
    EXPECT_EQ(labelText(w, "Label1"), QStringLiteral("tan = inf"));
    EXPECT_EQ(labelText(w, "Label8"), QStringLiteral("p/2 + Kp"));

    choose(w, Cosine);
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("cos x"));
    EXPECT_EQ(sposta(w)->minimum(), 0);
    for (const char* shown : {"Label5", "Label9", "Label10"})
        EXPECT_TRUE(child<QLabel>(w, shown)->isVisible()) << shown;
    EXPECT_EQ(labelText(w, "Label5"), QStringLiteral(" x = 335° + k 360° "));
}

TEST_F(SolverWindowTest, ARepaintDrawsTheCurrentStateAgain)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    sposta(w)->stepDown();
    processEvents();
    const QImage drawn = w->surface().copy();
    w->surface().fill(Qt::red);  // as if the window had been covered
    const int paints = w->formPaintCount();
    w->client()->repaint();
    EXPECT_GT(w->formPaintCount(), paints);
    EXPECT_EQ(w->angleDeg(), 24);
    const SolverGeometry g = w->geometry();
    // The circle part and the graph are drawn again as they were.
    for (const QRect part : {QRect(0, 0, g.W / 2 - 2, g.H), QRect(g.W / 2, 0, g.W / 2, g.H / 2)})
        EXPECT_EQ(w->surface().copy(part), drawn.copy(part));
}

TEST_F(SolverWindowTest, ClosingAndReopeningStartsAgain)
{
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    choose(w, Tangent);
    sposta(w)->stepUp();
    w->close();
    processEvents();
    EXPECT_TRUE(app::windowClosed(6));
    EXPECT_EQ(app::openChildWindow(6), nullptr);
    EXPECT_TRUE(main->backgroundPicture()->isVisible());

    Tequa* again = openEquations();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(app::windowClosed(6));
    EXPECT_EQ(again->functionIndex(), Sine);
    EXPECT_EQ(funzt(again)->currentIndex(), 0);
    EXPECT_EQ(again->angleDeg(), 25);
    EXPECT_EQ(sposta(again)->minimum(), -90);
    EXPECT_EQ(Panel2(again)->text(), QStringLiteral("sin x"));
    EXPECT_TRUE(resultLabel(again, 5)->isVisible());
    EXPECT_EQ(labelText(again, "Label1"), QStringLiteral(" sin x = 0.42262 "));
    QImage expected(again->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, again->geometry(), equationBackdropStyle(Sine));
    EXPECT_EQ(again->solverBitmap(), expected);
}

TEST_F(SolverWindowTest, HintSwitchHelpAndCursorsBelongToTheWindow)
{
    Tequa* equations = openEquations();
    Tdisequatr* inequalities = openInequalities();
    ASSERT_TRUE(equations && inequalities);
    EXPECT_TRUE(equations->showsHints());
    EXPECT_TRUE(mostra(equations)->isChecked());
    mostra(equations)->trigger();
    EXPECT_FALSE(equations->showsHints());
    EXPECT_FALSE(mostra(equations)->isChecked());
    EXPECT_TRUE(app::ShowHints);
    EXPECT_TRUE(inequalities->showsHints());
    mostra(equations)->trigger();
    EXPECT_TRUE(equations->showsHints());

    EXPECT_EQ(aiuto(equations)->toolTip(), QStringLiteral("help"));
    EXPECT_EQ(aggiorna(equations)->toolTip(), QStringLiteral("new"));
    EXPECT_EQ(funzt(equations)->toolTip(), QStringLiteral("function"));
    EXPECT_EQ(sposta(equations)->toolTip(), QStringLiteral("angle"));

    QTest::mouseClick(aiuto(equations), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 305);
    QTest::mouseClick(aiuto(inequalities), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 304);
    EXPECT_EQ(Help::helpContext(equations), 304);

    const Qt::CursorShape pointing = ScreenCursors::cursor(ScreenCursors::PointingHand).shape();
    for (QWidget* control : {static_cast<QWidget*>(sposta(equations)), static_cast<QWidget*>(funzt(equations)),
                             static_cast<QWidget*>(aggiorna(equations)), static_cast<QWidget*>(aiuto(equations))})
        EXPECT_EQ(control->cursor().shape(), pointing) << control->objectName().toStdString();
}

TEST_F(SolverWindowTest, ASettingOfShowHintsOffReachesNewWindows)
{
    app::ShowHints = false;
    Tequa* w = openEquations();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->showsHints());
    EXPECT_FALSE(mostra(w)->isChecked());
}

TEST_F(SolverWindowTest, InequalityWindowThroughItsFunctions)
{
    Tdisequatr* w = openInequalities();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("Tdisequatr"));
    EXPECT_EQ(w->windowTitle(), app::titleText(app::Title::ElementaryInequalities));
    EXPECT_EQ(w->solverBitmap().size(), QSize(w->geometry().W / 2, (w->geometry().H / 2) * 2));
    EXPECT_EQ(labelText(w, "Label1"), QStringLiteral(" sin x > = 0.42262 "));
    EXPECT_EQ(labelText(w, "Label5"), QStringLiteral(" k 360° <= x <= 25° + k 360° "));
    EXPECT_TRUE(resultLabel(w, 14)->isVisible());

    for (int i = 0; i < 115; ++i)
        sposta(w)->stepDown();
    EXPECT_EQ(w->angleDeg(), -90);
    EXPECT_EQ(labelText(w, "Label2"), QStringLiteral(" R"));
    EXPECT_EQ(labelText(w, "Label4"), QStringLiteral(" Ø"));
    for (int n = 5; n <= 14; ++n)
        EXPECT_FALSE(resultLabel(w, int(n))->isVisible()) << n;
    sposta(w)->stepUp();
    for (int n = 6; n <= 11; ++n)
        EXPECT_TRUE(resultLabel(w, int(n))->isVisible()) << n;
    for (int n : {5, 12, 13, 14})
        EXPECT_FALSE(resultLabel(w, int(n))->isVisible()) << n;

    choose(w, Cosine);
    EXPECT_EQ(w->angleDeg(), 25);
    EXPECT_EQ(sposta(w)->maximum(), 180);
    for (int n : {5, 12, 13, 14})
        EXPECT_FALSE(resultLabel(w, int(n))->isVisible()) << n;
    EXPECT_EQ(labelText(w, "Label2"), QStringLiteral(" -25° + k 360° <= x <= 25° + k 360° "));

    choose(w, Tangent);
    EXPECT_EQ(sposta(w)->minimum(), -89);
    EXPECT_EQ(sposta(w)->maximum(), 89);
    EXPECT_FALSE(resultLabel(w, 4)->isVisible());
    EXPECT_TRUE(resultLabel(w, 5)->isVisible());
    QImage expected(w->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, w->geometry(), inequalityBackdropStyle(Tangent));
    EXPECT_EQ(w->solverBitmap(), expected);
    for (int i = 0; i < 100; ++i)
        sposta(w)->stepUp();
    EXPECT_EQ(w->angleDeg(), 89);

    // After the tangent, the sine shows Label4 again.
    choose(w, Sine);
    EXPECT_TRUE(resultLabel(w, 4)->isVisible());
    EXPECT_EQ(labelText(w, "Label4"), QStringLiteral(" 155° + k 360° <= x <= k 360°"));
}

TEST_F(SolverWindowTest, InequalityStepShowsTheYellowCurveBelowTheLevel)
{
    Tdisequatr* w = openInequalities();
    ASSERT_NE(w, nullptr);
    sposta(w)->stepUp();  // 26°
    const SolverGeometry g = w->geometry();
    const int y = levelRow(w);
    const QImage& surface = w->surface();
    // Below the level, over the whole graph, no aqua is left; above it, no yellow.
    EXPECT_EQ(countColour(surface, QRect(g.W / 2, y + 1, g.W / 2, g.H / 2 - y - 1), Colors::clAqua), 0);
    EXPECT_GT(countColour(surface, QRect(g.W / 2, y + 1, g.W / 2, g.H / 2 - y - 1), Colors::clYellow), 100);
    EXPECT_EQ(countColour(surface, QRect(g.W / 2, 60, g.W / 2, y - 60), Colors::clYellow), 0);
    EXPECT_GT(countColour(surface, QRect(g.W / 2, 60, g.W / 2, y - 60), Colors::clAqua), 20);
}

}  // namespace
