#pragma once
// The Triangles window: six fields for the sides a, b, c and the angles A, B, C, each typed as an
// expression (angles in degrees, or degrees and minutes) or stepped with its up-down; every change
// solves again at once, and the picture and the panel show again only what changed. The picture shows the triangle (or the two) to scale, the panel the case,
// the parts and measures and the worked steps as text lines.
#include <QStringList>
#include <array>

#include "maths/triangle.h"
#include "shell/child_window.h"

class QLineEdit;
class QToolBar;
namespace platform {
class UpDown;
}

namespace triangles {

class ResultPanel;

class TriangleWindow : public app::ChildWindow {
    Q_OBJECT
public:
    explicit TriangleWindow(const app::TopicWindow& topic);

    QWidget* controlBar;
    QToolBar* ToolBar1;
    std::array<QLineEdit*, PartCount> fields;  // objectName part_a … part_C
    std::array<platform::UpDown*, PartCount> steppers;   // objectName step_a … step_C
    ResultPanel* Panel1;                       // the results and the steps

    const Solution& solution() const { return m_solution; }
    // Reads the six fields, solves and shows the results and the picture.
    void solve();
    // An up-down moved: its field takes the new value (sides by 0.1, angles by 1°).
    void stepClick(int part);
    // A practice exercise's triangle: the parts given in their fields, the others empty, solved.
    void showExercise(const Parts& given);

    void paint(QPainter& painter, QSize size) const override;
    QRect pictureArea() const override;
    // The given parts and the results (the steps are in the panel).
    QStringList resultLines() const override;

protected:
    void FormCreate() override;
    void FormPaint() override;
    // The tiles a change touched, in one copy clipped to them rather than one copy per tile.
    void showSurface(QPainter& painter, const QRegion& region) override;

private:
    QRect pictureAreaFor(QSize size) const;
    // Draws the picture on the surface: the whole of it, or (after a change of the parts) only
    // what the last drawing touched and what the new one touches, and shows that.
    void redraw(bool whole);

    Solution m_solution;
    QString m_sentence;  // why there is no triangle, or the message of a field not read
    QStringList m_steps;
    QRegion m_drawn;          // what the drawing on the surface touched (client coordinates)
    QRect m_drawnArea;        // the picture area it was drawn in
};

}  // namespace triangles
