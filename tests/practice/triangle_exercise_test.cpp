// The triangle exercises: every answer key of every level reads back as right, the levels hold
// what they promise, and typed answers get their verdicts.
#include <gtest/gtest.h>

#include "practice/exercise.h"
#include "practice/practice_texts.h"
#include "practice/triangle_exercise.h"
#include "practice/worksheet.h"
#include "texts/text_tables.h"

using namespace practice;
using namespace triangles;

namespace {

TEST(TriangleExercises, EveryKeyReadsBackAsRightAndLevelsHoldTheirCases)
{
    app::CurrentLanguage = 1;
    for (int level = 1; level <= 3; ++level) {
        int counts[3] = {};
        for (int i = 0; i < triangleTaskCount(level); ++i) {
            const TriangleTask t = triangleTask(level, i);
            const Solution s = solveTriangle(t.given);
            SCOPED_TRACE(triangleTaskText(t).toStdString());
            ASSERT_FALSE(s.impossible());
            ++counts[s.count];
            if (level == 3) {
                EXPECT_EQ(s.kind, Case::SSA);
            } else if (level == 1) {
                EXPECT_EQ(s.triangles[0].parts[AngleC], 90);
            }
            const TriangleVerdict v = checkTriangleAnswer(t, triangleAnswerText(t));
            EXPECT_TRUE(v.read && v.right) << triangleAnswerText(t).toStdString();
        }
        EXPECT_GT(triangleTaskCount(level), 200);
        EXPECT_EQ(counts[0] > 0 && counts[2] > 0, level == 3);
    }
}

TEST(TriangleExercises, TypedAnswersAndTheirVerdicts)
{
    app::CurrentLanguage = 1;
    TriangleTask t;
    t.given[SideA] = 5;
    t.given[SideB] = 7;
    t.given[AngleA] = 30;
    t.asked = {AngleB, AngleC, SideC};
    EXPECT_EQ(triangleTaskText(t), QString::fromUtf8("a = 5, b = 7, A = 30°: find B, C, c (every triangle)."));
    EXPECT_EQ(triangleAnswerText(t), QString::fromUtf8("B = 44°26′, C = 105°34′, c = 9.6; B = 135°34′, C = 14°26′, c = 2.5"));
    const struct {
        const char* typed;
        bool read, right;
        const char* line;
    } cases[] = {
        {"135°34′, 14°26′, 2.5; 44.43, 105.57, 9.63", true, true, "Right!"},
        {"44.43, 105.57, 9.63", true, false, "The data make 2 triangle(s), your answer 1."},
        {"44.43, 105.57, 9.63; 135.57, 14.43, 2.7", true, false, "Not within the tolerance: c (2)."},
        {"44.4, 105.57, 9.63; 135.57, 14.43, 2.5", true, false, "Not within the tolerance: B (1)."},
        {"44.43, 105.57; 135.57, 14.43, 2.5", false, false, "Give 3 numbers for each triangle: B, C, c."},
        {"none", true, false, "The data make 2 triangle(s), your answer 0."},
    };
    for (const auto& c : cases) {
        const TriangleVerdict v = checkTriangleAnswer(t, QString::fromUtf8(c.typed));
        EXPECT_EQ(v.read, c.read) << c.typed;
        EXPECT_EQ(v.right, c.right) << c.typed;
        EXPECT_EQ(v.lines.value(0), QString::fromUtf8(c.line)) << c.typed;
    }
    EXPECT_FALSE(checkTriangleAnswer(t, "44, x+").read);
    t.given[SideA] = 3;
    EXPECT_TRUE(checkTriangleAnswer(t, "none").right);

    // A request for triangles draws only triangles, on the window and on the sheets.
    Request r;
    r.family = Family::Triangles;
    r.inequality = true;  // left aside for triangles
    EXPECT_EQ(distinctExercises(r), triangleTaskCount(1) + triangleTaskCount(2) + triangleTaskCount(3));
    EXPECT_EQ(makeExercise(r, 5).family, Family::Triangles);
    EXPECT_EQ(requestText(r), QStringLiteral("Triangles"));
    for (const Exercise& e : worksheetExercises({r, 12, 9}))
        EXPECT_EQ(e.family, Family::Triangles);
}

}  // namespace
