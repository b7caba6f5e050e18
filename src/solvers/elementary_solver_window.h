#pragma once
// What the two elementary windows (equations and inequalities) share on top of the solver
// frame: the function choice `funzt` with `aggiorna`, the angle up-down `sposta` and the angle
// α (`AngleDeg`) it holds, the creation, the start state at α = 25 and the repaint through
// `spostaClick`.
#include "solvers/elementary_angles.h"
#include "solvers/solver_window.h"

class UpDown;

namespace solvers {

class ElementarySolverWindow : public SolverWindow {
    Q_OBJECT
public:
    UpDown* sposta;

    int angleDeg() const { return AngleDeg; }

    // The up-down's click (either arrow): redraw for the new angle.
    virtual void spostaClick() = 0;

protected:
    // `angleRange`: the range of sposta for each function in this window.
    ElementarySolverWindow(const SolverFrame& frame, AngleRange (*angleRange)(int function));

    void FormCreate() override;
    void redraw() override { spostaClick(); }

    // Writes the result labels for FunctionIndex and AngleDeg.
    virtual void WriteSolutionLabels() = 0;

    // sposta position and AngleDeg back to the start angle.
    void resetToStartAngle();
    // The first step of aggiornaClick: FunctionIndex from funzt, the caption of Panel2 and the
    // range of sposta for that function.
    void chooseFunction();

    int AngleDeg = StartAngle;

private:
    AngleRange (*m_angleRange)(int function);
};

}  // namespace solvers
