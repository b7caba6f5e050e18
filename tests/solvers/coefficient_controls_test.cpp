// The coefficient controls shared by the four coefficient windows: box texts, steps with their
// acceleration, typed values beyond the range, and the dialog on each window's own expressions.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "platform/updown.h"
#include "solvers/frame/coefficient_controls.h"
#include "common/test_support.h"
#include "platform/cursors.h"

using namespace solvers;

namespace {

class CoefficientControlsTest : public ::testing::Test {
protected:
    CoefficientSetup setup()
    {
        CoefficientSetup s;
        s.boxWidth = 45;
        s.limit = 9000;
        s.positions = {100, -150, 50};
        s.expressions = {QStringLiteral("-sqrt(3)"), QStringLiteral("1"), QStringLiteral("-1")};
        s.acceleration = {{10, 5}, {25, 10}, {50, 20}};
        return s;
    }
    ScratchDirectory scratch;
    QWidget window;
};

TEST_F(CoefficientControlsTest, StartState)
{
    CoefficientControls controls(&window, setup());
    controls.start();
    EXPECT_EQ(controls.a->text(), "1.00");
    EXPECT_EQ(controls.b->text(), "-1.50");
    EXPECT_EQ(controls.c->text(), "0.50");
    EXPECT_EQ(controls.values(), (std::array<long double, 3>{1.0L, -1.5L, 0.5L}));
    EXPECT_EQ(controls.pb->minimum(), -9000);
    EXPECT_EQ(controls.pb->maximum(), 9000);
    EXPECT_EQ(controls.expressions()[0], "-sqrt(3)");
    EXPECT_EQ(controls.a->width(), 45);
    for (const char* name : {"ToolBar3", "a", "b", "c", "pa", "pb", "pc", "dati"})
        EXPECT_NE(window.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST_F(CoefficientControlsTest, HeldArrowAcceleratesUntilReleased)
{
    CoefficientControls controls(&window, setup());
    controls.start();
    QSignalSpy changed(&controls, &CoefficientControls::changed);
    // Counts 1..9 move by 1, 10..24 by 5, 25..49 by 10, from 50 on by 20: the increment a
    // step uses is the one set by the step before.
    int expected = 100;
    for (int step = 1; step <= 60; ++step) {
        expected += controls.pa->increment();
        controls.pa->stepUp();
        ASSERT_EQ(controls.pa->position(), expected) << step;
        const int increment = step >= 50 ? 20 : step >= 25 ? 10 : step >= 10 ? 5 : 1;
        ASSERT_EQ(controls.pa->increment(), increment) << step;
    }
    EXPECT_EQ(changed.count(), 60);
    EXPECT_EQ(controls.stepPressCount(), 60);
    EXPECT_EQ(controls.pb->increment(), 1);  // only the stepped up-down accelerates
    EXPECT_EQ(controls.value(0), expected / 100.0L);
    EXPECT_EQ(controls.values()[0], expected / 100.0L);
    controls.pb->release();
    EXPECT_EQ(controls.stepPressCount(), 0);
    EXPECT_EQ(controls.pa->increment(), 1);
    controls.pa->stepDown();
    EXPECT_EQ(controls.pa->position(), expected - 1);
}

TEST_F(CoefficientControlsTest, HeldMouseStepsOnPressRepeatsAndAddsNothingOnRelease)
{
    CoefficientControls controls(&window, setup());
    controls.start();
    window.show();
    QWidget* up = controls.pa->upButton();
    QTest::mousePress(up, Qt::LeftButton);
    EXPECT_EQ(controls.pa->position(), 101);  // at once, before any release
    ASSERT_TRUE(QTest::qWaitFor([&] { return controls.stepPressCount() >= 12; }, 10000));
    // Each step moves by the increment the step before has set.
    int expected = 100;
    for (int step = 1; step <= controls.stepPressCount(); ++step)
        expected += step > 50 ? 20 : step > 25 ? 10 : step > 10 ? 5 : 1;
    const int held = controls.pa->position();
    EXPECT_EQ(held, expected);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(controls.pa->position(), held);
    EXPECT_EQ(controls.stepPressCount(), 0);
    EXPECT_EQ(controls.pa->increment(), 1);
}

TEST_F(CoefficientControlsTest, StepsStopAtTheRangeEnds)
{
    CoefficientSetup s = setup();
    s.limit = 900;
    s.acceleration = {{10, 10}};
    CoefficientControls controls(&window, s);
    controls.start();
    for (int step = 0; step < 200; ++step)
        controls.pc->stepDown();
    EXPECT_EQ(controls.pc->position(), -900);
    EXPECT_EQ(controls.c->text(), "-9.00");
    EXPECT_EQ(controls.value(2), -9.0L);
}

TEST_F(CoefficientControlsTest, TypedValueBeyondTheRangeIsKeptUntilStepped)
{
    CoefficientSetup s = setup();
    s.limit = 900;
    CoefficientControls controls(&window, s);
    controls.start();
    controls.setValues({1e6L, -0.333L, 12.5L});
    EXPECT_EQ(controls.pa->position(), 900);
    EXPECT_EQ(controls.pb->position(), -33);
    EXPECT_EQ(controls.pc->position(), 900);
    EXPECT_EQ(controls.value(0), 1e6L);
    EXPECT_EQ(controls.value(1), -0.333L);
    EXPECT_EQ(controls.a->text(), "10000");
    EXPECT_EQ(controls.b->text(), "-0.33");
    controls.pc->stepDown();
    EXPECT_EQ(controls.value(2), 8.99L);
    EXPECT_EQ(controls.value(0), 1e6L);  // the others keep their typed values
    EXPECT_EQ(controls.value(1), -0.333L);
}

TEST_F(CoefficientControlsTest, DialogStartsFromThisWindowAndTakesExactValuesOnOk)
{
    ScreenCursors::registerPointingHand();
    CoefficientControls controls(&window, setup());
    controls.start();
    // Another window has meanwhile taken its own texts and values.
    CoefficientControls other(&window, setup());
    other.start();
    other.setValues({5, 5, 5});
    QString shownA;
    whenModalShown([&](QWidget* dialog) {
        auto* espra = dialog->findChild<QLineEdit*>(QStringLiteral("espra"));
        shownA = espra->text();
        auto* esprc = dialog->findChild<QLineEdit*>(QStringLiteral("esprc"));
        esprc->selectAll();
        QTest::keyClicks(esprc, QStringLiteral("100/3"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    QSignalSpy changed(&controls, &CoefficientControls::changed);
    EXPECT_TRUE(controls.datiClick());
    EXPECT_EQ(shownA, "-sqrt(3)");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_NEAR(double(controls.value(0)), -1.7320508075688772, 1e-15);
    EXPECT_EQ(controls.value(1), 1.0L);
    EXPECT_NEAR(double(controls.value(2)), 100.0 / 3.0, 1e-13);
    EXPECT_EQ(controls.pa->position(), -173);
    EXPECT_EQ(controls.pc->position(), 3333);
    EXPECT_EQ(controls.a->text(), "-1.73");
    EXPECT_EQ(controls.c->text(), "33.33");
    EXPECT_EQ(controls.expressions()[2], "100/3");
}

TEST_F(CoefficientControlsTest, CancelChangesNothingButKeepsTheTypedTexts)
{
    ScreenCursors::registerPointingHand();
    CoefficientControls controls(&window, setup());
    controls.start();
    whenModalShown([&](QWidget* dialog) {
        auto* esprb = dialog->findChild<QLineEdit*>(QStringLiteral("esprb"));
        esprb->selectAll();
        QTest::keyClicks(esprb, QStringLiteral("42"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    });
    QSignalSpy changed(&controls, &CoefficientControls::changed);
    EXPECT_FALSE(controls.datiClick());
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(controls.values(), (std::array<long double, 3>{1.0L, -1.5L, 0.5L}));
    EXPECT_EQ(controls.b->text(), "-1.50");
    EXPECT_EQ(controls.expressions()[1], "42");

    // Another window's texts in between do not replace this window's on the next opening.
    CoefficientControls other(&window, setup());
    other.start();
    whenModalShown([&](QWidget* dialog) {
        auto* esprb = dialog->findChild<QLineEdit*>(QStringLiteral("esprb"));
        esprb->selectAll();
        QTest::keyClicks(esprb, QStringLiteral("0"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(other.datiClick());
    EXPECT_EQ(other.expressions()[1], "0");
    QString shownB;
    whenModalShown([&](QWidget* dialog) {
        shownB = dialog->findChild<QLineEdit*>(QStringLiteral("esprb"))->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(controls.datiClick());
    EXPECT_EQ(shownB, "42");
}

}  // namespace
