// Solving a triangle (each case, and the ambiguous case with its steps) and one click of an
// up-down of the Triangles window at a client size of 1920 x 1050, counted in plain copies of an
// image of the window's device size (window_click_bench.h).
#include <benchmark/benchmark.h>

#include "maths/triangle.h"
#include "platform/updown.h"
#include "triangles/triangle_window.h"
#include "window_click_bench.h"

namespace {

using namespace triangles;

Parts parts(std::initializer_list<std::pair<int, double>> list)
{
    Parts p = noParts();
    for (auto [i, v] : list)
        p[i] = v;
    return p;
}

void BM_SolveTriangle(benchmark::State& state)
{
    const Parts cases[] = {parts({{SideA, 3}, {SideB, 4}, {SideC, 5}}),
                           parts({{SideB, 7}, {SideC, 5}, {AngleA, 30}}),
                           parts({{AngleB, 45}, {SideA, 10}, {AngleC, 60}}),
                           parts({{AngleA, 30}, {AngleB, 45}, {SideA, 5}}),
                           parts({{SideA, 5}, {SideB, 7}, {AngleA, 30}})};
    const Parts& given = cases[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(solveTriangle(given));
}
BENCHMARK(BM_SolveTriangle)->DenseRange(0, 4)->Unit(benchmark::kNanosecond);

void BM_SolveTriangleWithSteps(benchmark::State& state)
{
    const Parts given = parts({{SideA, 5}, {SideB, 7}, {AngleA, 30}});
    for (auto _ : state)
        benchmark::DoNotOptimize(triangleSteps(solveTriangle(given)));
}
BENCHMARK(BM_SolveTriangleWithSteps)->Unit(benchmark::kNanosecond);

// One click of the arrow of a, up while a stays between the height and b (two triangles), then down.
void BM_TriangleArrowClickShown(benchmark::State& state)
{
    bool up = true;
    window_click::measureClicks<TriangleWindow>(
        state,
        [&up](TriangleWindow* window) {
            platform::UpDown* step = window->steppers[SideA];
            if (step->position() >= 65) up = false;
            if (step->position() <= 40) up = true;
            up ? step->stepUp() : step->stepDown();
        },
        true);
}
BENCHMARK(BM_TriangleArrowClickShown)->Unit(benchmark::kMillisecond);

}  // namespace
