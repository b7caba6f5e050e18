// The practice window keeps its answers, reviews what is due and opens the progress window,
// which exports, forgets and reads out the grid; a FIFO at the history's name is said.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>

#include "app/main_window.h"
#include "common/test_support.h"
#include "history/store.h"
#include "practice/practice_window.h"
#include "practice/progress_window.h"

using namespace practice;

namespace {

void answerWith(PracticeWindow* window, const QString& text)
{
    window->answer->setText(text);
    window->check->click();
}

QString rightAnswer(const Exercise& e)
{
    return answerText(solverAnswer(e), e.period(), false);
}

}  // namespace

TEST(HistoryWindows, AnswersAreKeptReviewedAndShownInProgress)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    auto* window = qobject_cast<PracticeWindow*>(main->openTopicWindow(topicSlot("PracticeWindow")));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->note(), QString());
    std::shared_ptr<history::Store> store = history::sharedStore();
    QDateTime clock(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC);
    store->setClock([&] { return clock; });
    window->kind->setCurrentIndex(1);      // quadratic
    window->relation->setCurrentIndex(0);  // equations
    window->function->setCurrentIndex(1);  // cos
    window->level->setCurrentIndex(0);     // level 1
    window->review->click();
    EXPECT_EQ(window->note(), QStringLiteral("Nothing is due for review today: master a kind of exercise first, and it comes back on its day."));
    // Wrong then right, then right first time three times: mastered.
    window->newExercise->click();
    answerWith(window, QStringLiteral("1"));
    answerWith(window, rightAnswer(window->exercise()));
    for (int n = 0; n < 3; ++n) {
        window->newExercise->click();
        answerWith(window, rightAnswer(window->exercise()));
    }
    const history::Skill skill{1, 0, 1, 1};
    EXPECT_EQ(store->status(skill), history::Status::Mastered);
    const std::vector<history::Attempt> kept = store->attempts();
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_EQ(kept[0].answer, QStringLiteral("1"));
    EXPECT_FALSE(kept[0].right);
    EXPECT_FALSE(kept[1].first);
    EXPECT_EQ(kept[4].exercise, window->exercise().text());
    EXPECT_EQ(kept[4].seed, window->exercise().seed);
    // The next day it is due: Review sets it, whatever the tool bar says.
    clock = clock.addDays(1);
    window->kind->setCurrentIndex(0);
    window->review->click();
    EXPECT_EQ(window->exercise().family, Family::Quadratic);
    EXPECT_EQ(window->exercise().function, 1);
    EXPECT_FALSE(window->exercise().isInequality());

    // Progress: the grid and the figures as text.
    auto* progress = qobject_cast<ProgressWindow*>(window->progressClick());
    ASSERT_TRUE(progress);
    const QStringList lines = progress->resultLines();
    EXPECT_EQ(lines.mid(0, 3), (QStringList{QStringLiteral("5 answers · 1 mastered · 1 due"),
                                            QStringLiteral("Quadratic = 0 · cos x · Level 1: due"),
                                            QStringLiteral("Right first time, day by day")}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Monday, May 4, 2026: 3 of 4 right first time (75%)"))) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{QStringLiteral("The most frequent slips"), QStringLiteral("No slip named yet.")}));
    EXPECT_EQ(progress->pictureDescription(), lines.join(QLatin1Char('\n')));
    // Export, then forget.
    const QString csv = scratch.file("attempts.csv");
    progress->chooseCsvFile = [&] { return csv; };
    progress->exportAttempts->click();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 6);
    bool asked = false;
    progress->confirmForget = [&] { return asked = true, false; };
    progress->forget->click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(store->attemptCount(), 5);
    progress->confirmForget = [] { return true; };
    progress->forget->click();
    EXPECT_EQ(store->attemptCount(), 0);
    EXPECT_TRUE(store->attempts().empty());
    EXPECT_EQ(progress->resultLines().front(), QStringLiteral("0 answers · 0 mastered · 0 due"));
}

TEST(HistoryWindows, TenTriesOfferTheSolutionAndAFifoIsSaid)
{
    ScratchDirectory scratch;
    const QString path = history::Store::defaultPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    auto* window = qobject_cast<PracticeWindow*>(main->openTopicWindow(topicSlot("PracticeWindow")));
    ASSERT_TRUE(window);
    QApplication::setActiveWindow(main.get());
    window->relation->setCurrentIndex(0);
    window->level->setCurrentIndex(0);
    window->newExercise->click();
    const QString notice = QStringLiteral("This session's answers are not kept: its file is a FIFO.\n") + path;
    EXPECT_EQ(window->note(), notice);
    EXPECT_TRUE(window->resultLines().join('\n').endsWith(notice));
    for (int n = 0; n < 10; ++n)
        answerWith(window, QStringLiteral("1"));
    const Exercise tried = window->exercise();
    window->newExercise->click();
    EXPECT_EQ(window->exercise().text(), tried.text());
    EXPECT_EQ(window->note(), QStringLiteral("Ten tries at this kind of exercise today: see how it is solved with \"Show me\", then \"New exercise\" gives another."));
    EXPECT_EQ(QApplication::focusWidget(), window->showMe);
    window->newExercise->click();
    EXPECT_EQ(window->note(), notice);
    EXPECT_EQ(history::sharedStore()->unwritten(), 10);
}

TEST(HistoryWindows, TrianglesAreMasteredReviewedAndInTheGrid)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    auto* window = qobject_cast<PracticeWindow*>(main->openTopicWindow(topicSlot("PracticeWindow")));
    ASSERT_TRUE(window);
    std::shared_ptr<history::Store> store = history::sharedStore();
    QDateTime clock(QDate(2026, 5, 4), QTime(9, 0), Qt::UTC);
    store->setClock([&] { return clock; });
    const history::Skill level2{int(Family::Triangles), 0, 0, 2};
    const std::vector<history::Skill> offered = practisedSkills();
    for (int level = 1; level <= 3; ++level)
        EXPECT_EQ(std::count(offered.begin(), offered.end(), history::Skill{int(Family::Triangles), 0, 0, level}), 1);
    window->kind->setCurrentIndex(int(Family::Triangles));
    window->level->setCurrentIndex(1);
    for (int n = 0; n < 3; ++n) {
        window->newExercise->click();
        answerWith(window, triangleAnswerText(window->exercise().triangle));
        EXPECT_TRUE(window->verdictRight());
    }
    EXPECT_EQ(store->status(level2), history::Status::Mastered);
    auto* progress = qobject_cast<ProgressWindow*>(window->progressClick());
    ASSERT_TRUE(progress);
    EXPECT_TRUE(progress->resultLines().contains(QStringLiteral("Triangles · Level 2: mastered")));
    // The next day it is due, and Review sets a triangle of its level.
    clock = clock.addDays(1);
    window->kind->setCurrentIndex(0);
    window->review->click();
    EXPECT_EQ(window->exercise().family, Family::Triangles);
    EXPECT_EQ(window->exercise().level, 2);
    progress->redraw();
    EXPECT_TRUE(progress->resultLines().contains(QStringLiteral("Triangles · Level 2: due")));
}
