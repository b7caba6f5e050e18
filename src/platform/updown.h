#pragma once
// The up-down control: two arrow buttons that step an integer position within a range,
// optionally wrapping. An arrow steps when the mouse button goes down on it and repeats while
// it is held; releasing it adds no step. The click signal comes after the position has moved;
// the mouse-up signal when an arrow is released.
#include <QWidget>

class QToolButton;

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

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }
    QSize sizeHint() const override;

signals:
    void clicked(UpDown::Button button);
    void mouseUp();

private:
    void step(int direction);
    QToolButton* m_up;
    QToolButton* m_down;
    int m_position = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_increment = 1;
    bool m_wrap = false;
};
