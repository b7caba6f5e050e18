#include "graphs/application_hint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace graphs {

QString hintOf(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w->toolTip();
        if (w->isWindow())
            break;
    }
    return QString();
}

ApplicationHintWatcher::ApplicationHintWatcher(QObject* parent) : QObject(parent)
{
    if (qApp)
        qApp->installEventFilter(this);
}

ApplicationHintWatcher::~ApplicationHintWatcher()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool ApplicationHintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    if (event->type() == QEvent::Enter)
        setHint(hintOf(widget));
    else if (event->type() == QEvent::Leave)
        // Back on the parent (which gets no enter event of its own), or out of the window.
        setHint(widget->isWindow() ? QString() : hintOf(widget->parentWidget()));
    return false;
}

void ApplicationHintWatcher::setHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit hintChanged(m_hint);
}

}  // namespace graphs
