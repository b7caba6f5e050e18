#include "solvers/frame/steps_panel.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    setUndoRedoEnabled(false);
    hide();
}

void StepsPanel::showSolution(const WorkedSolution& steps)
{
    QStringList lines = workedSolutionLines(steps);
    if (lines == m_lines)
        return;
    QTextDocument* document = this->document();
    if (lines.size() == m_lines.size() && document->blockCount() == m_lines.size()) {
        // A click changes a few numbers: only the lines that changed are laid out again.
        QTextCursor cursor(document);
        cursor.beginEditBlock();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i] == m_lines[i])
                continue;
            const QTextBlock block = document->findBlockByNumber(int(i));
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(lines[i]);
        }
        cursor.endEditBlock();
    } else {
        setPlainText(lines.join(QLatin1Char('\n')));
    }
    m_lines = std::move(lines);
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
