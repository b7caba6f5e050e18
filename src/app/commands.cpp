#include "app/commands.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <array>

#include "maths/elementary.h"
#include "maths/elementary_steps.h"
#include "maths/linear_steps.h"
#include "maths/quadratic_steps.h"
#include "maths/typed_equation.h"
#include "practice/worksheet.h"
#include "shell/program_texts.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"
#include "texts/typed_texts.h"
#include "triangles/triangle_command.h"

namespace app {

namespace {

using namespace solvers;

const Subcommand& command(std::string_view name);

// The worked solution of a typed equation, as its window gives it. An elementary inequality
// b f(x) + c ≥ 0 (or < 0) is the quadratic one with a = 0, which takes any value and either sign of b.
WorkedSolution typedSteps(const TypedEquation& e)
{
    const auto [a, b, c] = e.coefficients;
    const bool equation = e.relation == Relation::Equal;
    switch (e.kind) {
    case EquationKind::Elementary:
        if (equation && b != 0)
            return elementaryEquationSteps(e.function, -c / b, e.function == 2 ? 180 : 360);
        return quadraticInequalitySteps(solveQuadraticInequality(e.function, 0, b, c), 0, b, c);
    case EquationKind::Quadratic:
        return equation ? quadraticEquationSteps(solveQuadraticEquation(e.function, a, b, c), a, b, c)
                        : quadraticInequalitySteps(solveQuadraticInequality(e.function, a, b, c), a, b, c);
    case EquationKind::Linear:
        return equation ? linearEquationSteps(solveLinearEquation(e.coefficients))
                        : linearInequalitySteps(solveLinearInequality(e.coefficients));
    }
    return {};
}

// Every step in reading order (substeps after their step), as workedSolutionLines writes them.
void flatten(const WorkedSolution& steps, std::vector<const Step*>& into)
{
    for (const Step& step : steps) {
        into.push_back(&step);
        flatten(step.substeps, into);
    }
}

// --lang it|en|fr: the language slot, or -1.
int languageSlot(const QString& code)
{
    return code == QLatin1String("it") ? 0 : code == QLatin1String("en") ? 1 : code == QLatin1String("fr") ? 2 : -1;
}

// The value after an option, or an empty optional (a usage error) when there is none.
bool takeValue(const QStringList& args, qsizetype& i, QString& value)
{
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
}

// ---- solve ------------------------------------------------------------------------------------

void printSolveHelp(QTextStream& out)
{
    out << "Usage: " << CommandName << " solve [--json] [--steps] [--lang it|en|fr] \"EQUATION\"\n"
        << "Reads an equation or inequality in x as written on paper and prints it as understood,\n"
        << "its kind, and its solutions over one period with their families, in degrees and as\n"
        << "fractions of pi (inequalities: the intervals).\n\n"
        << "Forms: f(x) = v;  a f(x)^2 + b f(x) + c = 0;  a sin x + b cos x + c = 0, f sin, cos or tan,\n"
        << "terms on both sides, relations = >= => <= =< > < (and the signs themselves).\n"
        << "Notation: sin x, sin(x), sinx, sin^2 x, sin²x, (sin x)^2, sin(x)^2, 2sinx, 2*sin x,\n"
        << "(1/2) sin x, sqrt(3), sqrt3, √3, pi, π, fractions, 0.5 or 0,5, sin 30° in a coefficient.\n\n"
        << "  --json         print one JSON object (keys: equation, kind, function, relation,\n"
        << "                 sign_changed, coefficients, period, solutions, intervals, all, none)\n"
        << "  --steps        add the worked solution (a \"steps\" list)\n"
        << "  --lang L       it, en or fr for the texts (default en)\n\n"
        << "Examples:\n"
        << "  " << CommandName << " solve \"2sin^2 x - 3sin x + 1 = 0\"\n"
        << "  " << CommandName << " solve --json --lang it \"sqrt3 sin x - cos x > 1\"\n\n"
        << "Exit status: 0 solved (also when no x solves it), 1 not understood (the reason on\n"
        << "stderr), 2 usage error.\n";
}

QJsonValue number(long double v)
{
    return QJsonValue(double(v));
}

int runSolve(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const Subcommand& self = command("solve");
    bool json = false, steps = false;
    int slot = 1;
    QString typed;
    bool haveEquation = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help")) {
            printSolveHelp(out);
            return 0;
        }
        if (a == QLatin1String("--json"))
            json = true;
        else if (a == QLatin1String("--steps"))
            steps = true;
        else if (a == QLatin1String("--lang")) {
            QString code;
            if (!takeValue(args, i, code))
                return usageError(self, QStringLiteral("--lang needs it, en or fr"), err);
            slot = languageSlot(code);
            if (slot < 0)
                return usageError(self, QStringLiteral("unknown language '%1' (it, en or fr)").arg(code), err);
        } else if (a.startsWith(QLatin1String("--")) && !haveEquation) {
            return usageError(self, QStringLiteral("unknown option '%1'").arg(a), err);
        } else if (haveEquation) {
            return usageError(self, QStringLiteral("one equation only; put it in quotes"), err);
        } else {
            typed = a;
            haveEquation = true;
        }
    }
    if (!haveEquation)
        return usageError(self, QStringLiteral("no equation given"), err);

