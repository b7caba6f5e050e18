#include "solvers/elementary_solver_window.h"

#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "platform/hints.h"
#include "platform/updown.h"
#include "shell/text_tables.h"

namespace solvers {

ElementarySolverWindow::ElementarySolverWindow(const SolverFrame& frame, AngleRange (*angleRange)(int function))
    : SolverWindow(frame), m_angleRange(angleRange)
{
    createFunctionChoice();
    sposta = new UpDown();
    sposta->setObjectName("sposta");
    sposta->setWrap(false);
    connect(sposta, &UpDown::clicked, this, [this] { spostaClick(); });

    ToolBar1->addWidget(funzt);
    ToolBar1->addSeparator()->setObjectName("ToolButton1");
    ToolBar1->addWidget(sposta);
    ToolBar1->addSeparator()->setObjectName("ToolButton2");
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator()->setObjectName("ToolButton3");
}

void ElementarySolverWindow::FormCreate()
{
    SolverFrameLayout();
    sposta->setPosition(StartAngle);
    const AngleRange range = m_angleRange(Sine);
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
    AngleDeg = sposta->position();
    if (Panel2)
        Panel2->setText(functionName(Sine));
    Hints::setHint(sposta, app::commonText(app::Common::Angle));
    WriteSolutionLabels();
    BackdropPending = true;
}

void ElementarySolverWindow::resetToStartAngle()
{
    sposta->setPosition(StartAngle);
    AngleDeg = StartAngle;
}

void ElementarySolverWindow::chooseFunction()
{
    FunctionIndex = funzt->currentIndex();
    if (Panel2)
        Panel2->setText(functionName(FunctionIndex));
    const AngleRange range = m_angleRange(FunctionIndex);
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
}

}  // namespace solvers
