#pragma once
// The practice history: every answer checked in the practice window, one row per attempt in a
// SQLite database (Qt SQL) in the user's data folder, and what follows from them: each skill's
// mastery and review day, the share of right first-time answers per day, the slips made most.
//
// The file is the program's alone: WAL mode with an exclusive lock held while the store is
// open, so a second running copy finds it locked. Whatever stands in the way (a link, a FIFO, a
// folder, a read-only file, a file that is not a database or is damaged, a newer schema, a
// lock) leaves the file as it is and the store keeps the session's attempts in memory only; a
// damaged database is moved aside under a dated name, never deleted. An attempt that cannot be
// written (a full disk) stays in memory and is written with the next one that can be.
// Only bound parameters reach SQL: no statement is built from text.
#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <vector>

#include "history/mastery.h"

class QSqlQuery;

namespace history {

struct Attempt {
    QDateTime time;  // when the answer was checked (the store's clock when left invalid)
    Skill skill;
    quint32 seed = 0;
    QString exercise;  // as the window writes it
    QString answer;    // as typed
    bool right = false;
    bool first = true;  // the first answer checked for its exercise
    QString slip;       // the slip a worked solution named; empty while none names one
    double seconds = 0; // from the exercise shown to the answer checked

    bool operator==(const Attempt&) const = default;
};

// Why the store keeps no file this session.
enum class Problem {
    None,
    SymbolicLink,
    Fifo,
    Folder,
    NotRegularFile,
    ReadOnly,
    NotADatabase,  // a file of something else: left where it is
    Corrupt,       // a damaged database: moved aside
    Locked,        // another running copy holds it
    NewerSchema,   // written by a later version of the program
    CannotOpen,    // the system or Qt refused it (no SQLite driver, no folder)
};

// The right first-time answers of one day.
struct DayShare {
    QDate day;
    int firstTries = 0;
    int rightFirst = 0;
};

// The schema version this program writes; older files are brought up to it.
constexpr int SchemaVersion = 2;

class Store {
public:
    using Clock = std::function<QDateTime()>;
    // A store with no file yet (attempts in memory); the clock says the time (the system's when empty).
    explicit Store(Clock clock = {});
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // The practice history's file: history.sqlite in the user's data folder.
    static QString defaultPath();
    // Opens (or makes) the database at `path` and reads what it holds. On a problem nothing more
    // is done with the file this session.
    Problem open(const QString& path);
    void close();
    bool isOpen() const;
    Problem problem() const { return m_problem; }
    QString path() const { return m_path; }
    QString movedAside() const { return m_movedAside; }  // where a damaged file went
    // The attempts kept in memory only: waiting for room on the disk, or all of this session's
    // when the file is not used.
    int unwritten() const { return int(m_pending.size()); }
    QString writeError() const { return m_writeError; }

    // Records one attempt: in memory at once, in the file in one transaction (with any that
    // waited). False when it stays in memory.
    bool record(Attempt attempt);
    // Writes the attempts that waited; false when some still wait.
    bool flush();

    QDateTime now() const;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    QDate today() const { return now().toLocalTime().date(); }
    const std::map<Skill, SkillState>& skills() const { return m_skills; }
    Status status(const Skill& skill) const;
    SkillState state(const Skill& skill) const;
    // The mastered skills due for review today, the longest due first.
    std::vector<Skill> dueSkills() const;
    // Every day with a first-time answer, in order.
    std::vector<DayShare> days() const;
    // The slips named, the most frequent first (then by name), at most `most`.
    std::vector<std::pair<QString, int>> slips(int most) const;
    long long attemptCount() const { return m_count; }
    // Every attempt, the oldest first: those in the file and those waiting.
    std::vector<Attempt> attempts() const;
    // Deletes every attempt, from the file (overwritten, not only unlinked from the table) and
    // from memory. False when the file could not be cleared.
    bool forget();

private:
    void apply(const Attempt& attempt);
    bool exec(const char* sql);
    Problem fail(Problem problem);
    Problem migrate();
    bool load();

    Clock m_clock;
    QString m_connection;
    QString m_path;
    Problem m_problem = Problem::None;
    QString m_movedAside;
    QString m_writeError;
    std::unique_ptr<QSqlQuery> m_insert;
    std::vector<Attempt> m_pending;
    std::map<Skill, SkillState> m_skills;
    std::map<QDate, DayShare> m_days;
    QHash<QString, int> m_slips;
    long long m_count = 0;
    // The local date of the last quarter hour an attempt fell in (see localDay).
    qint64 m_dayQuarter = std::numeric_limits<qint64>::min();
    QDate m_dayOfQuarter;
    QDate localDay(const QDateTime& time);
};

// The program's one store, opened at defaultPath() by the first window that asks and closed
// (its lock released) when the last one that holds it lets go.
std::shared_ptr<Store> sharedStore();

// The words the attempts' CSV names a skill by.
QString familyWord(int family);
QString relationWord(int relation);
QString functionWord(int function);

// The attempts as CSV (UTF-8, a header row, RFC 4180 quoting): time (UTC, ISO 8601), family,
// relation, function, level, seed, exercise, answer, verdict, first, slip, seconds. A text
// that starts with =, +, −, - or @ gets a leading apostrophe, so that a spreadsheet shows it
// rather than computing it.
QByteArray attemptsCsv(const std::vector<Attempt>& attempts);

}  // namespace history