    CurrentLanguage = static_cast<unsigned char>(slot);
    const QByteArray utf8 = typed.toUtf8();
    const std::string_view text(utf8.constData(), size_t(utf8.size()));
    const TypedEquation e = readTypedEquation(text);
    if (!e.ok()) {
        err << CommandName << " solve: " << refusalText(e, text, slot) << "\n";
        return 1;
    }
    if (json) {
        out << QJsonDocument(solutionJson(e, steps)).toJson(QJsonDocument::Indented);
        return 0;
    }
    const TypedSolution s = solveTyped(e);
    out << QString::fromUtf8(equationText(e)) << "\n";
    out << kindText(e, slot) << "\n";
    if (e.signChanged)
        out << signChangeNote(slot) << "\n";
    out << solutionText(e, s, slot) << "\n";
    if (steps)
        for (const QString& line : workedSolutionLines(typedSteps(e)))
            out << line << "\n";
    return 0;
}

// ---- worksheet -----------------------------------------------------------------------------------

void printWorksheetHelp(QTextStream& out)
{
    out << "Usage: " << CommandName << " worksheet [OPTIONS] -o FILE.pdf\n"
        << "Writes a worksheet (the exercises, then the answer key) as the practice window does,\n"
        << "whole or not at all.\n\n"
        << "  --count N        exercises per version, 1 to 40 (default 10)\n"
        << "  --seed S         the sheet's seed, 0 to 4294967295 (default 0): the same seed, the same sheet\n"
        << "  --kind K         elementary, quadratic, linear or mixed (default mixed)\n"
        << "  --relation R     equation, inequality or mixed (default mixed)\n"
        << "  --function F     sin, cos, tan or mixed (default mixed)\n"
        << "  --level L        1, 2, 3 or mixed (default mixed)\n"
        << "  --versions N     versions A, B, ... each with its own exercises and key, 1 to 4 (default 1)\n"
        << "  --no-key         leave out the answer key (and the worked key)\n"
        << "  --worked-key     the key with the worked solutions\n"
        << "  --title T        the title at the top of every version and key, at most 80 characters\n"
        << "                   (default: Worksheet, in the language chosen)\n"
        << "  --date D         the date printed beside the title: YYYY-MM-DD or today (default: none,\n"
        << "                   the sheet keeps a blank for it)\n"
        << "  --lang L         it, en or fr (default en)\n"
        << "  -o FILE.pdf      the file to write\n\n"
        << "Example:\n"
        << "  " << CommandName << " worksheet --count 40 --versions 4 --kind quadratic --seed 12 -o sheets.pdf\n"
        << "  " << CommandName << " worksheet --title \"Test 3\" --date 2026-10-05 --versions 2 -o test3.pdf\n\n"
        << "Exit status: 0 written, 1 not written (the reason on stderr), 2 usage error.\n";
}

