// A solver window on a high-density screen (run by ctest with QT_SCALE_FACTOR=2; skipped at a
// ratio of 1): the layout is the same in logical pixels, the surface and the graph bitmap hold
// device pixels, and a one-pixel line of the picture is one device pixel wide.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QScreen>

#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "app/main_window.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"
#include "maths/elementary.h"
#include "maths/angles.h"
#include "solvers/elementary/elementary_drawing.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/frame/solver_geometry.h"
#include "solvers/solver_controls.h"

using namespace solvers;
using namespace solver_controls;

namespace {

// The device rows of a device column within [from, to] that hold the colour.
int runLength(const QImage& image, int deviceX, int fromY, int toY, const QColor& colour)
{
    int count = 0;
    for (int y = std::max(0, fromY); y <= std::min(image.height() - 1, toY); ++y)
        count += QColor(image.pixel(deviceX, y)) == colour;
    return count;
}

TEST(HiDpi, SolverWindowDrawsSharpAtRatioTwo)
{
    if (qApp->devicePixelRatio() < 2)
        GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2 (ctest HiDpi.SolverWindowAtRatioTwo)";
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->menuItem(QStringLiteral("Equazionielementari1"))->trigger();
    processEvents();
    auto* window = qobject_cast<Tequa*>(app::openChildWindow(6));
    ASSERT_NE(window, nullptr);
    const SolverGeometry g = window->geometry();
    const int W = window->clientWidth(), H = window->clientHeight();

    // The layout in logical pixels is the one of a normal screen.
    EXPECT_EQ(frame(window, "Panel1")->geometry(), QRect(W - (W / 2 + 2), H - app::windowMetrics().bottomBarHeight - H / 2, W / 2 + 2, H / 2));
    EXPECT_EQ(frame(window, "sotto")->height(), app::windowMetrics().bottomBarHeight);

    // The pictures hold device pixels.
    const QImage& surface = window->surface();
    EXPECT_EQ(surface.devicePixelRatio(), 2.0);
    EXPECT_EQ(surface.size(), QSize(W, H) * 2);
    EXPECT_EQ(window->solverBitmap().devicePixelRatio(), 2.0);
    EXPECT_EQ(window->solverBitmap().size(), QSize(W / 2, H / 2) * 2);

    // The lime level line (one pixel) is one device row thick wherever it is crossed.
    const int row = g.graphY(elementaryLevel(window->findings(), g.H));
    for (int x : {g.levelLeft() + 7, (g.levelLeft() + g.levelRight()) / 2 + 3, g.levelRight() - 9}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(runLength(surface, 2 * x, 2 * row - 4, 2 * row + 4, Colors::clLime), 1);
    }
    // So is the grey horizontal axis of the circle, a little left of the centre.
    const int axisX = 2 * (g.W / 4 - g.U / 2) + 1;
    EXPECT_EQ(runLength(surface, axisX, 2 * (g.H / 2) - 4, 2 * (g.H / 2) + 4, Colors::clGray), 1);

    // The value segment (three pixels) scales with the picture: six device pixels.
    // The sine at 25° is a vertical lime segment on the vertical axis, from the centre up.
    const int segmentX = g.W / 4;
    const int segmentY = (g.H / 2 + g.pointAt(radians(25), g.U).y()) / 2;
    int wide = 0;
    for (int dx = -8; dx <= 8; ++dx)
        wide += QColor(surface.pixel(2 * segmentX + dx, 2 * segmentY)) == Colors::clLime;
    EXPECT_GE(wide, 5);
    EXPECT_LE(wide, 7);
}

// A desktop text scale of 1.5 on a small screen (run by ctest with a screen of 144 dots per inch;
// skipped at 96): the result labels grow and stay inside their panel, the picture's texts grow.
TEST(TextScale, ResultLabelsGrowWithinTheirPanel)
{
    if (Fonts::textScale() <= 1)
        GTEST_SKIP() << "runs on a screen of 144 dots per inch (ctest TextScale.ResultLabels)";
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    EXPECT_EQ(Fonts::pictureText().pixelSize(), 17);
    for (const char* item : {"Equazionielementari1", "Disequazionielementari1", "Equazionidi2secondogrado1",
                             "Disquazionidisecondogrado1", "Equazionilineari1", "Disequazionilineari1"}) {
        main->menuItem(QString::fromLatin1(item))->trigger();
        processEvents();
        auto* window = qobject_cast<SolverWindow*>(main->mdiArea()->activeSubWindow());
        ASSERT_NE(window, nullptr) << item;
        for (const QLabel* label : frame(window, "Panel1")->findChildren<QLabel*>()) {
            EXPECT_TRUE(frame(window, "Panel1")->rect().contains(label->geometry())) << item << " " << label->objectName().toStdString();
            EXPECT_GT(label->font().pixelSize(), 13) << item;
        }
        window->close();
        processEvents();
    }
}

}  // namespace
