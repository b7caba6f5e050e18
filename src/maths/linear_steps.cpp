#include "maths/linear_steps.h"

#include <algorithm>
#include <cmath>

#include "maths/angles.h"
#include "maths/elementary_steps.h"

namespace solvers {

namespace {

Step step(std::string_view key, std::vector<StepValue> values)
{
    return Step{key, std::move(values), {}, std::nullopt};
}

long double degreesOf(long double radiansAngle)
{
    return radiansAngle * 180.0L / Pi;
}

// The value v of the elementary equation, held at ±1 where the findings see a tangent line.
long double heldValue(long double v, const LinearSolution& s)
{
    return s.tangent ? std::clamp(v, -1.0L, 1.0L) : v;
}

struct Auxiliary {
    long double R, phi, v;
};

// a sin x + b cos x = R sin(x + φ), then the picture's line and the shifted solutions. Adds the
// steps and returns the points (whole degrees of one turn) where the left side is 0.
std::vector<int> auxiliarySteps(WorkedSolution& steps, const LinearFindings& f, Auxiliary& aux)
{
    const auto [a, b, c] = f.k;
    aux.R = std::hypot(a, b);
    aux.phi = degreesOf(std::atan2(b, a));
    aux.v = heldValue(-c / aux.R, f.solution);
    steps.push_back(step("linear.auxiliary", {{"a", double(a)}, {"b", double(b)}, {"R", double(aux.R)}, {"phi", double(aux.phi)}}));
    steps.push_back(step("linear.reduced", {{"R", double(aux.R)}, {"c", double(c)}, {"v", double(aux.v)}}));
    const LinearSolution& s = f.solution;
    const std::string_view picture = s.written == 0 ? "linear.picture_misses"
                                     : s.tangent    ? "linear.picture_touches"
                                                    : "linear.picture_cuts";
    steps.push_back(step(picture, {{"c", double(c)}, {"R", double(aux.R)}, {"distance", double(std::fabs(c) / aux.R)}}));
    std::vector<int> points;
    if (s.written == 0)
        return points;
    Step shifted = step("linear.shifted", {{"phi", double(aux.phi)}, {"v", double(aux.v)}});
    shifted.substeps = elementaryEquationSteps(Sine, aux.v, 360);
    const long double y1 = degreesOf(std::asin(aux.v));
    shifted.values.push_back({"y1", double(y1)});
    shifted.values.push_back({"x1", double(y1 - aux.phi)});
    points.push_back(withinPeriodDegrees(nearest(y1 - aux.phi), 360));
    const int second = withinPeriodDegrees(nearest(180 - y1 - aux.phi), 360);
    if (second != points.front()) {
        shifted.values.push_back({"y2", double(180 - y1)});
        shifted.values.push_back({"x2", double(180 - y1 - aux.phi)});
        points.push_back(second);
    }
    steps.push_back(std::move(shifted));
    return points;
}

SolutionSet pointsOrEmpty(const std::vector<int>& points, int period)
{
    return points.empty() ? SolutionSet::empty(period) : SolutionSet::atPoints(points, period);
}

}  // namespace

WorkedSolution linearEquationSteps(const LinearFindings& f)
{
    const auto [a, b, c] = f.k;
    WorkedSolution steps;
    steps.push_back(step("linear.equation", {{"a", double(a)}, {"b", double(b)}, {"c", double(c)}}));
    Step result = step("linear.solutions", {});
    if (f.solution.constant) {
        steps.push_back(step("linear.constant", {{"c", double(c)}}));
        result.set = c == 0 ? SolutionSet::allReals() : SolutionSet::empty();
    } else if (a == 0 || b == 0 || c == 0) {
        // One term fewer: an elementary equation in cos x, sin x or tan x.
        Step special = a == 0   ? step("linear.cosine_only", {{"b", double(b)}, {"c", double(c)}, {"v", double(heldValue(-c / b, f.solution))}})
                       : b == 0 ? step("linear.sine_only", {{"a", double(a)}, {"c", double(c)}, {"v", double(heldValue(-c / a, f.solution))}})
                                : step("linear.tangent_form", {{"a", double(a)}, {"b", double(b)}, {"v", double(-b / a)}});
        const int function = a == 0 ? Cosine : b == 0 ? Sine : Tangent;
        special.substeps = elementaryEquationSteps(function, special.value("v"), 360);
        result.set = *special.substeps.back().set;
        steps.push_back(std::move(special));
    } else {
        Auxiliary aux{};
        result.set = pointsOrEmpty(auxiliarySteps(steps, f, aux), 360);
    }
    steps.push_back(std::move(result));
    return steps;
}

WorkedSolution linearInequalitySteps(const LinearFindings& f)
{
    const auto [a, b, c] = f.k;
    WorkedSolution steps;
    steps.push_back(step("linear.inequality", {{"a", double(a)}, {"b", double(b)}, {"c", double(c)}}));
    Step greater = step("linear.greater", {});
    Step less = step("linear.less", {});
    if (f.solution.constant) {
        steps.push_back(step("linear.constant", {{"c", double(c)}}));
        greater.set = c >= 0 ? SolutionSet::allReals() : SolutionSet::empty();
        less.set = c >= 0 ? SolutionSet::empty() : SolutionSet::allReals();
    } else {
        Auxiliary aux{};
        const std::vector<int> points = auxiliarySteps(steps, f, aux);
        if (points.size() == 2) {
            // R sin(x + φ) >= −c where sin y >= v: y from y1 to 180° − y1, so x from y1 − φ to 180° − y1 − φ.
            const int from = points[0];
            int to = points[1];
            if (to < from)
                to += 360;
            steps.push_back(step("linear.arc", {{"from", double(from)}, {"to", double(to)}}));
            greater.set = SolutionSet::within({{from, to, true, true}});
            less.set = SolutionSet::within({{to, from + 360, false, false}});
        } else if (points.size() == 1 && c < 0) {
            steps.push_back(step("linear.arc_point", {{"x1", double(points[0])}}));
            greater.set = SolutionSet::atPoints({points[0]});
            less.set = SolutionSet::within({{points[0], points[0] + 360, false, false}});
        } else {
            steps.push_back(step("linear.arc_sign", {{"c", double(c)}}));
            greater.set = c > 0 ? SolutionSet::allReals() : SolutionSet::empty();
            less.set = c > 0 ? SolutionSet::empty() : SolutionSet::allReals();
        }
    }
    steps.push_back(std::move(greater));
    steps.push_back(std::move(less));
    return steps;
}

}  // namespace solvers
