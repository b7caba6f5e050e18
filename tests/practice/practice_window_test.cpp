// The practice window used with the keyboard alone, and a worksheet read back from its PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/main_window.h"
#include "common/test_support.h"
#include "practice/practice_window.h"
#include "practice/worksheet.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/quadratic/quadratic_window.h"
#include "triangles/triangle_window.h"

using namespace practice;

namespace {

void key(QKeyCombination k)
{
    QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    processEvents();
}

// Tab (or Shift+Tab) until the control named has the keyboard.
void tabTo(const char* name, bool back = false)
{
    for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != QLatin1String(name); ++i)
        key(back ? QKeyCombination(Qt::SHIFT | Qt::Key_Backtab) : QKeyCombination(Qt::Key_Tab));
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
}

// Each character as a key that types it (π and ∪ as an input method would).
void typeText(const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    processEvents();
}

}  // namespace

TEST(PracticeWindow, KeyboardAloneSetsChecksScoresAndShowsTheSolution)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    QApplication::setActiveWindow(main.get());
    for (const auto& [language, text] : {std::pair{"Italiano1", "Esercizi…"}, {"Francese1", "Exercices…"}, {"Inglese1", "Practice…"}}) {
        main->menuItem(QString::fromLatin1(language))->trigger();
        EXPECT_EQ(main->menuItem(QStringLiteral("Practice1"))->text(), QString::fromUtf8(text));
    }
    main->menuItem(QStringLiteral("Practice1"))->trigger();
    processEvents();
    auto* window = qobject_cast<PracticeWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(QApplication::focusWidget(), window->answer);

    // Quadratic inequalities at level 2, chosen with the arrows.
    tabTo("kind", true);
    key(Qt::Key_Down);  // from "Mixed" nothing lies below: stays
    key(Qt::Key_Up);    // Triangles
    key(Qt::Key_Up);    // Linear
    key(Qt::Key_Up);    // Quadratic
    tabTo("relation");
    key(Qt::Key_Up);    // Inequalities
    tabTo("level");
    key(Qt::Key_Home);  // Level 1
    key(Qt::Key_Down);  // Level 2
    tabTo("seed");
    key(QKeyCombination(Qt::CTRL | Qt::Key_A));
    typeText(QStringLiteral("4242"));
    key(Qt::Key_Return);
    const Exercise e = window->exercise();
    EXPECT_EQ(e.family, Family::Quadratic);
    EXPECT_TRUE(e.isInequality());
    EXPECT_EQ(e.level, 2);
    EXPECT_EQ(e.seed, 4242u);
    EXPECT_EQ(e.text(), makeExercise(window->request(), 4242).text());
    EXPECT_EQ(QApplication::focusWidget(), window->answer);

    // Unreadable: a message, no verdict, nothing scored.
    typeText(QStringLiteral("[0, 30"));
    key(Qt::Key_Return);
    EXPECT_EQ(window->verdict(), QStringList{QStringLiteral("Could not read \"[0, 30\"")});
    EXPECT_EQ(window->scoreText(), QStringLiteral("Right first time: 0 · right after hints: 0 · exercises: 0"));
    // Wrong, then right: right after hints.
    key(QKeyCombination(Qt::CTRL | Qt::Key_A));
    typeText(QStringLiteral("R"));
    key(Qt::Key_Return);
    EXPECT_FALSE(window->verdictRight());
    key(QKeyCombination(Qt::CTRL | Qt::Key_A));
    typeText(answerText(solverAnswer(e), e.period(), true));
    key(Qt::Key_Return);
    EXPECT_EQ(window->verdict(), QStringList{QStringLiteral("Right!")});
    EXPECT_EQ(window->scoreText(), QStringLiteral("Right first time: 0 · right after hints: 1 · exercises: 1"));
    // How to solve it: the worked solution under the verdict, in the picture and its copies.
    tabTo("howToSolve");
    key(Qt::Key_Space);
    ASSERT_TRUE(window->showsSteps());
    EXPECT_EQ(window->resultLines().mid(window->resultLines().size() - window->stepLines().size()), window->stepLines());
    EXPECT_TRUE(window->stepLines().front().endsWith(solvers::workedSolutionLines(exerciseSteps(e)).front()));
    // The picture recorded as a printer would take it is the one shown.
    const QSize size(window->clientWidth(), window->clientHeight());
    EXPECT_EQ(recordedPicture(*window, size), window->surface().copy(QRect(QPoint(0, 0), size)));

    // Show me: the quadratic inequality window with the exercise's coefficients.
    tabTo("showMe", true);
    key(Qt::Key_Space);
    auto* solver = qobject_cast<solvers::Tdisequasecondogrado*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(solver);
    EXPECT_EQ(solver->findChild<QComboBox*>("funzt")->currentIndex(), e.function);
    EXPECT_EQ(solver->findings().greater, solvers::solveQuadraticInequality(e.function, e.values()[0], e.values()[1], e.values()[2]).greater);
    EXPECT_EQ(solver->coefficients()->values(), e.values());
}

