// The Triangles texts: the sentence of each kind of impossible data, a worked solution of each
// case, and angles read and written in decimal degrees and in degrees and minutes.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "texts/text_tables.h"
#include "triangles/triangle_texts.h"

using namespace triangles;

namespace {

Parts parts(std::initializer_list<std::pair<int, double>> list)
{
    Parts p = noParts();
    for (auto [i, v] : list)
        p[i] = v;
    return p;
}

struct English : ::testing::Test {
    void SetUp() override { app::CurrentLanguage = 1; }
};

TEST_F(English, EachImpossibilitySaysWhyWithItsNumbers)
{
    const struct {
        Parts given;
        const char* sentence;
    } cases[] = {
        {parts({{SideA, 3}, {SideB, 4}}), "Three parts are needed, at least one of them a side: 2 given."},
        {parts({{SideA, 3}, {SideB, -4}, {AngleC, 20}}),
         "The side b = -4 is not positive: every side and angle must be greater than 0."},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, 0}}),
         "The angle C = 0° is not positive: every side and angle must be greater than 0."},
        {parts({{SideA, 3}, {AngleB, 100}, {AngleC, 80}}),
         "The angles B = 100° and C = 80° add up to 180°, but two angles of a triangle add up to less than 180°."},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, 200}}), "The angle C = 200° is not less than 180°."},
        {parts({{AngleA, 30}, {AngleB, 60}, {AngleC, 90}}),
         "Three angles give the shape but not the size: give a side as well."},
        {parts({{SideA, 3}, {SideB, 9}, {SideC, 5}}),
         "The side b = 9 is not shorter than a + c = 8: it is longer by 1, so the sides do not close."},
        {parts({{SideA, 3}, {SideB, 5}, {SideC, 8}}), "The side c = 8 is as long as a + b = 8: the triangle would be flat."},
        {parts({{SideA, 3}, {SideB, 7}, {AngleA, 30}}),
         "The side a = 3 is shorter than the height b sin A = 3.5: it cannot reach the third side, so there is no "
         "triangle."},
        {parts({{SideA, 5}, {SideB, 7}, {AngleA, 100}}),
         "The angle A = 100° is not acute, so the side facing it must be the longest; but a = 5 is not longer than "
         "b = 7: no triangle."},
        {parts({{SideA, 3}, {SideB, 4}, {SideC, 5}, {AngleC, 89}}),
         "The parts beyond three disagree: C = 89° is given, but the others make it 90°."},
        {parts({{SideA, 3}, {SideB, 4}, {AngleC, HUGE_VAL}}), "The angle C is not a finite number."},
    };
    for (const auto& c : cases) {
        const Solution s = solveTriangle(c.given);
        EXPECT_EQ(s.count, 0);
        EXPECT_EQ(resultLines(s).last(), QString::fromUtf8(c.sentence));
    }
}

