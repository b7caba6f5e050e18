#pragma once
// The pictures of the two linear windows, drawn from the coefficients and their solution:
//  - the graph (in the solver bitmap): the title, the axes with ticks every π/2, and the curve
//    y = a sin s + b cos s scaled by S = |a| + |b| over [-5π/2, 5π/2], white for the equation,
//    aqua where it lies above the level -c and red elsewhere for the inequality;
//  - the circle part (on the window): black ground, grey axes, the unit circle (white, or 360
//    chords aqua where a sin x + b cos x + c >= 0 and red elsewhere), the white line
//    b X + a Y + c = 0 clipped to the disc of radius 1.5 (circle units), and for the equation
//    the radii and arcs of the solutions;
//  - the graph overlay: the level line y = -c and the vertical marks at the solutions and at
//    their copies one period either side, clipped to the graph area.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include "solvers/linear/linear_solver.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

struct LinearPicture {
    Coefficients k{};          // a, b, c
    LinearSolution solution;
    QString title;             // EquationText or InequalityText
    bool signs = false;        // the inequality picture: sign colours, no radii, silver level
};

// Clears the bitmap and draws the graph: title, axes, curve.
void drawLinearGraph(QImage& bitmap, const SolverGeometry& g, const LinearPicture& p);
// Copies the bitmap to the window, clears the circle part and draws the grey axes and the circle.
void drawLinearCirclePart(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, const LinearPicture& p);
// The line, the radii and arcs (equation only), and the level line with its marks.
void drawLinearOverlay(QPainter& painter, const SolverGeometry& g, const LinearPicture& p);

// ---- Pieces, for the tests -----------------------------------------------------------------------

// End points (window coordinates) of the line b X + a Y + c = 0 inside the disc of radius 1.5
// around the circle's centre; false when it misses the disc or a = b = 0.
bool linearLineEnds(const SolverGeometry& g, const Coefficients& k, QPoint& from, QPoint& to);
// The vertex of chord i (0 ... 360) of the sign-coloured circle.
QPoint chordVertex(const SolverGeometry& g, int degrees);
// The y of the level line on the graph: H div 4 + nearest((H/10)·c/S).
int linearLevelY(const SolverGeometry& g, const Coefficients& k);
// The window x of a graph mark at the solution x plus `period` times 2π.
int linearMarkX(const SolverGeometry& g, long double x, int period);
// The end of a solution radius: P(x) at 1.5 R.
QPoint solutionRadiusEnd(const SolverGeometry& g, long double x);
// The radii of the two solution arcs, R (3 + e) / 3 for e = 0.3 and 0.6.
int firstArcRadius(const SolverGeometry& g);
int secondArcRadius(const SolverGeometry& g);

}  // namespace solvers
