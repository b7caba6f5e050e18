// The practice history: mastery and review days over sequences of answers, the faults a file
// can have, the CSV read back, the migrations.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <iostream>

#include <csignal>
#include <sys/stat.h>

#include "common/test_support.h"
#include "history/store.h"

using namespace history;

namespace {

const QDate Day0(2026, 3, 2);
const Skill Sin1{0, 0, 0, 1};

QDateTime at(int day, int minute = 600)
{
    return QDateTime(Day0.addDays(day), QTime(0, 0), Qt::UTC).addSecs(60 * minute);
}

Attempt attempt(int n, bool right = true, Skill skill = Sin1)
{
    Attempt a;
    a.time = at(0, 600 + n);
    a.skill = skill;
    a.seed = quint32(n);
    a.exercise = QStringLiteral("2 sin x − 1 = 0 #%1").arg(n);
    a.answer = QStringLiteral("30°, 150°");
    a.right = right;
    a.seconds = 12.5;
    return a;
}

// A history file holding `count` attempts.
void makeHistory(const QString& path, int count)
{
    Store store;
    ASSERT_EQ(store.open(path), Problem::None);
    for (int n = 0; n < count; ++n)
        ASSERT_TRUE(store.record(attempt(n)));
}

QByteArray bytesOf(const QString& path)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode))
        return "a FIFO";  // never opened: it would wait for a writer
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs one SQL statement on a file, with a connection of its own.
void onFile(const QString& path, const QString& sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("side"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("side"));
}

// This test program again, as the child that records attempts or holds the file.
QProcess* startChild(const QString& path, const char* mode)
{
    auto* child = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRIG_HISTORY_CHILD"), QString::fromLatin1(mode));
    env.insert(QStringLiteral("TRIG_HISTORY_PATH"), path);
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=HistoryChild.*")});
    return child;
}

// The last whole line the child wrote, waiting for one that says at least `least`.
int waitForLine(QProcess* child, int least)
{
    int last = -1;
    for (int i = 0; i < 200 && last < least; ++i) {
        child->waitForReadyRead(100);
        while (child->canReadLine()) {
            bool number = false;
            const int n = child->readLine().trimmed().toInt(&number);
            last = number ? n : last;
        }
    }
    return last;
}

}  // namespace

// Not a test of its own: the child the tests below start. Records attempts one by one, saying
// after each how many are written, or holds the file open.
TEST(HistoryChild, RecordsOrHolds)
{
    const QByteArray mode = qgetenv("TRIG_HISTORY_CHILD");
    if (mode.isEmpty())
        GTEST_SKIP() << "started by the kill and lock tests";
    Store store;
    if (store.open(qEnvironmentVariable("TRIG_HISTORY_PATH")) != Problem::None)
        std::_Exit(3);
    for (int n = 0;; ++n) {
        if (mode == "record" && !store.record(attempt(n))) {
            std::cerr << store.writeError().toStdString() << std::endl;
            std::_Exit(4);
        }
        std::cout << (mode == "record" ? n + 1 : 0) << std::endl;
        QThread::msleep(mode == "record" ? 5 : 100);
    }
}

