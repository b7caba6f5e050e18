#include "maths/elementary_steps.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"
#include "maths/quadratic.h"

namespace solvers {

int withinPeriodDegrees(int degrees, int period)
{
    return ((degrees % period) + period) % period;
}

namespace {

long double degreesOf(long double radiansAngle)
{
    return radiansAngle * 180.0L / Pi;
}

void addPoint(std::vector<int>& points, int degrees, int period)
{
    const int p = withinPeriodDegrees(degrees, period);
    if (std::find(points.begin(), points.end(), p) == points.end())
        points.push_back(p);
}

Step step(std::string_view key, std::vector<StepValue> values)
{
    return Step{key, std::move(values), {}, std::nullopt};
}

}  // namespace

WorkedSolution elementaryEquationSteps(int function, long double v, int period)
{
    const double fn = function;
    WorkedSolution steps;
    steps.push_back(step("elementary.equation", {{"function", fn}, {"v", double(v)}}));
    if (!rootInRange(function, v)) {
        steps.push_back(step("elementary.out_of_range", {{"function", fn}, {"v", double(v)}}));
        Step none = step("elementary.families", {{"function", fn}, {"period", double(period)}});
        none.set = SolutionSet::empty(period);
        steps.push_back(std::move(none));
        return steps;
    }
    const long double alpha = degreesOf(principalAngle(function, v));
    steps.push_back(step("elementary.reference", {{"function", fn}, {"v", double(v)}, {"alpha", double(alpha)}}));
    const int a = nearest(alpha);
    std::vector<int> points;
    addPoint(points, a, period);
    Step families = step("elementary.families", {{"function", fn}, {"x1", double(a)}});
    if (function == Tangent) {
        steps.push_back(step("elementary.tangent_period", {{"alpha", double(alpha)}, {"period", double(period)}}));
        if (period == 360) {
            addPoint(points, a + 180, period);
            families.values.push_back({"x2", double(a + 180)});
        }
    } else {
        const int b = function == Sine ? 180 - a : -a;
        if (withinPeriodDegrees(a - b, 360) == 0) {
            steps.push_back(step("elementary.one_point", {{"function", fn}, {"alpha", double(alpha)}}));
        } else {
            steps.push_back(step("elementary.symmetric", {{"function", fn},
                                                          {"alpha", double(alpha)},
                                                          {"beta", double(function == Sine ? 180 - alpha : -alpha)}}));
            addPoint(points, b, period);
            families.values.push_back({"x2", double(b)});
        }
    }
    families.values.push_back({"period", double(period)});
    families.set = SolutionSet::atPoints(points, period);
    steps.push_back(std::move(families));
    return steps;
}

WorkedSolution elementaryEquationSteps(const ElementaryFindings& f)
{
    if (f.value)
        return elementaryEquationSteps(f.function, *f.value, periodDegrees(f.function));
    // The tangent of 90°: the window states x = 90° + k 180°.
    const double fn = f.function;
    WorkedSolution steps;
    steps.push_back(step("elementary.no_value", {{"function", fn}, {"alpha", double(f.alphaDeg)}}));
    steps.push_back(step("elementary.tangent_period", {{"alpha", double(f.alphaDeg)}, {"period", 180.0}}));
    Step families = step("elementary.families", {{"function", fn}, {"x1", double(f.alphaDeg)}, {"period", 180.0}});
    families.set = SolutionSet::atPoints({withinPeriodDegrees(f.alphaDeg, 180)}, 180);
    steps.push_back(std::move(families));
    return steps;
}

WorkedSolution elementaryInequalitySteps(const ElementaryFindings& f)
{
    const int function = f.function;
    const double fn = function;
    const long double v = f.value.value_or(0);
    const int period = periodDegrees(function);
    const long double alpha = degreesOf(principalAngle(function, v));
    const int a = nearest(alpha);
    WorkedSolution steps;
    steps.push_back(step("elementary.inequality", {{"function", fn}, {"v", double(v)}}));
    Step ends = step("elementary.ends", {{"function", fn}, {"v", double(v)}, {"x1", double(a)}});
    Step greater = step("elementary.greater", {{"period", double(period)}});
    Step less = step("elementary.less", {{"period", double(period)}});
    // The least and the greatest value of sine and cosine: every x, or one point.
    const int least = function == Sine ? -90 : 180;
    const int top = function == Sine ? 90 : 0;
    if (function != Tangent && (a == least || a == top)) {
        steps.push_back(std::move(ends));
        if (a == least) {
            steps.push_back(step("elementary.arc_all", {{"function", fn}, {"v", double(v)}}));
            greater.set = SolutionSet::allReals();
            less.set = SolutionSet::empty();
        } else {
            steps.push_back(step("elementary.arc_top", {{"function", fn}, {"v", double(v)}, {"x1", double(a)}}));
            greater.set = SolutionSet::atPoints({a});
            less.set = SolutionSet::within({{a, a + 360, false, false}});
        }
    } else {
        // sin x >= v from α to 180° − α, cos x >= v from −α to α, tan x >= v from α to 90°.
        int from = a, to = 180 - a;
        if (function == Cosine)
            from = -a, to = a;
        else if (function == Tangent)
            to = 90;
        if (function == Sine)
            ends.values.push_back({"x2", double(to)});
        else if (function == Cosine)
            ends.values.push_back({"x2", double(from)});
        steps.push_back(std::move(ends));
        steps.push_back(step("elementary.arc", {{"function", fn}, {"v", double(v)}, {"from", double(from)}, {"to", double(to)}}));
        greater.set = SolutionSet::within({{from, to, true, function != Tangent}}, period);
        less.set = function == Tangent ? SolutionSet::within({{-90, from, false, false}}, period)
                                       : SolutionSet::within({{to, from + period, false, false}}, period);
        greater.values.push_back({"from", double(from)});
        greater.values.push_back({"to", double(to)});
    }
    steps.push_back(std::move(greater));
    steps.push_back(std::move(less));
    return steps;
}

}  // namespace solvers
