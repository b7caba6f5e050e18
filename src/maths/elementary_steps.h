#pragma once
// The worked solutions of the elementary equations and inequalities, as steps (maths/steps.h).
// Keys and the values each carries (angles in degrees, not rounded; sets in whole degrees):
//   elementary.equation      function, v            f(x) = v and the range of f
//   elementary.out_of_range  function, v            |v| > 1: sine and cosine never take v
//   elementary.no_value      function, alpha        tan α has no value (α = 90°)
//   elementary.reference     function, v, alpha     α = arcsin v, arccos v or arctan v
//   elementary.symmetric     function, alpha, beta  the second solution: 180° − α (sine), −α (cosine)
//   elementary.one_point     function, alpha        the symmetric solution is α itself
//   elementary.tangent_period alpha, period         tan repeats every 180°: no second solution (period 180)
//                                                   or α + 180° (over one turn, period 360)
//   elementary.families      function, x1[, x2], period; set: the solutions
//   elementary.inequality  function, v            f(x) >= v and f(x) < v
//   elementary.ends          function, v, x1[, x2]  where f(x) = v: the ends of the arcs
//   elementary.arc           function, v, from, to     f(x) >= v on the arc from..to, ends in; < on the rest, ends out
//   elementary.arc_all       function, v            v is the least value of f: >= for every x
//   elementary.arc_top       function, v, x1        v is the greatest value of f: >= only at x1
//   elementary.greater       period; set: where f(x) >= v
//   elementary.less          period; set: where f(x) < v
#include "maths/elementary.h"
#include "maths/steps.h"

namespace solvers {

// f(x) = v for any value v: 3 or 4 steps. `period` is the period of the families stated: that
// of f, or 360 where a tangent's solutions are stated over one turn (the linear windows).
WorkedSolution elementaryEquationSteps(int function, long double value, int period);

// The two elementary windows, from their findings.
WorkedSolution elementaryEquationSteps(const ElementaryFindings& f);
WorkedSolution elementaryInequalitySteps(const ElementaryFindings& f);

// The points of a worked solution's sets over one period, merged: used to join the substeps.
int withinPeriodDegrees(int degrees, int period);

}  // namespace solvers
