#pragma once
// What the quadratic equation and inequality windows share on top of the solver frame: the
// coefficient controls (`ToolBar3` with `a`/`pa`, `b`/`pb`, `c`/`pc` and `dati`), the function
// choice `funzt` applied by `aggiorna`, the graph with ticks every π/2, and one redraw command
// that solves with the window's own coefficients. A repaint redraws with those coefficients and
// never counts as a step.
#include <array>

#include "solvers/frame/solver_window.h"

namespace solvers {

// The coefficient controls of a quadratic window: its box width, range and acceleration, with
// the start values a = 1, b = -1.5, c = 0.5 and the dialog's example 4t² - 2(√3 + √2)t + √6.
CoefficientSetup quadraticSetup(int boxWidth, int limit, std::vector<std::pair<int, int>> acceleration);

class QuadraticSolverWindow : public SolverWindow {
    Q_OBJECT
public:
    // Applies the function chosen in funzt: its texts, a new graph, the solution redrawn.
    void aggiornaClick() override;

protected:
    QuadraticSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup);

    void FormCreate() override;
    void prepareOpeningPicture() override;
};

}  // namespace solvers
