#pragma once
// The quadratic equations window: a (f x)² + b f x + c = 0 for f = sin, cos or tan, solved as
// a quadratic in t = f(x), each admissible root turned into its solution families in degrees
// and as fractions of π, with the roots' construction on the unit circle and the lines y = t
// on the graph.
#include <array>

#include "solvers/quadratic/quadratic_equations.h"
#include "solvers/quadratic/quadratic_window.h"

class QLabel;

namespace solvers {

class Tequasecondogrado : public QuadraticSolverWindow {
    Q_OBJECT
public:
    Tequasecondogrado();

    // Label[n] is LabelN, n = 1..14 (Label[0] is not used).
    std::array<QLabel*, 15> Label{};

    // The last solution shown.
    const QuadraticEquationResult& result() const { return m_result; }

    void paint(QPainter& painter, QSize size) const override;

protected:
    void solve() override;

private:
    void WriteSolutionLabels();
    QuadraticEquationResult m_result;
};

}  // namespace solvers
