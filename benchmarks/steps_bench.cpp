// The worked solution of one click, computed from the findings and written in the language in
// use, for each kind of solver: the work the steps panel adds to a click.
#include <benchmark/benchmark.h>

#include "maths/elementary_steps.h"
#include "maths/linear_steps.h"
#include "maths/quadratic_steps.h"
#include "texts/steps_texts.h"

namespace {

using namespace solvers;

// Cycles through the coefficients c = -1 ... 1 in hundredths, as clicks of c's arrow do.
template <class Make>
void stepsOfClicks(benchmark::State& state, Make make)
{
    int c = -100;
    for (auto _ : state) {
        const QStringList lines = workedSolutionLines(make(c / 100.0L));
        benchmark::DoNotOptimize(lines.size());
        c = c >= 100 ? -100 : c + 1;
    }
}

void BM_StepsElementaryEquation(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return elementaryEquationSteps(solveElementary(Sine, int(c * 90))); });
}
void BM_StepsElementaryInequality(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return elementaryInequalitySteps(solveElementary(Cosine, int(90 + c * 90))); });
}
void BM_StepsQuadraticEquation(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return quadraticEquationSteps(solveQuadraticEquation(Sine, 2, -1, c), 2, -1, c); });
}
void BM_StepsQuadraticInequality(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return quadraticInequalitySteps(solveQuadraticInequality(Cosine, 2, -1, c), 2, -1, c); });
}
void BM_StepsLinearEquation(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return linearEquationSteps(solveLinearEquation({1, 1, c})); });
}
void BM_StepsLinearInequality(benchmark::State& state)
{
    stepsOfClicks(state, [](long double c) { return linearInequalitySteps(solveLinearInequality({1, 1, c})); });
}

BENCHMARK(BM_StepsElementaryEquation);
BENCHMARK(BM_StepsElementaryInequality);
BENCHMARK(BM_StepsQuadraticEquation);
BENCHMARK(BM_StepsQuadraticInequality);
BENCHMARK(BM_StepsLinearEquation);
BENCHMARK(BM_StepsLinearInequality);

}  // namespace
