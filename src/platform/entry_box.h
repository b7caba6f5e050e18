#pragma once
// An editable box that paints only where it can: on a screen of no size (a scale factor of 0)
// the widget gives no paint engine, and the toolkit's line edit would then draw its text
// cursor through an inactive painter and crash.
#include <QLineEdit>
#include <QPainter>

namespace platform {

class EntryBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        {
            QPainter probe(this);
            if (!probe.isActive())
                return;
        }
        QLineEdit::paintEvent(event);
    }
};

}  // namespace platform
