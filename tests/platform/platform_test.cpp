#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "common/test_support.h"
#include "platform/arc.h"
#include "platform/colors.h"
#include "platform/hints.h"
#include "platform/safe_file.h"
#include "platform/symbol_font.h"
#include "platform/system_locale.h"
#include "platform/text_codec.h"
#include "platform/updown.h"

namespace {

// ----- Safe writer -----

// Only a regular file or a new name is written, and the name's folder is read as the system reads
// it ("up/.." is the folder "up" points into, not this one). A refused write leaves all as it was.
TEST(SafeFile, WritesOnlyARegularFileOrANewName)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(QDir().mkpath("real/deep") && QFile::link("real/deep", "up") && QFile::link("notes.txt", "real/x.cfg"));
    const bool device = ::mknod("device", S_IFCHR | 0600, makedev(1, 3)) == 0;
    const auto listing = [] { return QDir().entryList(QDir::System) + QDir("real").entryList(QDir::System); };
    const QStringList before = listing();
    using SafeFile::Problem;
    for (const auto& [path, problem] : {std::pair("up/../x.cfg", Problem::SymbolicLink), {"device", Problem::Device},
                                        {"real", Problem::Folder}, {"new.cfg/", Problem::Folder},
                                        {"missing/new.cfg", Problem::Failed}}) {
        if (problem == Problem::Device && !device)
            continue;  // no device can be made here
        const SafeFile::Result result = SafeFile::write(QString::fromLatin1(path), QByteArray("new"));
        EXPECT_EQ(result.problem, problem) << path;
        EXPECT_EQ(result.systemReason, problem == Problem::Failed ? "No such file or directory" : "") << path;
    }
    EXPECT_EQ(listing(), before);
    EXPECT_TRUE(SafeFile::write("up/../y.cfg", QByteArray("new")));
    EXPECT_TRUE(QFileInfo::exists("real/y.cfg") && !QFileInfo::exists("y.cfg"));
}

// ----- Symbol font -----

TEST(SymbolFont, ShowsLatinLettersAsGreek)
{
    EXPECT_EQ(platform::symbolFontText(QStringLiteral("p/6 + 2Kp")), QStringLiteral("π/6 + 2Κπ"));
    EXPECT_EQ(platform::symbolFontText(QStringLiteral("D < 0")), QStringLiteral("Δ < 0"));
    EXPECT_EQ(platform::symbolFontText(QStringLiteral("a")), QStringLiteral("α"));
    EXPECT_EQ(platform::symbolFontText(QStringLiteral("-p")), QStringLiteral("−π"));
    EXPECT_EQ(platform::symbolFontText(QStringLiteral("11 / 6 °")), QStringLiteral("11 / 6 °"));
}

TEST(SymbolFont, LabelKeepsItsLatinTextAndPaintsGreek)
{
    platform::SymbolLabel label;
    label.setText(QStringLiteral("p/2 + Kp"));
    EXPECT_EQ(label.text(), QStringLiteral("p/2 + Kp"));
    label.resize(label.sizeHint());
    const QImage picture = label.grab().toImage();
    EXPECT_FALSE(picture.isNull());
    EXPECT_GE(label.sizeHint().width(), QFontMetrics(label.font()).horizontalAdvance(QStringLiteral("π/2 + Κπ")));
}

// ----- Windows-1252 -----

TEST(TextCodec, RoundTripsWindows1252)
{
    ASSERT_TRUE(TextCodec::windows1252Available());
    const QByteArray bytes("\x80 \xF1 \xD8 \xE0 \x99", 9);
    const QString text = TextCodec::decodeWindows1252(bytes);
    EXPECT_EQ(text, QStringLiteral("€ ñ Ø à ™"));
    bool ok = false;
    EXPECT_EQ(TextCodec::encodeWindows1252(text, &ok), bytes);
    EXPECT_TRUE(ok);
    TextCodec::encodeWindows1252(QStringLiteral("π"), &ok);
    EXPECT_FALSE(ok);
}

// ----- locale numbers -----

TEST(SystemLocale, MapsLocalesToTheirNumbers)
{
    const std::vector<std::pair<const char*, int>> table = {
        {"it_IT", 1040}, {"it_CH", 2064}, {"en_US", 1033}, {"en_GB", 2057}, {"fr_FR", 1036}, {"fr_CA", 3084},
        {"de_DE", 1031}, {"de_AT", 3079}, {"es_ES", 3082}, {"es_MX", 2058}, {"es_AR", 11274}, {"pt_BR", 1046},
        {"pt_PT", 2070}, {"ja_JP", 1041}, {"C", 1033}};
    for (const auto& [name, id] : table)
        EXPECT_EQ(SystemLocale::localeId(QLocale(QString::fromLatin1(name))), id) << name;
}

