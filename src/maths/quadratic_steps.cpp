#include "maths/quadratic_steps.h"

#include <algorithm>
#include <cmath>

#include "maths/elementary_steps.h"

namespace solvers {

namespace {

Step step(std::string_view key, std::vector<StepValue> values)
{
    return Step{key, std::move(values), {}, std::nullopt};
}

Step keyed(std::string_view key, std::vector<StepValue> values, SolutionSet set)
{
    return Step{key, std::move(values), {}, std::move(set)};
}

// The steps that find the roots of a t² + b t + c = 0, as the findings give them.
void rootSteps(WorkedSolution& steps, const QuadraticRoots& roots, long double a, long double b, long double c)
{
    const double D = roots.kind == RootKind::Double ? 0.0 : double(b * b - 4 * a * c);
    switch (roots.kind) {
    case RootKind::Degenerate:
        steps.push_back(step("quadratic.constant", {{"c", double(c)}}));
        break;
    case RootKind::Linear:
        steps.push_back(step("quadratic.linear", {{"b", double(b)}, {"c", double(c)}, {"t", double(roots.t1)}}));
        break;
    case RootKind::None:
        steps.push_back(step("quadratic.discriminant", {{"a", double(a)}, {"b", double(b)}, {"c", double(c)}, {"D", D}}));
        break;
    case RootKind::Double:
        steps.push_back(step("quadratic.discriminant", {{"a", double(a)}, {"b", double(b)}, {"c", double(c)}, {"D", D}}));
        steps.push_back(step("quadratic.double_root", {{"t", double(roots.t1)}}));
        break;
    case RootKind::Two:
        steps.push_back(step("quadratic.discriminant", {{"a", double(a)}, {"b", double(b)}, {"c", double(c)}, {"D", D}}));
        steps.push_back(step("quadratic.roots", {{"t1", double(roots.t1)}, {"t2", double(roots.t2)}}));
        break;
    }
}

// The roots written, one for a double root or a linear equation.
std::vector<long double> distinctRoots(const QuadraticRoots& roots)
{
    if (roots.kind == RootKind::Two)
        return {roots.t1, roots.t2};
    if (roots.kind == RootKind::Double || roots.kind == RootKind::Linear)
        return {roots.t1};
    return {};
}

}  // namespace

WorkedSolution quadraticEquationSteps(const QuadraticEquationFindings& f, long double a, long double b, long double c)
{
    const int function = f.function;
    const int period = periodDegrees(function);
    WorkedSolution steps;
    steps.push_back(step("quadratic.substitution", {{"function", double(function)}, {"a", double(a)}, {"b", double(b)}, {"c", double(c)}, {"inequality", 0}}));
    rootSteps(steps, f.roots, a, b, c);
    Step result = step("quadratic.union", {{"period", double(period)}});
    if (f.roots.kind == RootKind::Degenerate) {
        result.set = c == 0 ? SolutionSet::allReals(period) : SolutionSet::empty(period);
    } else {
        std::vector<int> points;
        for (long double t : distinctRoots(f.roots)) {
            if (!rootInRange(function, t)) {
                steps.push_back(step("quadratic.discard", {{"function", double(function)}, {"t", double(t)}}));
                continue;
            }
            Step keep = step("quadratic.keep", {{"function", double(function)}, {"t", double(t)}});
            keep.substeps = elementaryEquationSteps(function, t, period);
            for (int p : keep.substeps.back().set->points)
                if (std::find(points.begin(), points.end(), p) == points.end())
                    points.push_back(p);
            steps.push_back(std::move(keep));
        }
        result.set = points.empty() ? SolutionSet::empty(period) : SolutionSet::atPoints(points, period);
    }
    steps.push_back(std::move(result));
    return steps;
}

WorkedSolution quadraticInequalitySteps(const QuadraticInequalityFindings& f, long double a, long double b, long double c)
{
    const int function = f.function;
    const double fn = function;
    const int period = periodDegrees(function);
    WorkedSolution steps;
    steps.push_back(step("quadratic.substitution", {{"function", fn}, {"a", double(a)}, {"b", double(b)}, {"c", double(c)}, {"inequality", 1}}));
    rootSteps(steps, f.roots, a, b, c);
    const RootKind kind = f.roots.kind;
    if (kind != RootKind::Degenerate) {
        Step sign = step("quadratic.sign", {{"a", double(kind == RootKind::Linear ? b : a)}});
        if (kind != RootKind::None) {
            sign.values.push_back({"lo", double(f.lo)});
            sign.values.push_back({"hi", double(f.hi)});
        }
        sign.values.push_back({"outside", f.greaterOutside ? 1.0 : 0.0});
        steps.push_back(std::move(sign));
    }
    if (kind != RootKind::Degenerate && kind != RootKind::None) {
        if (function == Tangent)
            steps.push_back(step("quadratic.no_cut", {{"function", fn}}));
        else
            steps.push_back(step("quadratic.cut", {{"function", fn}, {"lo", double(f.lo)}, {"hi", double(f.hi)},
                                                   {"layout", double(int(f.layout))}}));
        // The ends: each root f takes, solved for x (none when no root lies within the range).
        if (function == Tangent || f.layout != RootLayout::None) {
            Step ends = step("quadratic.ends", {{"function", fn}});
            for (long double t : distinctRoots(f.roots)) {
                if (!rootInRange(function, t))
                    continue;
                Step keep = step("quadratic.keep", {{"function", fn}, {"t", double(t)}});
                keep.substeps = elementaryEquationSteps(function, t, period);
                ends.substeps.push_back(std::move(keep));
            }
            if (!ends.substeps.empty())
                steps.push_back(std::move(ends));
        }
    }
    steps.push_back(keyed("quadratic.greater", {{"period", double(period)}}, f.greater));
    steps.push_back(keyed("quadratic.less", {{"period", double(period)}}, f.less));
    return steps;
}

}  // namespace solvers
