#include "history/mastery.h"

#include <algorithm>
#include <iterator>

namespace history {

void SkillState::advance(QDate day, bool right, bool first)
{
    ++attempts;
    triesOnLastDay = day == lastDay ? triesOnLastDay + 1 : 1;
    lastDay = day;
    if (!first)
        return;
    if (!mastered) {
        streak = right ? streak + 1 : 0;
        if (streak >= MasteryStreak) {
            mastered = true;
            reviews = 0;
            due = day.addDays(ReviewDays[0]);
        }
        return;
    }
    if (!right) {
        // A wrong answer to a mastered skill: learning again from no streak.
        mastered = false;
        streak = 0;
        reviews = 0;
        due = QDate();
    } else if (day >= due) {
        // A right review: the next one after a longer wait (21 days once the list is done).
        ++reviews;
        due = day.addDays(ReviewDays[std::min<std::size_t>(reviews, std::size(ReviewDays) - 1)]);
    }
}

Status SkillState::statusOn(QDate today) const
{
    if (attempts == 0)
        return Status::NotStarted;
    if (!mastered)
        return Status::Learning;
    return today >= due ? Status::Due : Status::Mastered;
}

std::optional<Skill> nextReview(const std::vector<Skill>& due, int lastFamily)
{
    if (due.empty())
        return std::nullopt;
    const auto other = std::find_if(due.begin(), due.end(), [&](const Skill& s) { return s.family != lastFamily; });
    return other != due.end() ? *other : due.front();
}

}  // namespace history