TEST_F(English, OneWorkedSolutionPerCase)
{
    const struct {
        Parts given;
        const char* lines;  // the step lines up to the area, joined by "\n"
    } cases[] = {
        {parts({{SideA, 3}, {SideB, 4}, {SideC, 5}}),
         "Law of cosines: cos A = (b² + c² − a²) / (2bc) = (4² + 5² − 3²) / (2 · 4 · 5), A = 36.8699°.\n"
         "Law of cosines: cos B = (a² + c² − b²) / (2ac) = (3² + 5² − 4²) / (2 · 3 · 5), B = 53.1301°.\n"
         "Angle sum: C = 180° − A − B = 180° − 36.8699° − 53.1301° = 90°."},
        {parts({{SideB, 7}, {SideC, 5}, {AngleA, 30}}),
         "Law of cosines: a² = b² + c² − 2bc cos A = 7² + 5² − 2 · 7 · 5 · cos 30°, a = 3.65763.\n"
         "Law of cosines: cos B = (a² + c² − b²) / (2ac) = (3.65763² + 5² − 7²) / (2 · 3.65763 · 5), B = 106.882°.\n"
         "Angle sum: C = 180° − A − B = 180° − 30° − 106.882° = 43.118°."},
        {parts({{AngleB, 45}, {SideA, 10}, {AngleC, 60}}),
         "Angle sum: A = 180° − B − C = 180° − 45° − 60° = 75°.\n"
         "Law of sines: b = a sin B / sin A = 10 · sin 45° / sin 75° = 7.32051.\n"
         "Law of sines: c = a sin C / sin A = 10 · sin 60° / sin 75° = 8.96575."},
        {parts({{AngleA, 30}, {AngleB, 45}, {SideA, 5}}),
         "Angle sum: C = 180° − A − B = 180° − 30° − 45° = 105°.\n"
         "Law of sines: b = a sin B / sin A = 5 · sin 45° / sin 30° = 7.07107.\n"
         "Law of sines: c = a sin C / sin A = 5 · sin 105° / sin 30° = 9.65926."},
        {parts({{SideA, 5}, {SideB, 7}, {AngleA, 30}}),
         "Two sides and an angle not between them: compare a = 5 with the height b sin A = 7 · sin 30° = 3.5 and "
         "with b = 7.\n"
         "The height 3.5 < a = 5 < b = 7: two triangles (the arc of radius a meets the third side twice).\n"
         "First triangle:\n"
         "  Law of sines: sin B = b sin A / a = 7 · sin 30° / 5, B = 44.427°.\n"
         "  Angle sum: C = 180° − A − B = 180° − 30° − 44.427° = 105.573°.\n"
         "  Law of sines: c = a sin C / sin A = 5 · sin 105.573° / sin 30° = 9.63289."},
    };
    for (const auto& c : cases) {
        const QStringList lines = stepLines(triangleSteps(solveTriangle(c.given)));
        const qsizetype area = lines.indexOf(QRegularExpression("^ *Area: .*"));
        ASSERT_GT(area, 0);
        EXPECT_EQ(lines.mid(0, area).join('\n'), QString::fromUtf8(c.lines));
    }
    const QStringList ssa = stepLines(triangleSteps(solveTriangle(parts({{SideA, 5}, {SideB, 7}, {AngleA, 30}}))));
    EXPECT_TRUE(ssa.contains("  The other angle with the same sine: B = 180° − 44.427° = 135.573°."));
    EXPECT_TRUE(ssa.contains("  Circumradius: R = abc / (4S) = 5 · 7 · 2.49146 / (4 · 4.36006) = 5."));
}

TEST_F(English, AnglesReadAndWritten)
{
    const struct {
        const char* typed;
        bool ok;
        double value;
    } reads[] = {{"30°15′", true, 30.25}, {"30°15'", true, 30.25}, {" 30° 15.5′ ", true, 30.2583333333},
                 {"45°", true, 45},       {"-0°30′", true, -0.5},   {"2*15", true, 30},
                 {"30°75′", false, 0},    {"abc", false, 0},        {"30°15", false, 0}};
    for (const auto& r : reads) {
        const Reading reading = readPart(QString::fromUtf8(r.typed));
        EXPECT_EQ(reading.ok, r.ok) << r.typed;
        if (r.ok) EXPECT_NEAR(reading.value, r.value, 1e-9) << r.typed;
        EXPECT_EQ(reading.message.isEmpty(), r.ok) << r.typed;
    }
    EXPECT_TRUE(std::isnan(readPart("  ").value));
    EXPECT_EQ(angleText(30.25), QString::fromUtf8("30.25° (30°15′)"));
    EXPECT_EQ(angleText(134.415308597), QString::fromUtf8("134.4153° (134°25′)"));
    EXPECT_EQ(angleText(89.99999), QString::fromUtf8("90° (90°0′)"));
    // Each language has its own sentence.
    const Solution flat = solveTriangle(parts({{SideA, 3}, {SideB, 5}, {SideC, 8}}));
    app::CurrentLanguage = 0;
    EXPECT_EQ(problemSentence(flat), QString::fromUtf8("Il lato c = 8 è lungo quanto a + b = 8: il triangolo sarebbe piatto."));
    app::CurrentLanguage = 2;
    EXPECT_EQ(problemSentence(flat), QString::fromUtf8("Le côté c = 8 est aussi long que a + b = 8 : le triangle serait plat."));
    app::CurrentLanguage = 1;
}

}  // namespace
