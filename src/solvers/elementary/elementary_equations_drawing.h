#pragma once
// The pictures of the elementary equation window (window coordinates): the unit circle with
// the solution angles, their arcs and the value segment, beside the graph with the level line
// y = a and the solutions marked on it.
#include <QColor>
#include <QImage>
#include <QPainter>

#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// The backdrop style of the equation window's graph for a function.
BackdropStyle equationBackdropStyle(int function);

// One angle arc of radius round(U·3.5/3) (yellow) or round(U·4/3) (other colours), from angle 0
// to the direction (cx, cy) of α: (1, -1) α, (-1, -1) 180° - α, (1, 1) -α, (-1, 1) 180° + α.
void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int alphaDeg, int cx, int cy, const QColor& colour);

// The picture of every step of the angle: the graph bitmap, the circle construction, the two
// arcs, the grey axes, the value segment, the level line and the graph markers.
void drawEquationPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function, int alphaDeg);

// The first picture of a function: as above but with the short arrowed axes, the second ray
// drawn before the dotted line, and no graph markers.
void drawEquationFirstPicture(QPainter& painter, const SolverGeometry& g, const QImage& bitmap, int function,
                              int alphaDeg);

}  // namespace solvers
