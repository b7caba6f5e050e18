// Worksheets as printed: exercises and keys written as on paper, the title and the date at the top,
// versions each with its key and letter, the key left out; the dialog that sets them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include "app/main_window.h"
#include "common/test_support.h"
#include "maths/elementary.h"
#include "practice/practice_window.h"
#include "practice/worksheet.h"

using namespace practice;

TEST(Worksheet, PaperPutsTheSquareOnTheFunctionsNameAndTheScreenKeepsItsText)
{
    const auto n = Number::whole;
    const struct { int function; std::array<Number, 3> c; const char *screen, *paper; } table[] = {
        {solvers::Sine, {n(2), n(-3), n(1)}, "2 (sin x)^2 − 3 sin x + 1 = 0", "2 sin²x − 3 sin x + 1 = 0"},
        {solvers::Cosine, {n(-1), n(0), n(1)}, "−(cos x)^2 + 1 = 0", "−cos²x + 1 = 0"},
        {solvers::Tangent, {n(1), n(0), n(-3)}, "(tan x)^2 − 3 = 0", "tan²x − 3 = 0"},
    };
    for (const auto& row : table) {
        const Exercise e{.family = Family::Quadratic, .function = row.function, .coefficients = row.c};
        EXPECT_EQ(e.text(), QString::fromUtf8(row.screen));
        EXPECT_EQ(e.paperText(), QString::fromUtf8(row.paper));
        // The worked key: every minus sign the true one.
        EXPECT_FALSE(workedKeyLines(e, 1).join(QLatin1Char(' ')).contains(QLatin1Char('-')));
    }
}

// Version A, its key, version B, its key: each page headed by the title, the letter and the date,
// with the exercises of the version's own seed as on paper.
TEST(Worksheet, TwoVersionsEachWithItsKeyTitleAndDate)
{
    ScratchDirectory scratch;
    WorksheetSettings settings{.count = 4, .seed = 31, .versions = 2, .title = QStringLiteral("Test 3"), .date = {2026, 10, 5}};
    settings.request.family = Family::Quadratic;
    ASSERT_TRUE(writeWorksheet(scratch.file(QStringLiteral("a.pdf")), settings));
    const QStringList pages = pdfText(scratch.file(QStringLiteral("a.pdf"))).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4);
    for (int page = 0; page < 4; ++page) {
        const QString text = pages[page].simplified(), letter = QStringLiteral("Version ") + QChar(page < 2 ? u'A' : u'B');
        settings.seed = versionSeed(31, page / 2);
        EXPECT_TRUE(text.startsWith((page % 2 ? QStringLiteral("Answer key — ") : QString()) + QStringLiteral("Test 3 ") +
                                    letter + QStringLiteral(" 5 October 2026 ")));
        int number = 1;
        for (const Exercise& e : worksheetExercises(settings))
            EXPECT_TRUE(text.contains(QStringLiteral("%1. %2").arg(number++).arg(e.paperText()))) << text.toStdString();
    }
}

// The dialog as a teacher fills it: its defaults, a title typed, the date and the key left out.
TEST(Worksheet, DialogLeavesOutTheDateAndTheKeyWhenUnticked)
{
    ScratchDirectory scratch;
    const std::unique_ptr<app::Tangolario> main = makeMainWindow();
    main->menuItem(QStringLiteral("Practice1"))->trigger();
    processEvents();
    auto* window = qobject_cast<PracticeWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(window);
    window->chooseWorksheetFile = [&] { return scratch.file(QStringLiteral("quiz.pdf")); };
    whenModalShown([&](QWidget* dialog) {
        auto* title = dialog->findChild<QLineEdit*>("sheetTitle");
        EXPECT_EQ(title->text(), QStringLiteral("Worksheet"));
        EXPECT_EQ(dialog->findChild<QDateEdit*>("sheetDate")->date(), QDate::currentDate());
        title->setText(QStringLiteral("Quiz on sines"));
        dialog->findChild<QCheckBox*>("sheetDated")->click();  // ticked at first, as the key
        dialog->findChild<QCheckBox*>("sheetKey")->click();
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window->worksheetClick();
    const QString text = pdfText(scratch.file(QStringLiteral("quiz.pdf"))).simplified();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quiz on sines Name ______________________ Date ___"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Answer key")));
}
