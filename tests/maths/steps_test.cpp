// The worked solutions against the findings: a sweep over every solver kind and function where
// each step's numbers agree with the findings and with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "maths/angles.h"
#include "maths/elementary_steps.h"
#include "maths/known_values.h"
#include "maths/linear_steps.h"
#include "maths/quadratic_steps.h"

using namespace solvers;

namespace {

// Two sets agree at every whole and half degree of one turn.
bool sameSet(const SolutionSet& x, const SolutionSet& y)
{
    if (x == y)
        return true;
    if (x.kind == SolutionSet::Kind::Points && y.kind == x.kind) {
        std::vector<int> p = x.points, q = y.points;
        std::sort(p.begin(), p.end());
        std::sort(q.begin(), q.end());
        return p == q && x.period == y.period;
    }
    for (int h = 0; h < 720; ++h)
        if (x.contains(h / 2.0L) != y.contains(h / 2.0L))
            return false;
    return true;
}

const Step* find(const WorkedSolution& steps, std::string_view key)
{
    for (const Step& s : steps)
        if (s.key == key)
            return &s;
    return nullptr;
}

long double f(int function, long double degrees)
{
    const long double x = radians(degrees);
    return function == Sine ? std::sin(x) : function == Cosine ? std::cos(x) : std::tan(x);
}

// The checks every elementary equation's steps pass: the reference angle gives the value, the
// symmetric angle gives it too, and the families are the set of the last step.
void checkElementary(const WorkedSolution& steps, int function, long double v)
{
    ASSERT_GE(steps.size(), 3u);
    ASSERT_LE(steps.size(), 8u);
    if (const Step* r = find(steps, "elementary.reference"))
        EXPECT_NEAR(f(function, r->value("alpha")), v, 1e-9 * (1 + std::fabs(v)));
    if (const Step* s = find(steps, "elementary.symmetric"))
        EXPECT_NEAR(f(function, s->value("beta")), v, 1e-9);
    EXPECT_EQ(find(steps, "elementary.out_of_range") != nullptr, !rootInRange(function, v));
    ASSERT_TRUE(steps.back().set);
}

// Every end of an interval of `set` is one of the points (up to the period), or the tangent's ±90°.
void checkEnds(const SolutionSet& set, const std::vector<int>& points, int period, bool tangent)
{
    for (const DegreeInterval& i : set.intervals)
        for (int end : {i.from, i.to}) {
            bool found = tangent && withinPeriodDegrees(end, 180) == 90;
            for (int p : points)
                found = found || withinPeriodDegrees(end - p, period) == 0;
            EXPECT_TRUE(found) << end;
        }
}

TEST(WorkedSolutions, ElementarySweep)
{
    for (int function : {Sine, Cosine, Tangent}) {
        const AngleRange er = equationAngleRange(function);
        for (int alpha = er.minimum; alpha <= er.maximum; ++alpha) {
            const ElementaryFindings found = solveElementary(function, alpha);
            const WorkedSolution steps = elementaryEquationSteps(found);
            if (found.value)
                checkElementary(steps, function, *found.value);
            EXPECT_TRUE(sameSet(*steps.back().set, found.solutions)) << function << " " << alpha;
        }
        const AngleRange ir = inequalityAngleRange(function);
        for (int alpha = ir.minimum; alpha <= ir.maximum; ++alpha) {
            const ElementaryFindings found = solveElementary(function, alpha);
            const WorkedSolution steps = elementaryInequalitySteps(found);
            ASSERT_GE(steps.size(), 3u);
            const Step& ends = steps[1];
            std::vector<int> points = {int(ends.value("x1"))};
            if (ends.has("x2"))
                points.push_back(int(ends.value("x2")));
            for (int p : points)
                EXPECT_NEAR(f(function, p), *found.value, 1e-9);
            EXPECT_TRUE(sameSet(*find(steps, "elementary.greater")->set, found.greater)) << function << " " << alpha;
            EXPECT_TRUE(sameSet(*find(steps, "elementary.less")->set, found.less)) << function << " " << alpha;
            checkEnds(found.greater, points, periodDegrees(function), function == Tangent);
        }
    }
    // Values out of range and the one-point cases.
    EXPECT_EQ(elementaryEquationSteps(Sine, 1.5L, 360).back().set->kind, SolutionSet::Kind::Empty);
    EXPECT_EQ(elementaryEquationSteps(Cosine, -1, 360)[2].key, "elementary.one_point");
}

TEST(WorkedSolutions, QuadraticSweep)
{
    int checked = 0;
    for (int function : {Sine, Cosine, Tangent})
        for (int ia = -8; ia <= 8; ++ia)
            for (int ib = -12; ib <= 12; ++ib)
                for (int ic = -12; ic <= 12; ++ic) {
                    const long double a = ia / 4.0L, b = ib / 4.0L, c = ic / 4.0L;
                    const QuadraticEquationFindings eq = solveQuadraticEquation(function, a, b, c);
                    const WorkedSolution steps = quadraticEquationSteps(eq, a, b, c);
                    ASSERT_GE(steps.size(), 3u);
                    ASSERT_LE(steps.size(), 8u);
                    if (const Step* d = find(steps, "quadratic.discriminant"))
                        EXPECT_EQ(d->value("D") < 0, eq.roots.kind == RootKind::None);
                    for (const Step& s : steps) {
                        if (s.key != "quadratic.keep" && s.key != "quadratic.discard")
                            continue;
                        const long double t = s.value("t");
                        EXPECT_NEAR(a * t * t + b * t + c, 0, 1e-9 * (1 + std::fabs(t) * std::fabs(t)));
                        EXPECT_EQ(s.key == "quadratic.keep", rootInRange(function, t));
                        if (s.key == "quadratic.keep")
                            checkElementary(s.substeps, function, t);
                    }
                    EXPECT_TRUE(sameSet(*steps.back().set, eq.solutions)) << function << " " << double(a) << " " << double(b) << " " << double(c);

                    const QuadraticInequalityFindings in = solveQuadraticInequality(function, a, b, c);
                    const WorkedSolution isteps = quadraticInequalitySteps(in, a, b, c);
                    ASSERT_GE(isteps.size(), 3u);
                    ASSERT_LE(isteps.size(), 8u);
                    std::vector<int> points;
                    if (const Step* ends = find(isteps, "quadratic.ends"))
                        for (const Step& keep : ends->substeps) {
                            checkElementary(keep.substeps, function, keep.value("t"));
                            points.insert(points.end(), keep.substeps.back().set->points.begin(), keep.substeps.back().set->points.end());
                        }
                    EXPECT_TRUE(sameSet(*find(isteps, "quadratic.greater")->set, in.greater));
                    EXPECT_TRUE(sameSet(*find(isteps, "quadratic.less")->set, in.less));
                    checkEnds(in.greater, points, periodDegrees(function), function == Tangent);
                    ++checked;
                }
    EXPECT_GT(checked, 10000);
}

TEST(WorkedSolutions, LinearSweep)
{
    for (int ia = -6; ia <= 6; ++ia)
        for (int ib = -6; ib <= 6; ++ib)
            for (int ic = -10; ic <= 10; ++ic) {
                const Coefficients k = {ia / 4.0L, ib / 4.0L, ic / 4.0L};
                const LinearFindings eq = solveLinearEquation(k);
                const WorkedSolution steps = linearEquationSteps(eq);
                ASSERT_GE(steps.size(), 3u);
                ASSERT_LE(steps.size(), 8u);
                EXPECT_TRUE(sameSet(*steps.back().set, eq.solutions)) << ia << " " << ib << " " << ic;
                const LinearFindings in = solveLinearInequality(k);
                const WorkedSolution isteps = linearInequalitySteps(in);
                ASSERT_GE(isteps.size(), 3u);
                ASSERT_LE(isteps.size(), 8u);
                EXPECT_TRUE(sameSet(*find(isteps, "linear.greater")->set, in.greater)) << ia << " " << ib << " " << ic;
                EXPECT_TRUE(sameSet(*find(isteps, "linear.less")->set, in.less)) << ia << " " << ib << " " << ic;
                if (const Step* aux = find(isteps, "linear.auxiliary")) {
                    const long double R = aux->value("R"), phi = radians(aux->value("phi"));
                    EXPECT_NEAR(R * R, k[0] * k[0] + k[1] * k[1], 1e-9);
                    EXPECT_NEAR(R * std::cos(phi), k[0], 1e-9);
                    EXPECT_NEAR(R * std::sin(phi), k[1], 1e-9);
                    EXPECT_NEAR(find(isteps, "linear.reduced")->value("v") * R, -k[2], 1e-9 * (1 + R));
                }
                if (const Step* shifted = find(isteps, "linear.shifted"))
                    EXPECT_NEAR(linearValue(k, shifted->value("x1")), 0, 1e-9);
            }
}

TEST(WorkedSolutions, KnownValues)
{
    EXPECT_EQ(knownValue(std::sin(radians(60)))->value, KnownValue::Sqrt3Over2);
    EXPECT_TRUE(knownValue(-0.5L)->negative);
    EXPECT_EQ(knownValue(std::tan(radians(30)))->value, KnownValue::Sqrt3Over3);
    EXPECT_FALSE(knownValue(0.4L));
    EXPECT_EQ(piFraction(150)->numerator, 5);
    EXPECT_EQ(piFraction(150)->denominator, 6);
    EXPECT_FALSE(piFraction(33.7L));
}

}  // namespace

TEST(WorkedSolutions, NumbersThatAreNotFinite)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    for (int function : {Sine, Cosine, Tangent}) {
        EXPECT_GE(quadraticEquationSteps(solveQuadraticEquation(function, inf, 1, 1), inf, 1, 1).size(), 3u);
        EXPECT_GE(quadraticInequalitySteps(solveQuadraticInequality(function, 1, inf, 1), 1, inf, 1).size(), 3u);
        EXPECT_GE(elementaryEquationSteps(function, std::nanl(""), 360).size(), 3u);
    }
    EXPECT_GE(linearEquationSteps(solveLinearEquation({inf, 1, 1})).size(), 3u);
    EXPECT_GE(linearInequalitySteps(solveLinearInequality({1, 1, inf})).size(), 3u);
}
