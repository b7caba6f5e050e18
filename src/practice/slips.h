#pragma once
// The worked solution of a practice exercise, and the likely slip behind a wrong answer: found by
// comparing the set typed with the right set changed as the slip changes it (the symmetric
// solutions left out, the set of every root t, the complement, the numbers read as radians …),
// with the step of the worked solution it belongs to.
#include <QString>

#include "maths/steps.h"
#include "practice/exercise.h"

namespace practice {

// The steps of the exercise's solver, as its solver window shows them.
solvers::WorkedSolution exerciseSteps(const Exercise& exercise);

enum class Slip {
    None,
    SymmetricMissed,  // the second solution by symmetry left out
    OutsideRange,     // solutions taken from a t outside [−1, 1]
    TangentPeriod,    // the tangent's period taken as 360°
    Radians,          // radians typed where degrees were asked
    EndsIncluded,     // ends put in that the strict inequality leaves out
    EndsExcluded,     // ends left out that the inequality keeps
    Complement,       // the set where the inequality does not hold
};

struct SlipFinding {
    Slip slip = Slip::None;
    int step = -1;  // the line of workedSolutionLines(exerciseSteps(…)) the slip belongs to, or -1
};

// The slip that explains the answer typed, if one does (a right answer has none).
SlipFinding findSlip(const Exercise& exercise, const QString& typed);

// The verdict's line naming the slip, in the language in use; empty for none.
QString slipText(Slip slip);

// The slip's stable key as the practice history stores it ("symmetric_missed", …; empty for none),
// and the short name the progress view gives a stored key (the key itself when it is unknown).
QString slipKey(Slip slip);
QString slipName(const QString& key);

}  // namespace practice
