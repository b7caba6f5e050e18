// The cost of one arrow click in the quadratic equation and inequality windows (solve, labels,
// the part of the picture a step changes redrawn) at a client size of 1920 x 1050, beside a plain copy of a
// 1920 x 1050 image measured in the same run (BM_PlainImageCopy, same filter). The counter
// "copies" is the click's time in plain copies.
#include <benchmark/benchmark.h>

#include <QComboBox>

#include "platform/updown.h"
#include "solvers/quadratic/quadratic_window.h"
#include "window_click_bench.h"

namespace {

using namespace window_click;

// One click of c's arrow (pressed and released), up to c = 1 and down to c = -1 and back, so
// the roots move in and out of the range of the function.
template <class Window>
void coefficientClick(benchmark::State& state, int function, bool shown)
{
    bool up = true;
    measureClicks<Window>(
        state,
        [&up](Window* window) {
            platform::UpDown* pc = window->coefficients()->pc;
            if (pc->position() >= 100)
                up = false;
            if (pc->position() <= -100)
                up = true;
            up ? pc->stepUp() : pc->stepDown();
            pc->release();
        },
        shown,
        [function](Window* window) {
            window->template findChild<QComboBox*>("funzt")->setCurrentIndex(function);
            window->aggiornaClick();
        });
}

void BM_QuadraticEquationArrowClick(benchmark::State& state)
{
    coefficientClick<solvers::Tequasecondogrado>(state, int(state.range(0)), false);
}
BENCHMARK(BM_QuadraticEquationArrowClick)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_QuadraticEquationArrowClickShown(benchmark::State& state)
{
    coefficientClick<solvers::Tequasecondogrado>(state, 0, true);
}
BENCHMARK(BM_QuadraticEquationArrowClickShown)->Unit(benchmark::kMillisecond);

void BM_QuadraticInequalityArrowClick(benchmark::State& state)
{
    coefficientClick<solvers::Tdisequasecondogrado>(state, int(state.range(0)), false);
}
BENCHMARK(BM_QuadraticInequalityArrowClick)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_QuadraticInequalityArrowClickShown(benchmark::State& state)
{
    coefficientClick<solvers::Tdisequasecondogrado>(state, 0, true);
}
BENCHMARK(BM_QuadraticInequalityArrowClickShown)->Unit(benchmark::kMillisecond);

}  // namespace
