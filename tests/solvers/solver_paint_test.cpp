// The paint hook of the six solver windows: the picture painted on a device that takes no
// cached bitmap and no bitwise-OR copy (a QPicture, as a printer or an SVG generator records
// it) is, played back on an image, pixel for pixel the picture the window shows, and so is
// what its paint drew on the screen; and the result texts read in order.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QTransform>

#include "common/test_support.h"
#include "graphs/tftrigon.h"
#include "platform/symbol_font.h"
#include "platform/updown.h"
#include "app/main_window.h"
#include "shell/window_registry.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/frame/solver_window.h"
#include "solvers/quadratic/quadratic_window.h"
#include "solvers/solver_controls.h"

using namespace solvers;
using namespace solver_controls;

namespace {

// The picture of a solver window: the left half and the graph.
QRegion pictureArea(const SolverGeometry& g)
{
    return QRegion(0, 0, g.W / 2 - 2, g.H) + QRegion(g.W / 2, 0, g.W / 2, g.H / 2);
}

// Pixels of `area` (logical pixels of `b`) that differ between two images.
int differences(const QImage& a, const QImage& b, const QRegion& area)
{
    int n = 0;
    const qreal ratio = b.devicePixelRatio();
    for (const QRect& part : QTransform::fromScale(ratio, ratio).map(area))
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// The client area of a window as the screen shows it, and the part its controls cover (but
// the paint box `quadro` and the picture's element for screen readers, which show the picture
// through).
QImage onScreen(app::ChildWindow* window, QRegion* controls)
{
    QWidget* top = window->window();
    const QImage screen = top->screen()->grabWindow(top->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    for (const QWidget* child : window->client()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child->objectName() != QStringLiteral("quadro") &&
            child->objectName() != QStringLiteral("picture"))
            *controls += child->geometry();
    const qreal ratio = window->devicePixelRatioF();
    return screen.copy(QRect(window->client()->mapTo(top, QPoint(0, 0)) * ratio, window->client()->size() * ratio));
}

// The solver window of `slot`, opened from its menu item.
SolverWindow* openSolver(app::Tangolario& main, const char* menuItem, int slot)
{
    main.menuItem(QString::fromLatin1(menuItem))->trigger();
    processEvents();
    return qobject_cast<SolverWindow*>(app::openChildWindow(slot));
}

// The window's function chosen and applied, where it has a choice.
void applyFunction(SolverWindow* window, int function)
{
    QComboBox* choice = funzt(window);
    if (!choice)
        return;
    choice->setCurrentIndex(function);
    window->aggiornaClick();
}

struct Shot {
    int slot;
    const char* menuItem;
    int function;
    std::array<long double, 3> coefficients;  // for the coefficient windows
    int steps;                                // of sposta, for the elementary windows
};

class SolverPaintTest : public ::testing::TestWithParam<Shot> {
protected:
    ScratchDirectory scratch;
};

}  // namespace

TEST_P(SolverPaintTest, APictureRecordedWithoutBitmapsIsTheWindowsPicture)
{
    const Shot& shot = GetParam();
    auto main = makeMainWindow();
    SolverWindow* window = openSolver(*main, shot.menuItem, shot.slot);
    ASSERT_NE(window, nullptr);
    applyFunction(window, shot.function);
    if (window->coefficients())
        window->setCoefficients(shot.coefficients);
    if (auto* elementary = qobject_cast<ElementarySolverWindow*>(window))
        for (int i = 0; i < shot.steps; ++i)
            sposta(elementary)->stepUp();
    processEvents();
    const SolverGeometry g = window->geometry();
    const QImage shown = window->surface().copy(0, 0, g.W, g.H);
    EXPECT_EQ(differences(recordedPicture(*window, QSize(g.W, g.H)), shown, pictureArea(g)), 0) << shot.menuItem;
    // The window keeps no surface: the screen holds the picture its paint drew there.
    QRegion controls;
    const QImage screen = onScreen(window, &controls);
    EXPECT_EQ(differences(screen, shown, pictureArea(g) - controls), 0) << shot.menuItem;
    EXPECT_FALSE(window->resultTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    SixWindows, SolverPaintTest,
    ::testing::Values(Shot{6, "Equazionielementari1", 0, {}, 5}, Shot{6, "Equazionielementari1", 2, {}, 0},
                      Shot{9, "Disequazionielementari1", 0, {}, 5}, Shot{9, "Disequazionielementari1", 2, {}, 3},
                      Shot{28, "Equazionidi2secondogrado1", 1, {2, -1, -1}, 0},
                      Shot{29, "Disquazionidisecondogrado1", 0, {-1, 0, 0.25L}, 0},
                      Shot{29, "Disquazionidisecondogrado1", 2, {1, 0, -1}, 0},
                      Shot{30, "Equazionilineari1", 0, {1, -1.5L, 0.5L}, 0},
                      Shot{31, "Disequazionilineari1", 0, {0.6L, 0.8L, -1}, 0}));

// A step redraws only the part of the picture that steps change: after steps of every size in
// every function, the screen still shows, pixel for pixel, the picture of the last one. (The
// tangent's dotted chord stays within the screen here: one that runs far off it is cut where
// the device ends, and its dots fall differently on devices of different sizes.)
struct Steps {
    int slot;
    const char* menuItem;
    const char* upDown;
    std::vector<int> positions;
};

class SolverStepsTest : public ::testing::TestWithParam<Steps> {
protected:
    ScratchDirectory scratch;
};

TEST_P(SolverStepsTest, TheScreenShowsThePictureOfTheLastStep)
{
    const Steps& steps = GetParam();
    auto main = makeMainWindow();
    SolverWindow* window = openSolver(*main, steps.menuItem, steps.slot);
    ASSERT_NE(window, nullptr);
    auto* upDown = window->findChild<platform::UpDown*>(QString::fromLatin1(steps.upDown));
    ASSERT_NE(upDown, nullptr);
    const SolverGeometry g = window->geometry();
    for (int function = 0; function < (funzt(window) ? 3 : 1); ++function) {
        applyFunction(window, function);
        for (int position : steps.positions) {
            upDown->clickTo(position);
            processEvents();
            QRegion controls;
            const QImage screen = onScreen(window, &controls);
            EXPECT_EQ(differences(screen, window->surface(), pictureArea(g) - controls), 0)
                << steps.menuItem << ", function " << function << ", position " << upDown->position();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SixWindows, SolverStepsTest,
    ::testing::Values(Steps{6, "Equazionielementari1", "sposta", {26, 27, 60, -60, 0, 120, -30, 45}},
                      Steps{9, "Disequazionielementari1", "sposta", {26, 27, 60, -60, 0, 30, -30, 45}},
                      Steps{28, "Equazionidi2secondogrado1", "pc", {51, 100, -100, 0, -250, 300, 20, -40}},
                      Steps{29, "Disquazionidisecondogrado1", "pc", {51, 100, -100, 0, -250, 300, 20, -40}},
                      Steps{30, "Equazionilineari1", "pc", {51, 200, -200, 0, -900, 900, 10, -100}},
                      Steps{31, "Disequazionilineari1", "pc", {51, 200, -200, 0, -900, 900, 10, -100}}),
    [](const ::testing::TestParamInfo<Steps>& info) { return std::string(info.param.menuItem); });

// The result texts in reading order, as they read on the screen.
TEST(SolverResultTexts, TopToBottomThenLeftToRightWithPiShown)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->menuItem(QStringLiteral("Equazionidi2secondogrado1"))->trigger();
    processEvents();
    auto* window = qobject_cast<Tequasecondogrado*>(app::openChildWindow(28));
    ASSERT_NE(window, nullptr);
    window->setCoefficients({1, 0, -0.25L});
    const QStringList texts = window->resultTexts();
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts[0], QStringLiteral(" sin x1 = 0.50000 "));
    EXPECT_EQ(texts[1], QStringLiteral(" x1 = 30° + k 360°"));
    EXPECT_EQ(texts[2], QStringLiteral("x1 = "));
    EXPECT_EQ(texts[3], platform::symbolFontText(QStringLiteral("p/6 + 2Kp")));
    EXPECT_TRUE(texts[3].startsWith(QStringLiteral("π/6")));
}

// A window that cannot be seen holds no surface and no bitmap; seen again, it shows the same
// picture as before, and so does a window brought back from its minimised state.
TEST(SolverPictures, UnseenWindowsFreeTheirPicturesAndShowThemAgain)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (const char* item : {"Funzioni1", "Equazionielementari1", "Disquazionidisecondogrado1"})
        main->menuItem(QString::fromLatin1(item))->trigger();
    processEvents();
    auto* graphs = qobject_cast<Tftrigon*>(app::openChildWindow(13));
    auto* equation = qobject_cast<Tequa*>(app::openChildWindow(6));
    auto* inequality = qobject_cast<Tdisequasecondogrado*>(app::openChildWindow(29));
    ASSERT_TRUE(graphs && equation && inequality);
    EXPECT_FALSE(graphs->isSeen());
    EXPECT_FALSE(graphs->holdsSurface());
    EXPECT_TRUE(graphs->circleBitmap().isNull());
    EXPECT_FALSE(equation->isSeen());
    EXPECT_TRUE(equation->solverBitmap().isNull());
    EXPECT_TRUE(inequality->isSeen());
    EXPECT_FALSE(inequality->holdsSurface());  // a solver window keeps none
    EXPECT_FALSE(inequality->solverBitmap().isNull());
    EXPECT_FALSE(inequality->bitmaps().RingBitmap.isNull());
    const QImage inequalityShown = inequality->surface();

    for (app::ChildWindow* window : std::initializer_list<app::ChildWindow*>{equation, graphs}) {
        const QImage hidden = window->surface();  // drawn from paint() alone
        main->mdiArea()->setActiveSubWindow(window);
        processEvents();
        EXPECT_TRUE(window->isSeen());
        EXPECT_EQ(window->surface(), hidden) << window->objectName().toStdString();
        if (window == equation)
            EXPECT_FALSE(equation->solverBitmap().isNull());
    }
    EXPECT_FALSE(equation->isSeen());
    EXPECT_TRUE(equation->solverBitmap().isNull());
    EXPECT_TRUE(graphs->holdsSurface());
    EXPECT_FALSE(graphs->circleBitmap().isNull());
    // The animation draws its circle straight on the screen: the same as on the surface.
    graphs->aggiornaClick();
    for (int tick = 0; tick < 50; ++tick)
        graphs->cadenzaTimer();
    processEvents();
    QRegion controls;
    const QImage screen = onScreen(graphs, &controls);
    EXPECT_EQ(differences(screen, graphs->surface(), QRegion(graphs->client()->rect()) - controls), 0);

    graphs->showMinimized();
    processEvents();
    EXPECT_FALSE(graphs->holdsSurface());
    main->mdiArea()->setActiveSubWindow(inequality);
    processEvents();
    EXPECT_TRUE(equation->solverBitmap().isNull());
    EXPECT_EQ(inequality->surface(), inequalityShown);
}
