// The "Steps" command of the six solver windows: the button with its hint, Ctrl+E and the
// picture's menu open the panel; it follows every change, reads as text, and joins the lines a
// copy or a printed page carries while it is open.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include "app/main_window.h"
#include "common/test_support.h"
#include "shell/window_registry.h"
#include "solvers/frame/solver_window.h"
#include "solvers/frame/steps_panel.h"
#include "solvers/solver_controls.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"

using namespace solvers;
using namespace solver_controls;

namespace {

TEST(StepsPanel, EverySolverWindowShowsItsStepsBesideThePicture)
{
    app::CurrentLanguage = 1;
    auto main = makeMainWindow();
    const struct {
        const char* item;
        int slot;
    } windows[] = {{"Equazionielementari1", 6},   {"Equazionidi2secondogrado1", 28},  {"Equazionilineari1", 30},
                   {"Disequazionielementari1", 9}, {"Disquazionidisecondogrado1", 29}, {"Disequazionilineari1", 31}};
    for (const auto& w : windows) {
        main->menuItem(QString::fromLatin1(w.item))->trigger();
        processEvents();
        auto* window = qobject_cast<SolverWindow*>(app::openChildWindow(w.slot));
        ASSERT_TRUE(window) << w.item;
        auto* button = named<QToolButton>(window, "passi");
        ASSERT_TRUE(button);
        EXPECT_EQ(button->toolTip(), stepsCommandHint());
        EXPECT_EQ(window->stepsPanel(), nullptr);
        const QStringList without = window->resultLines();
        // The button opens the panel, with the window's worked solution.
        button->click();
        processEvents();
        ASSERT_TRUE(window->stepsPanel()->isVisible()) << w.item;
        const QStringList lines = workedSolutionLines(window->workedSolution());
        EXPECT_GE(lines.size(), 3);
        EXPECT_EQ(window->stepsPanel()->toPlainText(), lines.join(QLatin1Char('\n')));
        EXPECT_EQ(window->stepsPanel()->accessibleName(), QStringLiteral("Steps"));
        EXPECT_EQ(window->resultLines(), without + QStringList{QStringLiteral("Steps")} + lines);
        // A change updates it; the picture's menu holds the command; Ctrl+E closes it.
        if (window->coefficients())
            window->setCoefficients({1, -0.5L, -0.5L});
        else
            window->showExercise(Sine, {}, 30);
        EXPECT_EQ(window->stepsPanel()->toPlainText(), workedSolutionLines(window->workedSolution()).join(QLatin1Char('\n')));
        // Clicks rewrite only the lines that change; the panel still reads as the whole solution.
        for (int i = 0; window->coefficients() && i < 60; ++i) {
            window->coefficients()->pc->stepUp();
            window->coefficients()->pc->release();
            ASSERT_EQ(window->stepsPanel()->toPlainText(), workedSolutionLines(window->workedSolution()).join(QLatin1Char('\n')))
                << w.item << " click " << i;
        }
        EXPECT_TRUE(window->pictureMenu()->actions().contains(named<QAction>(window, "stepsAction")));
        QTest::keyClick(named<QPlainTextEdit>(window, "stepsPanel"), Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(window->stepsPanel()->isVisible()) << w.item;
        EXPECT_FALSE(window->resultLines().contains(QStringLiteral("Steps")));
        window->close();
        processEvents();
    }
    app::CurrentLanguage = 0;
}

}  // namespace
