#include "solvers/frame/coefficient_solver_window.h"

namespace solvers {

CoefficientSolverWindow::CoefficientSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup)
    : SolverWindow(frame), m_coefficients(new CoefficientControls(this, setup))
{
    ToolBar3 = m_coefficients->ToolBar3;
    a = m_coefficients->a;
    b = m_coefficients->b;
    c = m_coefficients->c;
    pa = m_coefficients->pa;
    pb = m_coefficients->pb;
    pc = m_coefficients->pc;
    dati = m_coefficients->dati;
    addLeadingToolBar(ToolBar3);
    connect(m_coefficients, &CoefficientControls::changed, this, [this] { stepped(); });
}

void CoefficientSolverWindow::layOutWithCoefficients()
{
    SolverFrameLayout();
    m_coefficients->start();
}

void CoefficientSolverWindow::setCoefficients(const std::array<long double, 3>& values)
{
    m_coefficients->setValues(values);
    redraw();
}

}  // namespace solvers
