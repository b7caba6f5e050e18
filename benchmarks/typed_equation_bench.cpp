// A typed equation read and solved (the Solve… box and `trigtutor solve` do both per equation;
// at most 20 µs), and `trigtutor worksheet --count 40 --versions 4` writing its PDF (under 2 s).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/commands.h"
#include "maths/typed_equation.h"

namespace {

constexpr const char* Typed[] = {
    "2sin²x − 3sinx + 1 = 0", "√3 sin x − cos x > 1", "sin x = cos x", "3 sin x + 4 cos x = 5",
    "2 sin x = 1",            "tan²x > 3",            "cos x <= 0,5",  "−(√3/2) sin x + sin(x)^2 >= cos(40)",
};

void TypedEquationReadAndSolve(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state) {
        const solvers::TypedEquation e = solvers::readTypedEquation(Typed[i++ % std::size(Typed)]);
        benchmark::DoNotOptimize(solvers::solveTyped(e));
    }
}
BENCHMARK(TypedEquationReadAndSolve);

void WorksheetCommand40Times4(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("sheets.pdf"));
    const app::Subcommand* worksheet =
        app::findSubcommand(app::subcommands(), {QStringLiteral("trigtutor"), QStringLiteral("worksheet")});
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    for (auto _ : state) {
        const int code = worksheet->run({"--count", "40", "--versions", "4", "--seed", "7", "-o", path}, outStream,
                                        errStream);
        if (code != 0)
            state.SkipWithError("the worksheet was not written");
    }
}
BENCHMARK(WorksheetCommand40Times4)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
