#pragma once
// The elementary equations window: sin x = a, cos x = a and tan x = a for a = f(α), with both
// solution families in degrees and as fractions of π, the unit circle construction and the
// graph of f with the level line y = a and the solutions marked on it.
#include "solvers/elementary/elementary_solver_window.h"

class QLabel;

namespace solvers {

class Tequa : public ElementarySolverWindow {
    Q_OBJECT
public:
    Tequa();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label5;
    QLabel* Label10;
    QLabel* Label9;

protected:
    void WriteSolutionLabels() override;
};

}  // namespace solvers