// ----- arcs -----

TEST(Arc, AnglesAreCounterClockwiseOnTheScreen)
{
    const QPointF c(100, 100);
    // From 0° (right) to 90° (up): a quarter turn.
    platform::ArcAngles a = platform::counterClockwiseArcAngles(c, QPoint(150, 100), QPoint(100, 40));
    EXPECT_DOUBLE_EQ(a.startDegrees, 0.0);
    EXPECT_DOUBLE_EQ(a.spanDegrees, 90.0);
    // From 0° to -90° (down) goes the long way round.
    a = platform::counterClockwiseArcAngles(c, QPoint(150, 100), QPoint(100, 160));
    EXPECT_DOUBLE_EQ(a.spanDegrees, 270.0);
    // The same direction at another distance is the whole circle.
    a = platform::counterClockwiseArcAngles(c, QPoint(150, 100), QPoint(300, 100));
    EXPECT_DOUBLE_EQ(a.spanDegrees, 360.0);
    a = platform::counterClockwiseArcAngles(c, QPoint(103, 104), QPoint(106, 108));
    EXPECT_DOUBLE_EQ(a.spanDegrees, 360.0);
    // Opposite directions are half a turn, not the whole circle.
    a = platform::counterClockwiseArcAngles(c, QPoint(150, 100), QPoint(50, 100));
    EXPECT_DOUBLE_EQ(a.spanDegrees, 180.0);
}

TEST(Arc, DrawsOnlyTheArcAndWholeCircleWhenDirectionsCoincide)
{
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setPen(Colors::clAqua);
        p.setBrush(Qt::white);  // an arc is never filled
        platform::drawCounterClockwiseArc(p, QPoint(100, 100), 50, QPoint(200, 100), QPoint(100, 0));
    }
    EXPECT_TRUE(colourNear(image, 100, 50, Colors::clAqua));    // top: inside the quarter
    EXPECT_TRUE(colourNear(image, 135, 65, Colors::clAqua));    // 45°
    EXPECT_FALSE(colourNear(image, 50, 100, Colors::clAqua));   // left: outside
    EXPECT_FALSE(colourNear(image, 100, 150, Colors::clAqua));  // bottom: outside
    EXPECT_EQ(pixelAt(image, 100, 100), Colors::clBlack);       // not filled

    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setPen(Colors::clYellow);
        platform::drawCounterClockwiseArc(p, QPoint(100, 100), 50, QPoint(180, 100), QPoint(120, 100));
    }
    for (QPoint point : {QPoint(150, 100), QPoint(100, 50), QPoint(50, 100), QPoint(100, 150)})
        EXPECT_TRUE(colourNear(image, point.x(), point.y(), Colors::clYellow)) << point.x() << "," << point.y();
}

// ----- up-down -----

TEST(UpDown, StepsWithinItsRangeAndWrapsWhenAsked)
{
    platform::UpDown upDown;
    upDown.setRange(-90, 90);
    upDown.setPosition(89);
    QSignalSpy clicks(&upDown, &platform::UpDown::clicked);
    upDown.stepUp();
    EXPECT_EQ(upDown.position(), 90);
    upDown.stepUp();
    EXPECT_EQ(upDown.position(), 90);  // no wrap: stays at the end
    EXPECT_EQ(clicks.size(), 2);
    upDown.setWrap(true);
    upDown.stepUp();
    EXPECT_EQ(upDown.position(), -90);
    upDown.stepDown();
    EXPECT_EQ(upDown.position(), 90);
    upDown.setWrap(false);
    upDown.setIncrement(10);
    upDown.setPosition(-85);
    upDown.stepDown();
    EXPECT_EQ(upDown.position(), -90);
    upDown.setPosition(500);
    EXPECT_EQ(upDown.position(), 90);
    upDown.setRange(0, 180);
    EXPECT_EQ(upDown.position(), 90);
    upDown.setRange(-100000, 100000);  // a signed 16-bit position
    EXPECT_EQ(upDown.minimum(), -32768);
    EXPECT_EQ(upDown.maximum(), 32767);
}

