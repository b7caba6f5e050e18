#include "platform/hints.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QTextDocument>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

#include "platform/accessibility.h"

namespace Hints {
namespace {
const char* const kSwitch = "showHints";

class HintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* control = static_cast<QWidget*>(watched);
        if (!hintsShownFor(control))
            return true;
        // A hint may come from a language file: it is shown as the plain text it is, never
        // read as rich text (which could load pictures from any path).
        const QString hint = control->toolTip();
        if (!Qt::mightBeRichText(hint))
            return false;
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Qt::convertFromPlainText(hint, Qt::WhiteSpacePre),
                           control, QRect(), control->toolTipDuration());
        return true;
    }
};
}  // namespace

QString shortHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

void setHint(QWidget* control, const QString& hint)
{
    if (!control)
        return;
    const QString tip = shortHint(hint);
    control->setToolTip(tip);
    // The hint names a control that shows no text of its own, and describes every control;
    // the long part, where there is one, is the description.
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString description = bar < 0 ? tip : hint.mid(bar + 1);
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    const bool ownText = qobject_cast<const QLabel*>(control) || (button && !button->text().isEmpty());
    Accessibility::setTexts(control, ownText ? control->accessibleName() : tip, description);
}

void setWindowHints(QWidget* window, bool on)
{
    if (window)
        window->setProperty(kSwitch, on);
}

bool windowHints(const QWidget* window)
{
    if (!window)
        return false;
    const QVariant value = window->property(kSwitch);
    return !value.isValid() || value.toBool();
}

bool hintsShownFor(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        const QVariant value = w->property(kSwitch);
        if (value.isValid())
            return value.toBool();
    }
    return true;
}

void installHintFilter(QApplication* application)
{
    static HintFilter* filter = nullptr;
    if (!filter) {
        filter = new HintFilter(application);
        application->installEventFilter(filter);
    }
}

}  // namespace Hints
