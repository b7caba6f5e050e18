#pragma once
// The pictures of the two linear windows, drawn from their findings:
//  - the graph (in the solver bitmap on the window's surface, straight on any other device):
//    the title, the axes with ticks every π/2, and the curve
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

#include "maths/linear.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

struct LinearPicture {
    const LinearFindings& findings;
    QString title;             // EquationText or InequalityText
    bool signs = false;        // the inequality picture: sign colours, no radii, silver level
};

// The whole picture: the graph, the circle part with the grey axes and the circle, the line,
// the radii and arcs (equation only), and the level line with its marks. With a `graphCache`
// (the window's own surface) the graph is drawn into it and copied; without, it is drawn
// straight on the painter.
void drawLinearPicture(QPainter& painter, const SolverGeometry& g, const LinearPicture& p, QImage* graphCache);

// ---- Pieces, for the tests -----------------------------------------------------------------------

// End points (window coordinates) of the line b X + a Y + c = 0 (scale-free coefficients)
// inside the disc of radius 1.5 around the circle's centre; false when it misses the disc or
// a = b = 0.
bool linearLineEnds(const SolverGeometry& g, const Coefficients& scaled, QPoint& from, QPoint& to);
// The vertex of chord i (0 ... 360) of the sign-coloured circle.
QPoint chordVertex(const SolverGeometry& g, int degrees);
// The y of the level line on the graph for scale-free coefficients: H div 4 + nearest((H/10)·c/S).
int linearLevelY(const SolverGeometry& g, const Coefficients& scaled);
// The window x of a graph mark at the solution x plus `period` times 2π.
int linearMarkX(const SolverGeometry& g, long double x, int period);
// The end of a solution radius: P(x) at 1.5 R.
QPoint solutionRadiusEnd(const SolverGeometry& g, long double x);
// The radii of the two solution arcs, R (3 + e) / 3 for e = 0.3 and 0.6.
int firstArcRadius(const SolverGeometry& g);
int secondArcRadius(const SolverGeometry& g);

}  // namespace solvers
