#pragma once
// What the quadratic equation and inequality windows share on top of the solver frame: the
// coefficient controls (`ToolBar3` with `a`/`pa`, `b`/`pb`, `c`/`pc` and `dati`), the function
// choice `funzt` applied by `aggiorna`, the graph with ticks every π/2, and one redraw command
// that solves with the window's own coefficients. A repaint redraws with those coefficients and
// never counts as a step.
#include <array>

#include "solvers/coefficient_controls.h"
#include "solvers/solver_window.h"

namespace solvers {

// The coefficient controls of a quadratic window: its box width, range and acceleration, with
// the start values a = 1, b = -1.5, c = 0.5 and the dialog's example 4t² - 2(√3 + √2)t + √6.
CoefficientSetup quadraticSetup(int boxWidth, int limit, std::vector<std::pair<int, int>> acceleration);

class QuadraticSolverWindow : public SolverWindow {
    Q_OBJECT
public:
    CoefficientControls* coefficients() const { return m_coefficients; }
    // The coefficients the window solves with.
    const std::array<long double, 3>& values() const { return m_coefficients->values(); }

    // The steps of the three up-downs, the mouse release over any of them, the data button.
    void paClick() { m_coefficients->paClick(); }
    void pbClick() { m_coefficients->pbClick(); }
    void pcClick() { m_coefficients->pcClick(); }
    void paMouseUp() { m_coefficients->paMouseUp(); }
    void datiClick() { m_coefficients->datiClick(); }

    // Takes the coefficients as if confirmed in the dialog, then solves and redraws.
    void setCoefficients(const std::array<long double, 3>& values);

    // Applies the function chosen in funzt: its texts, a new graph, the solution redrawn.
    void aggiornaClick() override;

protected:
    QuadraticSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup);

    void FormCreate() override;
    void drawFirstPicture() override;

    // The window's texts for FunctionIndex (equation panel, inequality texts, visible labels).
    virtual void showFunction() = 0;
    // Solves with the window's coefficients and writes the result labels; draws the picture
    // too once the graph exists.
    virtual void solveAndShow() = 0;
    // What a change of the coefficients does: solve and show (the window's own step picture).
    virtual void stepped() { solveAndShow(); }
    void redraw() override { solveAndShow(); }

private:
    CoefficientControls* m_coefficients;
};

}  // namespace solvers