TEST(History, MasteryAndReviewDaysOverSequencesOfAnswers)
{
    // Answers as day:verdict, "r" right first time, "w" wrong first time, "x" a later try; the
    // status and the next review day (from day 0) after them, seen on `today`.
    struct Row {
        const char* answers;
        int today;
        Status status;
        int due;  // -1: none
    };
    const Row rows[] = {
        {"", 0, Status::NotStarted, -1},
        {"0r 0r", 0, Status::Learning, -1},
        {"0r 0r 0r", 0, Status::Mastered, 1},
        {"0r 0r 0x 0r", 0, Status::Mastered, 1},         // a later try neither counts nor breaks
        {"0r 0r 0w 0r 0r", 0, Status::Learning, -1},     // a wrong one starts the streak again
        {"0r 0r 0r", 1, Status::Due, 1},
        {"0r 0r 0r 1r", 1, Status::Mastered, 4},
        {"0r 0r 0r 1r 4r", 4, Status::Mastered, 11},
        {"0r 0r 0r 1r 4r 11r", 11, Status::Mastered, 32},
        {"0r 0r 0r 1r 4r 11r 32r", 32, Status::Mastered, 53},  // then every 21 days
        {"0r 0r 0r 2r", 2, Status::Mastered, 5},         // a late review counts from its own day
        {"0r 0r 0r 0r", 1, Status::Due, 1},              // right before it falls due: no review
        {"0r 0r 0r 1w", 1, Status::Learning, -1},        // a wrong review unmasters
        {"0r 0r 0r 1w 1r 1r 1r", 1, Status::Mastered, 2},
    };
    for (const Row& row : rows) {
        SkillState state;
        for (const QString& a : QString::fromLatin1(row.answers).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            state.advance(Day0.addDays(a.chopped(1).toInt()), a.endsWith(QLatin1Char('r')), !a.endsWith(QLatin1Char('x')));
        EXPECT_EQ(state.statusOn(Day0.addDays(row.today)), row.status) << row.answers;
        EXPECT_EQ(state.due, row.due < 0 ? QDate() : Day0.addDays(row.due)) << row.answers;
    }
}

TEST(History, ReviewInterleavesKindsAndTenTriesOfferTheSolution)
{
    ScratchDirectory scratch;
    QDateTime clock = at(0);
    Store store([&] { return clock; });
    ASSERT_EQ(store.open(scratch.file("h.sqlite")), Problem::None);
    const Skill skills[] = {{0, 0, 0, 1}, {0, 1, 1, 2}, {1, 0, 0, 1}, {2, 2, 0, 3}};
    for (const Skill& s : skills)
        for (int n = 0; n < 3; ++n)
            store.record(attempt(n, true, s));
    EXPECT_TRUE(store.dueSkills().empty());
    clock = at(1);
    ASSERT_EQ(store.dueSkills().size(), 4u);
    // Families 0, 0, 1, 2 due: after family 0 comes 1, after 1 comes 0, after 2 comes 0.
    EXPECT_EQ(nextReview(store.dueSkills(), 0)->family, 1);
    EXPECT_EQ(nextReview(store.dueSkills(), 1)->family, 0);
    EXPECT_EQ(nextReview(store.dueSkills(), 2)->family, 0);
    EXPECT_EQ(nextReview({}, 0), std::nullopt);
    const Skill hard{1, 1, 2, 3};
    for (int n = 0; n < 10; ++n) {
        EXPECT_FALSE(store.state(hard).offersSolutionOn(store.today())) << n;
        Attempt a = attempt(n, false, hard);
        a.time = QDateTime();
        store.record(a);
    }
    EXPECT_TRUE(store.state(hard).offersSolutionOn(store.today()));
    EXPECT_FALSE(store.state(hard).offersSolutionOn(store.today().addDays(1)));
    // Reopened, the file gives the same.
    store.open(scratch.file("h.sqlite"));
    EXPECT_EQ(store.attemptCount(), 22);
    EXPECT_EQ(store.dueSkills().size(), 4u);
    EXPECT_TRUE(store.state(hard).offersSolutionOn(store.today()));
    ASSERT_EQ(store.days().size(), 2u);
    EXPECT_EQ(store.days()[0].rightFirst, 12);
    EXPECT_EQ(store.days()[1].firstTries, 10);
}

TEST(History, KilledMidPracticeKeepsEveryAnsweredAttempt)
{
    ScratchDirectory scratch;
    const QString path = scratch.file("h.sqlite");
    std::unique_ptr<QProcess> child(startChild(path, "record"));
    const int answered = waitForLine(child.get(), 20);
    ASSERT_GT(child->processId(), 0);
    ::kill(pid_t(child->processId()), SIGKILL);
    child->waitForFinished();
    ASSERT_GE(answered, 20);
    Store store;
    ASSERT_EQ(store.open(path), Problem::None);
    const std::vector<Attempt> kept = store.attempts();
    ASSERT_GE(int(kept.size()), answered);
    for (int n = 0; n < int(kept.size()); ++n)
        EXPECT_EQ(kept[std::size_t(n)], attempt(n));
}

TEST(History, FilesInTheWayAreLeftAsTheyAreAndNothingIsLost)
{
    ScratchDirectory scratch;
    const QString path = scratch.file("h.sqlite");
    const QString real = scratch.file("real.sqlite");
    makeHistory(real, 3);
    const auto put = [&] { QFile::copy(real, path); };
    struct Case {
        const char* name;
        std::function<void()> make, undo;
        Problem problem;
    };
    const Case cases[] = {
        {"folder", [&] { QDir().mkdir(path); }, [&] { QDir().rmdir(path); put(); }, Problem::Folder},
        {"fifo", [&] { ::mkfifo(QFile::encodeName(path).constData(), 0600); }, [&] { QFile::remove(path); put(); },
         Problem::Fifo},
        {"link", [&] { QFile::link(real, path); }, [&] { QFile::remove(path); put(); }, Problem::SymbolicLink},
        {"read-only", [&] { put(); ::chmod(QFile::encodeName(path).constData(), 0444); },
         [&] { ::chmod(QFile::encodeName(path).constData(), 0644); }, Problem::ReadOnly},
        {"not a database",
         [&] {
             QFile f(path);
             f.open(QIODevice::WriteOnly);
             f.write("time,answer\n1,30°\n");
         },
         [&] { QFile::remove(path); put(); }, Problem::NotADatabase},
        {"newer schema", [&] { put(); onFile(path, QStringLiteral("PRAGMA user_version = 3")); },
         [&] { onFile(path, QStringLiteral("PRAGMA user_version = 2")); }, Problem::NewerSchema},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        const QByteArray before = bytesOf(path);
        {
            Store store;
            EXPECT_EQ(store.open(path), c.problem);
            EXPECT_FALSE(store.record(attempt(9)));
            EXPECT_EQ(store.unwritten(), 1);
            EXPECT_EQ(store.attempts().size(), 1u);
        }
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_EQ(QFileInfo(path).isSymLink(), c.problem == Problem::SymbolicLink);
        c.undo();
        Store store;
        EXPECT_EQ(store.open(path), Problem::None);
        EXPECT_EQ(store.attemptCount(), 3);
        store.close();
        QFile::remove(path);
    }
}

TEST(History, ADamagedFileIsMovedAsideAndASecondCopyFindsItLocked)
{
    ScratchDirectory scratch;
    const QString path = scratch.file("h.sqlite");
    makeHistory(path, 50);
    std::unique_ptr<QProcess> holder(startChild(path, "hold"));
    ASSERT_EQ(waitForLine(holder.get(), 0), 0);
    const QByteArray held = bytesOf(path);
    {
        Store store;
        EXPECT_EQ(store.open(path), Problem::Locked);
        EXPECT_EQ(bytesOf(path), held);
    }
    ASSERT_GT(holder->processId(), 0);
    ::kill(pid_t(holder->processId()), SIGKILL);
    holder->waitForFinished();
    {
        Store store;
        ASSERT_EQ(store.open(path), Problem::None);
        EXPECT_EQ(store.attemptCount(), 50);
    }
    // The pages after the first overwritten: the header says SQLite, the tables are gone.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4096);
    file.write(QByteArray(int(file.size() - 4096), '\xab'));
    file.close();
    const QByteArray damaged = bytesOf(path);
    Store store([] { return at(5, 61); });
    EXPECT_EQ(store.open(path), Problem::Corrupt);
    EXPECT_EQ(store.movedAside(), path + QStringLiteral(".damaged-2026-03-07-010100"));
    EXPECT_EQ(bytesOf(store.movedAside()), damaged);
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(store.open(path), Problem::None);  // a new file next time
}

TEST(History, AFullDiskKeepsAttemptsInMemoryUntilThereIsRoom)
{
    ScratchDirectory scratch;
    const QString path = scratch.file("h.sqlite");
    Store store;
    ASSERT_EQ(store.open(path), Problem::None);
    ASSERT_TRUE(store.record(attempt(0)));
    {
        const FileSizeLimit full(QFileInfo(path + QStringLiteral("-wal")).size());
        EXPECT_FALSE(store.record(attempt(1)));
        EXPECT_FALSE(store.record(attempt(2)));
        EXPECT_EQ(store.unwritten(), 2);
        EXPECT_FALSE(store.writeError().isEmpty());
    }
    EXPECT_TRUE(store.record(attempt(3)));
    EXPECT_EQ(store.unwritten(), 0);
    store.open(path);
    const std::vector<Attempt> kept = store.attempts();
    ASSERT_EQ(kept.size(), 4u);
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(kept[std::size_t(n)], attempt(n));
}

TEST(History, TextsAreStoredAndExportedAsTyped)
{
    ScratchDirectory scratch;
    Store store;
    ASSERT_EQ(store.open(scratch.file("h.sqlite")), Problem::None);
    const QString texts[] = {
        QStringLiteral("'; DROP TABLE attempts; --"), QStringLiteral("say \"30°\", then 'no'"),
        QString(QStringLiteral("a\0b\0")), QStringLiteral("=SUM(A1:A9)"), QStringLiteral("+1"),
        QStringLiteral("−sin x"), QStringLiteral("-1"), QStringLiteral("@x"), QStringLiteral("line\r\nbreak"),
        QString(1 << 20, QLatin1Char('x')), QString(),
    };
    std::vector<Attempt> typed;
    for (const QString& text : texts) {
        Attempt a = attempt(int(typed.size()));
        a.exercise = text;
        a.answer = text + QLatin1Char(';');
        a.slip = text.left(10);
        typed.push_back(a);
        store.record(a);
    }
    store.open(scratch.file("h.sqlite"));
    ASSERT_EQ(store.attempts(), typed);
    // The CSV read back: quoted fields, doubled quotes, a guard before =, +, −, - and @.
    const QString csv = QString::fromUtf8(attemptsCsv(store.attempts()));
    std::vector<QStringList> rows(1);
    QString field;
    bool quoted = false;
    for (int i = 0; i < csv.size(); ++i) {
        const QChar c = csv[i];
        if (quoted && c == QLatin1Char('"') && i + 1 < csv.size() && csv[i + 1] == QLatin1Char('"'))
            field += csv[++i];
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(','))
            rows.back() << std::exchange(field, QString());
        else if (!quoted && c == QLatin1Char('\r') && csv[++i] == QLatin1Char('\n'))
            rows.back() << std::exchange(field, QString()), rows.emplace_back();
        else
            field += c;
    }
    rows.pop_back();
    ASSERT_EQ(rows.size(), typed.size() + 1);
    EXPECT_EQ(rows[0].join(QLatin1Char(',')),
              QStringLiteral("time,family,relation,function,level,seed,exercise,answer,verdict,first,slip,seconds"));
    EXPECT_EQ(rows[1].mid(0, 6).join(QLatin1Char(',')), QStringLiteral("2026-03-02T10:00:00.000Z,elementary,equal,sin,1,0"));
    EXPECT_EQ(rows[1].mid(8).join(QLatin1Char(',')), QStringLiteral("right,yes,'; DROP TA,12.5"));
    for (std::size_t n = 0; n < typed.size(); ++n) {
        const QString& text = typed[n].exercise;
        const bool guarded = !text.isEmpty() && QStringLiteral("=+−-@").contains(text.front());
        EXPECT_EQ(rows[n + 1][6], guarded ? QLatin1Char('\'') + text : text) << n;
        EXPECT_EQ(rows[n + 1][7], guarded ? QLatin1Char('\'') + typed[n].answer : typed[n].answer) << n;
    }
}

