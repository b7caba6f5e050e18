// The slips as a table: the answer typed, the slip named and the step of the worked solution it
// marks (by its key).
#include <gtest/gtest.h>

#include <functional>

#include "maths/elementary.h"
#include "practice/slips.h"
#include "texts/steps_texts.h"

using namespace practice;

namespace {

Exercise exercise(Family family, Relation relation, int function, std::array<Number, 3> coefficients, int alpha,
                  std::vector<int> zeros = {})
{
    return {family, relation, function, 1, 0, coefficients, alpha, std::move(zeros)};
}

// The key of the step on a line of the worked solution.
std::string keyOfLine(const solvers::WorkedSolution& steps, int line)
{
    std::string key;
    int at = 0;
    std::function<void(const solvers::WorkedSolution&)> walk = [&](const solvers::WorkedSolution& list) {
        for (const solvers::Step& s : list) {
            if (at++ == line)
                key = std::string(s.key);
            walk(s.substeps);
        }
    };
    walk(steps);
    return key;
}

}  // namespace

TEST(Slips, AnswerTypedSlipNamedStepMarked)
{
    using N = Number;
    const N z = N::whole(0), one = N::whole(1);
    const Exercise sinHalf = exercise(Family::Elementary, Relation::Equal, solvers::Sine, {one, N::fraction(-1, 2), z}, 30);
    const Exercise cosHalf = exercise(Family::Elementary, Relation::Equal, solvers::Cosine, {one, N::fraction(-1, 2), z}, 60);
    const Exercise tanOne = exercise(Family::Elementary, Relation::Equal, solvers::Tangent, {one, N::whole(-1), z}, 45);
    const Exercise sinAtLeast = exercise(Family::Elementary, Relation::GreaterOrEqual, solvers::Sine, {one, N::fraction(-1, 2), z}, 30, {30, 150});
    const Exercise sinBelow = exercise(Family::Elementary, Relation::Less, solvers::Sine, {one, N::fraction(-1, 2), z}, 30, {30, 150});
    // 2 sin²x + 3 sin x − 2 = 0: t = 1/2 and t = −2.
    const Exercise quadratic = exercise(Family::Quadratic, Relation::Equal, solvers::Sine, {N::whole(2), N::whole(3), N::whole(-2)}, 0);
    // sin x − cos x = 0: tan x = 1. sin x + cos x − 1 = 0: x = 0°, 90°.
    const Exercise tangentForm = exercise(Family::Linear, Relation::Equal, solvers::Sine, {one, N::whole(-1), z}, 0);
    const Exercise linear = exercise(Family::Linear, Relation::Equal, solvers::Sine, {one, one, N::whole(-1)}, 0);
    // (cos x)² − 1/4 ≥ 0: cos x ≤ −1/2 or cos x ≥ 1/2.
    const Exercise quadraticAtLeast = exercise(Family::Quadratic, Relation::GreaterOrEqual, solvers::Cosine, {one, z, N::fraction(-1, 4)}, 0,
                                               {60, 120, 240, 300});
    struct Row {
        const Exercise& e;
        const char* typed;
        Slip slip;
        const char* key;
    };
    const std::vector<Row> rows = {
        {sinHalf, "30", Slip::SymmetricMissed, "elementary.symmetric"},
        {cosHalf, "60", Slip::SymmetricMissed, "elementary.symmetric"},
        {quadratic, "150", Slip::SymmetricMissed, "elementary.symmetric"},
        {linear, "90", Slip::SymmetricMissed, "elementary.symmetric"},
        {quadratic, "30, 150, 270", Slip::OutsideRange, "quadratic.discard"},
        {tanOne, "45 + 360k", Slip::TangentPeriod, "elementary.tangent_period"},
        {tangentForm, "45", Slip::TangentPeriod, "elementary.tangent_period"},
        {sinHalf, "0.5236, 2.618", Slip::Radians, "elementary.reference"},
        {sinAtLeast, "[0.5236, 2.618]", Slip::Radians, "elementary.ends"},
        {sinBelow, "[0, 30] ∪ [150, 360)", Slip::EndsIncluded, "elementary.arc"},
        {sinAtLeast, "(30, 150)", Slip::EndsExcluded, "elementary.arc"},
        {sinAtLeast, "[0, 30) ∪ (150, 360)", Slip::Complement, "elementary.arc"},
        {quadraticAtLeast, "(60, 120) ∪ (240, 300)", Slip::Complement, "quadratic.sign"},
        // Right answers, and wrong ones no slip explains.
        {sinHalf, "30, 150", Slip::None, ""},
        {sinHalf, "45", Slip::None, ""},
        {sinHalf, "30, 150, 210", Slip::None, ""},
        {sinAtLeast, "[30, 150)", Slip::EndsExcluded, "elementary.arc"},
        {sinAtLeast, "[0, 90]", Slip::None, ""},
        {tanOne, "foo", Slip::None, ""},
        {sinHalf, "99999999999999999999.5, 1e400", Slip::None, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const SlipFinding f = findSlip(row.e, QString::fromUtf8(row.typed));
        EXPECT_EQ(f.slip, row.slip);
        EXPECT_EQ(keyOfLine(exerciseSteps(row.e), f.step), row.key);
        EXPECT_EQ(slipText(f.slip).isEmpty(), row.slip == Slip::None);
    }
}
