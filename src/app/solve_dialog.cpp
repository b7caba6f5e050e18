#include "app/solve_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/topic_windows.h"
#include "expr/calculator.h"
#include "shell/program_texts.h"
#include "solvers/frame/coefficient_controls.h"
#include "solvers/frame/solver_window.h"
#include "texts/text_tables.h"
#include "texts/typed_texts.h"

namespace app {

SolveDialog::SolveDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SolveDialog"));
    setWindowTitle(programText(ProgramText::SolveMenu));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(programText(ProgramText::SolvePrompt));
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    equation = new QLineEdit();
    equation->setObjectName(QStringLiteral("equation"));
    equation->setMaxLength(solvers::MaxTypedEquationLength);
    equation->setMinimumWidth(420);
    prompt->setBuddy(equation);
    message = new QLabel();
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);  // the quoted part is what was typed
    message->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("solve"));
    ok->setText(programText(ProgramText::SolveOpen));
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &SolveDialog::solveClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(prompt);
    layout->addWidget(equation);
    layout->addWidget(message);
    layout->addWidget(buttons);
}

void SolveDialog::solveClick()
{
    const QByteArray typed = equation->text().toUtf8();
    const std::string_view text(typed.constData(), size_t(typed.size()));
    m_result = solvers::readTypedEquation(text, calculatorState().AngleFactor);
    if (!m_result.ok()) {
        message->setText(solvers::refusalText(m_result, text, CurrentLanguage));
        equation->setFocus();
        return;
    }
    message->clear();
    accept();
}

TypedTarget typedTarget(const solvers::TypedEquation& e)
{
    TypedTarget t;
    t.inequality = e.relation != solvers::Relation::Equal;
    if (e.kind == solvers::EquationKind::Linear)
        t.family = 2;
    else if (e.kind == solvers::EquationKind::Elementary && solvers::elementaryAngle(e, t.alphaDeg))
        t.family = 0;
    else
        t.family = 1;
    return t;
}

ChildWindow* showTypedEquation(const solvers::TypedEquation& e, const std::function<ChildWindow*(int slot)>& open)
{
    const TypedTarget target = typedTarget(e);
    const TopicWindow* topic = topicForExercises(target.family, target.inequality);
    ChildWindow* window = topic ? open(topic->slot) : nullptr;
    auto* solver = qobject_cast<solvers::SolverWindow*>(window);
    if (!solver)
        return window;
    solver->showExercise(e.function, e.coefficients, target.alphaDeg);
    if (solvers::CoefficientControls* controls = solver->coefficients())
        controls->setExpressions({QString::fromStdString(e.expressions[0]), QString::fromStdString(e.expressions[1]),
                                  QString::fromStdString(e.expressions[2])});
    solver->showNote(e.signChanged ? programText(ProgramText::SolveSignChanged) : QString());
    return window;
}

}  // namespace app
