// Parse-and-evaluate time of the expression evaluator on twenty coefficients a student types,
// side by side with muParser evaluating the same expressions written in its own syntax (angles
// converted with the same single-precision degree factor), each parse included. The muParser
// row carries the ratio ours / muParser, which is also printed at the end of the run.
#include <benchmark/benchmark.h>

#include <QString>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "expr/typed_expression.h"
#include "maths/evaluator.h"

#ifdef TRIG_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Expression {
    const char* ours;
    const char* muParser;  // k is the degree factor
};

constexpr Expression Expressions[] = {
    {"-2 * (sqrt(3) + sqrt(2))", "-2 * (sqrt(3) + sqrt(2))"},
    {"sqrt(6)", "sqrt(6)"},
    {"sin 30 ^2", "sin(30^2*k)"},
    {"(1+sqrt(5))/4", "(1+sqrt(5))/4"},
    {"-sqrt(3)", "-sqrt(3)"},
    {"1/2", "1/2"},
    {"sqrt(2)/2", "sqrt(2)/2"},
    {"-sqrt(3)/2", "-sqrt(3)/2"},
    {"2*cos 45", "2*cos(45*k)"},
    {"3,5", "3.5"},
    {"pi/6", "_pi/6"},
    {"2^0.5 - 1", "2^0.5 - 1"},
    {"(sqrt(6)-sqrt(2))/4", "(sqrt(6)-sqrt(2))/4"},
    {"-1,5", "-1.5"},
    {"ln(2) + log(100)", "ln(2) + log10(100)"},
    {"abs(-3/4)", "abs(-3/4)"},
    {"sin(60)/cos(60)", "sin(60*k)/cos(60*k)"},
    {"e^2 - 1", "_e^2 - 1"},
    {"arcsin(0.5) + arctan(1)", "asin(0.5)/k + atan(1)/k"},
    {"4*(2-sqrt(3))", "4*(2-sqrt(3))"},
};
constexpr int ExpressionCount = int(std::size(Expressions));

// Nanoseconds per expression of the last measured run of each side.
double oursNanoseconds = 0;
double oursTypedNanoseconds = 0;
double muParserNanoseconds = 0;

using Clock = std::chrono::steady_clock;

double nanosecondsPerExpression(Clock::time_point start, const benchmark::State& state)
{
    const double elapsed = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    return elapsed / (double(state.iterations()) * ExpressionCount);
}

// Evaluates every text of `texts` once per iteration and records the time per expression.
template <class Text>
void evaluateAll(benchmark::State& state, const Text (&texts)[ExpressionCount], double& nanoseconds)
{
    long double sum = 0;
    const auto start = Clock::now();
    for (auto _ : state) {
        for (const Text& text : texts)
            sum += app::EvaluateExpression(text, app::DegreesAngleFactor).value;
    }
    nanoseconds = nanosecondsPerExpression(start, state);
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * ExpressionCount);
    state.counters["ns_per_expression"] = nanoseconds;
}

void EvaluateExpression_TwentyCoefficients(benchmark::State& state)
{
    std::string_view texts[ExpressionCount];
    for (int i = 0; i < ExpressionCount; ++i)
        texts[i] = Expressions[i].ours;
    evaluateAll(state, texts, oursNanoseconds);
}
BENCHMARK(EvaluateExpression_TwentyCoefficients);

// The same through the entry the windows use (text typed in a field).
void EvaluateExpression_TwentyTypedCoefficients(benchmark::State& state)
{
    QString typed[ExpressionCount];
    for (int i = 0; i < ExpressionCount; ++i)
        typed[i] = QString::fromLatin1(Expressions[i].ours);
    evaluateAll(state, typed, oursTypedNanoseconds);
}
BENCHMARK(EvaluateExpression_TwentyTypedCoefficients);

#ifdef TRIG_HAVE_MUPARSER
void MuParser_TwentyCoefficients(benchmark::State& state)
{
    mu::Parser parser;
    parser.DefineConst("k", double(app::DegreesAngleFactor));
    // Both sides must compute the same numbers, or the comparison means nothing.
    for (const Expression& e : Expressions) {
        parser.SetExpr(e.muParser);
        const double theirs = parser.Eval();
        const app::Evaluation evaluation = app::EvaluateExpression(std::string_view(e.ours));
        const long double ours = evaluation.value;
        if (!evaluation.ok ||
            std::fabs(double(ours) - theirs) > 1e-9 * std::fmax(1.0, std::fabs(theirs))) {
            state.SkipWithError((std::string("different values for ") + e.ours).c_str());
            return;
        }
    }
    double sum = 0;
    const auto start = Clock::now();
    for (auto _ : state) {
        for (const Expression& e : Expressions) {
            parser.SetExpr(e.muParser);
            sum += parser.Eval();
        }
    }
    muParserNanoseconds = nanosecondsPerExpression(start, state);
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * ExpressionCount);
    state.counters["ns_per_expression"] = muParserNanoseconds;
    if (oursNanoseconds > 0)
        state.counters["ours/muParser"] = oursNanoseconds / muParserNanoseconds;
    if (oursTypedNanoseconds > 0)
        state.counters["typed/muParser"] = oursTypedNanoseconds / muParserNanoseconds;
}
BENCHMARK(MuParser_TwentyCoefficients);

// The closing line of the run.
struct RatioReport {
    ~RatioReport()
    {
        if (oursNanoseconds > 0 && muParserNanoseconds > 0)
            std::printf("Evaluator ratio ours / muParser: %.3f (%.1f ns / %.1f ns per expression)\n",
                        oursNanoseconds / muParserNanoseconds, oursNanoseconds, muParserNanoseconds);
        if (oursTypedNanoseconds > 0 && muParserNanoseconds > 0)
            std::printf("Evaluator ratio typed text / muParser: %.3f\n", oursTypedNanoseconds / muParserNanoseconds);
    }
} ratioReport;
#endif

}  // namespace
