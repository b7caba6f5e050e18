#pragma once
// The quadratic inequalities window: a (f x)² + b f x + c >= 0 and < 0 for f = sin, cos or tan,
// with the sets of t = f(x) where each holds, their intervals of x in degrees, and the two sets
// coloured on the graph (blue and red bands) and on a ring around the unit circle.
#include <array>

#include "solvers/quadratic/quadratic_inequalities.h"
#include "solvers/quadratic/quadratic_inequalities_drawing.h"
#include "solvers/quadratic/quadratic_window.h"

class QLabel;

namespace solvers {

class Tdisequasecondogrado : public QuadraticSolverWindow {
    Q_OBJECT
public:
    Tdisequasecondogrado();

    // Label[n] is LabelN for n = 1, 2, 3, 4, 5, 12, 14, 16; the other entries are null.
    std::array<QLabel*, 17> Label{};

    const QuadraticInequalityResult& result() const { return m_result; }
    const InequalityBitmaps& bitmaps() const { return m_bitmaps; }

    void paint(QPainter& painter, QSize size) const override;

protected:
    void FormCreate() override;
    void solve() override;
    void SolverClose() override;

private:
    void WriteAngleIntervals();
    QuadraticInequalityResult m_result;
    mutable InequalityBitmaps m_bitmaps;
};

}  // namespace solvers