TEST(PracticeWindow, ShowMeSetsEachSolverWindowToTheExercise)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    auto* window = qobject_cast<PracticeWindow*>(main->openTopicWindow(topicSlot("PracticeWindow")));
    ASSERT_TRUE(window);
    const char* solvers[3][2] = {{"Tequa", "Tdisequatr"}, {"Tequasecondogrado", "Tdisequasecondogrado"},
                                 {"Tequazionilineari", "Tdisequazionilineari"}};
    for (int family = 0; family < 3; ++family)
        for (int inequality = 0; inequality < 2; ++inequality) {
            window->kind->setCurrentIndex(family);
            window->relation->setCurrentIndex(inequality);
            window->function->setCurrentIndex(2);  // tan x, which the linear ones leave aside
            window->seed->setText(QStringLiteral("77"));
            window->seedEntered();
            const Exercise e = window->exercise();
            auto* solver = qobject_cast<solvers::SolverWindow*>(window->showMeClick());
            ASSERT_TRUE(solver);
            EXPECT_EQ(solver->objectName(), QLatin1String(solvers[family][inequality]));
            if (auto* elementary = qobject_cast<solvers::ElementarySolverWindow*>(solver)) {
                EXPECT_EQ(elementary->findChild<QComboBox*>("funzt")->currentIndex(), e.function);
                EXPECT_EQ(elementary->angleDeg(), e.alphaDeg);
            } else {
                EXPECT_EQ(solver->coefficients()->values(), e.values());
            }
        }
    // A triangle exercise: the Triangles window with the parts given, and its steps after a verdict.
    app::CurrentLanguage = 1;
    for (int level = 1; level <= 3; ++level) {
        window->kind->setCurrentIndex(int(Family::Triangles));
        window->level->setCurrentIndex(level - 1);
        window->seed->setText(QStringLiteral("77"));
        window->seedEntered();
        const Exercise e = window->exercise();
        ASSERT_EQ(e.family, Family::Triangles);
        EXPECT_TRUE(window->showMe->isEnabled());
        auto* triangle = qobject_cast<triangles::TriangleWindow*>(window->showMeClick());
        ASSERT_TRUE(triangle);
        for (int part = 0; part < triangles::PartCount; ++part)
            EXPECT_EQ(triangle->fields[part]->text(),
                      triangles::given(e.triangle.given[part]) ? QString::number(e.triangle.given[part]) : QString());
        EXPECT_EQ(triangle->solution().count, triangles::solveTriangle(e.triangle.given).count);
        window->answer->setText(QStringLiteral("1, 2, 3"));
        window->checkClick();
        window->howToSolveClick();
        ASSERT_TRUE(window->showsSteps());
        EXPECT_TRUE(window->stepLines().front().contains(QRegularExpression(QStringLiteral("1\\. (Law of|Two sides|Angle sum)"))))
            << window->stepLines().front().toStdString();
        EXPECT_FALSE(window->stepLines().join('\n').contains(QStringLiteral("Area")));
    }
}

TEST(Worksheet, PdfHoldsTheExercisesAndTheirKey)
{
    ScratchDirectory scratch;
    const WorksheetSettings settings{{}, 10, 1234};
    const QString path = scratch.file(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(writeWorksheet(path, settings));
    const auto pageText = [&](int page, const QString& file = QString()) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                              QString::number(page), file.isEmpty() ? path : file, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(20000));
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    const QString sheet = pageText(1);
    const QString key = pageText(2);
    EXPECT_TRUE(sheet.contains(QStringLiteral("Worksheet")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("Seed 1234 · Mixed · page 1")));
    EXPECT_TRUE(key.startsWith(QStringLiteral("Answer key")));
    int number = 1;
    for (const Exercise& e : worksheetExercises(settings)) {
        const QString line = QStringLiteral("%1. %2").arg(number++).arg(e.paperText());
        EXPECT_TRUE(sheet.contains(line)) << line.toStdString();
        EXPECT_TRUE(key.contains(line + QLatin1Char(' ') + answerText(solverAnswer(e), e.period(), false) + QLatin1Char(' ') +
                                 answerText(solverAnswer(e), e.period(), true)))
            << line.toStdString();
    }
    // The sheet as a printer gets it (here the printer's PDF output) has the same exercises.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch.file(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(SafeFile::print(printer, worksheetDrawer(settings)));
    EXPECT_TRUE(pageText(1, printer.outputFileName()).contains(QStringLiteral("1. ") + worksheetExercises(settings)[0].paperText()));
    // A sheet that cannot be written is refused (the window then says so).
    EXPECT_FALSE(writeWorksheet(scratch.file(QStringLiteral("no folder/sheet.pdf")), settings));
}

TEST(Worksheet, WorkedKeyFollowsTheAnswerKey)
{
    ScratchDirectory scratch;
    Request triangles;
    triangles.family = Family::Triangles;
    for (const WorksheetSettings& settings : {WorksheetSettings{.count = 3, .seed = 77, .workedKey = true},
                                              WorksheetSettings{.request = triangles, .count = 3, .seed = 77, .workedKey = true}}) {
        const QString path = scratch.file(QStringLiteral("worked.pdf"));
        ASSERT_TRUE(writeWorksheet(path, settings));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("3"), path, QStringLiteral("-")});
        ASSERT_TRUE(p.waitForFinished(20000));
        // Hyphens go: the text reader drops one that ends a printed line.
        const auto flat = [](QString text) { return text.remove(QLatin1Char('-')).simplified(); };
        const QString worked = flat(QString::fromUtf8(p.readAllStandardOutput()));
        EXPECT_TRUE(worked.startsWith(QStringLiteral("Worked key"))) << worked.left(80).toStdString();
        int number = 1;
        for (const Exercise& e : worksheetExercises(settings)) {
            const QStringList lines = workedKeyLines(e, number++);
            ASSERT_GE(lines.size(), settings.request.family ? 3 : 4);  // an ambiguous case with none: 2 steps
            for (const QString& line : lines)
                EXPECT_TRUE(worked.contains(flat(line))) << line.toStdString();
        }
    }
}
