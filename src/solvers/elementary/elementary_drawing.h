#pragma once
// The pictures of the two elementary windows (window coordinates), drawn from their findings:
//  - the equation window: the unit circle with the solution angles, their arcs and the value
//    segment, beside the graph with the level line y = a and the solutions marked on it;
//  - the inequality window: what satisfies f(x) >= a in aqua and what satisfies f(x) < a in
//    yellow, on the unit circle (solution arcs) and on the graph (the curve aqua above the level
//    line y = a, yellow below it).
// Each window has its opening picture (the first of a function: short arrowed axes, no graph
// markers) and the picture of every step of the angle.
#include <QColor>
#include <QImage>
#include <QPainter>

#include "maths/elementary.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// ---- The equation window -------------------------------------------------------------------------

// The backdrop style of the equation window's graph for a function.
BackdropStyle equationBackdropStyle(int function);

// The picture of a step: the graph, the circle construction, the two arcs, the grey axes, the
// value segment, the level line and the graph markers. The opening picture has the short
// arrowed axes instead, the second ray drawn before the dotted line, and no graph markers.
void drawEquationPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                         const ElementaryFindings& f, bool opening = false);

// One angle arc of radius round(U·3.5/3) (yellow) or round(U·4/3) (other colours), from angle 0
// to the direction (cx, cy) of α: (1, -1) α, (-1, -1) 180° - α, (1, 1) -α, (-1, 1) 180° + α.
void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int cx, int cy, const QColor& colour);

// ---- The inequality window -----------------------------------------------------------------------

// The backdrop style of the inequality window: two copies of the graph in a bitmap twice as
// high, the upper one with an aqua curve, the lower one with a yellow curve.
BackdropStyle inequalityBackdropStyle(int function);

// The picture of a step: the graph in two colours, the circle construction, the solution arcs,
// the grey axes, the value segment, the level line and the markers. The opening picture has the
// short arrowed axes and no graph markers.
void drawInequalityPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                           const ElementaryFindings& f, bool opening = false);

// The part of the yellow copy that is shown below the level row y (bitmap rectangle) and where
// it goes on the window; empty when the level lies below the graph.
QRect lowerSourceRect(const SolverGeometry& g, int levelY);
QPoint lowerDestination(const SolverGeometry& g, int levelY);

// The graph in two colours for the level a: the aqua copy, then the yellow copy below the level.
void copyTwoColourGraph(QPainter& painter, const SolverGeometry& g, const GraphSource& graph, float a);

// One solution arc of radius round(4U/3) from the direction (c1, s1) of α to the direction
// (c2, s2): (1, -1) α, (-1, -1) 180° - α, (1, 1) -α, (-1, 1) 180° + α.
void DrawSolutionArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int c1, int s1, int c2, int s2,
                     const QColor& colour);

// The solution arcs of a step: aqua where f(x) >= a, yellow where f(x) < a. Where a is the
// largest value of f (sine at 90°, cosine at 0°) the yellow arc is the whole circle and the
// aqua set is the single point at α, drawn as a dot.
void drawSolutionArcs(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f);

// ---- Shared by both ------------------------------------------------------------------------------

// The level a of the graph in single precision: f(α), or for the tangent at 90° the value
// H div 2, far beyond the graph, standing for infinity.
float elementaryLevel(const ElementaryFindings& f, int H);

// Black left part, white unit circle and the ray to P(α, 1.5U); the dotted chord to the second
// solution (sine: to 180° - α, cosine: to -α) or, for the tangent, the dotted line through the
// centre between the two tangent lines x = ±1; then the second ray (sine, cosine) or the
// diameter through α (tangent). The tangent's lines are left out at 90°. With
// `secondRayFirst` the second ray or diameter is drawn before the dotted line.
void drawElementaryConstruction(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f,
                                bool secondRayFirst = false);

// The lime value segment of width 3 from the centre: the sine or cosine segment, or the two
// tangent segments on x = ±1 (none for the tangent at 90°).
void drawValueSegment(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f);

// The lime level line y = f(α) across the graph and, with `markers`, the dotted lime markers from
// the graph's axis to that level at each solution.
void drawLevelAndMarkers(QPainter& painter, const SolverGeometry& g, const ElementaryFindings& f, bool markers);

}  // namespace solvers
