// The cost of one arrow click in the elementary solver windows (labels and the part of the
// picture a step changes redrawn) at a client size of 1920 x 1050, beside a plain copy of an image of the window's
// device size onto another measured in the same run. The counter "copies" is the click's time in plain copies.
#include <benchmark/benchmark.h>

#include "platform/updown.h"
#include "solvers/elementary/elementary_window.h"
#include "window_click_bench.h"

namespace {

using namespace window_click;

// One click of the angle's arrow, up while the range allows, then down.
template <class Window>
void arrowClick(benchmark::State& state, bool shown)
{
    bool up = true;
    measureClicks<Window>(
        state,
        [&up](Window* window) {
            auto* sposta = window->template findChild<platform::UpDown*>("sposta");
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
    QImage from(deviceSize(), QImage::Format_RGB32), to(deviceSize(), QImage::Format_RGB32);
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
