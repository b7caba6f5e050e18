#pragma once
// The control bars of the angle, practice, progress and triangles windows: a bar painted in its
// colours with one fixed tool bar, ToolBar1, at its left.
#include <QColor>
#include <QString>

class QToolBar;
class QWidget;

namespace Bars {

// Gives the widget an opaque ground and its texts a colour readable on it (under a
// high-contrast theme too); an opaque control repaints itself alone, never the picture beneath.
void paintWith(QWidget* widget, const QColor& ground, const QColor& text);

// Lays `bar` out with ToolBar1 at its left (not movable, not floating, 16-pixel icons).
QToolBar* addToolBar1(QWidget* bar);

// A control bar on `area`, named and painted in `ground` with black texts, with its ToolBar1.
struct ControlBar {
    QWidget* bar;
    QToolBar* toolBar1;
};
ControlBar addControlBar(QWidget* area, const QString& name, const QColor& ground);

}  // namespace Bars
