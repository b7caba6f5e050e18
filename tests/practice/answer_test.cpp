// The answer reader and the checker as tables: the forms students type, the ones refused with
// the part named as typed, and the verdicts; and every answer the program writes, read back.
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
        // Families with k first or last, with or without ·, * and blanks; "k ∈ Z" after them.
        {"30 + 360k", false, SolutionSet::atPoints({30})},
        {"π/6 + 2πk; 5π/6+2kπ", false, SolutionSet::atPoints({30, 150})},
        {"2πk + π/6, k·2π + 5pi/6", false, SolutionSet::atPoints({30, 150})},
        {"pi/6 + 2*pi*k, 5pi/6 + 2pik", false, SolutionSet::atPoints({30, 150})},
        {"30 − 180·k, k ∈ Z", false, SolutionSet::atPoints({30, 210})},
        {"x = 360n + 30", false, SolutionSet::atPoints({30})},
        {"k 180", false, SolutionSet::atPoints({0, 180})},
        // Joined by words, in braces, after x ∈ or S =.
        {"30 or 150", false, SolutionSet::atPoints({30, 150})},
        {"x = 30 oppure x = 150", false, SolutionSet::atPoints({30, 150})},
        {"{30, 150}", false, SolutionSet::atPoints({30, 150})},
        {"S = {30°; 150°}", false, SolutionSet::atPoints({30, 150})},
        {"x ∈ [0, 180]", true, SolutionSet::within({{0, 180, true, true}})},
        {"[0,30]U(150,360)", true, both},
        {"x ∈ [0,30] u (150, 360)", true, both},
        {"360 > x > 150 ou 0 ≤ x ≤ 30", true, both},
        // Points alone, as the program writes them or as x = ...
        {"{0°} ∪ [180°, 360°)", true, SolutionSet::within({{180, 360, true, true}})},
        {"x = 0 or 180 <= x < 360", true, SolutionSet::within({{180, 360, true, true}})},
        {"{0} ∪ [π, 2π)", true, SolutionSet::within({{180, 360, true, true}})},
        // Every x and none, in the three languages.
        {"x ∈ ℝ", true, SolutionSet::allReals()},
        {"per ogni x", true, SolutionSet::allReals()},
        {"pour tout x", true, SolutionSet::allReals()},
        {"∅", false, SolutionSet::empty()},
        {"No solution.", false, SolutionSet::empty()},
        {"insieme vuoto", true, SolutionSet::empty()},
        {"aucune solution", false, SolutionSet::empty()},
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
        // What was typed is quoted, π and all.
        {"π/7 + 2πk", false, Problem::NotWhole, "π/7", "\"π/7\" is not a whole number of degrees"},
        {"π/6 + 2πk, 5π/6 + k", false, Problem::Unreadable, "5π/6 + k", "Could not read \"5π/6 + k\""},
        {"30 + k + k", false, Problem::Unreadable, "30 + k + k", "Could not read \"30 + k + k\""},
        {"{0°} ∪ [180°, 360°", true, Problem::Unreadable, "[180°, 360°", "Could not read \"[180°, 360°\""},
        // Steps that are no divisor of the period, or too large to be one.
        {"0 + 1073741824 k 4", false, Problem::Unreadable, "0 + 1073741824 k 4", "Could not read \"0 + 1073741824 k 4\""},
        {"pi/6 + 1073741824kπ", false, Problem::Unreadable, "pi/6 + 1073741824kπ", "Could not read \"pi/6 + 1073741824kπ\""},
        {"30 + 536870912k360", false, Problem::Unreadable, "30 + 536870912k360", "Could not read \"30 + 536870912k360\""},
        {"0 + 1431655765 k 3", false, Problem::Unreadable, "0 + 1431655765 k 3", "Could not read \"0 + 1431655765 k 3\""},
        {"0 + 536870867 k 8", false, Problem::Unreadable, "0 + 536870867 k 8", "Could not read \"0 + 536870867 k 8\""},
        {"0 + 1e30 k", false, Problem::Unreadable, "0 + 1e30 k", "Could not read \"0 + 1e30 k\""},
        {"0 + 0 k", false, Problem::Unreadable, "0 + 0 k", "Could not read \"0 + 0 k\""},
    };
    // Longer than any answer: refused before it is read.
    for (const QString& text : {QString(MaxAnswerLength + 1, QLatin1Char('1')), QStringLiteral("30 + 360k, ").repeated(20000)}) {
        const Reading r = readAnswer(text, false, 360);
        EXPECT_EQ(r.problem, Problem::TooLong);
        EXPECT_EQ(readingMessage(r), QStringLiteral("The answer is too long: at most 2000 characters"));
    }
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
        // Sets with no end: the verdict names them.
        {SolutionSet::allReals(), "none", true, "The inequality holds for every x: R"},
        {SolutionSet::empty(), "R", true, "The inequality holds for no x: Ø"},
        {SolutionSet::empty(), "[0, 180]", true, "Not ends of the set: 0°, 180°"},
        {SolutionSet::empty(), "30", false, "Not solutions: 30°"},
        {SolutionSet::empty(), "R", false, "The equation does not hold for every x"},
    };
    for (const Row& row : rows) {
        const Reading r = readAnswer(QString::fromUtf8(row.given), row.inequality, 360);
        ASSERT_TRUE(r.ok()) << row.given;
        EXPECT_EQ(verdictLines(check(row.expected, r.set, row.inequality, 360)).join('|'), QString::fromUtf8(row.lines)) << row.given;
    }
}

TEST(AnswerReader, ReadsBackEveryAnswerTheProgramWrites)
{
    for (Family family : {Family::Elementary, Family::Quadratic, Family::Linear})
        for (bool inequality : {false, true})
            for (int function = 0; function < 3; ++function)
                for (int level = 1; level <= 3; ++level)
                    for (std::uint32_t seed = 0; seed < 60; ++seed) {
                        const Exercise e = makeExercise({family, inequality, function, level}, seed * 7919u);
                        const SolutionSet set = solverAnswer(e);
                        for (bool radians : {false, true}) {
                            const QString text = answerText(set, e.period(), radians);
                            const Reading r = readAnswer(text, inequality, e.period());
                            ASSERT_TRUE(r.ok()) << text.toStdString() << ": " << r.part.toStdString();
                            EXPECT_EQ(sampled(r.set, e.period()), sampled(set, e.period())) << text.toStdString();
                        }
                    }
}
