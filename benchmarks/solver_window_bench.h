#pragma once
// What the solver window benchmarks share: a solver window opened and activated with a client
// area of 1920 x 1050, a plain copy of a 1920 x 1050 image as the yardstick, and the run of
// arrow clicks that reports the counters "copy_ms", "click_ms" and "copies" (the click's time
// in plain copies).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <vector>

#include "shell/shared_state.h"

namespace solver_bench {

constexpr int ClientWidth = 1920;
constexpr int ClientHeight = 1050;

using Clock = std::chrono::steady_clock;

// One plain copy of a 1920 x 1050 image onto another, as the window system would do it.
inline void copyImage(const QImage& from, QImage& to)
{
    QPainter painter(&to);
    painter.drawImage(0, 0, from);
}

// Seconds per plain copy, the median of a few rounds.
inline double secondsPerCopy()
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

    bool hasTheClientSize() const
    {
        return window->clientWidth() == ClientWidth && window->clientHeight() == ClientHeight;
    }
};

// Runs `click` (one arrow click of the open window) for every iteration, with the events that
// show it when `shown`, and reports its cost against a plain copy.
template <class Window, class Click>
void measureClicks(benchmark::State& state, OpenWindow<Window>& open, Click click, bool shown)
{
    if (!open.hasTheClientSize()) {
        state.SkipWithError("the client area could not be made 1920 x 1050");
        return;
    }
    const double copy = secondsPerCopy();
    const auto start = Clock::now();
    for (auto _ : state) {
        click();
        if (shown)
            QCoreApplication::processEvents();  // the labels and the surface reach the screen
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["copy_ms"] = copy * 1e3;
    state.counters["click_ms"] = seconds * 1e3;
    state.counters["copies"] = seconds / copy;
}

}  // namespace solver_bench
