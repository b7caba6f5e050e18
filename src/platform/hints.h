#pragma once
// Tool-tip hints. A hint text is written "short|long"; the part before the first "|" is the
// tool-tip. Each window has its own switch (the "showHints" property of the window): when it
// is off, no tool-tip of a control inside it appears.
#include <QString>

class QWidget;
class QApplication;

namespace Hints {
// The tool-tip part of a hint text (before the first "|").
QString shortHint(const QString& hint);
// Gives a control its hint text: its tool-tip, and its accessible name (unless it shows a text
// of its own) and description.
void setHint(QWidget* control, const QString& hint);
// A window's own hint switch.
void setWindowHints(QWidget* window, bool on);
bool windowHints(const QWidget* window);
// Whether a control's tool-tip shows, following the switch of the nearest window that has one.
bool hintsShownFor(const QWidget* control);
// Installs the filter that applies the switches and shows every hint as plain text.
void installHintFilter(QApplication* application);
}  // namespace Hints
