#pragma once
// The angle reduction window: an angle alfa of 91°...359° drawn on the circle at the first press
// of traccia and reduced to the first quadrant or octant at the second, with its identities.
#include "angles/angle_window.h"

class QFrame;

namespace angles {

class Triduci : public angles::AngleWindow {
    Q_OBJECT
public:
    explicit Triduci(const app::TopicWindow& topic);

    void tracciaClick() override;
    // The paint handler: the background picture again, which erases any angle drawn.
    void formactivate();

    // True: the next press draws alfa; false: it shows the reduction.
    bool drawAnglePending() const { return DrawAnglePending; }

    QFrame* Panel1;
    QLabel* Label3;

protected:
    void FormCreate() override;
    void FormPaint() override;

private:
    // Draws an angle's cosine and sine segments in the given colours and pen width.
    void DrawAngleParts(int degrees, const QColor& cosineColour, const QColor& sineColour, int penWidth);

    bool DrawAnglePending = true;
    int alfa = 0;
};

}  // namespace angles
