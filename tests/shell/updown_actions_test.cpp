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
QString state(app::ChildWindow* window, platform::UpDown* upDown)
{
    QStringList parts{QString::number(upDown->position()), window->resultLines().join(u'|'),
                      window->pictureDescription()};
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        parts << box->objectName() + u'=' + box->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        parts << list->objectName() + (list->isEnabled() ? u'+' : u'-');
    return parts.join(u'\n');
}

void clickArrow(platform::UpDown* upDown, platform::UpDown::Button button, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button == platform::UpDown::Button::Up ? upDown->upButton() : upDown->downButton(), Qt::LeftButton);
    processEvents();
}

class UpDownActions : public ::testing::TestWithParam<Case> {
protected:
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
};

TEST_P(UpDownActions, IncreaseDecreaseAndAValueSetActAsClicksOfTheArrows)
{
    const Case& c = GetParam();
    main->menuItem(QString::fromLatin1(c.menuItem))->trigger();
    processEvents();
    auto* window = qobject_cast<app::ChildWindow*>(main->mdiArea()->activeSubWindow());
    auto* upDown = window ? window->findChild<platform::UpDown*>(QString::fromLatin1(c.upDown)) : nullptr;
    ASSERT_NE(upDown, nullptr) << c.menuItem;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(upDown);
    ASSERT_TRUE(face && face->actionInterface() && face->valueInterface());
    auto act = [&](const QString& action) {
        face->actionInterface()->doAction(action);
        processEvents();
    };
    auto setValue = [&](const QVariant& value) {
        face->valueInterface()->setCurrentValue(value);
        processEvents();
    };

    // Increase: the state the up arrow gives; Decrease: the down arrow's.
    const int start = upDown->position();
    const QString atStart = state(window, upDown);
    act(QAccessibleActionInterface::increaseAction());
    const QString increased = state(window, upDown);
    EXPECT_NE(increased, atStart);
    clickArrow(upDown, platform::UpDown::Button::Down);
    EXPECT_EQ(state(window, upDown), atStart);
    clickArrow(upDown, platform::UpDown::Button::Up);
    act(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(state(window, upDown), atStart);

    // A value far off: one click landing there, in the state as many clicks of the arrow give.
    QSignalSpy clicks(upDown, &platform::UpDown::clicked);
    setValue(double(start + c.valueSteps));
    EXPECT_EQ(clicks.count(), 1);
    const QString set = state(window, upDown);
    clickArrow(upDown, platform::UpDown::Button::Down, c.valueSteps);
    EXPECT_EQ(state(window, upDown), atStart);
    clickArrow(upDown, platform::UpDown::Button::Up, c.valueSteps);
    EXPECT_EQ(state(window, upDown), set);

    // Increases in a row are single clicks, never accelerated; values beyond the range land on
    // its ends; the same value and no number do nothing.
    setValue(double(start));
    for (int i = 0; i < 12; ++i)
        act(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(upDown->position(), std::min(start + 12, upDown->maximum()));
    setValue(1e12);
    EXPECT_EQ(upDown->position(), upDown->maximum());
    clicks.clear();
    for (const QVariant& value : {QVariant(double(upDown->maximum())), QVariant(qQNaN()), QVariant(QStringLiteral("up"))})
        setValue(value);
    EXPECT_EQ(clicks.count(), 0);
    setValue(-1e12);
    EXPECT_EQ(upDown->position(), upDown->minimum());
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
