#include "platform/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

#include "platform/updown.h"

namespace Accessibility {

namespace {

// An up-down as a spin box: its position is the value, its arrows the children. Its Increase
// and Decrease actions are clicks of its arrows, and a value set is one click landing there, so
// the window answers them as it answers the mouse.
class UpDownInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownInterface(platform::UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (upDown()->isEnabled())
            names << increaseAction() << decreaseAction();
        return names;
    }
    void doAction(const QString& name) override
    {
        if (upDown()->isEnabled() && (name == increaseAction() || name == decreaseAction()))
            upDown()->click(name == increaseAction() ? platform::UpDown::Button::Up : platform::UpDown::Button::Down);
        else
            QAccessibleWidget::doAction(name);
    }
    QVariant currentValue() const override { return upDown()->position(); }
    void setCurrentValue(const QVariant& value) override
    {
        bool number = false;
        const double wanted = value.toDouble(&number);
        if (!number || !std::isfinite(wanted) || !upDown()->isEnabled())
            return;
        const double held = std::clamp(wanted, double(upDown()->minimum()), double(upDown()->maximum()));
        upDown()->clickTo(int(std::lround(held)));
    }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return upDown()->increment(); }

private:
    platform::UpDown* upDown() const { return static_cast<platform::UpDown*>(widget()); }
};

const char* const kReadingOrder = "readsInReadingOrder";

// A panel whose children are read top to bottom, then left to right.
class ReadingOrderInterface : public QAccessibleWidget {
public:
    explicit ReadingOrderInterface(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Pane) {}

    int childCount() const override { return int(ordered().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = ordered();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(ordered().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> ordered() const
    {
        QList<QWidget*> children = widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        children.removeIf([](const QWidget* w) { return w->isWindow(); });
        std::stable_sort(children.begin(), children.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return children;
    }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("Accessibility::PictureElement") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("platform::UpDown") && object->isWidgetType())
        return new UpDownInterface(static_cast<platform::UpDown*>(object));
    if (object->isWidgetType() && object->property(kReadingOrder).toBool())
        return new ReadingOrderInterface(static_cast<QWidget*>(object));
    return nullptr;
}

void tell(QWidget* widget, QAccessible::Event change)
{
    QAccessibleEvent event(widget, change);
    QAccessible::updateAccessibility(&event);
}

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) + 0.0722 * channel(colour.blue());
}

}  // namespace

void installInterfaces()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(makeInterface);
        installed = true;
    }
}

PictureElement::PictureElement(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void PictureElement::describe(const QString& description)
{
    setTexts(this, accessibleName(), description);
}

void readInReadingOrder(QWidget* panel)
{
    panel->setProperty(kReadingOrder, true);
}

void setTexts(QWidget* widget, const QString& name, const QString& description)
{
    if (!widget)
        return;
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
        tell(widget, QAccessible::NameChanged);
    }
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
        tell(widget, QAccessible::DescriptionChanged);
    }
}

void valueChanged(QWidget* upDown, int position)
{
    QAccessibleValueChangeEvent event(upDown, position);
    QAccessible::updateAccessibility(&event);
}

bool highContrast()
{
    return qEnvironmentVariable("GTK_THEME").contains(QLatin1String("HighContrast"), Qt::CaseInsensitive);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& text, const QColor& ground)
{
    constexpr double wanted = 7.0;
    if (!highContrast() || contrastRatio(text, ground) >= wanted)
        return text;
    // Towards black on a light ground, towards white on a dark one, in small steps of lightness.
    const bool darken = luminance(ground) > 0.18;
    const QColor target = darken ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed(int(std::lround(text.red() + (target.red() - text.red()) * t)),
                           int(std::lround(text.green() + (target.green() - text.green()) * t)),
                           int(std::lround(text.blue() + (target.blue() - text.blue()) * t)));
        if (contrastRatio(mixed, ground) >= wanted)
            return mixed;
    }
    return target;
}

}  // namespace Accessibility