int runWorksheet(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const Subcommand& self = command("worksheet");
    practice::WorksheetSettings settings;
    QString path;
    int slot = 1;
    const auto whole = [](const QString& text, long long low, long long high, long long& value) {
        bool ok = false;
        value = text.toLongLong(&ok);
        return ok && value >= low && value <= high;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        QString v;
        long long n = 0;
        if (a == QLatin1String("--help")) {
            printWorksheetHelp(out);
            return 0;
        }
        if (a == QLatin1String("--no-key")) {
            settings.key = false;
            continue;
        }
        if (a == QLatin1String("--worked-key")) {
            settings.key = true;
            settings.workedKey = true;
            continue;
        }
        const bool takesValue = a == QLatin1String("--count") || a == QLatin1String("--seed") ||
                                a == QLatin1String("--kind") || a == QLatin1String("--relation") ||
                                a == QLatin1String("--function") || a == QLatin1String("--level") ||
                                a == QLatin1String("--versions") || a == QLatin1String("--lang") ||
                                a == QLatin1String("--title") || a == QLatin1String("--date") ||
                                a == QLatin1String("-o");
        if (!takesValue)
            return usageError(self, a.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option '%1'").arg(a)
                                                                   : QStringLiteral("unexpected argument '%1'").arg(a),
                              err);
        if (!takeValue(args, i, v))
            return usageError(self, QStringLiteral("%1 needs a value").arg(a), err);
        const auto bad = [&] { return usageError(self, QStringLiteral("bad value '%1' for %2").arg(v, a), err); };
        if (a == QLatin1String("--count")) {
            if (!whole(v, 1, practice::MaxWorksheetExercises, n)) return bad();
            settings.count = int(n);
        } else if (a == QLatin1String("--seed")) {
            if (!whole(v, 0, 4294967295LL, n)) return bad();
            settings.seed = std::uint32_t(n);
        } else if (a == QLatin1String("--versions")) {
            if (!whole(v, 1, practice::MaxWorksheetVersions, n)) return bad();
            settings.versions = int(n);
        } else if (a == QLatin1String("--kind")) {
            if (v == QLatin1String("elementary")) settings.request.family = practice::Family::Elementary;
            else if (v == QLatin1String("quadratic")) settings.request.family = practice::Family::Quadratic;
            else if (v == QLatin1String("linear")) settings.request.family = practice::Family::Linear;
            else if (v != QLatin1String("mixed")) return bad();
        } else if (a == QLatin1String("--relation")) {
            if (v == QLatin1String("equation")) settings.request.inequality = false;
            else if (v == QLatin1String("inequality")) settings.request.inequality = true;
            else if (v != QLatin1String("mixed")) return bad();
        } else if (a == QLatin1String("--function")) {
            if (v == QLatin1String("sin")) settings.request.function = Sine;
            else if (v == QLatin1String("cos")) settings.request.function = Cosine;
            else if (v == QLatin1String("tan")) settings.request.function = Tangent;
            else if (v != QLatin1String("mixed")) return bad();
        } else if (a == QLatin1String("--level")) {
            if (whole(v, 1, 3, n)) settings.request.level = int(n);
            else if (v != QLatin1String("mixed")) return bad();
        } else if (a == QLatin1String("--lang")) {
            slot = languageSlot(v);
            if (slot < 0) return bad();
        } else if (a == QLatin1String("--title")) {
            if (v.size() > practice::MaxWorksheetTitle)
                return usageError(self, QStringLiteral("the title has more than %1 characters").arg(practice::MaxWorksheetTitle),
                                  err);
            settings.title = v;
        } else if (a == QLatin1String("--date")) {
            settings.date = v == QLatin1String("today") ? QDate::currentDate() : QDate::fromString(v, Qt::ISODate);
            if (!settings.date.isValid())
                return usageError(self, QStringLiteral("bad value '%1' for --date: give YYYY-MM-DD or today").arg(v), err);
        } else {
            path = v;
        }
    }
    if (path.isEmpty())
        return usageError(self, QStringLiteral("no output file: give -o FILE.pdf"), err);
    CurrentLanguage = static_cast<unsigned char>(slot);
    const SafeFile::Result result = practice::writeWorksheet(path, settings);
    if (!result) {
        err << CommandName << " worksheet: " << notWrittenMessage(ProgramText::PracticeSheetNotSaved, path, result) << "\n";
        return 1;
    }
    return 0;
}

