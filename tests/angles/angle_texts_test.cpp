// The reduction table, the associated-angle table and their texts, and the mathematics behind
// every identity the two windows state.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>
#include <optional>

#include "angles/angle_texts.h"
#include "maths/angles.h"

using namespace angles;

namespace {

const QString Sen = QStringLiteral("sen");

struct ReductionCase {
    int alfa;
    bool octant;
    int quadrantAngle;
    int reducedAngle;
    const char* sine;
    const char* cosine;
    const char* tangent;
};

// Each quadrant, with and without the octant step, and the limits of every range.
const ReductionCase reductionCases[] = {
    {91, false, 89, 89, "sen (", "- cos (", "- tan ("},
    {150, false, 30, 30, "sen (", "- cos (", "- tan ("},
    {150, true, 30, 30, "sen (", "- cos (", "- tan ("},
    {120, true, 60, 30, "  cos (", "- sen (", "- cotan ("},
    {135, true, 45, 45, "sen (", "- cos (", "- tan ("},
    {180, false, 0, 0, "sen (", "- cos (", "- tan ("},
    {180, true, 0, 0, "sen (", "- cos (", "- tan ("},
    {181, false, 1, 1, "- sen (", "- cos (", "  tan ("},
    {225, true, 45, 45, "- sen (", "- cos (", "  tan ("},
    {250, true, 70, 20, "- cos (", "- sen (", "  cotan ("},
    {270, false, 90, 90, "- sen (", "- cos (", "  tan ("},
    {270, true, 90, 0, "- cos (", "- sen (", "  cotan ("},
    {271, false, 89, 89, "- sen (", "  cos (", "- tan ("},
    {300, false, 60, 60, "- sen (", "  cos (", "- tan ("},
    {300, true, 60, 30, "- cos (", "  sen (", "- cotan ("},
    {359, true, 1, 1, "- sen (", "  cos (", "- tan ("},
};

class ReductionTable : public ::testing::TestWithParam<ReductionCase> {};

}  // namespace

TEST_P(ReductionTable, AngleAndRows)
{
    const ReductionCase& c = GetParam();
    const AngleReduction r = reduceAngle(c.alfa, c.octant);
    EXPECT_EQ(r.quadrantAngle, c.quadrantAngle);
    EXPECT_EQ(r.reducedAngle, c.reducedAngle);
    EXPECT_EQ(r.octantApplies, c.reducedAngle != c.quadrantAngle);
    const IdentityRows rows = identityRows(r, Sen);
    EXPECT_EQ(rows.sine, QString::fromUtf8(c.sine));
    EXPECT_EQ(rows.cosine, QString::fromUtf8(c.cosine));
    EXPECT_EQ(rows.tangent, QString::fromUtf8(c.tangent));
}

INSTANTIATE_TEST_SUITE_P(EveryQuadrant, ReductionTable, ::testing::ValuesIn(reductionCases));

TEST(ReductionTexts, AnglesOutsideTheRangeAreTakenModulo360)
{
    // The window never asks for them; the reduction still gives a true statement.
    EXPECT_EQ(reduceAngle(150 + 360, false).quadrantAngle, 30);
    EXPECT_EQ(reduceAngle(-60, false).quadrantAngle, 60);
    EXPECT_EQ(identityRows(reduceAngle(-60, false), Sen).sine, QStringLiteral("- sen ("));
    const AngleReduction first = reduceAngle(70, true);
    EXPECT_EQ(first.quadrantAngle, 70);
    EXPECT_EQ(first.reducedAngle, 20);
    EXPECT_EQ(identityRows(first, Sen).sine, QStringLiteral("  cos ("));
    EXPECT_EQ(identityRows(reduceAngle(0, false), Sen).tangent, QStringLiteral("  tan ("));
}

TEST(AssociatedTexts, ItemOutOfRangeCountsAsTheFirst)
{
    for (int item : {-1, 8, 1000}) {
        EXPECT_EQ(associatedItemText(item), associatedItemText(0));
        EXPECT_EQ(associatedAngle(50, item).angle, 40);
    }
}

