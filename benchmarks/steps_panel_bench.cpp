// One arrow click shown on screen with the steps panel open, in each of the six solver windows
// at a client size of 1920 x 1050: the solution, the labels, the part of the picture the step
// changes and the steps panel's worked solution rewritten and repainted. The counter "copies" is
// the click's time in plain copies of the window's device size measured in the same run.
#include <benchmark/benchmark.h>

#include "platform/updown.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/linear/linear_window.h"
#include "solvers/quadratic/quadratic_window.h"
#include "window_click_bench.h"

namespace {

using namespace window_click;

// Clicks of the up-down named `name` (the angle's in the elementary windows, c's in the others)
// between `low` and `high`, each released, with the steps panel open.
template <class Window>
void stepsPanelClick(benchmark::State& state, const char* name, int low, int high)
{
    bool up = true;
    measureClicks<Window>(
        state,
        [&](Window* window) {
            auto* upDown = window->template findChild<platform::UpDown*>(QString::fromLatin1(name));
            if (upDown->position() >= std::min(high, upDown->maximum()))
                up = false;
            if (upDown->position() <= std::max(low, upDown->minimum()))
                up = true;
            up ? upDown->stepUp() : upDown->stepDown();
            upDown->release();
        },
        true, [](Window* window) { window->setShowsSteps(true); });
}

void BM_StepsPanelElementaryEquationClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tequa>(state, "sposta", -1000000, 1000000);
}
BENCHMARK(BM_StepsPanelElementaryEquationClick)->Unit(benchmark::kMillisecond);

void BM_StepsPanelElementaryInequalityClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tdisequatr>(state, "sposta", -1000000, 1000000);
}
BENCHMARK(BM_StepsPanelElementaryInequalityClick)->Unit(benchmark::kMillisecond);

void BM_StepsPanelQuadraticEquationClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tequasecondogrado>(state, "pc", -100, 100);
}
BENCHMARK(BM_StepsPanelQuadraticEquationClick)->Unit(benchmark::kMillisecond);

void BM_StepsPanelQuadraticInequalityClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tdisequasecondogrado>(state, "pc", -100, 100);
}
BENCHMARK(BM_StepsPanelQuadraticInequalityClick)->Unit(benchmark::kMillisecond);

void BM_StepsPanelLinearEquationClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tequazionilineari>(state, "pc", -200, 200);
}
BENCHMARK(BM_StepsPanelLinearEquationClick)->Unit(benchmark::kMillisecond);

void BM_StepsPanelLinearInequalityClick(benchmark::State& state)
{
    stepsPanelClick<solvers::Tdisequazionilineari>(state, "pc", -200, 200);
}
BENCHMARK(BM_StepsPanelLinearInequalityClick)->Unit(benchmark::kMillisecond);

}  // namespace
