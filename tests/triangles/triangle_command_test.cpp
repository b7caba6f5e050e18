// `trigtutor triangle`: exit codes, the text and the JSON with its stable keys and full numbers.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "texts/text_tables.h"
#include "triangles/triangle_command.h"

using namespace triangles;

namespace {

struct Outcome {
    int code;
    QString out, err;
};

Outcome run(const QStringList& arguments)
{
    app::CurrentLanguage = 1;
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = runTriangleCommand(arguments, o, e);
    return {code, out, err};
}

TEST(TriangleCommand, ExitCodesAndMessages)
{
    const struct {
        QStringList arguments;
        int code;
        const char* out;  // a line the output holds
        const char* err;  // a part of the message
    } cases[] = {
        {{"a=5", "b=7", "A=30"}, 0, "Triangle 2: a = 5, b = 7, c = 2.49146\n", ""},
        {{"--steps", "a=3", "b=4", "c=5"}, 0, "  Angle sum: C = 180° − A − B = 180° − 36.8699° − 53.1301° = 90°.\n", ""},
        {{"a=3", "b=7", "A=30"}, 0, "The side a = 3 is shorter than the height b sin A = 3.5", ""},
        {{"a=3", "b=9", "c=5"}, 1, "", "The side b = 9 is not shorter than a + c = 8: it is longer by 1"},
        {{"a=3", "b=4"}, 1, "", "Three parts are needed"},
        {{"a=3", "b=4", "C=sqrt(-1)"}, 1, "", "angle C: "},
        {{"a=3", "b=4", "C=30°15′"}, 0, "a = 3, b = 4, c = 2.0", ""},
        {{"--fast", "a=3"}, 2, "", "unknown option '--fast'"},
        {{"d=3", "b=4", "c=5"}, 2, "", "'d=3' is not PART=VALUE"},
        {{"a=3", "a=4", "c=5"}, 2, "", "a is given twice"},
        {{"--help"}, 0, "Usage: trigtutor triangle [--json] [--steps] PART=VALUE...\n", ""},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(r.code, c.code);
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.out))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << r.err.toStdString();
        EXPECT_EQ(r.err.isEmpty(), c.code == 0);
    }
}

TEST(TriangleCommand, JsonKeysAndFullNumbers)
{
    Outcome r = run({"--json", "a=5", "b=7", "A=30"});
    EXPECT_EQ(r.code, 0);
    QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.keys(), QStringList({"case", "message", "triangles"}));
    EXPECT_EQ(o["case"].toString(), "SSA");
    EXPECT_TRUE(o["message"].isNull());
    const QJsonArray list = o["triangles"].toArray();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].toObject().keys(), QStringList({"A", "B", "C", "a", "area", "b", "c", "circumradius", "inradius",
                                                       "perimeter"}));
    EXPECT_NEAR(list[0]["B"].toDouble(), 44.427004000805698, 1e-12);
    EXPECT_NEAR(list[1]["c"].toDouble(), 2.491463612219646, 1e-12);
    EXPECT_TRUE(r.out.contains("\"circumradius\": 5,") || r.out.contains("\"circumradius\": 4.99999999"));

    r = run({"--json", "--steps", "a=3", "b=5", "c=8"});
    EXPECT_EQ(r.code, 1);
    o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o["case"].toString(), "SSS");
    EXPECT_TRUE(o["triangles"].toArray().isEmpty());
    EXPECT_EQ(o["message"].toString(), "The side c = 8 is as long as a + b = 8: the triangle would be flat.");
    EXPECT_TRUE(o["steps"].toArray().isEmpty());
}

}  // namespace
