// The cost of one arrow click in the elementary solver windows (labels and the whole picture
// redrawn) at a client size of 1920 x 1050, beside a plain copy of a 1920 x 1050 image onto
// another measured in the same run. The counter "copies" is the click's time in plain copies.
#include <benchmark/benchmark.h>

#include "platform/updown.h"
#include "solver_window_bench.h"
#include "solvers/elementary_equations_window.h"
#include "solvers/elementary_inequalities_window.h"

namespace {

using namespace solver_bench;

template <class Window>
void arrowClick(benchmark::State& state, bool shown)
{
    OpenWindow<Window> open;
    bool up = true;
    // One click of an arrow, up while the range allows, then down.
    measureClicks(
        state, open,
        [&] {
            UpDown* sposta = open.window->sposta;
            if (sposta->position() >= sposta->maximum())
                up = false;
            if (sposta->position() <= sposta->minimum())
                up = true;
            up ? sposta->stepUp() : sposta->stepDown();
        },
        shown);
}

void BM_PlainImageCopy(benchmark::State& state)
{
    QImage from(ClientWidth, ClientHeight, QImage::Format_RGB32), to(ClientWidth, ClientHeight, QImage::Format_RGB32);
    from.fill(Qt::darkCyan);
    for (auto _ : state) {
        copyImage(from, to);
        benchmark::DoNotOptimize(to.constBits());
    }
}
BENCHMARK(BM_PlainImageCopy)->Unit(benchmark::kMillisecond);

void BM_EquationArrowClick(benchmark::State& state)
{
    arrowClick<solvers::Tequa>(state, false);
}
BENCHMARK(BM_EquationArrowClick)->Unit(benchmark::kMillisecond);

void BM_EquationArrowClickShown(benchmark::State& state)
{
    arrowClick<solvers::Tequa>(state, true);
}
BENCHMARK(BM_EquationArrowClickShown)->Unit(benchmark::kMillisecond);

void BM_InequalityArrowClick(benchmark::State& state)
{
    arrowClick<solvers::Tdisequatr>(state, false);
}
BENCHMARK(BM_InequalityArrowClick)->Unit(benchmark::kMillisecond);

void BM_InequalityArrowClickShown(benchmark::State& state)
{
    arrowClick<solvers::Tdisequatr>(state, true);
}
BENCHMARK(BM_InequalityArrowClickShown)->Unit(benchmark::kMillisecond);

}  // namespace
