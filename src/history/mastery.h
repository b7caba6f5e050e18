#pragma once
// What the practice history knows of a skill: a kind of exercise (family, relation, function,
// level, as the practice window's exercises name them by number), whether it is mastered, and
// when it is due for review. Mastery is three right first-time answers in a row; a mastered
// skill comes back after 1, 3, 7 and then every 21 days, and a wrong first-time answer to it
// unmasters it.
#include <QDate>
#include <QString>
#include <compare>
#include <optional>
#include <vector>

namespace history {

struct Skill {
    int family = 0;    // practice::Family: elementary, quadratic, linear, triangles
    int relation = 0;  // practice::Relation: =, ≥, <
    int function = 0;  // sin, cos, tan
    int level = 1;

    auto operator<=>(const Skill&) const = default;
};

enum class Status { NotStarted, Learning, Mastered, Due };

// The right first-time answers in a row that master a skill, and the days before each review.
constexpr int MasteryStreak = 3;
constexpr int ReviewDays[] = {1, 3, 7, 21};
// The tries at one skill in a day after which, still unmastered, its worked solution is offered.
constexpr int TriesBeforeSolution = 10;

struct SkillState {
    int attempts = 0;      // every answer checked
    int streak = 0;        // right first-time answers in a row while not mastered
    bool mastered = false;
    int reviews = 0;       // right reviews since it was mastered
    QDate due;             // the day of the next review, while mastered
    QDate lastDay;         // the day of the last answer, and the answers that day
    int triesOnLastDay = 0;

    // Takes one answer given on `day`: right or not, and whether it was the first answer to its
    // exercise (only those count for mastery and review).
    void advance(QDate day, bool right, bool first);
    Status statusOn(QDate today) const;
    int triesOn(QDate day) const { return day == lastDay ? triesOnLastDay : 0; }
    // Ten tries today and still not mastered: its worked solution rather than another exercise.
    bool offersSolutionOn(QDate today) const { return !mastered && triesOn(today) >= TriesBeforeSolution; }
};

// The skill a review round asks next among the due ones (in the order they fell due): the first
// whose family differs from the one just practised, so that kinds alternate; the first when all
// share it. None when none is due.
std::optional<Skill> nextReview(const std::vector<Skill>& due, int lastFamily);

}  // namespace history
