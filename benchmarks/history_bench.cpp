// The practice history: recording one attempt (one transaction on the disk), and with 100,000
// attempts in the file: opening it, opening the progress window, choosing the next review
// exercise. Goals: 5 ms, -, 100 ms and 10 ms. Prints the file's size at 100,000 attempts.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>

#include "app/topic_windows.h"
#include "history/mastery.h"
#include "history/store.h"
#include "practice/exercise.h"
#include "practice/progress_window.h"

namespace {

constexpr int Attempts = 100000;

history::Attempt sample(int n, const std::vector<history::Skill>& skills, QDateTime time)
{
    history::Attempt a;
    a.time = time;
    a.skill = skills[std::size_t(n) % skills.size()];
    a.seed = quint32(n * 7919 % 1000000);
    a.exercise = QStringLiteral("2 (sin x)^2 − 3 sin x + 1 = 0");
    a.answer = QStringLiteral("30°, 90°, 150°");
    a.right = n % 5 != 0;
    a.first = n % 3 != 0;
    a.seconds = 20 + n % 40;
    return a;
}

// The history file of the program with 100,000 attempts over the last 200 days, made once: the
// schema by the store, the rows in one transaction.
QString hundredThousand()
{
    static const QString path = [] {
        const QString file = history::Store::defaultPath();
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile::remove(file);
        { history::Store store; store.open(file); }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
            db.setDatabaseName(file);
            db.open();
            db.transaction();
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO attempts (time, family, relation, function, level, seed, exercise, answer,"
                                          " verdict, first, slip, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            const std::vector<history::Skill> skills = practice::practisedSkills();
            const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-200);
            for (int n = 0; n < Attempts; ++n) {
                const history::Attempt a = sample(n, skills, start.addSecs(qint64(n) * 200 * 86400 / Attempts));
                const QVariant values[] = {a.time.toMSecsSinceEpoch(), a.skill.family, a.skill.relation, a.skill.function,
                                           a.skill.level, a.seed, a.exercise, a.answer, int(a.right), int(a.first),
                                           QStringLiteral(""), a.seconds};
                for (int i = 0; i < 12; ++i)
                    insert.bindValue(i, values[i]);
                insert.exec();
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
        std::printf("History file with %d attempts: %.1f MB\n", Attempts, QFileInfo(file).size() / 1048576.0);
        return file;
    }();
    return path;
}

void BM_HistoryRecordOneAttempt(benchmark::State& state)
{
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/record-XXXXXX"));
    history::Store store;
    store.open(folder.filePath(QStringLiteral("h.sqlite")));
    const std::vector<history::Skill> skills = practice::practisedSkills();
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.record(sample(n++, skills, QDateTime())));
}
BENCHMARK(BM_HistoryRecordOneAttempt)->Unit(benchmark::kMillisecond);

void BM_HistoryOpen100k(benchmark::State& state)
{
    const QString path = hundredThousand();
    for (auto _ : state) {
        history::Store store;
        benchmark::DoNotOptimize(store.open(path));
    }
}
BENCHMARK(BM_HistoryOpen100k)->Unit(benchmark::kMillisecond);

// The progress window made, laid out and drawn, the history open (as the practice window holds it).
void BM_HistoryOpenProgressView100k(benchmark::State& state)
{
    hundredThousand();
    const std::shared_ptr<history::Store> store = history::sharedStore();
    QMdiArea area;
    area.resize(1200, 800);
    area.show();
    const app::TopicWindow* topic = app::topicForClass("ProgressWindow");
    for (auto _ : state) {
        auto* window = topic->create(*topic);
        area.addSubWindow(window);
        window->create();
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryOpenProgressView100k)->Unit(benchmark::kMillisecond);

// What Review does before it shows the exercise: the due skills, the next one, its exercise.
void BM_HistoryChooseNextReview100k(benchmark::State& state)
{
    hundredThousand();
    const std::shared_ptr<history::Store> store = history::sharedStore();
    int family = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const std::optional<history::Skill> skill = history::nextReview(store->dueSkills(), family);
        if (!skill)
            continue;
        practice::Request r;
        r.family = practice::Family(skill->family);
        r.inequality = skill->relation != 0;
        r.function = skill->function;
        r.level = skill->level;
        practice::Exercise e = practice::makeExercise(r, seed);
        while (int(e.relation) != skill->relation)
            e = practice::makeExercise(r, ++seed);
        family = skill->family;
        benchmark::DoNotOptimize(e);
    }
    state.counters["due"] = double(store->dueSkills().size());
}
BENCHMARK(BM_HistoryChooseNextReview100k)->Unit(benchmark::kMillisecond);

}  // namespace
