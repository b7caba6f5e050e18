#include "platform/updown.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int kSmallest = -32768;  // the position is a signed 16-bit value
constexpr int kLargest = 32767;
}  // namespace

UpDown::UpDown(QWidget* parent, Qt::Orientation orientation)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    const bool vertical = orientation == Qt::Vertical;
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

void UpDown::step(int direction)
{
    const long next = long(m_position) + long(direction) * long(m_increment);
    if (next > m_maximum)
        m_position = m_wrap ? m_minimum : m_maximum;
    else if (next < m_minimum)
        m_position = m_wrap ? m_maximum : m_minimum;
    else
        m_position = int(next);
    emit clicked(direction > 0 ? Button::Up : Button::Down);
}
