#include "history/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include <sys/stat.h>
#include <unistd.h>

namespace history {

namespace {

// SQLite's primary result codes that the store tells apart.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

int sqliteCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

Problem problemOf(const QSqlError& error)
{
    switch (sqliteCode(error)) {
    case SqliteBusy:
    case SqliteLocked: return Problem::Locked;
    case SqliteReadOnly: return Problem::ReadOnly;
    case SqliteCorrupt:
    case SqliteNotADatabase: return Problem::Corrupt;
    default: return Problem::CannotOpen;
    }
}

// The schema, one list of statements per version: a file at version n runs the lists after n.
// Version 2 adds the slip a worked solution names.
const std::vector<std::vector<const char*>>& migrations()
{
    static const std::vector<std::vector<const char*>> steps = {
        {"CREATE TABLE attempts (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, family INTEGER NOT NULL,"
         " relation INTEGER NOT NULL, function INTEGER NOT NULL, level INTEGER NOT NULL, seed INTEGER NOT NULL,"
         " exercise TEXT NOT NULL, answer TEXT NOT NULL, verdict INTEGER NOT NULL, first INTEGER NOT NULL,"
         " seconds REAL NOT NULL)"},
        {"ALTER TABLE attempts ADD COLUMN slip TEXT NOT NULL DEFAULT ''"},
    };
    return steps;
}

constexpr const char* SqliteHeader = "SQLite format 3";  // with its NUL, the first 16 bytes

// What stands at the path, checked without following a link or opening anything that could block.
Problem refusalAt(const QString& path)
{
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name.constData(), &st) != 0)
        return Problem::None;  // nothing yet: made on open
    if (S_ISLNK(st.st_mode))
        return Problem::SymbolicLink;
    if (S_ISFIFO(st.st_mode))
        return Problem::Fifo;
    if (S_ISDIR(st.st_mode))
        return Problem::Folder;
    if (!S_ISREG(st.st_mode))
        return Problem::NotRegularFile;
    // The owner's write bit, which even root's access() would overlook.
    if (!(st.st_mode & S_IWUSR) || ::access(name.constData(), W_OK) != 0)
        return Problem::ReadOnly;
    if (st.st_size == 0)
        return Problem::None;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Problem::ReadOnly;
    return file.read(16) == QByteArray(SqliteHeader, 16) ? Problem::None : Problem::NotADatabase;
}

// A text as SQL takes it: an empty one, never NULL (which a null QString would bind).
QVariant textValue(const QString& text)
{
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

QDateTime timeOf(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

}  // namespace

Store::Store(Clock clock) : m_clock(std::move(clock))
{
    static std::atomic<int> stores{0};
    m_connection = QStringLiteral("history-%1").arg(++stores);
}

Store::~Store()
{
    close();
}

QString Store::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history.sqlite");
}

QDateTime Store::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTimeUtc();
}

bool Store::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void Store::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    flush();
    m_insert.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool Store::exec(const char* sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    return query.exec(QString::fromLatin1(sql));
}

Problem Store::fail(Problem problem)
{
    m_insert.reset();
    QSqlError error;
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    if (problem == Problem::Corrupt) {
        // Moved aside under the day and time it was found, with its write-ahead log.
        const QString stamp = now().toLocalTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
        const QString aside = m_path + QStringLiteral(".damaged-") + stamp;
        if (QFile::rename(m_path, aside)) {
            m_movedAside = aside;
            if (QFileInfo::exists(m_path + QStringLiteral("-wal")))
                QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
        }
    }
    m_problem = problem;
    return problem;
}

