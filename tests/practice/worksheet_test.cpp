// Worksheets as printed: exercises and keys written as on paper, the title and the date at the top,
// versions each with its key and letter, the key left out; the dialog that sets them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>

#include "app/main_window.h"
#include "common/test_support.h"
#include "maths/elementary.h"
#include "practice/practice_texts.h"
#include "practice/practice_window.h"
#include "practice/worksheet.h"
#include "texts/text_tables.h"

using namespace practice;

TEST(Worksheet, PaperPutsTheSquareOnTheFunctionsNameAndTheScreenKeepsItsText)
{
    const Number root3{0, -2, 1, Number::Unit::Root3, 0};
    const struct {
        Family family;
        int function;
        Relation relation;
        std::array<Number, 3> c;
        const char* screen;
        const char* paper;
    } table[] = {
        {Family::Quadratic, solvers::Sine, Relation::Equal, {Number::whole(2), Number::whole(-3), Number::whole(1)},
         "2 (sin x)^2 − 3 sin x + 1 = 0", "2 sin²x − 3 sin x + 1 = 0"},
        {Family::Quadratic, solvers::Cosine, Relation::GreaterOrEqual, {Number::whole(4), root3, Number::whole(3)},
         "4 (cos x)^2 − 2√3 cos x + 3 ≥ 0", "4 cos²x − 2√3 cos x + 3 ≥ 0"},
        {Family::Quadratic, solvers::Tangent, Relation::Less, {Number::whole(1), Number::whole(0), Number::whole(-3)},
         "(tan x)^2 − 3 < 0", "tan²x − 3 < 0"},
        {Family::Elementary, solvers::Sine, Relation::Equal, {Number::whole(2), Number::whole(-1), Number::whole(0)},
         "2 sin x − 1 = 0", "2 sin x − 1 = 0"},
    };
    for (const auto& row : table) {
        Exercise e{.family = row.family, .relation = row.relation, .function = row.function, .coefficients = row.c};
        EXPECT_EQ(e.text(), QString::fromUtf8(row.screen));
        EXPECT_EQ(e.paperText(), QString::fromUtf8(row.paper));
        // The worked key on paper: the exercise as printed, every minus sign the true one.
        const QString worked = workedKeyLines(e, 1).join(QLatin1Char('\n'));
        EXPECT_TRUE(worked.startsWith(QStringLiteral("1.  ") + e.paperText()));
        EXPECT_FALSE(worked.contains(QLatin1Char('-'))) << worked.toStdString();
    }
    const struct {
        unsigned char language;
        const char* date;
    } dates[] = {{0, "5 ottobre 2026"}, {1, "5 October 2026"}, {2, "5 octobre 2026"}, {3, "5 October 2026"}};
    for (const auto& row : dates) {
        app::CurrentLanguage = row.language;
        EXPECT_EQ(sheetDateText(QDate(2026, 10, 5)), QString::fromUtf8(row.date));
    }
    app::CurrentLanguage = 1;
}

// Version A, its key, version B, its key: each page with its letter, the title and the date on top,
// the exercises of each version's own seed as on paper on its sheet and its key.
TEST(Worksheet, TwoVersionsEachWithItsKeyTitleAndDate)
{
    ScratchDirectory scratch;
    WorksheetSettings settings{.count = 4, .seed = 31, .versions = 2};
    settings.request.family = Family::Quadratic;
    settings.title = QStringLiteral("Test 3");
    settings.date = QDate(2026, 10, 5);
    const QString path = scratch.file(QStringLiteral("sheets.pdf"));
    ASSERT_TRUE(writeWorksheet(path, settings));
    const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    ASSERT_EQ(pages.size(), 4);
    for (int page = 0; page < 4; ++page) {
        const QString text = pages[page].simplified();
        const QString letter = QStringLiteral("Version ") + QChar(page < 2 ? u'A' : u'B');
        // The title (the key's after its name), then the letter and the date on the right.
        const QString heading = QStringLiteral("Test 3 ") + letter + QStringLiteral(" 5 October 2026");
        EXPECT_TRUE(text.startsWith(page % 2 ? QStringLiteral("Answer key — ") + heading : heading)) << text.toStdString();
        EXPECT_TRUE(text.endsWith(letter + QStringLiteral(" · Seed %1 · Quadratic · page %2")
                                               .arg(versionSeed(31, page / 2))
                                               .arg(page % 2 + 1)))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("^2")));
        EXPECT_EQ(text.contains(QStringLiteral("Date ___")), false);
        WorksheetSettings version = settings;
        version.seed = versionSeed(31, page / 2);
        int number = 1;
        for (const Exercise& e : worksheetExercises(version)) {
            EXPECT_TRUE(e.paperText().contains(QStringLiteral("²x")));
            EXPECT_TRUE(text.contains(QStringLiteral("%1. %2").arg(number++).arg(e.paperText()))) << text.toStdString();
        }
    }
}

// The dialog as a teacher fills it: its defaults, a title typed, the date and the key left out.
TEST(Worksheet, DialogLeavesOutTheDateAndTheKeyWhenUnticked)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    main->menuItem(QStringLiteral("Practice1"))->trigger();
    processEvents();
    auto* window = qobject_cast<PracticeWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(window);
    const QString path = scratch.file(QStringLiteral("quiz.pdf"));
    window->chooseWorksheetFile = [&] { return path; };
    whenModalShown([&](QWidget* dialog) {
        auto* title = dialog->findChild<QLineEdit*>("sheetTitle");
        auto* dated = dialog->findChild<QCheckBox*>("sheetDated");
        auto* key = dialog->findChild<QCheckBox*>("sheetKey");
        auto* versions = dialog->findChild<QSpinBox*>("sheetVersions");
        ASSERT_TRUE(title && dated && key && versions);
        EXPECT_EQ(title->text(), QStringLiteral("Worksheet"));
        EXPECT_EQ(dialog->findChild<QDateEdit*>("sheetDate")->date(), QDate::currentDate());
        EXPECT_TRUE(dated->isChecked() && key->isChecked());
        EXPECT_EQ(versions->value(), 1);
        title->setText(QStringLiteral("Quiz on sines"));
        dated->setChecked(false);
        key->setChecked(false);
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("workedKey")->isEnabled());
        dialog->findChild<QSpinBox*>("count")->setValue(3);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    window->worksheetClick();
    const QStringList pages = pdfText(path).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is missing";
    ASSERT_EQ(pages.size(), 1);
    const QString text = pages[0].simplified();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quiz on sines Name _"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Date ___")));
    EXPECT_FALSE(text.contains(QStringLiteral("Answer key")));
}
