#include "platform/updown.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "platform/accessibility.h"

namespace platform {

namespace {
constexpr int kSmallest = -32768;  // the position is a signed 16-bit value
constexpr int kLargest = 32767;
constexpr int kPageSteps = 10;     // Page Up and Page Down

// An arrow that draws its part of the up-down's focus frame, so that the frame goes round both
// arrows: its rectangle runs past the edge the arrow shares with the other one.
class ArrowButton : public QToolButton {
public:
    ArrowButton(UpDown* owner, Qt::Edge sharedEdge) : QToolButton(owner), m_owner(owner), m_shared(sharedEdge) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (!m_owner->hasFocus())
            return;
        QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        constexpr qreal past = 4;
        switch (m_shared) {
        case Qt::TopEdge: frame.setTop(-past); break;
        case Qt::BottomEdge: frame.setBottom(height() + past); break;
        case Qt::LeftEdge: frame.setLeft(-past); break;
        case Qt::RightEdge: frame.setRight(width() + past); break;
        }
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    }

private:
    UpDown* m_owner;
    Qt::Edge m_shared;
};

}  // namespace

UpDown::UpDown(QWidget* parent, Qt::Orientation orientation)
    : QWidget(parent),
      m_up(new ArrowButton(this, orientation == Qt::Vertical ? Qt::BottomEdge : Qt::LeftEdge)),
      m_down(new ArrowButton(this, orientation == Qt::Vertical ? Qt::TopEdge : Qt::RightEdge)),
      m_orientation(orientation)
{
    const bool vertical = orientation == Qt::Vertical;
    setFocusPolicy(Qt::StrongFocus);
    m_up->setObjectName("up");
    m_down->setObjectName("down");
    m_up->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    m_down->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    auto* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                            : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (vertical) {
        layout->addWidget(m_up);
        layout->addWidget(m_down);
    } else {
        layout->addWidget(m_down);
        layout->addWidget(m_up);
    }
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(60);
        // A click on an arrow gives the focus to the up-down itself.
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // A step when the mouse button goes down, and one at every auto-repeat, which sends a
        // released/clicked/pressed triple while the arrow is held; the real release only ends
        // the run (its click is no step).
        connect(button, &QToolButton::pressed, this, [this, button] { step(button == m_up ? +1 : -1); });
        connect(button, &QToolButton::released, this, [this, button] {
            if (!button->isDown())
                release();
        });
    }
}

QSize UpDown::sizeHint() const
{
    return QSize(17, 22);
}

void UpDown::setPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void UpDown::setMinimum(int minimum)
{
    setRange(minimum, std::max(minimum, m_maximum));
}

void UpDown::setMaximum(int maximum)
{
    setRange(std::min(m_minimum, maximum), maximum);
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = std::clamp(minimum, kSmallest, kLargest);
    m_maximum = std::clamp(maximum, m_minimum, kLargest);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void UpDown::stepUp()
{
    step(+1);
}

void UpDown::stepDown()
{
    step(-1);
}

void UpDown::release()
{
    emit mouseUp();
}

void UpDown::click(Button button)
{
    step(button == Button::Up ? +1 : -1);
    release();
}

void UpDown::clickTo(int position)
{
    const int target = std::clamp(position, m_minimum, m_maximum);
    if (target == m_position)
        return;
    const Button button = target > m_position ? Button::Up : Button::Down;
    m_position = target;
    Accessibility::valueChanged(this, m_position);
    emit clicked(button);
    release();
}

void UpDown::setBuddy(QWidget* buddy)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

void UpDown::step(int direction, int count)
{
    for (int i = 0; i < count; ++i) {
        const long next = long(m_position) + long(direction) * long(m_increment);
        if (next > m_maximum)
            m_position = m_wrap ? m_minimum : m_maximum;
        else if (next < m_minimum)
            m_position = m_wrap ? m_maximum : m_minimum;
        else
            m_position = int(next);
    }
    Accessibility::valueChanged(this, m_position);
    emit clicked(direction > 0 ? Button::Up : Button::Down);
}

int UpDown::stepsForKey(const QKeyEvent* event) const
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    const bool vertical = m_orientation == Qt::Vertical;
    switch (event->key()) {
    case Qt::Key_Up: return vertical ? +1 : 0;
    case Qt::Key_Down: return vertical ? -1 : 0;
    case Qt::Key_Right: return vertical ? 0 : +1;
    case Qt::Key_Left: return vertical ? 0 : -1;
    case Qt::Key_PageUp: return +kPageSteps;
    case Qt::Key_PageDown: return -kPageSteps;
    default: return 0;
    }
}

bool UpDown::keyPressed(QKeyEvent* event)
{
    const int steps = stepsForKey(event);
    if (steps == 0 || !isEnabled())
        return false;
    // The first press and every repeat of a held key step, as the mouse does.
    m_keyHeld = true;
    step(steps > 0 ? +1 : -1, std::abs(steps));
    return true;
}

bool UpDown::keyReleased(QKeyEvent* event)
{
    if (stepsForKey(event) == 0)
        return false;
    // The releases between the repeats of a held key are no release of the key.
    if (!event->isAutoRepeat() && m_keyHeld) {
        m_keyHeld = false;
        release();
    }
    return true;
}

void UpDown::endHeldKey()
{
    if (!m_keyHeld)
        return;
    m_keyHeld = false;
    release();
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    if (keyPressed(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void UpDown::keyReleaseEvent(QKeyEvent* event)
{
    if (keyReleased(event))
        event->accept();
    else
        QWidget::keyReleaseEvent(event);
}

void UpDown::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_up->update();
    m_down->update();
}

void UpDown::focusOutEvent(QFocusEvent* event)
{
    endHeldKey();
    QWidget::focusOutEvent(event);
    m_up->update();
    m_down->update();
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy) {
        switch (event->type()) {
        case QEvent::KeyPress: return keyPressed(static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease: return keyReleased(static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut: endHeldKey(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace platform