constexpr std::array<Subcommand, 3> Table{{
    {"solve", "solve [--json] [--steps] [--lang it|en|fr] \"EQUATION\"", false, runSolve},
    {"worksheet", "worksheet [--count N] [--seed S] [--kind K] [--relation R] [--function F] [--level L] "
                  "[--versions N] [--no-key] [--worked-key] [--title T] [--date D] [--lang L] -o FILE.pdf",
     true, runWorksheet},
    {triangles::CommandWord, "triangle [--json] [--steps] PART=VALUE...", false, triangles::runTriangleCommand},
}};

const Subcommand& command(std::string_view name)
{
    for (const Subcommand& c : Table)
        if (name == c.name)
            return c;
    return Table[0];
}

}  // namespace

std::span<const Subcommand> subcommands()
{
    return Table;
}

QJsonObject solutionJson(const TypedEquation& e, bool withSteps)
{
    static const char* const functions[] = {"sin", "cos", "tan"};
    const TypedSolution s = solveTyped(e);
    QJsonObject o;
    o[QStringLiteral("equation")] = QString::fromUtf8(equationText(e));
    o[QStringLiteral("kind")] = QString::fromLatin1(kindKey(e.kind));
    o[QStringLiteral("function")] =
        e.kind == EquationKind::Linear ? QJsonValue(QJsonValue::Null) : QJsonValue(QString::fromLatin1(functions[e.function]));
    o[QStringLiteral("relation")] = QString::fromLatin1(relationKey(e.relation));
    o[QStringLiteral("sign_changed")] = e.signChanged;
    o[QStringLiteral("coefficients")] = QJsonArray{number(e.coefficients[0]), number(e.coefficients[1]), number(e.coefficients[2])};
    o[QStringLiteral("period")] = s.period;
    QJsonArray solutions;
    for (const double p : s.points)
        solutions.append(QJsonObject{{QStringLiteral("degrees"), p}, {QStringLiteral("pi"), piText(p)}});
    QJsonArray intervals;
    for (const TypedInterval& i : s.intervals)
        intervals.append(QJsonObject{{QStringLiteral("from"), i.from},
                                     {QStringLiteral("to"), i.to},
                                     {QStringLiteral("from_closed"), i.fromClosed},
                                     {QStringLiteral("to_closed"), i.toClosed}});
    o[QStringLiteral("solutions")] = solutions;
    o[QStringLiteral("intervals")] = intervals;
    o[QStringLiteral("all")] = s.all;
    o[QStringLiteral("none")] = s.none;
    if (withSteps) {
        const WorkedSolution steps = typedSteps(e);
        const QStringList lines = workedSolutionLines(steps);
        std::vector<const Step*> flat;
        flatten(steps, flat);
        QJsonArray list;
        for (std::size_t i = 0; i < flat.size(); ++i) {
            QJsonObject values;
            for (const StepValue& v : flat[i]->values)
                values[QString::fromUtf8(v.name.data(), qsizetype(v.name.size()))] = v.value;
            list.append(QJsonObject{{QStringLiteral("key"), QString::fromUtf8(flat[i]->key.data(), qsizetype(flat[i]->key.size()))},
                                    {QStringLiteral("values"), values},
                                    {QStringLiteral("text"), i < std::size_t(lines.size()) ? lines[qsizetype(i)].trimmed() : QString()}});
        }
        o[QStringLiteral("steps")] = list;
    }
    return o;
}

}  // namespace app
