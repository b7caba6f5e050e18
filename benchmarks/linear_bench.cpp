// The cost of one arrow click in the linear equation and inequality windows at a client size of
// 1920 x 1050: the coefficient box, the solution, the whole graph with its curve, the square
// around the circle (360 sign-coloured chords in the inequality window), the line, the marks
// and the labels are redrawn. The counter "copies" is the click's time in plain 1920 x 1050 image copies
// measured in the same run (BM_PlainImageCopy prints one copy for reference).
#include <benchmark/benchmark.h>

#include "platform/updown.h"
#include "solvers/linear/linear_window.h"
#include "window_click_bench.h"

namespace {

using namespace window_click;

// Clicks of c's arrows between -2 and 2, each one released (no acceleration), so the line
// sweeps from missing the circle through cutting it and back.
template <class Window>
void linearArrowClick(benchmark::State& state, bool shown)
{
    bool up = true;
    measureClicks<Window>(
        state,
        [&up](Window* window) {
            platform::UpDown* pc = window->coefficients()->pc;
            if (pc->position() >= 200)
                up = false;
            if (pc->position() <= -200)
                up = true;
            up ? pc->stepUp() : pc->stepDown();
            pc->release();
        },
        shown);
}

void BM_LinearEquationArrowClick(benchmark::State& state)
{
    linearArrowClick<solvers::Tequazionilineari>(state, false);
}
BENCHMARK(BM_LinearEquationArrowClick)->Unit(benchmark::kMillisecond);

void BM_LinearEquationArrowClickShown(benchmark::State& state)
{
    linearArrowClick<solvers::Tequazionilineari>(state, true);
}
BENCHMARK(BM_LinearEquationArrowClickShown)->Unit(benchmark::kMillisecond);

void BM_LinearInequalityArrowClick(benchmark::State& state)
{
    linearArrowClick<solvers::Tdisequazionilineari>(state, false);
}
BENCHMARK(BM_LinearInequalityArrowClick)->Unit(benchmark::kMillisecond);

void BM_LinearInequalityArrowClickShown(benchmark::State& state)
{
    linearArrowClick<solvers::Tdisequazionilineari>(state, true);
}
BENCHMARK(BM_LinearInequalityArrowClickShown)->Unit(benchmark::kMillisecond);

}  // namespace
