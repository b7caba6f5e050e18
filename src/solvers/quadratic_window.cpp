#include "solvers/quadratic_window.h"

#include <QComboBox>
#include <QToolBar>
#include <QToolButton>

#include "solvers/quadratic_drawing.h"

namespace solvers {

QuadraticSolverWindow::QuadraticSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup)
    : SolverWindow(frame)
{
    createFunctionChoice();
    m_coefficients = new CoefficientControls(this, setup);
    addLeadingToolBar(m_coefficients->ToolBar3);
    ToolBar1->addWidget(funzt);
    ToolBar1->addSeparator()->setObjectName("ToolButton1");
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator()->setObjectName("ToolButton2");
    connect(m_coefficients, &CoefficientControls::changed, this, [this] { solveAndShow(); });
}

void QuadraticSolverWindow::FormCreate()
{
    SolverFrameLayout();
    m_coefficients->start();
    showFunction();
    solveAndShow();
    BackdropPending = true;
}

void QuadraticSolverWindow::drawFirstPicture()
{
    drawBackdrop(quadraticBackdropStyle(FunctionIndex));
    solveAndShow();
}

void QuadraticSolverWindow::setCoefficients(const std::array<long double, 3>& values)
{
    m_coefficients->setValues(values);
    solveAndShow();
}

void QuadraticSolverWindow::aggiornaClick()
{
    FunctionIndex = funzt->currentIndex();
    showFunction();
    BackdropPending = true;
    formactivate();
}

}  // namespace solvers
