#pragma once
// The pictures of the quadratic windows (window coordinates). Both windows share the circle
// frame (grey axes and the white unit circle over the cleared left half) and the held
// coordinates that keep far tangent values drawable; the equation window draws the
// construction of each root, the inequality window its bands and ring
// (quadratic_inequalities_drawing.h).
#include <QColor>
#include <QImage>
#include <QPainter>
#include <vector>

#include "solvers/quadratic/quadratic_equations.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// The backdrop of both quadratic windows: the function's graph with ticks every π/2.
BackdropStyle quadraticBackdropStyle(int function);

// The grey axes through the circle centre and the white unit circle.
void drawCircleFrame(QPainter& painter, const SolverGeometry& g);

// A row far above or below the picture held at a drawable distance (a tangent's value can be
// huge): within [-H, 2H].
int heldRow(const SolverGeometry& g, long double y);

// The row of the value t on the graph, held as above.
int heldGraphRow(const SolverGeometry& g, long double t);

// An angle arc of radius round(U·(3 + f)/3) from angle 0 to the direction (sx, sy) of θ:
// (1, -1) θ, (-1, -1) 180° - θ, (1, 1) -θ, (-1, 1) θ + 180°.
void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int sx, int sy, float f, long double theta,
                  const QColor& colour);

// The construction of one root of the equation: its ray, the dotted chord to its partner angle,
// the partner's ray, two angle arcs, the projection of the value, the line y = t on the graph
// and the dotted solution markers. Lime with arcs aqua/yellow for the first root (m < 0.5),
// blue with arcs red/fuchsia for the second.
void DrawRoot(QPainter& painter, const SolverGeometry& g, int function, const RootDrawing& root);

// The equation window's whole picture: the graph, the circle frame and every root drawn.
void drawQuadraticEquationPicture(QPainter& painter, const SolverGeometry& g, const QImage& graph, int function,
                                  const std::vector<RootDrawing>& roots);

}  // namespace solvers
