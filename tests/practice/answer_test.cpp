// The answer reader and the checker as tables: the forms students type, the ones refused with
// the part named, and the verdicts.
#include <gtest/gtest.h>

#include "practice/answer.h"
#include "practice/exercise.h"
#include "practice/practice_texts.h"

using namespace practice;
using Problem = Reading::Problem;

TEST(AnswerReader, AcceptedForms)
{
    const SolutionSet both = SolutionSet::within({{0, 30, true, true}, {150, 360, false, false}}, 360);
    struct Row {
        const char* text;
        bool inequality;
        SolutionSet set;
    };
    const std::vector<Row> rows = {
        {"30, 150", false, SolutionSet::atPoints({30, 150})},
        {"30°; 150°", false, SolutionSet::atPoints({30, 150})},
        {"pi/6, 5pi/6", false, SolutionSet::atPoints({30, 150})},
        {"π/6, 5*π/6", false, SolutionSet::atPoints({30, 150})},
        {"−30, x = 210", false, SolutionSet::atPoints({210, 330})},
        {"SQRT(900)", false, SolutionSet::atPoints({30})},
        {"30° + k 360°, 150 + k360", false, SolutionSet::atPoints({30, 150})},
        {"pi/6 + 2kπ, 5pi/6+2*k*pi", false, SolutionSet::atPoints({30, 150})},
        {"30 + k·180", false, SolutionSet::atPoints({30, 210})},
        {"nessuna", false, SolutionSet::empty()},
        {"30..150", true, SolutionSet::within({{30, 150, true, true}})},
        {"[0, 30] ∪ (150, 360)", true, both},
        {"[0°, 30°] U (150°, 360°)", true, both},
        {"]150; 360[ ∪ [0; 30]", true, SolutionSet::within({{150, 360, false, false}, {0, 30, true, true}})},
        {"0 <= x <= 30 or 150 < x < 360", true, both},
        {"0 ≤ x ≤ 30, 150 < x < 2pi", true, both},
        {"[-pi/6, pi/6)", true, SolutionSet::within({{-30, 30, true, false}})},
        {"R", true, SolutionSet::allReals()},
    };
    for (const Row& row : rows) {
        const Reading r = readAnswer(QString::fromUtf8(row.text), row.inequality, 360);
        ASSERT_TRUE(r.ok()) << row.text << ": " << r.part.toStdString();
        EXPECT_EQ(sampled(r.set, 360), sampled(row.set, 360)) << row.text;
    }
}

TEST(AnswerReader, RefusedFormsNameThePart)
{
    struct Row {
        const char* text;
        bool inequality;
        Problem problem;
        const char* part;
        const char* message;
    };
    const std::vector<Row> rows = {
        {"", false, Problem::Empty, "", "Type an answer"},
        {"30, abc", false, Problem::Unreadable, "abc", "Could not read \"abc\""},
        {"30.5", false, Problem::NotWhole, "30.5", "\"30.5\" is not a whole number of degrees"},
        {"pi/7", false, Problem::NotWhole, "pi/7", "\"pi/7\" is not a whole number of degrees"},
        {"[150, 30]", true, Problem::EndsOrder, "[150, 30]", "\"[150, 30]\": the first end must be smaller than the second"},
        {"[0, 30", true, Problem::Unreadable, "[0, 30", "Could not read \"[0, 30\""},
        {"30..1/0", true, Problem::Unreadable, "1/0", "Could not read \"1/0\""},
        {"30", true, Problem::Unreadable, "30", "Could not read \"30\""},
        {"30 150", false, Problem::Unreadable, "30 150", "Could not read \"30 150\""},
        {"30 + k 100", false, Problem::Unreadable, "30 + k 100", "Could not read \"30 + k 100\""},
        {"30, 4500", false, Problem::OutOfRange, "4500", "\"4500\" is no angle from −360° to 720°"},
        {"[0, 30] ∪ 150 < x", true, Problem::Unreadable, "150 < x", "Could not read \"150 < x\""},
    };
    for (const Row& row : rows) {
        const Reading r = readAnswer(QString::fromUtf8(row.text), row.inequality, 360);
        EXPECT_EQ(r.problem, row.problem) << row.text;
        EXPECT_EQ(r.part, QString::fromUtf8(row.part)) << row.text;
        EXPECT_EQ(readingMessage(r), QString::fromUtf8(row.message)) << row.text;
    }
}

TEST(AnswerChecker, Verdicts)
{
    const SolutionSet points = SolutionSet::atPoints({30, 150});
    const SolutionSet band = SolutionSet::within({{30, 150, true, true}});
    struct Row {
        SolutionSet expected;
        const char* given;
        bool inequality;
        const char* lines;
    };
    const std::vector<Row> rows = {
        {points, "150, 30", false, "Right!"},
        {points, "30", false, "Missing: 150°"},
        {points, "30, 150, 210", false, "Not solutions: 210°"},
        {points, "-150, 30", false, "Missing: 150°|Not solutions: 210°"},
        {points, "R", false, "The equation does not hold for every x"},
        {band, "30..150", true, "Right!"},
        {band, "[30, 150)", true, "These ends belong to the set: 150°"},
        {band, "(30, 150)", true, "These ends belong to the set: 30°, 150°"},
        {SolutionSet::within({{30, 150, false, true}}), "[30, 150]", true, "These ends do not belong to the set: 30°"},
        {band, "[0, 30] ∪ [150, 360)", true, "The ends are right, but the set is made of the other stretches between them"},
        {band, "[40, 150]", true, "Not ends of the set: 40°|Ends missing: 30°"},
        {band, "none", true, "Ends missing: 30°, 150°"},
    };
    for (const Row& row : rows) {
        const Reading r = readAnswer(QString::fromUtf8(row.given), row.inequality, 360);
        ASSERT_TRUE(r.ok()) << row.given;
        EXPECT_EQ(verdictLines(check(row.expected, r.set, row.inequality, 360)).join('|'), QString::fromUtf8(row.lines)) << row.given;
    }
}
