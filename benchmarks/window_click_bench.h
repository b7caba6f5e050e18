#pragma once
// What the arrow-click benchmarks of the solver windows share: a window whose client area is
// 1920 x 1050, opened and activated as from the menu, one plain copy of an image of the
// window's device size (1920 x 1050 times the screen's pixel ratio) as the yardstick, and the
// counters "copy_ms", "click_ms" and "copies" (the click's time in plain copies, measured in
// the same run).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/topic_windows.h"
#include "shell/shared_state.h"

namespace window_click {

constexpr int ClientWidth = 1920;
constexpr int ClientHeight = 1050;

using Clock = std::chrono::steady_clock;

// The client area in device pixels on the screen the benchmark runs on.
inline QSize deviceSize()
{
    const qreal ratio = qApp->devicePixelRatio();
    return QSize(qRound(ClientWidth * ratio), qRound(ClientHeight * ratio));
}

// One plain copy of an image of the device size onto another, as the window system would do it.
inline void copyImage(const QImage& from, QImage& to)
{
    QPainter painter(&to);
    painter.drawImage(0, 0, from);
}

// Seconds per plain copy, the median of a few rounds.
inline double secondsPerCopy()
{
    QImage from(deviceSize(), QImage::Format_RGB32), to(deviceSize(), QImage::Format_RGB32);
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

// The record of a window class: the one of its name without the namespace.
template <class Window>
const app::TopicWindow& topicOf()
{
    const QByteArray name = QByteArray(Window::staticMetaObject.className()).split(':').last();
    return *app::topicForClass(name.constData());
}

// A solver window whose client area is 1920 x 1050, opened and activated as from the menu.
template <class Window>
struct OpenWindow {
    QMdiArea area;
    Window* window = nullptr;

    OpenWindow()
    {
        area.resize(ClientWidth + 200, ClientHeight + 200);
        app::WindowMetrics sizes = app::windowMetrics();
        sizes.bottomBarHeight = 28;
        sizes.barPanelHeight = 18;
        sizes.barPanelTop = 5;
        app::setWindowMetrics(sizes);
        // The frame around the client: measured on a first window.
        auto* probe = new Window(topicOf<Window>());
        area.addSubWindow(probe);
        probe->setBounds(0, 0, 1000, 800);
        sizes.workAreaWidth = ClientWidth + 1000 - probe->clientWidth();
        sizes.workAreaHeight = ClientHeight + 800 - probe->clientHeight();
        app::setWindowMetrics(sizes);
        delete probe;

        window = new Window(topicOf<Window>());
        area.addSubWindow(window);
        window->create();
        area.show();
        window->show();
        area.setActiveSubWindow(window);
        QCoreApplication::processEvents();
    }

    bool hasTheSize() const
    {
        return window->clientWidth() == ClientWidth && window->clientHeight() == ClientHeight;
    }
};

// Times `click(window)` per iteration, after `prepare(window)`; with `shown` the event loop
// then puts the labels and the surface on the screen.
template <class Window, class Click, class Prepare = void (*)(Window*)>
void measureClicks(benchmark::State& state, Click click, bool shown, Prepare prepare = [](Window*) {})
{
    OpenWindow<Window> open;
    if (!open.hasTheSize()) {
        state.SkipWithError("the client area could not be made 1920 x 1050");
        return;
    }
    prepare(open.window);
    QCoreApplication::processEvents();
    const double copy = secondsPerCopy();
    const auto start = Clock::now();
    for (auto _ : state) {
        click(open.window);
        if (shown)
            QCoreApplication::processEvents();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    state.counters["copy_ms"] = copy * 1e3;
    state.counters["click_ms"] = seconds * 1e3;
    state.counters["copies"] = seconds / copy;
}

}  // namespace window_click
