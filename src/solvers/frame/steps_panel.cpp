#include "solvers/frame/steps_panel.h"

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "texts/steps_texts.h"

namespace solvers {

StepsPanel::StepsPanel(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("stepsPanel"));
    setReadOnly(true);
    setFont(Fonts::sansSerif(12, false));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    hide();
}

void StepsPanel::showSolution(const WorkedSolution& steps)
{
    QStringList lines = workedSolutionLines(steps);
    if (lines == m_lines)
        return;
    m_lines = std::move(lines);
    setPlainText(m_lines.join(QLatin1Char('\n')));
    Accessibility::setTexts(this, stepsCommandText(), m_lines.join(QLatin1Char(' ')));
}

QString stepsCommandText()
{
    return stepWords("Passi", "Steps", "Étapes");
}

QString stepsCommandHint()
{
    return stepWords("Mostra o nasconde i passi della soluzione (Ctrl+E)", "Shows or hides the steps of the solution (Ctrl+E)",
                     "Affiche ou masque les étapes de la solution (Ctrl+E)");
}

}  // namespace solvers
