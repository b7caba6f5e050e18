#pragma once
// The circle construction both elementary windows draw for an angle α (window coordinates).
#include <QPainter>

#include "solvers/frame/solver_geometry.h"

namespace solvers {

// Black left part, white unit circle and the ray to P(α, 1.5U); the dotted chord to the second
// solution (sine: to 180° - α, cosine: to -α) or, for the tangent, the dotted line through the
// centre between the two tangent lines x = ±1; then the second ray (sine, cosine) or the
// diameter through α (tangent). The tangent's lines are left out at 90°. With
// `secondRayFirst` the second ray or diameter is drawn before the dotted line.
void drawElementaryConstruction(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg,
                                bool secondRayFirst = false);

// The lime value segment of width 3 from the centre: the sine or cosine segment, or the two
// tangent segments on x = ±1 (none for the tangent at 90°).
void drawValueSegment(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg);

// The lime level line y = f(α) across the graph and, with `markers`, the dotted lime markers from
// the graph's axis to that level at each solution.
void drawLevelAndMarkers(QPainter& painter, const SolverGeometry& g, int function, int alphaDeg, bool markers);

}  // namespace solvers
