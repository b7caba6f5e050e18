// Benchmark start: one application object on the offscreen platform, then every benchmark, then
// one report: each measured operation with its time, the baseline measured in the same run and
// the ratio, and the resident memory of the program with all ten topic windows open at a
// working area of 1920 x 1050 (measured first, before any benchmark allocates).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "shell/child_window.h"
#include "app/main_window.h"
#include "shell/shared_state.h"
#include "app/topic_windows.h"

namespace {

// The operations of the report and the baseline each is measured against.
struct ReportRow {
    const char* operation;
    const char* benchmark;
    const char* baseline;
};

const ReportRow kRows[] = {
    {"Evaluator, 20 coefficients", "EvaluateExpression_TwentyCoefficients", "MuParser_TwentyCoefficients"},
    {"Evaluator, 20 typed coefficients", "EvaluateExpression_TwentyTypedCoefficients", "MuParser_TwentyCoefficients"},
    {"Elementary equations, arrow click", "BM_EquationArrowClick", "BM_PlainImageCopy"},
    {"Elementary equations, arrow click shown", "BM_EquationArrowClickShown", "BM_PlainImageCopy"},
    {"Elementary inequalities, arrow click", "BM_InequalityArrowClick", "BM_PlainImageCopy"},
    {"Elementary inequalities, arrow click shown", "BM_InequalityArrowClickShown", "BM_PlainImageCopy"},
    {"Quadratic equations, arrow click, sin", "BM_QuadraticEquationArrowClick/0", "BM_PlainImageCopy"},
    {"Quadratic equations, arrow click, cos", "BM_QuadraticEquationArrowClick/1", "BM_PlainImageCopy"},
    {"Quadratic equations, arrow click, tan", "BM_QuadraticEquationArrowClick/2", "BM_PlainImageCopy"},
    {"Quadratic equations, arrow click shown", "BM_QuadraticEquationArrowClickShown", "BM_PlainImageCopy"},
    {"Quadratic inequalities, arrow click, sin", "BM_QuadraticInequalityArrowClick/0", "BM_PlainImageCopy"},
    {"Quadratic inequalities, arrow click, cos", "BM_QuadraticInequalityArrowClick/1", "BM_PlainImageCopy"},
    {"Quadratic inequalities, arrow click, tan", "BM_QuadraticInequalityArrowClick/2", "BM_PlainImageCopy"},
    {"Quadratic inequalities, arrow click shown", "BM_QuadraticInequalityArrowClickShown", "BM_PlainImageCopy"},
    {"Linear equations, arrow click", "BM_LinearEquationArrowClick", "BM_PlainImageCopy"},
    {"Linear equations, arrow click shown", "BM_LinearEquationArrowClickShown", "BM_PlainImageCopy"},
    {"Linear inequalities, arrow click", "BM_LinearInequalityArrowClick", "BM_PlainImageCopy"},
    {"Linear inequalities, arrow click shown", "BM_LinearInequalityArrowClickShown", "BM_PlainImageCopy"},
    {"Elementary equations, click shown with steps", "BM_StepsPanelElementaryEquationClick", "BM_PlainImageCopy"},
    {"Elementary inequalities, click shown with steps", "BM_StepsPanelElementaryInequalityClick", "BM_PlainImageCopy"},
    {"Quadratic equations, click shown with steps", "BM_StepsPanelQuadraticEquationClick", "BM_PlainImageCopy"},
    {"Quadratic inequalities, click shown with steps", "BM_StepsPanelQuadraticInequalityClick", "BM_PlainImageCopy"},
    {"Linear equations, click shown with steps", "BM_StepsPanelLinearEquationClick", "BM_PlainImageCopy"},
    {"Linear inequalities, click shown with steps", "BM_StepsPanelLinearInequalityClick", "BM_PlainImageCopy"},
    {"Triangles, arrow click shown", "BM_TriangleArrowClickShown", "BM_PlainImageCopy"},
    {"Function graphs, tick (two functions)", "BM_GraphsTickTwoFunctions", "BM_GraphsCopyLeftHalf"},
    {"Function graphs, tick shown", "BM_GraphsTickTwoFunctionsWithRepaint", "BM_GraphsCopyLeftHalf"},
    {"Function graphs, drawing of a step", "BM_GraphsDrawStepTwoFunctions", "BM_GraphsCopyLeftHalf"},
};

// Keeps each run's real time per iteration (in nanoseconds) while the console shows the runs;
// with --benchmark_repetitions=N the best of the N runs, as the machine may be busy.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                const double time = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
                auto [best, fresh] = nanoseconds.try_emplace(run.run_name.str(), time);
                if (!fresh)
                    best->second = std::min(best->second, time);
            }
    }
    std::map<std::string, double> nanoseconds;
};

