// Typed equations from the Solve… box and from the command line: the window each opens with its
// coefficients, the refusals, the exit codes, the JSON checked against the windows' findings,
// and a worksheet read back from its PDF.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QTextStream>
#include <cmath>

#include "app/commands.h"
#include "app/main_window.h"
#include "common/test_support.h"
#include "maths/elementary.h"
#include "maths/linear.h"
#include "maths/quadratic.h"
#include "platform/updown.h"
#include "practice/exercise.h"
#include "practice/worksheet.h"
#include "solvers/frame/coefficient_controls.h"
#include "solvers/frame/solver_window.h"
#include "texts/text_tables.h"

using namespace app;

namespace {

struct CommandRun {
    int code;
    QString out;
    QString err;
};

CommandRun run(const QStringList& arguments)
{
    CommandRun r;
    QTextStream out(&r.out), err(&r.err);
    const unsigned char language = CurrentLanguage;
    r.code = findSubcommand(subcommands(), QStringList{"trigtutor"} + arguments)->run(arguments.mid(1), out, err);
    out.flush();
    err.flush();
    CurrentLanguage = language;
    return r;
}

TEST(SolveBox, OpensTheWindowOfEachKindWithItsCoefficients)
{
    ScratchDirectory scratch;
    std::unique_ptr<Tangolario> main = makeMainWindow();
    const long double r3 = std::sqrt(3.0L);
    const struct {
        const char* typed;
        const char* window;
        int function;
        std::array<long double, 3> values;  // coefficient windows
        int alpha;                          // elementary windows
        bool note;
    } table[] = {
        {"2sin²x − 3sinx + 1 = 0", "Tequasecondogrado", 0, {2, -3, 1}, 0, false},
        {"cos x = 0,3", "Tequasecondogrado", 1, {0, 1, -0.3L}, 0, false},
        {"20 tan²x < 1", "Tdisequasecondogrado", 2, {20, 0, -1}, 0, false},  // beyond the up-down's 9
        {"sin x = cos x", "Tequazionilineari", 0, {1, -1, 0}, 0, false},
        {"√3 sin x − cos x > 1", "Tdisequazionilineari", 0, {-r3, 1, 1}, 0, true},
        {"2 sin x >= 1", "Tdisequatr", 0, {}, 30, false},
        {"√3/2 = cos(x)", "Tequa", 1, {}, 30, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.typed);
        whenModalShown([&](QWidget* dialog) {
            // Typed as an input method enters it (², √ and − have no key), then Enter.
            auto* box = dialog->findChild<QLineEdit*>("equation");
            box->insert(QString::fromUtf8(row.typed));
            QTest::keyClick(box, Qt::Key_Return);
        });
        main->menuItem("SolveItem")->trigger();
        processEvents();
        auto* solver = qobject_cast<solvers::SolverWindow*>(main->mdiArea()->activeSubWindow());
        ASSERT_TRUE(solver);
        EXPECT_EQ(solver->objectName(), QLatin1String(row.window));
        EXPECT_EQ(solver->functionIndex(), row.function);
        EXPECT_EQ(solver->windowTitle().contains(QStringLiteral("Every sign changed")), row.note);
        if (solvers::CoefficientControls* k = solver->coefficients()) {
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(double(k->value(i)), double(row.values[size_t(i)]), 1e-12);
            if (row.values[0] == 20)  // the typed value, kept for the coefficient dialog
                EXPECT_EQ(k->expressions()[0], QStringLiteral("20"));
        } else {
            EXPECT_EQ(solver->findChild<platform::UpDown*>("sposta")->position(), row.alpha);
        }
    }
    // What cannot be read is said in the box, which stays open.
    QString said;
    whenModalShown([&](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("equation"), QStringLiteral("sin 2x = 1"));
        dialog->findChild<QPushButton*>("solve")->click();
        said = dialog->findChild<QLabel*>("message")->text();
        dialog->findChild<QPushButton*>("cancel")->click();
    });
    main->menuItem("SolveItem")->trigger();
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("Only functions of x itself are solved, not of another angle at character 1: «sin 2x». Understood:")))
        << said.toStdString();
}

