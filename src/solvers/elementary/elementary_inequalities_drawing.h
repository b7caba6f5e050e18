#pragma once
// The pictures of the elementary inequality window (window coordinates): what satisfies
// f(x) >= a in aqua and what satisfies f(x) < a in yellow, on the unit circle (solution arcs)
// and on the graph (the curve aqua above the level line y = a, yellow below it).
#include <QColor>
#include <QImage>
#include <QPainter>

#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// The backdrop style of the inequality window: two copies of the graph in a bitmap twice as
// high, the upper one with an aqua curve, the lower one with a yellow curve.
BackdropStyle inequalityBackdropStyle(int function);

// The part of the yellow copy that is shown below the level row y (bitmap rectangle) and where
// it goes on the window; empty when the level lies below the graph.
QRect lowerSourceRect(const SolverGeometry& g, int levelY);
QPoint lowerDestination(const SolverGeometry& g, int levelY);

// The graph in two colours for the level a: the aqua copy, then the yellow copy below the level.
void copyTwoColourGraph(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, float a);

// One solution arc of radius round(4U/3) from the direction (c1, s1) of α to the direction
// (c2, s2): (1, -1) α, (-1, -1) 180° - α, (1, 1) -α, (-1, 1) 180° + α.
void DrawSolutionArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int c1, int s1, int c2, int s2,
                     const QColor& colour);

// The solution arcs of a step: aqua where f(x) >= a, yellow where f(x) < a. Where a is the
// largest value of f (sine at 90°, cosine at 0°) the yellow arc is the whole circle and the
// aqua set is the single point at α, drawn as a dot.
void drawSolutionArcs(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg);

// The picture of every step of the angle.
void drawInequalityPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                           int alphaDeg);

// The first picture of a function: the arcs of every step, the short arrowed axes and no graph
// markers.
void drawInequalityFirstPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                                int alphaDeg);

}  // namespace solvers