TEST(Texts, CutAndLeftSides)
{
    EXPECT_EQ(cutTo(QStringLiteral("-180"), 3), QStringLiteral("-18"));
    EXPECT_EQ(cutTo(QStringLiteral("45"), 3), QStringLiteral("45"));
    EXPECT_EQ(cutTo(QStringLiteral("45"), 0), QString());
    EXPECT_EQ(cutTo(QStringLiteral("45"), -2), QString());
    const IdentityLabels sides = leftSides(QStringLiteral("150"), Sen);
    EXPECT_EQ(sides.sine, QStringLiteral("sen (150)"));
    EXPECT_EQ(sides.cosine, QStringLiteral("cos (150)"));
    EXPECT_EQ(sides.tangent, QStringLiteral("tan (150)"));
    EXPECT_EQ(alfaText(150), QStringLiteral("alfa = 150°"));
}

// ---- The identities hold ----

namespace {

// The value of a function named in the labels, or nothing where it is undefined.
std::optional<long double> valueOf(const QString& name, long double degrees)
{
    const long double s = std::sin(radians(degrees));
    const long double c = std::cos(radians(degrees));
    if (name == QLatin1String("sen") || name == QLatin1String("sin"))
        return s;
    if (name == QLatin1String("cos"))
        return c;
    if (name == QLatin1String("tan"))
        return std::fabs(c) < 1e-12L ? std::nullopt : std::optional<long double>(s / c);
    if (name == QLatin1String("cotan"))
        return std::fabs(s) < 1e-12L ? std::nullopt : std::optional<long double>(c / s);
    ADD_FAILURE() << "unknown function " << name.toStdString();
    return std::nullopt;
}

// Reads "f (x)  =  - g (y)" and checks that f(x) = -g(y); counts the checks made.
void expectIdentityHolds(const QString& identity, int& checked)
{
    static const QRegularExpression form(
        QStringLiteral("^(sen|sin|cos|tan) \\((-?\\d+)\\)  =  (- |  |)(sen|sin|cos|tan|cotan) \\((-?\\d+)\\)$"));
    const QRegularExpressionMatch m = form.match(identity);
    ASSERT_TRUE(m.hasMatch()) << identity.toStdString();
    const auto left = valueOf(m.captured(1), m.captured(2).toInt());
    auto right = valueOf(m.captured(4), m.captured(5).toInt());
    ASSERT_EQ(left.has_value(), right.has_value()) << identity.toStdString();
    if (!left)
        return;
    const long double sign = m.captured(3) == QLatin1String("- ") ? -1.0L : 1.0L;
    EXPECT_NEAR(double(*left), double(sign * *right), 1e-9) << identity.toStdString();
    ++checked;
}

}  // namespace

TEST(Identities, EveryReductionHolds)
{
    int checked = 0;
    for (const QString& sineName : {QStringLiteral("sen"), QStringLiteral("sin")})
        for (bool octant : {false, true})
            for (int alfa = ReductionMinimum; alfa <= ReductionMaximum; ++alfa) {
                const ReductionTexts t =
                    reductionTexts(alfa, octant, sineName, QStringLiteral("q"), QStringLiteral("o"));
                expectIdentityHolds(t.label4, checked);
                expectIdentityHolds(t.label5, checked);
                expectIdentityHolds(t.label6, checked);
                const AngleReduction r = reduceAngle(alfa, octant);
                EXPECT_LE(r.reducedAngle, octant ? 45 : 90);
                EXPECT_GE(r.reducedAngle, 0);
            }
    // Only the tangents of 270 (= tan 90, = cotan 0) are left out, twice per sine name.
    EXPECT_EQ(checked, 2 * 2 * 3 * (ReductionMaximum - ReductionMinimum + 1) - 4);
}

TEST(Identities, EveryAssociatedAngleHolds)
{
    int checked = 0;
    for (int a = AcuteMinimum; a <= AcuteMaximum; ++a)
        for (int item = 0; item < AssociatedItemCount; ++item) {
            const AssociatedTexts t = associatedTexts(a, item, Sen);
            expectIdentityHolds(t.label4, checked);
            expectIdentityHolds(t.label5, checked);
            expectIdentityHolds(t.label6, checked);
            // The item text names the angle the identities use.
            const int b = associatedAngle(a, item).angle;
            EXPECT_TRUE(t.label2.endsWith(QStringLiteral("  =  ") + QString::number(b) + QStringLiteral("°")));
        }
    EXPECT_GT(checked, 2 * 91 * 8);
}