Problem Store::open(const QString& path)
{
    close();
    m_path = path;
    m_problem = Problem::None;
    m_movedAside.clear();
    if (const Problem refused = refusalAt(path); refused != Problem::None) {
        m_problem = refused;
        return refused;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return m_problem = Problem::CannotOpen;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!db.isValid())
            return fail(Problem::CannotOpen);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        if (!db.open())
            return fail(problemOf(db.lastError()));
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // The lock is taken by the first write and kept until the store closes; WAL keeps a crash
    // from losing a committed attempt, and deleted rows are overwritten.
    for (const char* pragma : {"PRAGMA locking_mode = EXCLUSIVE", "PRAGMA secure_delete = ON", "PRAGMA journal_mode = WAL",
                               "PRAGMA synchronous = NORMAL", "BEGIN IMMEDIATE", "COMMIT"})
        if (!query.exec(QString::fromLatin1(pragma)))
            return fail(problemOf(query.lastError()));
    if (const Problem migrated = migrate(); migrated != Problem::None)
        return fail(migrated);
    m_insert = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
    m_insert->prepare(QStringLiteral(
        "INSERT INTO attempts (time, family, relation, function, level, seed, exercise, answer, verdict, first, slip,"
        " seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    // What this session answered before the file opened is kept in front of what it holds.
    std::vector<Attempt> session;
    session.swap(m_pending);
    m_skills.clear();
    m_days.clear();
    m_slips.clear();
    m_count = 0;
    m_dayQuarter = std::numeric_limits<qint64>::min();
    if (!load()) {
        m_pending = std::move(session);
        return fail(m_problem == Problem::None ? Problem::Corrupt : m_problem);
    }
    for (const Attempt& a : session)
        apply(a);
    m_pending = std::move(session);
    flush();
    return Problem::None;
}

Problem Store::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return problemOf(query.lastError());
    const int version = query.value(0).toInt();
    if (version > SchemaVersion)
        return Problem::NewerSchema;
    for (int v = version; v < SchemaVersion; ++v) {
        if (!db.transaction())
            return problemOf(db.lastError());
        bool done = true;
        for (const char* sql : migrations()[std::size_t(v)])
            done = done && query.exec(QString::fromLatin1(sql));
        // user_version takes no bound parameter; the number is the program's own.
        done = done && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1));
        if (!done || !db.commit()) {
            const Problem problem = problemOf(query.lastError());
            db.rollback();
            return problem;
        }
    }
    return Problem::None;
}

bool Store::load()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT time, family, relation, function, level, verdict, first, slip FROM attempts ORDER BY id"))) {
        m_problem = problemOf(query.lastError());
        return false;
    }
    Attempt a;
    while (query.next()) {
        a.time = timeOf(query.value(0).toLongLong());
        a.skill = {query.value(1).toInt(), query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt()};
        a.right = query.value(5).toBool();
        a.first = query.value(6).toBool();
        a.slip = query.value(7).toString();
        apply(a);
    }
    if (query.lastError().isValid()) {
        m_problem = problemOf(query.lastError());
        return false;
    }
    return true;
}

QDate Store::localDay(const QDateTime& time)
{
    // Converting to local time reads the time zone anew each time, the slowest part of loading a
    // long history. Every zone's offsets and changes fall on quarter hours, so the local date is
    // the same through a quarter hour of UTC: it is found once per quarter hour, and attempts
    // come in runs within minutes of each other.
    const qint64 ms = time.toMSecsSinceEpoch();
    const qint64 quarter = ms >= 0 ? ms / 900000 : -((-ms + 899999) / 900000);
    if (quarter != m_dayQuarter) {
        m_dayQuarter = quarter;
        m_dayOfQuarter = time.toLocalTime().date();
    }
    return m_dayOfQuarter;
}

void Store::apply(const Attempt& a)
{
    const QDate day = localDay(a.time);
    m_skills[a.skill].advance(day, a.right, a.first);
    if (a.first) {
        DayShare& share = m_days[day];
        share.day = day;
        ++share.firstTries;
        share.rightFirst += a.right ? 1 : 0;
    }
    if (!a.slip.isEmpty())
        ++m_slips[a.slip];
    ++m_count;
}

bool Store::record(Attempt attempt)
{
    if (!attempt.time.isValid())
        attempt.time = now();
    apply(attempt);
    m_pending.push_back(std::move(attempt));
    return flush();
}

bool Store::flush()
{
    if (m_pending.empty())
        return true;
    if (!m_insert || !isOpen())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    bool done = db.transaction();
    QSqlError error = db.lastError();
    for (const Attempt& a : m_pending) {
        if (!done)
            break;
        const QVariant values[] = {a.time.toMSecsSinceEpoch(), a.skill.family, a.skill.relation, a.skill.function,
                                   a.skill.level, qint64(a.seed), textValue(a.exercise), textValue(a.answer), int(a.right),
                                   int(a.first), textValue(a.slip), a.seconds};
        for (int i = 0; i < int(std::size(values)); ++i)
            m_insert->bindValue(i, values[i]);
        done = m_insert->exec();
        if (!done)
            error = m_insert->lastError();
    }
    if (done) {
        done = db.commit();
        if (!done)
            error = db.lastError();
    }
    if (!done) {
        db.rollback();
        m_writeError = error.databaseText();
        return false;
    }
    m_pending.clear();
    m_writeError.clear();
    return true;
}

Status Store::status(const Skill& skill) const
{
    return state(skill).statusOn(today());
}

