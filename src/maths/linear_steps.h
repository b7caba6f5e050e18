#pragma once
// The worked solutions of a sin x + b cos x + c = 0 and of the inequalities >= 0 and < 0, as
// steps. Keys and values (angles in degrees, not rounded):
//   linear.equation / linear.inequality  a, b, c
//   linear.constant        c             a = b = 0: the left side is the constant c
//   linear.cosine_only     b, c, v       a = 0: cos x = v = −c/b; substeps: the elementary equation
//   linear.sine_only       a, c, v       b = 0: sin x = v = −c/a; substeps likewise
//   linear.tangent_form    a, b, v       c = 0: tan x = v = −b/a; substeps likewise
//   linear.auxiliary       a, b, R, phi  a sin x + b cos x = R sin(x + φ), R = √(a² + b²), cos φ = a/R, sin φ = b/R
//   linear.reduced         R, c, v       sin(x + φ) = v = −c/R
//   linear.picture_cuts / linear.picture_touches / linear.picture_misses   c, R, distance
//                                        the line b X + a Y + c = 0 at the distance |c|/R from the centre
//   linear.shifted         phi, v, y1[, y2], x1[, x2]   x = y − φ; substeps: sin y = v
//   linear.solutions       set: the solutions
//   linear.arc             from, to      >= 0 on the arc from..to, ends in; < 0 on the rest, ends out
//   linear.arc_point       x1            the line touches the circle and c < 0: >= 0 only there
//   linear.arc_sign        c             no crossing: the sign of c everywhere
//   linear.greater / linear.less         set: where >= 0 and < 0 hold
#include "maths/linear.h"
#include "maths/steps.h"

namespace solvers {

WorkedSolution linearEquationSteps(const LinearFindings& f);
WorkedSolution linearInequalitySteps(const LinearFindings& f);

}  // namespace solvers