TEST(History, MigratesFromAnEmptyFileAndFromTheFirstSchema)
{
    ScratchDirectory scratch;
    const QString empty = scratch.file("empty.sqlite");
    QFile(empty).open(QIODevice::WriteOnly);
    const QString first = scratch.file("first.sqlite");
    onFile(first, QStringLiteral("CREATE TABLE attempts (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, family INTEGER NOT NULL,"
                                 " relation INTEGER NOT NULL, function INTEGER NOT NULL, level INTEGER NOT NULL, seed INTEGER"
                                 " NOT NULL, exercise TEXT NOT NULL, answer TEXT NOT NULL, verdict INTEGER NOT NULL, first"
                                 " INTEGER NOT NULL, seconds REAL NOT NULL)"));
    onFile(first, QStringLiteral("INSERT INTO attempts VALUES (1, %1, 0, 0, 0, 1, 7, 'sin x = 0', '0°, 180°', 1, 1, 3.5)")
                      .arg(at(0).toMSecsSinceEpoch()));
    onFile(first, QStringLiteral("PRAGMA user_version = 1"));
    for (const QString& path : {empty, first}) {
        Store store;
        ASSERT_EQ(store.open(path), Problem::None);
        store.record(attempt(1));
        store.close();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA user_version"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toInt(), SchemaVersion);
        query.exec(QStringLiteral("PRAGMA journal_mode"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("wal"));
        query.exec(QStringLiteral("SELECT count(*), group_concat(slip, '|'), min(exercise) FROM attempts"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toInt(), path == first ? 2 : 1);
        EXPECT_EQ(query.value(1).toString(), path == first ? QStringLiteral("|") : QString());
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
    }
}
