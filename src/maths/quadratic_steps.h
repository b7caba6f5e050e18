#pragma once
// The worked solutions of a (f x)² + b f x + c = 0 and of the inequalities >= 0 and < 0, as steps.
// Keys and values (t values as found, D = b² − 4ac):
//   quadratic.substitution function, a, b, c, inequality (0 or 1)   t = f(x) and the range of t
//   quadratic.constant     c                   a = b = 0: the left side is the constant c
//   quadratic.linear       b, c, t             a = 0: b t + c = 0
//   quadratic.discriminant a, b, c, D          (D < 0: no real t)
//   quadratic.roots        t1, t2              two roots
//   quadratic.double_root  t                   one double root
//   quadratic.keep         function, t         substeps: f(x) = t solved as an elementary equation
//   quadratic.discard      function, t         |t| > 1: f never takes t
//   quadratic.union        period; set: the solutions
//   quadratic.sign         a, lo, hi, outside  >= 0 for t outside [lo, hi] (outside = 1) or within it;
//                                              lo or hi infinite for b t + c; D < 0: lo, hi absent
//   quadratic.cut          function, lo, hi, layout   the t-sets cut to [−1, 1] (layout: RootLayout)
//   quadratic.no_cut       function            the tangent takes every t
//   quadratic.ends         function            substeps: each root in range solved for x, the ends
//   quadratic.greater      period; set: where >= 0 holds
//   quadratic.less         period; set: where < 0 holds
#include "maths/quadratic.h"
#include "maths/steps.h"

namespace solvers {

WorkedSolution quadraticEquationSteps(const QuadraticEquationFindings& f, long double a, long double b, long double c);
WorkedSolution quadraticInequalitySteps(const QuadraticInequalityFindings& f, long double a, long double b, long double c);

}  // namespace solvers