SkillState Store::state(const Skill& skill) const
{
    const auto found = m_skills.find(skill);
    return found != m_skills.end() ? found->second : SkillState{};
}

std::vector<Skill> Store::dueSkills() const
{
    const QDate day = today();
    std::vector<std::pair<QDate, Skill>> due;
    for (const auto& [skill, state] : m_skills)
        if (state.statusOn(day) == Status::Due)
            due.emplace_back(state.due, skill);
    std::sort(due.begin(), due.end());
    std::vector<Skill> skills;
    skills.reserve(due.size());
    for (const auto& [day, skill] : due)
        skills.push_back(skill);
    return skills;
}

std::vector<DayShare> Store::days() const
{
    std::vector<DayShare> days;
    days.reserve(m_days.size());
    for (const auto& [day, share] : m_days)
        days.push_back(share);
    return days;
}

std::vector<std::pair<QString, int>> Store::slips(int most) const
{
    std::vector<std::pair<QString, int>> slips;
    for (auto it = m_slips.cbegin(); it != m_slips.cend(); ++it)
        slips.emplace_back(it.key(), it.value());
    std::sort(slips.begin(), slips.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    if (int(slips.size()) > most)
        slips.resize(std::size_t(std::max(most, 0)));
    return slips;
}

std::vector<Attempt> Store::attempts() const
{
    std::vector<Attempt> all;
    if (m_insert && isOpen()) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT time, family, relation, function, level, seed, exercise, answer, verdict, first,"
                                  " slip, seconds FROM attempts ORDER BY id"));
        while (query.next()) {
            Attempt a;
            a.time = timeOf(query.value(0).toLongLong());
            a.skill = {query.value(1).toInt(), query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt()};
            a.seed = quint32(query.value(5).toLongLong());
            a.exercise = query.value(6).toString();
            a.answer = query.value(7).toString();
            a.right = query.value(8).toBool();
            a.first = query.value(9).toBool();
            a.slip = query.value(10).toString();
            a.seconds = query.value(11).toDouble();
            all.push_back(std::move(a));
        }
    }
    all.insert(all.end(), m_pending.begin(), m_pending.end());
    return all;
}

bool Store::forget()
{
    m_pending.clear();
    m_skills.clear();
    m_days.clear();
    m_slips.clear();
    m_count = 0;
    if (!m_insert || !isOpen())
        return m_problem != Problem::None;
    // Deleted with secure_delete on, then the log folded in and the file made small again.
    return exec("DELETE FROM attempts") && exec("PRAGMA wal_checkpoint(TRUNCATE)") && exec("VACUUM");
}

std::shared_ptr<Store> sharedStore()
{
    static std::weak_ptr<Store> shared;
    std::shared_ptr<Store> store = shared.lock();
    if (!store) {
        store = std::make_shared<Store>();
        store->open(Store::defaultPath());
        shared = store;
    }
    return store;
}

QString familyWord(int family)
{
    static const char* const words[] = {"elementary", "quadratic", "linear"};
    return family >= 0 && family < 3 ? QString::fromLatin1(words[family]) : QString::number(family);
}

QString relationWord(int relation)
{
    static const char* const words[] = {"equal", "greater-or-equal", "less"};
    return relation >= 0 && relation < 3 ? QString::fromLatin1(words[relation]) : QString::number(relation);
}

QString functionWord(int function)
{
    static const char* const words[] = {"sin", "cos", "tan"};
    return function >= 0 && function < 3 ? QString::fromLatin1(words[function]) : QString::number(function);
}

QByteArray attemptsCsv(const std::vector<Attempt>& attempts)
{
    const auto field = [](QString text) {
        static const QString guarded = QStringLiteral("=+-@") + QChar(0x2212);
        if (!text.isEmpty() && guarded.contains(text.front()))
            text.prepend(QLatin1Char('\''));
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    };
    QString csv = QStringLiteral("time,family,relation,function,level,seed,exercise,answer,verdict,first,slip,seconds\r\n");
    for (const Attempt& a : attempts) {
        const QStringList row = {
            a.time.toUTC().toString(Qt::ISODateWithMs), field(familyWord(a.skill.family)),
            field(relationWord(a.skill.relation)), field(functionWord(a.skill.function)), QString::number(a.skill.level),
            QString::number(a.seed), field(a.exercise), field(a.answer),
            QString::fromLatin1(a.right ? "right" : "wrong"), QString::fromLatin1(a.first ? "yes" : "no"), field(a.slip),
            QString::number(a.seconds, 'f', 1)};
        csv += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

}  // namespace history