TEST(UpDown, ArrowClicksStepAndReleaseSignalsMouseUp)
{
    platform::UpDown upDown;
    upDown.setRange(0, 10);
    upDown.resize(17, 22);
    upDown.show();
    QSignalSpy clicks(&upDown, &platform::UpDown::clicked);
    QSignalSpy ups(&upDown, &platform::UpDown::mouseUp);
    QTest::mouseClick(upDown.upButton(), Qt::LeftButton);
    QTest::mouseClick(upDown.upButton(), Qt::LeftButton);
    QTest::mouseClick(upDown.downButton(), Qt::LeftButton);
    EXPECT_EQ(upDown.position(), 1);
    ASSERT_EQ(clicks.size(), 3);
    EXPECT_EQ(clicks[2][0].value<platform::UpDown::Button>(), platform::UpDown::Button::Down);
    EXPECT_EQ(ups.size(), 3);
}

// Up and Down step like the arrows, a held key repeats, and only the key's real release (or the
// focus leaving) signals mouseUp; Page Up makes ten steps at once; the buddy box steps it too.
TEST(UpDown, KeysStepLikeTheArrowsAndTheirReleaseEndsTheRun)
{
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* upDown = new platform::UpDown(&window);
    upDown->setGeometry(60, 0, 17, 22);
    upDown->setRange(91, 359);
    upDown->setWrap(true);
    upDown->setPosition(355);
    upDown->setBuddy(box);
    window.show();
    QApplication::setActiveWindow(&window);
    const QImage unfocused = upDown->grab().toImage();
    upDown->setFocus();
    processEvents();
    EXPECT_NE(upDown->grab().toImage(), unfocused);  // the focus frame
    QSignalSpy clicks(upDown, &platform::UpDown::clicked);
    QSignalSpy ups(upDown, &platform::UpDown::mouseUp);
    const auto send = [](QWidget* to, QEvent::Type type, int key, bool repeat, Qt::KeyboardModifiers mods = {}) {
        QKeyEvent event(type, key, mods, QString(), repeat);
        QApplication::sendEvent(to, &event);
    };
    send(upDown, QEvent::KeyPress, Qt::Key_Up, false);
    send(upDown, QEvent::KeyRelease, Qt::Key_Up, true);
    send(upDown, QEvent::KeyPress, Qt::Key_Up, true);
    EXPECT_EQ(upDown->position(), 357);
    EXPECT_EQ(ups.size(), 0);
    send(upDown, QEvent::KeyRelease, Qt::Key_Up, false);
    EXPECT_EQ(ups.size(), 1);
    QTest::keyClick(upDown, Qt::Key_PageUp);  // 358, 359, 91, ... 98
    EXPECT_EQ(upDown->position(), 98);
    EXPECT_EQ(clicks.size(), 3);
    for (int key : {int(Qt::Key_Left), int(Qt::Key_Right), int(Qt::Key_Home)})
        QTest::keyClick(upDown, Qt::Key(key));
    QTest::keyClick(upDown, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(clicks.size(), 3);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_EQ(upDown->position(), 357);
    send(box, QEvent::KeyPress, Qt::Key_Down, false);
    EXPECT_EQ(upDown->position(), 356);
    upDown->setFocus();  // the focus leaves the box while the key is held
    EXPECT_EQ(ups.size(), 4);
    EXPECT_EQ(clicks.size(), 5);
}

// ----- hints -----

TEST(Hints, ShortHintIsThePartBeforeTheBar)
{
    EXPECT_EQ(Hints::shortHint(QStringLiteral("nuovo|")), QStringLiteral("nuovo"));
    EXPECT_EQ(Hints::shortHint(QStringLiteral("a|b|c")), QStringLiteral("a"));
    EXPECT_EQ(Hints::shortHint(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(Hints, EachWindowsSwitchDecidesForItsControls)
{
    QWidget window;
    QWidget inner(&window);
    QLabel control(&inner);
    Hints::setHint(&control, QStringLiteral("guida|"));
    EXPECT_EQ(control.toolTip(), QStringLiteral("guida"));
    EXPECT_TRUE(Hints::hintsShownFor(&control));
    Hints::setWindowHints(&window, false);
    EXPECT_FALSE(Hints::hintsShownFor(&control));
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    EXPECT_TRUE(qApp->notify(&control, &tip) || true);
    Hints::setWindowHints(&inner, true);  // the nearest switch wins
    EXPECT_TRUE(Hints::hintsShownFor(&control));
}

}  // namespace