TEST(SolveCommand, ExitCodesAndMessages)
{
    const struct {
        QStringList arguments;
        int code;
        const char* outStart;
        const char* errStart;
    } table[] = {
        {{"solve", "2 sin x = 1"}, 0, "2 sin x - 1 = 0\nelementary in sin x\nx = 30° + k·360°    x = π/6 + 2kπ\n", ""},
        {{"solve", "--lang", "it", "sin x <= 1"}, 0, "-sin x + 1 >= 0\nelementare in sin x\nCambiati tutti i segni", ""},
        {{"solve", "sin x = 2"}, 0, "sin x - 2 = 0\nelementary in sin x\nNo x\n", ""},
        {{"solve", "--lang", "fr", "sin x cos x = 0"}, 1, "",
         "trigtutor solve: Un produit de deux termes en x au caractère 1 : «sin x cos x». Formes comprises"},
        {{"solve", "sin x + y = 1"}, 1, "", "trigtutor solve: An unknown name or variable: the one variable is x at character 9: «y»."},
        {{"solve"}, 2, "", "trigtutor solve: no equation given\n"},
        {{"solve", "--bogus", "sin x = 1"}, 2, "", "trigtutor solve: unknown option '--bogus'\n"},
        {{"solve", "--lang", "de", "sin x = 1"}, 2, "", "trigtutor solve: unknown language 'de'"},
        {{"solve", "sin x = 1", "cos x = 1"}, 2, "", "trigtutor solve: one equation only"},
        {{"solve", "--help"}, 0, "Usage: trigtutor solve", ""},
        {{"worksheet", "--count", "41", "-o", "a.pdf"}, 2, "", "trigtutor worksheet: bad value '41' for --count\n"},
        {{"worksheet", "--versions", "5", "-o", "a.pdf"}, 2, "", "trigtutor worksheet: bad value '5' for --versions\n"},
        {{"worksheet", "--kind", "cubic", "-o", "a.pdf"}, 2, "", "trigtutor worksheet: bad value 'cubic' for --kind\n"},
        {{"worksheet", "--count", "3"}, 2, "", "trigtutor worksheet: no output file"},
        {{"worksheet", "-o"}, 2, "", "trigtutor worksheet: -o needs a value\n"},
        {{"worksheet", "-o", "/"}, 1, "", "trigtutor worksheet: "},
        {{"worksheet", "--date", "2026-02-30", "-o", "a.pdf"}, 2, "",
         "trigtutor worksheet: bad value '2026-02-30' for --date: give YYYY-MM-DD or today\n"},
        {{"worksheet", "--title", QString(81, QLatin1Char('T')), "-o", "a.pdf"}, 2, "",
         "trigtutor worksheet: the title has more than 80 characters\n"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const CommandRun r = run(row.arguments);
        EXPECT_EQ(r.code, row.code);
        const QString out = QString::fromUtf8(row.outStart), err = QString::fromUtf8(row.errStart);
        EXPECT_EQ(r.out.left(out.size()), out);
        EXPECT_EQ(r.err.left(err.size()), err);
    }
}

// The whole degrees of a JSON list of solutions, in [0, period).
std::vector<int> wholeDegrees(const QJsonArray& list, int period)
{
    std::vector<int> out;
    for (const QJsonValue& v : list)
        out.push_back(((nearest(v[QStringLiteral("degrees")].toDouble()) % period) + period) % period);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<int> sorted(std::vector<int> points, int period)
{
    for (int& p : points)
        p = ((p % period) + period) % period;
    std::sort(points.begin(), points.end());
    return points;
}

TEST(SolveCommand, JsonOfEachKindAgreesWithTheWindows)
{
    const auto json = [](const char* typed) {
        return QJsonDocument::fromJson(run({"solve", "--json", "--steps", QString::fromUtf8(typed)}).out.toUtf8()).object();
    };
    const QJsonObject elementary = json("2 sin x = 1");
    EXPECT_EQ(elementary["kind"], "elementary");
    EXPECT_EQ(elementary["function"], "sin");
    EXPECT_EQ(elementary["coefficients"], (QJsonArray{0, 2, -1}));
    EXPECT_EQ(elementary["solutions"][1]["pi"], "5π/6");
    EXPECT_EQ(wholeDegrees(elementary["solutions"].toArray(), 360), sorted(solvers::solveElementary(0, 30).solutions.points, 360));

    const QJsonObject quadratic = json("2tan²x = tan x + 1");
    EXPECT_EQ(quadratic["kind"], "quadratic");
    EXPECT_EQ(quadratic["period"], 180);
    EXPECT_EQ(wholeDegrees(quadratic["solutions"].toArray(), 180),
              sorted(solvers::solveQuadraticEquation(2, 2, -1, -1).solutions.points, 180));
    // Not rounded to whole degrees: arctan(-1/2).
    EXPECT_NEAR(quadratic["solutions"][0]["degrees"].toDouble(), 45, 1e-12);
    EXPECT_NEAR(quadratic["solutions"][1]["degrees"].toDouble(), 180 - std::atan(0.5) * 180 / M_PI, 1e-9);

    const QJsonObject linear = json("√3 sin x − cos x > 1");
    EXPECT_EQ(linear["kind"], "linear");
    EXPECT_EQ(linear["function"], QJsonValue());
    EXPECT_EQ(linear["relation"], "<");
    EXPECT_EQ(linear["sign_changed"], true);
    // The worked solution: R = √(a² + b²) = 2 for a = −√3, b = 1, and each step with its text.
    const QJsonArray steps = linear["steps"].toArray();
    ASSERT_GE(steps.size(), 3);
    const auto auxiliary = std::find_if(steps.begin(), steps.end(), [](const QJsonValue& s) { return s["key"] == "linear.auxiliary"; });
    ASSERT_NE(auxiliary, steps.end());
    EXPECT_NEAR((*auxiliary).toObject()["values"].toObject()["R"].toDouble(), 2.0, 1e-12);
    for (const QJsonValue& s : steps)
        EXPECT_FALSE(s["text"].toString().isEmpty()) << s["key"].toString().toStdString();
    EXPECT_EQ(elementary["steps"][0]["key"], "elementary.equation");
    const solvers::LinearFindings f = solvers::solveLinearInequality({-std::sqrt(3.0L), 1, 1});
    ASSERT_EQ(linear["intervals"].toArray().size(), qsizetype(f.less.intervals.size()));
    const QJsonValue i = linear["intervals"][0];
    // The same interval, the window writing it a period away.
    EXPECT_EQ((nearest(i["from"].toDouble()) - f.less.intervals[0].from) % 360, 0);
    EXPECT_EQ(nearest(i["to"].toDouble()) - nearest(i["from"].toDouble()), f.less.intervals[0].to - f.less.intervals[0].from);
    EXPECT_EQ(i["from_closed"].toBool(), f.less.intervals[0].fromClosed);
    EXPECT_EQ(i["to_closed"].toBool(), f.less.intervals[0].toClosed);
    EXPECT_EQ(json("sin x <= 1")["all"], true);
}

TEST(WorksheetCommand, VersionsReadBackFromThePdf)
{
    ScratchDirectory scratch;
    const QString path = QDir::current().filePath(QStringLiteral("sheets.pdf"));
    ASSERT_EQ(run({"worksheet", "--count", "3", "--versions", "2", "--seed", "5", "--kind", "linear", "--lang", "fr",
                   "--title", "Contrôle\n3", "--date", "2026-10-05", "-o", path}).code, 0);
    const QString text = pdfText(path);
    if (text.isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    EXPECT_TRUE(text.contains(QStringLiteral("Version A"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Version B")));
    // The title on one line, the letter and the date in French beside it, on version B and its key.
    EXPECT_EQ(text.simplified().count(QStringLiteral("Contrôle 3 Version B 5 octobre 2026")), 2) << text.toStdString();
    // Version B's first exercise, made from its own seed.
    practice::WorksheetSettings b;
    b.request.family = practice::Family::Linear;
    b.count = 3;
    b.seed = practice::versionSeed(5, 1);
    EXPECT_TRUE(text.simplified().contains(practice::worksheetExercises(b).front().paperText().simplified()));
    EXPECT_NE(practice::versionSeed(5, 1), 5u);
}

}  // namespace
