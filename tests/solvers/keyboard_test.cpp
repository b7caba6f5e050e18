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
#include "app/main_window.h"
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
    app::ChildWindow* open(const char* menuItem)
    {
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        return qobject_cast<app::ChildWindow*>(main->mdiArea()->activeSubWindow());
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QString(); }
    // Each key pressed and released where the focus is, `times` times.
    static void type(std::initializer_list<QKeyCombination> keys, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            for (QKeyCombination key : keys) {
                QTest::keyClick(focus(), key.key(), key.keyboardModifiers());
                processEvents();
            }
    }
    static QString text(QObject* window, const char* name)
    {
        if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
};

constexpr QKeyCombination Tab = Qt::Key_Tab;
constexpr QKeyCombination Backtab = Qt::SHIFT | Qt::Key_Backtab;

TEST_F(Keyboard, TabReachesEveryControlOfEveryWindowInOrder)
{
    const QStringList coefficients{"a", "pa", "b", "pb", "c", "pc", "dati"};
    const struct {
        const char* menuItem;
        QStringList controls;  // from the control that has the focus when the window opens
    } windows[] = {
        {"Equazionielementari1", {"funzt", "sposta", "aggiorna", "passi", "aiuto"}},
        {"Disequazionielementari1", {"funzt", "sposta", "aggiorna", "passi", "aiuto"}},
        {"Equazionidi2secondogrado1", coefficients + QStringList{"funzt", "aggiorna", "passi", "aiuto"}},
        {"Disquazionidisecondogrado1", coefficients + QStringList{"funzt", "aggiorna", "passi", "aiuto"}},
        {"Equazionilineari1", coefficients + QStringList{"passi", "aiuto"}},
        {"Disequazionilineari1", coefficients + QStringList{"passi", "aiuto"}},
        {"Riduzionequadrante1", {"quadrante", "angolo", "pangolo", "traccia", "aiuto"}},
        {"Archiassociati1", {"quadrante", "angolo", "pangolo", "traccia", "aiuto"}},
        // The mode buttons are one group: Tab stops on the one that is down.
        {"Funzioni1", {"paus", "veloci", "nfunz", "pnumfunz", "tipofunz1", "normale", "aggiorna", "aiuto"}},
    };
    for (const auto& w : windows) {
        ASSERT_NE(open(w.menuItem), nullptr) << w.menuItem;
        // The function graphs window keeps the keyboard on itself, where Enter continues.
        if (focusName() == QStringLiteral("ClientArea"))
            type({Tab});
        QStringList reached{focusName()};
        for (qsizetype i = 0; i < w.controls.size(); ++i) {
            type({Tab});
            reached.append(focusName());
        }
        EXPECT_EQ(reached.join(' '), (w.controls + QStringList{w.controls.first()}).join(' ')) << w.menuItem;
        type({Backtab});
        EXPECT_EQ(focusName(), w.controls.last()) << w.menuItem;
        main->mdiArea()->closeActiveSubWindow();
    }
}

TEST_F(Keyboard, ElementaryEquationsStepAndChangeTheFunction)
{
    app::ChildWindow* w = open("Equazionielementari1");
    ASSERT_NE(w, nullptr);
    type({Tab});  // sposta
    type({Qt::Key_Up}, 5);
    EXPECT_EQ(text(w, "Label1"), QStringLiteral(" sin x = 0.50000 "));
    type({Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_PageUp});
    EXPECT_EQ(text(w, "Label2"), QStringLiteral(" x = 40° + k 360°"));
    type({Qt::Key_F1});  // the window's own page
    EXPECT_EQ(Help::lastRequest().context, 305);

    type({Backtab, Qt::Key_Down});  // cos x chosen in funzt, not applied yet
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("sin x"));
    type({Qt::Key_Return});
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("cos x"));
    EXPECT_EQ(text(w, "Label1"), QStringLiteral(" cos x = 0.90631 "));
    // aggiorna presses with Space, aiuto with Enter and Space.
    type({Qt::Key_Down, Tab, Tab, Qt::Key_Space});
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("tan x"));
    const int requests = Help::requestCount();
    type({Tab, Tab, Qt::KeypadModifier | Qt::Key_Enter, Qt::Key_Space});  // past passi to aiuto
    EXPECT_EQ(Help::requestCount(), requests + 2);
}

TEST_F(Keyboard, QuadraticCoefficientsStepWithAccelerationAndPageKeys)
{
    app::ChildWindow* w = open("Equazionidi2secondogrado1");
    ASSERT_NE(w, nullptr);
    type({Tab}, 5);                // pc
    type({Qt::Key_PageDown}, 5);  // c from 0.50 to 0.00: t = 1.5 and t = 0
    EXPECT_EQ(text(w, "c"), QStringLiteral("0.00"));
    EXPECT_EQ(text(w, "Label1"), QStringLiteral("sin x1 out of range"));
    EXPECT_EQ(text(w, "Label4"), QStringLiteral(" x2 = k 360°"));

    // Held, the arrow moves 0.01 ten times, then 0.10; its release ends the run.
    type({Backtab}, 4);  // pa
    QTest::keyPress(focus(), Qt::Key_Up);
    for (int i = 0; i < 10; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focus(), &repeat);
    }
    EXPECT_EQ(text(w, "a"), QStringLiteral("1.20"));
    QTest::keyRelease(focus(), Qt::Key_Up);
    type({Qt::Key_Up});
    EXPECT_EQ(text(w, "a"), QStringLiteral("1.21"));
    type({Tab, Qt::Key_Down});  // in the box b, beside its arrows
    EXPECT_EQ(text(w, "b"), QStringLiteral("-1.51"));

    type({Tab}, 5);  // funzt
    type({Qt::Key_Down, Qt::KeypadModifier | Qt::Key_Enter});
    EXPECT_EQ(text(w, "Panel2"), QStringLiteral("a (cos x)^2 + b cos x + c = 0"));
}

TEST_F(Keyboard, MainWindowKeysMoveBetweenAndCloseTheWindows)
{
    app::ChildWindow* first = open("Equazionielementari1");
    open("Equazionilineari1");
    app::ChildWindow* third = open("Funzioni1");
    ASSERT_TRUE(first && third);
    type({Qt::CTRL | Qt::Key_Tab});
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), first);
    EXPECT_EQ(focusName(), QStringLiteral("funzt"));
    type({Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab});
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), third);
    // Enter on the function list starts the animation; the window then keeps Enter itself.
    type({Tab}, 4);
    ASSERT_EQ(focusName(), QStringLiteral("tipofunz1"));
    type({Qt::Key_Return});
    EXPECT_FALSE(third->findChild<QToolButton*>(QStringLiteral("aggiorna"))->isEnabled());
    EXPECT_EQ(focus(), third->client());

    type({Qt::CTRL | Qt::Key_W});
    EXPECT_TRUE(app::windowClosed(13));
    type({Qt::CTRL | Qt::Key_F4});
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
    type({Qt::CTRL | Qt::Key_Q});
    EXPECT_FALSE(main->isVisible());
}

}  // namespace
