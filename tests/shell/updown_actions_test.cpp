// An up-down changed through its accessible interface (a screen reader's Increase and Decrease,
// or a value it sets) acts in every window as clicks of its arrows do: the same results, boxes,
// picture words and enabled controls, with one click signal however far a value moves it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "common/test_support.h"
#include "platform/updown.h"
#include "shell/child_window.h"

namespace {

struct Case {
    const char* menuItem;
    const char* upDown;
    int valueSteps;  // how far from the start a value is set
};

// Everything a click can change in a window, as one text.
QString state(ChildWindow* window, UpDown* upDown)
{
    QStringList parts{QString::number(upDown->position()), window->resultLines().join(u'|'),
                      window->pictureDescription()};
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        parts << box->objectName() + u'=' + box->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        parts << list->objectName() + (list->isEnabled() ? u'+' : u'-');
    return parts.join(u'\n');
}

void clickArrow(UpDown* upDown, UpDown::Button button, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button == UpDown::Button::Up ? upDown->upButton() : upDown->downButton(), Qt::LeftButton);
    processEvents();
}

class UpDownActions : public ::testing::TestWithParam<Case> {
protected:
    ScratchDirectory scratch;
    std::unique_ptr<Tangolario> main = makeMainWindow();
};

TEST_P(UpDownActions, IncreaseDecreaseAndAValueSetActAsClicksOfTheArrows)
{
    const Case& c = GetParam();
    main->menuItem(QString::fromLatin1(c.menuItem))->trigger();
    processEvents();
    auto* window = qobject_cast<ChildWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_NE(window, nullptr) << c.menuItem;
    auto* upDown = window->findChild<UpDown*>(QString::fromLatin1(c.upDown));
    ASSERT_NE(upDown, nullptr) << c.upDown;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(upDown);
    ASSERT_TRUE(face && face->actionInterface() && face->valueInterface());
    QAccessibleActionInterface* actions = face->actionInterface();
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    auto act = [&](const QString& action) {
        actions->doAction(action);
        processEvents();
    };

    // Increase, then Decrease: the states the up arrow and then the down arrow give.
    const int start = upDown->position();
    const QString atStart = state(window, upDown);
    act(QAccessibleActionInterface::increaseAction());
    const QString increased = state(window, upDown);
    EXPECT_NE(increased, atStart) << c.menuItem;
    clickArrow(upDown, UpDown::Button::Down);
    EXPECT_EQ(state(window, upDown), atStart) << c.menuItem;
    clickArrow(upDown, UpDown::Button::Up);
    EXPECT_EQ(state(window, upDown), increased) << c.menuItem;
    act(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(state(window, upDown), atStart) << c.menuItem;

    // A value far off: one click landing there, the state of as many clicks of the arrow.
    QSignalSpy clicks(upDown, &UpDown::clicked);
    QSignalSpy releases(upDown, &UpDown::mouseUp);
    face->valueInterface()->setCurrentValue(double(start + c.valueSteps));
    processEvents();
    EXPECT_EQ(clicks.count(), 1) << c.menuItem;
    EXPECT_EQ(releases.count(), 1) << c.menuItem;
    EXPECT_EQ(face->valueInterface()->currentValue().toInt(), start + c.valueSteps) << c.menuItem;
    const QString set = state(window, upDown);
    clickArrow(upDown, UpDown::Button::Down, c.valueSteps);
    EXPECT_EQ(state(window, upDown), atStart) << c.menuItem;
    clickArrow(upDown, UpDown::Button::Up, c.valueSteps);
    EXPECT_EQ(state(window, upDown), set) << c.menuItem;

    // Many Increases in a row are single clicks: no acceleration.
    face->valueInterface()->setCurrentValue(double(start));
    for (int i = 0; i < 12; ++i)
        act(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(upDown->position(), std::min(start + 12, upDown->maximum())) << c.menuItem;

    // Values beyond the range land on its end; the same value and no number do nothing.
    face->valueInterface()->setCurrentValue(1e12);
    EXPECT_EQ(upDown->position(), upDown->maximum()) << c.menuItem;
    clicks.clear();
    for (const QVariant& value : {QVariant(double(upDown->maximum())), QVariant(qQNaN()), QVariant(QStringLiteral("up"))})
        face->valueInterface()->setCurrentValue(value);
    EXPECT_EQ(clicks.count(), 0) << c.menuItem;
    face->valueInterface()->setCurrentValue(-1e12);
    EXPECT_EQ(upDown->position(), upDown->minimum()) << c.menuItem;
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindowWithUpDowns, UpDownActions,
    ::testing::Values(Case{"Equazionielementari1", "sposta", 40}, Case{"Disequazionielementari1", "sposta", 40},
                      Case{"Equazionidi2secondogrado1", "pa", 50}, Case{"Disquazionidisecondogrado1", "pb", 50},
                      Case{"Equazionilineari1", "pc", 50}, Case{"Disequazionilineari1", "pa", 50},
                      Case{"Riduzionequadrante1", "pangolo", 30}, Case{"Archiassociati1", "pangolo", 30},
                      Case{"Funzioni1", "pnumfunz", 1}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.menuItem); });

}  // namespace
