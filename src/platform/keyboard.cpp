#include "platform/keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QToolBar>

namespace Keyboard {

namespace {

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && others == Qt::NoModifier;
}

// Presses `target` when Enter reaches the watched control; lives as a child of that control.
class EnterPresses : public QObject {
public:
    EnterPresses(QWidget* watched, QAbstractButton* target) : QObject(watched), m_target(target)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isEnter(event))
            return false;
        if (auto* list = qobject_cast<QComboBox*>(watched); list && list->view() && list->view()->isVisible())
            return false;
        // A held key presses once, as a held Space does.
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat())
            return true;
        if (m_target && m_target->isEnabled() && m_target->isVisibleTo(m_target->window()))
            m_target->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_target;
};

}  // namespace

void makeReachable(QAbstractButton* button)
{
    if (!button || button->findChild<EnterPresses*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    button->setFocusPolicy(Qt::TabFocus);
    new EnterPresses(button, button);
}

void appliesWithEnter(QComboBox* list, QAbstractButton* button)
{
    if (list && button)
        new EnterPresses(list, button);
}

QList<QWidget*> toolBarControls(const QList<QToolBar*>& bars)
{
    QList<QWidget*> controls;
    for (QToolBar* bar : bars) {
        if (!bar)
            continue;
        for (QAction* action : bar->actions()) {
            QWidget* control = bar->widgetForAction(action);
            if (control && (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
                controls.append(control);
        }
    }
    return controls;
}

void chainTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

}  // namespace Keyboard
