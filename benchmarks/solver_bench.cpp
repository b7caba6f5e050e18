// The cost of one arrow click in the elementary solver windows (labels and the whole picture
// redrawn) at a client size of 1920 x 1050, beside a plain copy of a 1920 x 1050 image onto
// another measured in the same run. The counter "copies" is the click's time in plain copies.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QPainter>
#include <chrono>
#include <memory>

#include "platform/updown.h"
#include "shell/shared_state.h"
#include "solvers/elementary_equations_window.h"
#include "solvers/elementary_inequalities_window.h"

namespace {

constexpr int ClientWidth = 1920;
constexpr int ClientHeight = 1050;

using Clock = std::chrono::steady_clock;

// One plain copy of a 1920 x 1050 image onto another, as the window system would do it.
void copyImage(const QImage& from, QImage& to)
{
    QPainter painter(&to);
    painter.drawImage(0, 0, from);
}

// Seconds per plain copy, the median of a few rounds.
double secondsPerCopy()
{
    QImage from(ClientWidth, ClientHeight, QImage::Format_RGB32), to(ClientWidth, ClientHeight, QImage::Format_RGB32);
    from.fill(Qt::darkCyan);
    to.fill(Qt::black);
    std::vector<double> rounds;
    for (int round = 0; round < 9; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < 20; ++i)
            copyImage(from, to);
        rounds.push_back(std::chrono::duration<double>(Clock::now() - start).count() / 20);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

// A solver window whose client area is 1920 x 1050, opened and activated as from the menu.
template <class Window>
struct OpenWindow {
    QMdiArea area;
    Window* window = nullptr;

    OpenWindow()
    {
        area.resize(ClientWidth + 200, ClientHeight + 200);
        app::BottomBarHeight = 28;
        app::BarPanelHeight = 18;
        app::BarPanelTop = 5;
        // The frame around the client: measured on a first window.
        auto* probe = new Window();
        area.addSubWindow(probe);
        probe->setBounds(0, 0, 1000, 800);
        app::WorkAreaWidth = ClientWidth + 1000 - probe->clientWidth();
        app::WorkAreaHeight = ClientHeight + 800 - probe->clientHeight();
        delete probe;

        window = new Window();
        area.addSubWindow(window);
        window->create();
        area.show();
        window->show();
        area.setActiveSubWindow(window);
        QCoreApplication::processEvents();
    }

    // One click of an arrow, up while the range allows, then down.
    void click(bool& up)
    {
        UpDown* sposta = window->sposta;
        if (sposta->position() >= sposta->maximum())
            up = false;
        if (sposta->position() <= sposta->minimum())
            up = true;
        up ? sposta->stepUp() : sposta->stepDown();
    }
};

template <class Window>
void arrowClick(benchmark::State& state, bool shown)
{
    OpenWindow<Window> open;
    if (open.window->clientWidth() != ClientWidth || open.window->clientHeight() != ClientHeight) {
        state.SkipWithError("the client area could not be made 1920 x 1050");
        return;
    }
    const double copy = secondsPerCopy();
    bool up = true;
    const auto start = Clock::now();
    for (auto _ : state) {
        open.click(up);
        if (shown)
            QCoreApplication::processEvents();  // the labels and the surface reach the screen
    }
    const double click = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["copy_ms"] = copy * 1e3;
    state.counters["click_ms"] = click * 1e3;
    state.counters["copies"] = click / copy;
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
