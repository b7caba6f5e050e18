#pragma once
// What the four coefficient windows (quadratic and linear equations and inequalities) share on
// top of the solver frame: the coefficient controls on `ToolBar3` ahead of ToolBar1, their
// handlers, and the coefficients the window solves with. A step or a confirmed dialog runs
// stepped(); a repaint runs redraw() with the same coefficients and never counts as a step.
#include <array>

#include "solvers/frame/coefficient_controls.h"
#include "solvers/frame/solver_window.h"

namespace solvers {

class CoefficientSolverWindow : public SolverWindow {
    Q_OBJECT
public:
    CoefficientControls* coefficients() const { return m_coefficients; }
    // The controls, by their names.
    QToolBar* ToolBar3;
    QLineEdit* a;
    QLineEdit* b;
    QLineEdit* c;
    UpDown* pa;
    UpDown* pb;
    UpDown* pc;
    QToolButton* dati;

    // The coefficients the window solves with.
    const std::array<long double, 3>& values() const { return m_coefficients->values(); }
    int stepPressCount() const { return m_coefficients->stepPressCount(); }

    // The steps of the three up-downs, the mouse release over any of them, the data button.
    void paClick() { m_coefficients->paClick(); }
    void pbClick() { m_coefficients->pbClick(); }
    void pcClick() { m_coefficients->pcClick(); }
    void paMouseUp() { m_coefficients->paMouseUp(); }
    void datiClick() { m_coefficients->datiClick(); }

    // Takes the coefficients as if confirmed in the dialog (tests, pictures), then redraws.
    void setCoefficients(const std::array<long double, 3>& values);

protected:
    CoefficientSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup);

    // The creation steps of the frame and the coefficients' start state.
    void layOutWithCoefficients();
    // What a step or a confirmed dialog does.
    virtual void stepped() { redraw(); }

private:
    CoefficientControls* m_coefficients;
};

}  // namespace solvers
