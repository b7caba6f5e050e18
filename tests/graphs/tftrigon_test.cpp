#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "common/test_support.h"
#include "graphs/tftrigon.h"
#include "platform/colors.h"
#include "platform/help.h"
#include "platform/updown.h"
#include "app/main_window.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "shell/window_registry.h"
#include "step_texts.h"

using namespace graphs;

namespace {

constexpr int kNeverMs = 24 * 3600 * 1000;

class FunctionGraphsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = makeMainWindow();
        open();
    }

    void TearDown() override
    {
        main->Chiudetutte1Click();
        processEvents();
        main.reset();
    }

    void open()
    {
        window = qobject_cast<Tftrigon*>(main->openTopicWindow(topicSlot("Tftrigon")));
        ASSERT_NE(window, nullptr);
        processEvents();
        // The tests run the ticks themselves; the real timers never fire.
        timer("Timer1")->stop();
        holdCadenza();
    }

    template <class T = QWidget>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTimer* timer(const char* name) const { return control<QTimer>(name); }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    int step() const { return window->state().AnimationStep; }

    // Keeps the animation timer running (as the window sees it) without ever firing.
    void holdCadenza()
    {
        if (timer("cadenza")->isActive())
            timer("cadenza")->start(kNeverMs);
    }

    void chooseFunctions(int first, int second = -1)
    {
        if (second >= 0 && control<platform::UpDown>("pnumfunz")->position() == 1)
            control<platform::UpDown>("pnumfunz")->stepUp();
        if (second < 0 && control<platform::UpDown>("pnumfunz")->position() == 2)
            control<platform::UpDown>("pnumfunz")->stepDown();
        control<QComboBox>("tipofunz1")->setCurrentIndex(first);
        if (second >= 0)
            control<QComboBox>("tipofunz2")->setCurrentIndex(second);
    }

    void startAnimation()
    {
        control<QToolButton>("aggiorna")->click();
        holdCadenza();
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            window->cadenzaTimer();
    }

    // Runs the ticks up to and including the one that draws `target`.
    void tickThrough(int target)
    {
        while (step() <= target)
            window->cadenzaTimer();
    }

    bool enabled(const char* name) const { return control(name)->isEnabled(); }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
    Tftrigon* window = nullptr;
};

}  // namespace

