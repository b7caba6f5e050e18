#include "solvers/quadratic/quadratic_window.h"

#include <QComboBox>
#include <QToolBar>
#include <QToolButton>

#include "solvers/quadratic/quadratic_drawing.h"

namespace solvers {

CoefficientSetup quadraticSetup(int boxWidth, int limit, std::vector<std::pair<int, int>> acceleration)
{
    CoefficientSetup setup;
    setup.boxWidth = boxWidth;
    setup.limit = limit;
    setup.positions = {100, -150, 50};
    setup.expressions = {QStringLiteral("4"), QStringLiteral("-2 * (sqrt(3) + sqrt(2))"), QStringLiteral("sqrt(6)")};
    setup.acceleration = std::move(acceleration);
    return setup;
}

QuadraticSolverWindow::QuadraticSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup)
    : SolverWindow(frame)
{
    addCoefficientControls(setup);
    createFunctionChoice();
    ToolBar1->addWidget(funzt);
    ToolBar1->addSeparator()->setObjectName("ToolButton1");
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator()->setObjectName("ToolButton2");
}

void QuadraticSolverWindow::FormCreate()
{
    SolverFrameLayout();
    solve();
    BackdropPending = true;
}

void QuadraticSolverWindow::prepareOpeningPicture()
{
    drawBackdrop(quadraticBackdropStyle(FunctionIndex));
}

void QuadraticSolverWindow::aggiornaClick()
{
    FunctionIndex = funzt->currentIndex();
    BackdropPending = true;
    formactivate();
}

}  // namespace solvers
