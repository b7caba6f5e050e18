#pragma once
// The up-down control: two arrow buttons that step an integer position within a range,
// optionally wrapping. An arrow steps when the mouse button goes down on it and repeats while
// it is held; releasing it adds no step. The click signal comes after the position has moved;
// the mouse-up signal when an arrow is released.
//
// The keyboard does the same: the up-down takes the focus (Tab or a click) and shows it with a
// frame; Up and Down (Right and Left on a horizontal one) step as a press on an arrow does, and
// the keyboard's own repeat repeats the step while the key is held; Page Up and Page Down move
// by ten steps at once (one click signal). Releasing the key emits mouseUp(), as releasing the
// mouse does, so a window's acceleration ends the same way. The same keys typed in the buddy
// (the box that shows the position) step the up-down too.
//
// Whatever changes the position as a user would (an arrow, a key, a screen reader's Increase
// and Decrease or a value it sets) goes through the click signal, so a window sees one kind of
// change: a screen reader's step is one click of an arrow (the step, then the release), and a
// value it sets is one click that lands on that position, however far away.
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace platform {

class UpDown : public QWidget {
    Q_OBJECT
public:
    enum class Button { Up, Down };

    explicit UpDown(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);

    int position() const { return m_position; }
    // Sets the position, kept within the range; no click signal.
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum);
    int increment() const { return m_increment; }
    void setIncrement(int increment) { m_increment = increment; }
    bool wrap() const { return m_wrap; }
    void setWrap(bool wrap) { m_wrap = wrap; }

    // One press of an arrow: moves the position and emits clicked().
    void stepUp();
    void stepDown();
    // Releasing the mouse over an arrow: emits mouseUp().
    void release();
    // One whole click of an arrow, pressed and released: a screen reader's Increase and Decrease.
    void click(Button button);
    // Moves straight to `position` (kept within the range, never wrapped) as one click that
    // lands there: the position, one click signal (Up when it rose, Down when it fell), then the
    // release. Nothing when the position stays. A value set by a screen reader.
    void clickTo(int position);

    // The control whose step keys step this up-down as well.
    void setBuddy(QWidget* buddy);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
    QSize sizeHint() const override;

signals:
    void clicked(UpDown::Button button);
    void mouseUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int direction, int count = 1);
    // The steps a key makes (+1, -1, +10, -10), 0 for any other key.
    int stepsForKey(const QKeyEvent* event) const;
    bool keyPressed(QKeyEvent* event);
    bool keyReleased(QKeyEvent* event);
    // A held step key ends without its release (the focus went elsewhere).
    void endHeldKey();

    QToolButton* m_up;
    QToolButton* m_down;
    QPointer<QWidget> m_buddy;
    Qt::Orientation m_orientation;
    int m_position = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_increment = 1;
    bool m_wrap = false;
    bool m_keyHeld = false;
};

}  // namespace platform
