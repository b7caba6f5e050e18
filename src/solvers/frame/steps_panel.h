#pragma once
// The steps panel of a solver window: the worked solution of what the window shows, one line per
// step, as plain text beside the circle (over the graph quarter) that a screen reader reads (its
// name "Steps", its description the lines). The window's "Steps" command (tool button `passi`,
// Ctrl+E, the picture's right-click menu) shows and hides it.
#include <QPlainTextEdit>
#include <QStringList>

#include "maths/steps.h"

namespace solvers {

class StepsPanel : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit StepsPanel(QWidget* parent);
    // Writes the worked solution in the language in use.
    void showSolution(const WorkedSolution& steps);
    const QStringList& lines() const { return m_lines; }

private:
    QStringList m_lines;
};

// "Steps" and its hint, in the language in use.
QString stepsCommandText();
QString stepsCommandHint();

}  // namespace solvers
