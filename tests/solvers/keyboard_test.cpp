// The windows used with the keyboard alone: Tab through the controls, the arrows and Page keys
// on the up-downs, the function chosen and applied with Enter, the buttons pressed with Space
// and Enter, F1, and the main window's keys for the child windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolButton>

#include "common/test_support.h"
#include "platform/help.h"
#include "shell/child_window.h"
#include "shell/main_window.h"
#include "shell/window_registry.h"

// Texts in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = makeMainWindow();
        QApplication::setActiveWindow(main.get());
    }
    ChildWindow* open(const char* menuItem)
    {
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        return qobject_cast<ChildWindow*>(main->mdiArea()->activeSubWindow());
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QString(); }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focus(), Qt::Key(key), modifiers);
        processEvents();
    }
    static QString text(QObject* window, const char* name)
    {
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    ScratchDirectory scratch;
    std::unique_ptr<Tangolario> main;
};

TEST_F(Keyboard, TabReachesEveryControlOfEveryWindowInOrder)
{
    const struct {
        const char* menuItem;
        QStringList controls;  // from the control that has the focus when the window opens
    } windows[] = {
        {"Equazionielementari1", {"funzt", "sposta", "aggiorna", "aiuto"}},
        {"Disequazionielementari1", {"funzt", "sposta", "aggiorna", "aiuto"}},
        {"Equazionidi2secondogrado1", {"a", "pa", "b", "pb", "c", "pc", "dati", "funzt", "aggiorna", "aiuto"}},
        {"Disquazionidisecondogrado1", {"a", "pa", "b", "pb", "c", "pc", "dati", "funzt", "aggiorna", "aiuto"}},
        {"Equazionilineari1", {"a", "pa", "b", "pb", "c", "pc", "dati", "aiuto"}},
        {"Disequazionilineari1", {"a", "pa", "b", "pb", "c", "pc", "dati", "aiuto"}},
        {"Riduzionequadrante1", {"quadrante", "angolo", "pangolo", "traccia", "aiuto"}},
        {"Archiassociati1", {"quadrante", "angolo", "pangolo", "traccia", "aiuto"}},
        // The mode buttons are one group: Tab stops on the one that is down.
        {"Funzioni1", {"paus", "veloci", "nfunz", "pnumfunz", "tipofunz1", "normale", "aggiorna", "aiuto"}},
    };
    for (const auto& w : windows) {
        ASSERT_NE(open(w.menuItem), nullptr) << w.menuItem;
        // The function graphs window keeps the keyboard on itself, where Enter continues.
        if (focusName() == QStringLiteral("ClientArea"))
            press(Qt::Key_Tab);
        QStringList reached{focusName()};
        for (qsizetype i = 0; i < w.controls.size(); ++i) {
            press(Qt::Key_Tab);
            reached.append(focusName());
        }
        EXPECT_EQ(reached.join(' '), (w.controls + QStringList{w.controls.first()}).join(' ')) << w.menuItem;
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), w.controls.last()) << w.menuItem;
        main->mdiArea()->closeActiveSubWindow();
        processEvents();
    }
}

TEST_F(Keyboard, ElementaryEquationsStepAndChangeTheFunction)
{
    ChildWindow* w = open("Equazionielementari1");
    ASSERT_NE(w, nullptr);
    press(Qt::Key_Tab);  // sposta
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Up);
    EXPECT_EQ(text(w, "Label1"), QStringLiteral(" sin x = 0.50000 "));
    EXPECT_EQ(text(w, "Label2"), QStringLiteral(" x = 30° + k 360°"));
    press(Qt::Key_PageDown);
    press(Qt::Key_PageUp);
    press(Qt::Key_PageUp);
    EXPECT_EQ(text(w, "Label2"), QStringLiteral(" x = 40° + k 360°"));
    // F1 on a control opens the window's own page.
    press(Qt::Key_F1);
    EXPECT_EQ(Help::lastRequest().context, 305);

    press(Qt::Key_Backtab, Qt::ShiftModifier);  // funzt
    press(Qt::Key_Down);
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("sin x"));  // chosen, not applied yet
    press(Qt::Key_Return);
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("cos x"));
    EXPECT_EQ(text(w, "Label1"), QStringLiteral(" cos x = 0.90631 "));
    EXPECT_EQ(focusName(), QStringLiteral("funzt"));

    // aggiorna and aiuto press with Space and with Enter.
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), QStringLiteral("aggiorna"));
    press(Qt::Key_Space);
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("tan x"));
    press(Qt::Key_Tab);
    const int requests = Help::requestCount();
    press(Qt::Key_Enter, Qt::KeypadModifier);
    press(Qt::Key_Space);
    EXPECT_EQ(Help::requestCount(), requests + 2);
    EXPECT_EQ(Help::lastRequest().context, 305);
}

TEST_F(Keyboard, QuadraticCoefficientsStepWithAccelerationAndPageKeys)
{
    ChildWindow* w = open("Equazionidi2secondogrado1");
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Tab);  // pc
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_PageDown);  // c from 0.50 to 0.00: t = 1.5 and t = 0
    EXPECT_EQ(text(w, "c"), QStringLiteral("0.00"));
    EXPECT_EQ(text(w, "Label1"), QStringLiteral("sin x1 out of range"));
    EXPECT_EQ(text(w, "Label4"), QStringLiteral(" x2 = k 360°"));

    // Held, the arrow moves 0.01 ten times, then 0.10; its release ends the run.
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);  // pa
    ASSERT_EQ(focusName(), QStringLiteral("pa"));
    QTest::keyPress(focus(), Qt::Key_Up);
    for (int i = 0; i < 10; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focus(), &repeat);
    }
    EXPECT_EQ(text(w, "a"), QStringLiteral("1.20"));
    QTest::keyRelease(focus(), Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(text(w, "a"), QStringLiteral("1.21"));
    // Typed in the box beside it, the arrows step the coefficient too.
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("b"));
    EXPECT_EQ(text(w, "b"), QStringLiteral("-1.51"));

    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Tab);  // funzt
    press(Qt::Key_Down);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("a (cos x)^2 + b cos x + c = 0"));
}

TEST_F(Keyboard, MainWindowKeysMoveBetweenAndCloseTheWindows)
{
    ChildWindow* first = open("Equazionielementari1");
    ChildWindow* second = open("Equazionilineari1");
    ChildWindow* third = open("Funzioni1");
    ASSERT_TRUE(first && second && third);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), first);
    EXPECT_EQ(focusName(), QStringLiteral("funzt"));
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), third);
    // Enter on the function list starts the animation; the window then takes Enter itself.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), QStringLiteral("tipofunz1"));
    press(Qt::Key_Return);
    EXPECT_FALSE(third->findChild<QToolButton*>(QStringLiteral("aggiorna"))->isEnabled());
    EXPECT_EQ(focus(), third->client());
    press(Qt::Key_Return);  // continues, presses no button
    EXPECT_EQ(focus(), third->client());

    press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(app::WindowClosed[13]);
    press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(main->isVisible());
}

}  // namespace
