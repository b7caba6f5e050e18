// The Triangles window driven as a user would: typed parts, up-downs by mouse and keyboard, the
// two triangles of the ambiguous case drawn apart, and impossible data shown as a sentence alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include "triangles/result_panel.h"
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/updown.h"
#include "texts/text_tables.h"
#include "triangles/triangle_window.h"

using namespace triangles;

namespace {

// Pixels of the hue of a full colour (each channel on the same side of the middle), smoothed edges too.
int count(const QImage& image, const QColor& colour)
{
    int n = 0;
    const QImage plain = image.convertToFormat(QImage::Format_RGB32);
    const auto side = [](int channel) { return channel > 127; };
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QColor c(plain.pixel(x, y));
            n += std::max({c.red(), c.green(), c.blue()}) > 100 && side(c.red()) == side(colour.red()) &&
                 side(c.green()) == side(colour.green()) && side(c.blue()) == side(colour.blue());
        }
    return n;
}

QImage picture(const TriangleWindow& window)
{
    QImage image = recordedPicture(window, window.client()->size());
    return image.copy(window.pictureArea());
}

}  // namespace

TEST(TriangleWindow, TypedAndSteppedPartsSolveAtOnce)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    QApplication::setActiveWindow(main.get());
    main->menuItem(QStringLiteral("Inglese1"))->trigger();
    EXPECT_EQ(main->menuItem(QStringLiteral("Triangles1"))->text(), QStringLiteral("Triangles…"));
    main->menuItem(QStringLiteral("Triangles1"))->trigger();
    processEvents();
    auto* window = qobject_cast<TriangleWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(window);
    const auto field = [&](const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); };
    const auto stepper = [&](const char* name) { return window->findChild<platform::UpDown*>(QString::fromLatin1(name)); };
    EXPECT_EQ(QApplication::focusWidget(), field("part_a"));

    // The start: a = 5, b = 7, A = 30° has two triangles, drawn in yellow and in aqua, with the arc.
    EXPECT_EQ(window->solution().count, 2);
    EXPECT_EQ(window->resultLines().first(), QString::fromUtf8("Given: a = 5, b = 7, A = 30°"));
    EXPECT_TRUE(window->Panel1->toPlainText().contains(QStringLiteral("Triangle 2: a = 5, b = 7, c = 2.49146")));
    EXPECT_TRUE(window->Panel1->toPlainText().contains(QString::fromUtf8("  The other angle with the same sine")));
    EXPECT_TRUE(window->pictureDescription().startsWith(QStringLiteral("Two triangles drawn to scale")));
    QImage image = picture(*window);
    EXPECT_GT(count(image, Colors::clYellow), 200);
    EXPECT_GT(count(image, Colors::clAqua), 100);
    EXPECT_GT(count(image, Colors::clLime), 20);

    // Typing a shorter a: the sentence and no drawing.
    field("part_a")->selectAll();
    QTest::keyClicks(field("part_a"), "3");
    processEvents();
    EXPECT_EQ(window->solution().count, 0);
    const QString sentence = QString::fromUtf8(
        "The side a = 3 is shorter than the height b sin A = 3.5: it cannot reach the third side, so there is no "
        "triangle.");
    EXPECT_EQ(window->pictureDescription(), sentence);
    EXPECT_TRUE(window->resultLines().contains(sentence));
    image = picture(*window);
    EXPECT_EQ(count(image, Colors::clYellow) + count(image, Colors::clAqua), 0);

    // Five Up keys in the box of a (0.1 each) reach the height: one right triangle.
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(field("part_a"), Qt::Key_Up);
    processEvents();
    EXPECT_EQ(field("part_a")->text(), QStringLiteral("3.5"));
    ASSERT_EQ(window->solution().count, 1);
    EXPECT_DOUBLE_EQ(window->solution().triangles[0].parts[AngleB], 90);

    // The angle in degrees and minutes, stepped by its up-down's arrow: it stays in that form.
    field("part_A")->selectAll();
    for (QChar c : QString::fromUtf8("29°30′"))
        QTest::sendKeyEvent(QTest::Click, field("part_A"), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::mouseClick(stepper("step_A")->upButton(), Qt::LeftButton);
    processEvents();
    EXPECT_EQ(field("part_A")->text(), QString::fromUtf8("31°0′"));
    EXPECT_EQ(window->solution().count, 0);

    // A field that does not read, then more than three parts that agree.
    QTest::keyClicks(field("part_c"), "2+");
    processEvents();
    EXPECT_EQ(window->pictureDescription(), QStringLiteral("side c: Errore di sintassi"));
    for (const auto& [name, text] : {std::pair{"part_a", "3"}, {"part_b", "4"}, {"part_c", "5"}, {"part_A", ""},
                                     {"part_C", "90"}}) {
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Delete);
        QTest::keyClicks(field(name), text);
    }
    processEvents();
    ASSERT_EQ(window->solution().count, 1);
    EXPECT_EQ(window->solution().kind, Case::SSS);
    EXPECT_TRUE(window->Panel1->toPlainText().contains(QStringLiteral("Area 6, Perimeter 12, Circumradius 2.5, Inradius 1")));
    // The screen shows what paint() draws.
    EXPECT_EQ(window->surface().copy(window->pictureArea()).convertToFormat(QImage::Format_RGB32),
              picture(*window).convertToFormat(QImage::Format_RGB32));
}

TEST(TriangleWindow, EachStepRedrawsOnlyWhatChangedYetShowsWhatPaintDraws)
{
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
    QApplication::setActiveWindow(main.get());
    main->menuItem(QStringLiteral("Inglese1"))->trigger();
    main->menuItem(QStringLiteral("Triangles1"))->trigger();
    processEvents();
    auto* window = qobject_cast<TriangleWindow*>(main->mdiArea()->activeSubWindow());
    ASSERT_TRUE(window);
    // From two triangles (a = 5) down past the height (3.5) to none, to the right triangle, past b (7)
    // to one, then A to 180° (a sentence) and back: every kind of picture follows another.
    const struct {
        int part;
        int clicks;  // up when positive
        int triangles;
    } steps[] = {{SideA, -1, 2}, {SideA, -10, 2}, {SideA, -6, 0}, {SideA, 2, 1}, {SideA, 40, 1},
                 {AngleA, 25, 1}, {AngleA, 125, 0}, {AngleA, -120, 1}};
    for (const auto& s : steps) {
        for (int i = 0; i < std::abs(s.clicks); ++i)
            s.clicks > 0 ? window->steppers[s.part]->stepUp() : window->steppers[s.part]->stepDown();
        processEvents();
        SCOPED_TRACE(window->fields[s.part]->text().toStdString());
        EXPECT_EQ(window->solution().count, s.triangles);
        EXPECT_EQ(window->surface().copy(window->pictureArea()).convertToFormat(QImage::Format_RGB32),
                  picture(*window).convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(window->Panel1->toPlainText().split('\n').mid(0, 1),
                  window->resultLines().mid(1, 1));
    }
    // Covered by another window it gives its picture back; a change made meanwhile and the window
    // brought forward again show the whole new picture.
    main->menuItem(QStringLiteral("Equazionielementari1"))->trigger();
    processEvents();
    EXPECT_FALSE(window->holdsSurface());
    window->steppers[SideA]->stepUp();
    main->mdiArea()->setActiveSubWindow(window);
    processEvents();
    window->steppers[SideA]->stepDown();
    processEvents();
    EXPECT_EQ(window->surface().copy(window->pictureArea()).convertToFormat(QImage::Format_RGB32),
              picture(*window).convertToFormat(QImage::Format_RGB32));
}