TEST_F(FunctionGraphsWindow, Creation)
{
    EXPECT_EQ(window->objectName(), "Tftrigon");
    EXPECT_FALSE(app::windowClosed(13));
    EXPECT_EQ(window->windowTitle(), app::titleText(app::Title::Functions));
    EXPECT_EQ(window->geometry().size(), QSize(app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight));
    auto* veloci = control<QSlider>("veloci");
    EXPECT_EQ(veloci->minimum(), 5);
    EXPECT_EQ(veloci->maximum(), 195);
    EXPECT_EQ(veloci->value(), 50);
    EXPECT_EQ(timer("cadenza")->interval(), 150);
    EXPECT_FALSE(timer("cadenza")->isActive());
    EXPECT_EQ(timer("Timer1")->interval(), 1000);
    auto* pnumfunz = control<platform::UpDown>("pnumfunz");
    EXPECT_EQ(pnumfunz->minimum(), 1);
    EXPECT_EQ(pnumfunz->maximum(), 2);
    EXPECT_EQ(control<QLineEdit>("nfunz")->text(), "1");
    EXPECT_TRUE(control<QLineEdit>("nfunz")->isReadOnly());
    for (const char* list : {"tipofunz1", "tipofunz2"}) {
        auto* combo = control<QComboBox>(list);
        ASSERT_EQ(combo->count(), 6);
        EXPECT_EQ(combo->currentIndex(), 0);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(combo->itemText(i), app::commonText(13 + i));
    }
    for (const char* name : {"tipofunz1", "pnumfunz", "nfunz", "aggiorna", "passo", "normale", "paus", "aiuto"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(enabled("tipofunz2"));
    EXPECT_FALSE(enabled("continua"));
    EXPECT_TRUE(control<QToolButton>("normale")->isChecked());
    EXPECT_FALSE(control<QToolButton>("passo")->isChecked());
    EXPECT_FALSE(control<QToolButton>("paus")->isChecked());
    EXPECT_TRUE(control("Label1")->isHidden());
    EXPECT_FALSE(control("Panel2")->isHidden());
    EXPECT_FALSE(control("Panel4")->isHidden());
    EXPECT_TRUE(control("Panel3")->isHidden());
    EXPECT_EQ(control("sotto")->height(), app::windowMetrics().bottomBarHeight);
    EXPECT_EQ(control("Panel4")->height(), app::windowMetrics().barPanelHeight);
    EXPECT_EQ(control("Panel4")->y(), app::windowMetrics().barPanelTop);
    EXPECT_EQ(control("quadro")->geometry(), QRect(0, 0, window->clientWidth() / 2, window->clientHeight()));
    EXPECT_EQ(window->state().CircleRadius, window->clientWidth() / 8);
    EXPECT_FLOAT_EQ(window->state().GraphScale, window->clientWidth() / 440.0f);
    EXPECT_FALSE(window->state().Paused);
    EXPECT_FALSE(window->state().FirstDraw);
    EXPECT_EQ(window->circleBitmap().size(), QSize(window->clientWidth() / 2, window->clientHeight()));
    EXPECT_TRUE(control<QAction>("mostra")->isChecked());
    EXPECT_TRUE(window->showsHints());
}

TEST_F(FunctionGraphsWindow, HintsInItalian)
{
    main->Chiudetutte1Click();
    processEvents();
    app::CurrentLanguage = 0;
    open();
    const struct {
        const char* control;
        const char* hint;
    } cases[] = {{"paus", "pausa"},
                 {"veloci", "velocità d'esecuzione"},
                 {"nfunz", "numero di funzioni"},
                 {"pnumfunz", "numero di funzioni"},
                 {"tipofunz1", "prima funzione"},
                 {"tipofunz2", "seconda funzione"},
                 {"normale", "normale"},
                 {"passo", "passo a passo"},
                 {"continua", "continua"},
                 {"aggiorna", "nuovo"},
                 {"aiuto", "guida"}};
    for (const auto& c : cases)
        EXPECT_EQ(control(c.control)->toolTip(), QString::fromUtf8(c.hint)) << c.control;
    EXPECT_EQ(window->windowTitle(), "Funzioni");
    EXPECT_EQ(control<QComboBox>("tipofunz1")->itemText(5), "cotangente");
}

TEST_F(FunctionGraphsWindow, PanelTextsForEveryFunction)
{
    // Function f first and, as second function, the one after it.
    for (int f = 0; f < FunctionCount; ++f) {
        const int second = (f + 1) % FunctionCount;
        chooseFunctions(f, second);
        startAnimation();
        EXPECT_EQ(text("Panel2"), "");
        for (const StepTexts& c : kStepTexts) {
            tickThrough(c.step);
            EXPECT_EQ(text("Panel4").toStdString(), c.angle) << "step " << c.step;
            EXPECT_EQ(text("Panel2").toStdString(), c.values[f]) << "step " << c.step;
            EXPECT_EQ(text("Panel3").toStdString(), c.values[second]) << "step " << c.step;
        }
        ticks(1);  // the end of the animation
        ASSERT_TRUE(enabled("aggiorna"));
    }
}

TEST_F(FunctionGraphsWindow, PanelColoursFollowTheFunctions)
{
    chooseFunctions(3, 1);
    startAnimation();
    EXPECT_EQ(control("Panel2")->palette().color(QPalette::WindowText), Colors::clFuchsia);
    EXPECT_EQ(control("Panel3")->palette().color(QPalette::WindowText), Colors::clYellow);
    EXPECT_EQ(control("Panel4")->palette().color(QPalette::WindowText), Colors::clWhite);
    EXPECT_EQ(control("Panel2")->palette().color(QPalette::Window), Colors::clBlack);
}

TEST_F(FunctionGraphsWindow, FullSineTracesItsGraphAndLeavesTheCircleClean)
{
    chooseFunctions(0);
    startAnimation();
    ticks(161);
    EXPECT_EQ(step(), 161);
    ticks(1);  // the closing tick
    const QImage surface = window->surface();
    const GraphGeometry& g = window->graphGeometry();
    const int cy = g.cy();
    auto curveY = [&](int k) { return cy - int(std::nearbyint(g.radius * std::sin(k * M_PI / 80))); };

    // Every sample of y = sin x is lime at the graph's scale.
    for (int k = 0; k <= 160; ++k)
        EXPECT_EQ(pixelAt(surface, g.graphX(k), curveY(k)), Colors::clLime) << "step " << k;
    // Every lime pixel of the right half lies on a segment between two samples.
    int lime = 0;
    for (int y = 0; y < g.height; ++y) {
        for (int x = g.width / 2; x < g.width; ++x) {
            if (pixelAt(surface, x, y) != Colors::clLime)
                continue;
            ++lime;
            bool onCurve = false;
            for (int k = 0; k <= 160 && !onCurve; ++k) {
                const int x0 = g.graphX(k - 1), x1 = g.graphX(k);
                const int y0 = k == 0 ? cy : curveY(k - 1), y1 = curveY(k);
                onCurve = x >= x0 && x <= x1 && y >= std::min(y0, y1) && y <= std::max(y0, y1);
            }
            EXPECT_TRUE(onCurve) << "stray lime pixel at " << x << "," << y;
        }
    }
    EXPECT_GT(lime, 300);
    // The circle half is the clean circle again.
    EXPECT_EQ(surface.copy(g.leftHalf()), window->circleBitmap());
}

TEST_F(FunctionGraphsWindow, EndOfAnimationBringsTheControlsBack)
{
    chooseFunctions(2, 5);
    startAnimation();
    const char* resting[] = {"tipofunz1", "tipofunz2", "pnumfunz", "nfunz", "aggiorna", "passo", "normale"};
    for (const char* name : resting)
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(timer("cadenza")->isActive());
    EXPECT_FALSE(control("Panel3")->isHidden());
    ticks(161);  // steps 0 to 160
    for (const char* name : resting)
        EXPECT_FALSE(enabled(name)) << name << " before the closing tick";
    EXPECT_TRUE(timer("cadenza")->isActive());
    ticks(1);
    for (const char* name : resting)
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(timer("cadenza")->isActive());
    EXPECT_EQ(step(), 161);
    // Further ticks change nothing.
    const QImage before = window->surface();
    ticks(3);
    EXPECT_EQ(window->surface(), before);
    EXPECT_EQ(step(), 161);
}

TEST_F(FunctionGraphsWindow, OneFunctionKeepsTheSecondListOff)
{
    // The second list holds the tangent, but only one function is chosen.
    control<QComboBox>("tipofunz2")->setCurrentIndex(2);
    chooseFunctions(0);
    EXPECT_FALSE(enabled("tipofunz2"));
    startAnimation();
    EXPECT_TRUE(control("Panel3")->isHidden());
    ticks(162);
    EXPECT_FALSE(enabled("tipofunz2"));
    EXPECT_TRUE(control("Panel3")->isHidden());
    // No tangent was drawn anywhere.
    const QImage surface = window->surface();
    for (int y = 0; y < surface.height(); y += 1)
        for (int x = 0; x < surface.width(); x += 1)
            ASSERT_NE(pixelAt(surface, x, y), Colors::clAqua) << x << "," << y;
}

TEST_F(FunctionGraphsWindow, NumberOfFunctions)
{
    auto* pnumfunz = control<platform::UpDown>("pnumfunz");
    const struct {
        bool up;
        const char* number;
        bool second;
    } presses[] = {{true, "2", true}, {true, "2", true}, {false, "1", false}, {false, "1", false}, {true, "2", true}};
    for (const auto& p : presses) {
        if (p.up)
            pnumfunz->stepUp();
        else
            pnumfunz->stepDown();
        EXPECT_EQ(control<QLineEdit>("nfunz")->text(), p.number);
        EXPECT_EQ(enabled("tipofunz2"), p.second);
    }
}

TEST_F(FunctionGraphsWindow, StepModeAdvancesOneStepPerContinueOrEnter)
{
    control<QToolButton>("passo")->click();
    EXPECT_TRUE(enabled("continua"));
    EXPECT_FALSE(control("Label1")->isHidden());
    EXPECT_FALSE(enabled("paus"));
    EXPECT_TRUE(window->state().Paused);
    startAnimation();

    enum Action { Tick, Continue, Enter };
    const struct {
        Action action;
        int stepAfter;  // the next step to draw
    } sequence[] = {
        {Tick, 0},     {Tick, 0},  {Continue, 0}, {Tick, 1}, {Tick, 1},     {Tick, 1}, {Enter, 1},
        {Tick, 2},     {Tick, 2},  {Continue, 2}, {Enter, 2}, {Tick, 3},    {Tick, 3}, {Continue, 3},
        {Continue, 3}, {Tick, 4},  {Tick, 4},
    };
    for (const auto& s : sequence) {
        switch (s.action) {
        case Tick:
            window->cadenzaTimer();
            break;
        case Continue:
            control<QToolButton>("continua")->click();
            break;
        case Enter:
            QTest::keyClick(window, Qt::Key_Return);
            break;
        }
        EXPECT_EQ(step(), s.stepAfter);
    }
    EXPECT_EQ(text("Panel4"), "x = 7° = 0.12 rad");  // step 3
}

TEST_F(FunctionGraphsWindow, PauseStopsTheAnimation)
{
    startAnimation();
    ticks(3);
    auto* paus = control<QToolButton>("paus");
    paus->click();
    EXPECT_TRUE(paus->isChecked());
    EXPECT_TRUE(window->state().Paused);
    ticks(5);
    EXPECT_EQ(step(), 3);
    paus->click();
    EXPECT_FALSE(window->state().Paused);
    ticks(2);
    EXPECT_EQ(step(), 5);
    // Enter resumes a paused animation too, and the pause button comes up with it.
    paus->click();
    ticks(2);
    EXPECT_EQ(step(), 5);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_FALSE(paus->isChecked());
    ticks(1);
    EXPECT_EQ(step(), 6);
    paus->click();  // pauses again, as the button shows
    ticks(1);
    EXPECT_EQ(step(), 6);
}

TEST_F(FunctionGraphsWindow, BackToNormalMode)
{
    control<QToolButton>("passo")->click();
    control<QToolButton>("normale")->click();
    EXPECT_FALSE(enabled("continua"));
    EXPECT_TRUE(control("Label1")->isHidden());
    EXPECT_TRUE(enabled("paus"));
    EXPECT_FALSE(control<QToolButton>("paus")->isChecked());
    EXPECT_FALSE(window->state().Paused);
    startAnimation();
    ticks(4);
    EXPECT_EQ(step(), 4);
}

TEST_F(FunctionGraphsWindow, SpeedSetsTheTickInterval)
{
    auto* veloci = control<QSlider>("veloci");
    const int positions[][2] = {{195, 5}, {5, 195}, {100, 100}, {50, 150}};
    for (const auto& p : positions) {
        veloci->setValue(p[0]);
        EXPECT_EQ(timer("cadenza")->interval(), p[1]);
    }
}

TEST_F(FunctionGraphsWindow, DeactivationStopsAndActivationResumes)
{
    startAnimation();
    ticks(10);
    auto* other = new QMdiSubWindow;
    other->setWidget(new QWidget);
    main->mdiArea()->addSubWindow(other);
    other->show();
    main->mdiArea()->setActiveSubWindow(other);
    processEvents();
    EXPECT_FALSE(timer("cadenza")->isActive());
    EXPECT_EQ(step(), 10);
    main->mdiArea()->setActiveSubWindow(window);
    processEvents();
    EXPECT_TRUE(timer("cadenza")->isActive());
    holdCadenza();
    ticks(1);
    EXPECT_EQ(step(), 11);
    // An idle window stays idle when activated.
    ticks(200);
    main->mdiArea()->setActiveSubWindow(other);
    main->mdiArea()->setActiveSubWindow(window);
    processEvents();
    EXPECT_FALSE(timer("cadenza")->isActive());
    other->close();
}

TEST_F(FunctionGraphsWindow, DelayedDrawingOfANewWindow)
{
    main->Chiudetutte1Click();
    processEvents();
    window = qobject_cast<Tftrigon*>(main->openTopicWindow(topicSlot("Tftrigon")));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(timer("Timer1")->isActive());
    // When it fires it draws the axes and the circle again, and stops.
    const QImage drawn = window->surface();
    window->surface().fill(Colors::clNavy);
    window->Timer1Timer();
    EXPECT_FALSE(timer("Timer1")->isActive());
    EXPECT_EQ(window->surface(), drawn);
}

TEST_F(FunctionGraphsWindow, NewAnimationBeforeTheDelayedDrawingKeepsTheGraph)
{
    main->Chiudetutte1Click();
    processEvents();
    window = qobject_cast<Tftrigon*>(main->openTopicWindow(topicSlot("Tftrigon")));
    ASSERT_NE(window, nullptr);
    startAnimation();
    // The delayed drawing would wipe the graph that has just begun: it no longer comes.
    EXPECT_FALSE(timer("Timer1")->isActive());
}

TEST_F(FunctionGraphsWindow, StepModeShowsTheHintUnderThePointer)
{
    control<QToolButton>("passo")->click();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(control("continua"), &enter);
    EXPECT_EQ(text("Label1"), control("continua")->toolTip());
    QApplication::sendEvent(control("veloci"), &enter);
    EXPECT_EQ(text("Label1"), control("veloci")->toolTip());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control("veloci"), &leave);
    EXPECT_EQ(text("Label1"), "");
    // Once the window is closed nothing reaches it any more.
    QPointer<QLabel> label = control<QLabel>("Label1");
    QWidget* continua = control("continua");
    window->close();
    QApplication::sendEvent(continua, &enter);  // still there until the deferred deletion
    EXPECT_EQ(label->text(), "");
    processEvents();
    EXPECT_TRUE(label.isNull());
    window = nullptr;
    QApplication::sendEvent(main.get(), &enter);
    QApplication::sendEvent(main->mdiArea(), &enter);
}

TEST_F(FunctionGraphsWindow, HelpAndHints)
{
    control<QToolButton>("aiuto")->click();
    EXPECT_EQ(Help::lastRequest().context, 301);
    auto* mostra = control<QAction>("mostra");
    window->mostraClick();
    EXPECT_FALSE(window->showsHints());
    EXPECT_FALSE(mostra->isChecked());
    mostra->trigger();
    EXPECT_TRUE(window->showsHints());
    EXPECT_TRUE(mostra->isChecked());
}

TEST_F(FunctionGraphsWindow, ClosingInMidAnimation)
{
    startAnimation();
    ticks(30);
    QPointer<QTimer> cadenza = timer("cadenza");
    window->close();
    EXPECT_TRUE(app::windowClosed(13));
    if (cadenza)
        EXPECT_FALSE(cadenza->isActive());
    processEvents();
    EXPECT_TRUE(cadenza.isNull());
    window = nullptr;
    // It opens again from the start.
    open();
    EXPECT_TRUE(enabled("aggiorna"));
    EXPECT_EQ(step(), 0);
}

TEST(FunctionGraphsWindowLifetime, DestroyedWhileActiveAndAnimating)
{
    // The window destroyed without being closed first, open, active and animating.
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    auto* window = qobject_cast<Tftrigon*>(main->openTopicWindow(topicSlot("Tftrigon")));
    ASSERT_NE(window, nullptr);
    window->aggiornaClick();
    window->cadenzaTimer();
    ASSERT_EQ(main->mdiArea()->activeSubWindow(), window);
    delete window;
    EXPECT_TRUE(app::windowClosed(topicSlot("Tftrigon")));
    EXPECT_EQ(app::openChildWindow(topicSlot("Tftrigon")), nullptr);
}

TEST_F(FunctionGraphsWindow, OpensFromTheMenuOnce)
{
    main->Chiudetutte1Click();
    processEvents();
    EXPECT_TRUE(app::windowClosed(topicSlot("Tftrigon")));
    main->menuItem("Funzioni1")->trigger();
    processEvents();
    window = qobject_cast<Tftrigon*>(app::openChildWindow(topicSlot("Tftrigon")));
    ASSERT_NE(window, nullptr);
    main->menuItem("Funzioni1")->trigger();
    processEvents();
    EXPECT_EQ(app::openChildWindow(topicSlot("Tftrigon")), window);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(main->backgroundPicture()->isHidden());
}

// The picture replayed to the current step, on a device without bitmaps, is the one the window
// drew tick by tick: mid-animation with two functions, and with the circle left clean at the end.
TEST_F(FunctionGraphsWindow, PaintReplaysTheAnimationToItsStep)
{
    const QSize size(window->clientWidth(), window->clientHeight());
    chooseFunctions(2, 5);
    startAnimation();
    ticks(101);
    EXPECT_EQ(recordedPicture(*window, size), window->surface().copy(QRect(QPoint(0, 0), size)));
    tickThrough(LastStep);
    ticks(1);
    EXPECT_FALSE(window->state().Animating);
    EXPECT_EQ(recordedPicture(*window, size), window->surface().copy(QRect(QPoint(0, 0), size)));
}
