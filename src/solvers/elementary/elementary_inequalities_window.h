#pragma once
// The elementary inequalities window: f(x) >= a and f(x) < a for a = f(α), f = sin, cos, tan,
// with their solution intervals in degrees and as fractions of π, the solution arcs on the unit
// circle and the graph drawn aqua above the level line y = a and yellow below it.
#include <array>

#include "solvers/elementary/elementary_solver_window.h"

class QLabel;

namespace solvers {

class Tdisequatr : public ElementarySolverWindow {
    Q_OBJECT
public:
    Tdisequatr();

    // Label1 ... Label14 by their number (index 0 unused).
    std::array<QLabel*, 15> Label{};

protected:
    void WriteSolutionLabels() override;
};

}  // namespace solvers
