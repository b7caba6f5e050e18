// The function graphs' animation tick at 1920 x 1050 with the tangent and the cotangent (the
// most drawing), beside a plain copy of the left-half image that every tick starts with.
// At the fastest speed a tick comes every 5 ms; a tick should take well under 1 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QPainter>
#include <QTimer>
#include <memory>

#include "graphs/function_texts.h"
#include "graphs/graphs_drawing.h"
#include "app/topic_windows.h"
#include "graphs/tftrigon.h"
#include "platform/updown.h"
#include "shell/shared_state.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1050;

// A function graphs window whose client area is exactly 1920 x 1050, in a frame area of its own,
// animating the tangent and the cotangent; the ticks are run by the benchmark, not by the timer.
struct GraphsWindowAtFullSize {
    QMdiArea area;
    Tftrigon* window = nullptr;

    GraphsWindowAtFullSize()
    {
        app::setWindowMetrics({.workAreaWidth = kWidth, .workAreaHeight = kHeight, .bottomBarHeight = 26,
                               .barPanelHeight = 17, .barPanelTop = 4});
        area.resize(kWidth + 100, kHeight + 100);
        area.show();
        // The first window measures its frame; the second has the client size wanted.
        Tftrigon* probe = open();
        app::WindowMetrics sizes = app::windowMetrics();
        sizes.workAreaWidth += kWidth - probe->clientWidth();
        sizes.workAreaHeight += kHeight - probe->clientHeight();
        app::setWindowMetrics(sizes);
        delete probe;
        window = open();
        window->findChild<platform::UpDown*>("pnumfunz")->stepUp();
        window->findChild<QComboBox*>("tipofunz1")->setCurrentIndex(int(graphs::TrigFunction::Tangent));
        window->findChild<QComboBox*>("tipofunz2")->setCurrentIndex(int(graphs::TrigFunction::Cotangent));
        restart();
        QCoreApplication::processEvents();
    }

    Tftrigon* open()
    {
        auto* w = new Tftrigon(*app::topicForClass("Tftrigon"));
        area.addSubWindow(w);
        w->create();
        w->show();
        w->findChild<QTimer*>("Timer1")->stop();
        return w;
    }

    void restart()
    {
        window->aggiornaClick();
        window->findChild<QTimer*>("cadenza")->stop();
    }

    // One tick; a new animation begins after the last step (outside the measured time).
    void tick(benchmark::State& state)
    {
        if (window->state().AnimationStep > graphs::LastStep) {
            state.PauseTiming();
            restart();
            state.ResumeTiming();
        }
        window->cadenzaTimer();
    }
};

void BM_GraphsTickTwoFunctions(benchmark::State& state)
{
    GraphsWindowAtFullSize graphs;
    if (graphs.window->clientWidth() != kWidth || graphs.window->clientHeight() != kHeight) {
        state.SkipWithError("the client area is not 1920 x 1050");
        return;
    }
    for (auto _ : state)
        graphs.tick(state);
}
BENCHMARK(BM_GraphsTickTwoFunctions)->Unit(benchmark::kMicrosecond);

// The same tick followed by the repaint of what it changed on the screen.
void BM_GraphsTickTwoFunctionsWithRepaint(benchmark::State& state)
{
    GraphsWindowAtFullSize graphs;
    for (auto _ : state) {
        graphs.tick(state);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_GraphsTickTwoFunctionsWithRepaint)->Unit(benchmark::kMicrosecond);

// The full-size pictures without a window: the circle bitmap and a black surface.
struct PlainPictures {
    graphs::GraphGeometry g = graphs::GraphGeometry::forClient(kWidth, kHeight);
    QImage circle;
    QImage surface;
    PlainPictures()
    {
        // At the screen's pixel ratio, as the window's bitmaps are.
        const qreal ratio = qApp->devicePixelRatio();
        circle = QImage(QSize(kWidth / 2, kHeight) * ratio, QImage::Format_RGB32);
        surface = QImage(QSize(kWidth, kHeight) * ratio, QImage::Format_RGB32);
        circle.setDevicePixelRatio(ratio);
        surface.setDevicePixelRatio(ratio);
        graphs::drawCircleBitmap(circle, g);
        surface.fill(Qt::black);
    }
};

// The drawing of one step alone, on a plain image.
void BM_GraphsDrawStepTwoFunctions(benchmark::State& state)
{
    PlainPictures pictures;
    const graphs::GraphGeometry& g = pictures.g;
    int step = 0;
    graphs::Sample previous{0, g.radius, 0};
    for (auto _ : state) {
        graphs::StepPicture picture;
        picture.step = step;
        picture.current = graphs::sampleAtStep(step, g.radius);
        picture.previous = previous;
        picture.shown[std::size_t(graphs::TrigFunction::Tangent)] = true;
        picture.shown[std::size_t(graphs::TrigFunction::Cotangent)] = true;
        QPainter painter(&pictures.surface);
        graphs::drawAnimationStep(painter, pictures.circle, g, picture);
        benchmark::DoNotOptimize(graphs::valueText(graphs::TrigFunction::Tangent, picture.current));
        benchmark::DoNotOptimize(graphs::valueText(graphs::TrigFunction::Cotangent, picture.current));
        previous = picture.current;
        step = step == graphs::LastStep ? 0 : step + 1;
    }
}
BENCHMARK(BM_GraphsDrawStepTwoFunctions)->Unit(benchmark::kMicrosecond);

// The copy of the clean left half alone, as every tick begins.
void BM_GraphsCopyLeftHalf(benchmark::State& state)
{
    PlainPictures pictures;
    for (auto _ : state) {
        QPainter painter(&pictures.surface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), pictures.circle);
    }
    benchmark::DoNotOptimize(pictures.surface.constBits());
}
BENCHMARK(BM_GraphsCopyLeftHalf)->Unit(benchmark::kMicrosecond);

}  // namespace