std::string timeText(double nanoseconds)
{
    char text[32];
    if (nanoseconds >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", nanoseconds / 1e6);
    else if (nanoseconds >= 1e3)
        std::snprintf(text, sizeof text, "%.1f us", nanoseconds / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f ns", nanoseconds);
    return text;
}

// A line of /proc/self/status in kilobytes ("VmRSS", "VmHWM"); 0 when it cannot be read.
long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    return 0;
}

struct MemoryFigures {
    long residentKb = 0;
    long peakKb = 0;
    int windows = 0;
    int width = 0;
    int height = 0;
};

// The main window with every topic window open in its working area.
MemoryFigures everyWindowOpen()
{
    MemoryFigures figures;
    auto main = std::make_unique<app::Tangolario>();
    main->finishSplash();
    main->show();
    QCoreApplication::processEvents();
    // scripts/bench gives the screen the size whose maximised working area is 1920 x 1050.
    figures.width = app::windowMetrics().workAreaWidth;
    figures.height = app::windowMetrics().workAreaHeight;
    for (const app::TopicWindow& topic : app::topicWindows())
        if (topic.create && main->openTopicWindow(topic.slot))
            ++figures.windows;
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    figures.residentKb = statusKilobytes("VmRSS");
    figures.peakKb = statusKilobytes("VmHWM");
    main->Chiudetutte1Click();
    QCoreApplication::processEvents();
    return figures;
}

void printReport(const RecordingReporter& reporter, const MemoryFigures& memory)
{
    const qreal ratio = qApp->devicePixelRatio();
    std::printf("\nBenchmark report at device pixel ratio %g (BM_PlainImageCopy: one copy of %d x %d device pixels)\n",
                ratio, qRound(1920 * ratio), qRound(1050 * ratio));
    std::printf("%-44s %12s  %-38s %12s %8s\n", "Operation", "Time", "Baseline (same run)", "Baseline", "Ratio");
    std::map<std::string, bool> listed;
    for (const ReportRow& row : kRows) {
        const auto measured = reporter.nanoseconds.find(row.benchmark);
        if (measured == reporter.nanoseconds.end())
            continue;
        listed[row.benchmark] = listed[row.baseline] = true;
        const auto baseline = reporter.nanoseconds.find(row.baseline);
        if (baseline == reporter.nanoseconds.end() || baseline->second <= 0) {
            std::printf("%-44s %12s  %-38s %12s %8s\n", row.operation, timeText(measured->second).c_str(),
                        row.baseline, "-", "-");
            continue;
        }
        std::printf("%-44s %12s  %-38s %12s %8.2f\n", row.operation, timeText(measured->second).c_str(),
                    row.baseline, timeText(baseline->second).c_str(), measured->second / baseline->second);
    }
    // Anything measured that the table does not name yet.
    for (const auto& [name, nanoseconds] : reporter.nanoseconds)
        if (!listed.count(name))
            std::printf("%-44s %12s  %-38s %12s %8s\n", name.c_str(), timeText(nanoseconds).c_str(), "-", "-", "-");
    std::printf("Resident memory with %d topic windows open at %d x %d, ratio %g: %.1f MB (peak %.1f MB; goal under %d MB)\n",
                memory.windows, memory.width, memory.height, ratio, memory.residentKb / 1024.0,
                memory.peakKb / 1024.0, ratio > 1 ? 160 : 100);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The practice history goes in the scratch folder scripts/bench runs in, not the user's.
    qputenv("XDG_DATA_HOME", QDir::currentPath().toLocal8Bit() + "/data");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const MemoryFigures memory = everyWindowOpen();
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printReport(reporter, memory);
    benchmark::Shutdown();
    return 0;
}
