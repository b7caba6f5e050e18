// The two angle windows driven as a student drives them: opened from the menu, the angle
// stepped with the up-down, traccia pressed; then the labels and the picture are read.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "angles/angle_reduction_window.h"
#include "angles/associated_angles_window.h"
#include "angles/circle_probe.h"
#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/help.h"
#include "platform/symbol_font.h"
#include "platform/updown.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "shell/window_registry.h"

namespace {

class AngleWindows : public ::testing::Test {
protected:
    void SetUp() override { main = makeMainWindow(); }
    void TearDown() override
    {
        main->Chiudetutte1Click();
        processEvents();
        main.reset();
    }

    // Opens a window from its menu item, in a language.
    template <class Window>
    Window* open(const char* menuItem, unsigned char language = app::Italian)
    {
        app::CurrentLanguage = language;
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        auto* window = main->findChild<Window*>();
        EXPECT_NE(window, nullptr);
        return window;
    }
    angles::Triduci* openReduction(unsigned char language = app::Italian) { return open<angles::Triduci>("Riduzionequadrante1", language); }
    angles::Tarchi* openAssociated(unsigned char language = app::Italian) { return open<angles::Tarchi>("Archiassociati1", language); }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
};

template <class T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget* window, const char* label)
{
    return control<QLabel>(window, label)->text();
}

void press(QWidget* window)
{
    control<QToolButton>(window, "traccia")->click();
    processEvents();
}

// Steps the up-down one press at a time to the angle, as a student would.
void stepTo(QWidget* window, int angle)
{
    auto* updown = control<platform::UpDown>(window, "pangolo");
    for (int guard = 0; updown->position() != angle && guard < 400; ++guard)
        updown->position() < angle ? updown->stepUp() : updown->stepDown();
    EXPECT_EQ(control<QLineEdit>(window, "angolo")->text(), QString::number(angle));
}

QColor surfaceAt(angles::AngleWindow* window, QPoint point)
{
    return pixelAt(window->surface(), point.x(), point.y());
}

}  // namespace

TEST_F(AngleWindows, OpenOnceFromTheMenuAndCloseTheirSlots)
{
    struct Case {
        const char* menuItem;
        int slot;
        const char* className;
        const char* italianCaption;
    };
    for (const Case& c : {Case{"Riduzionequadrante1", 21, "Triduci", "Riduzione archi"},
                          Case{"Archiassociati1", 3, "Tarchi", "Archi associati"}}) {
        SCOPED_TRACE(c.className);
        app::CurrentLanguage = app::Italian;
        main->menuItem(QString::fromLatin1(c.menuItem))->trigger();
        main->menuItem(QString::fromLatin1(c.menuItem))->trigger();
        processEvents();
        app::ChildWindow* window = app::openChildWindow(c.slot);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(c.className));
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.italianCaption));
        EXPECT_FALSE(app::windowClosed(c.slot));
        EXPECT_FALSE(main->backgroundPicture()->isVisible());
        int instances = 0;
        for (app::ChildWindow* child : main->findChildren<app::ChildWindow*>())
            instances += child->objectName() == QString::fromLatin1(c.className);
        EXPECT_EQ(instances, 1);
        window->close();
        processEvents();
        EXPECT_TRUE(app::windowClosed(c.slot));
        EXPECT_TRUE(main->backgroundPicture()->isVisible());
    }
}

TEST_F(AngleWindows, ReductionControlsAndFirstTexts)
{
    angles::Triduci* w = openReduction();
    auto* quadrante = control<QComboBox>(w, "quadrante");
    EXPECT_EQ(quadrante->count(), 2);
    EXPECT_EQ(quadrante->itemText(0), QStringLiteral("1° quadrante"));
    EXPECT_EQ(quadrante->itemText(1), QStringLiteral("1° ottante"));
    EXPECT_EQ(quadrante->currentIndex(), 0);
    EXPECT_EQ(quadrante->width(), 175);
    EXPECT_TRUE(quadrante->toolTip().isEmpty());
    auto* angolo = control<QLineEdit>(w, "angolo");
    EXPECT_EQ(angolo->text(), QStringLiteral("150"));
    EXPECT_TRUE(angolo->isReadOnly());
    EXPECT_EQ(angolo->width(), 29);
    auto* pangolo = control<platform::UpDown>(w, "pangolo");
    EXPECT_EQ(pangolo->minimum(), 91);
    EXPECT_EQ(pangolo->maximum(), 359);
    EXPECT_EQ(pangolo->position(), 150);
    EXPECT_TRUE(pangolo->wrap());
    for (const char* name : {"barrasotto", "ToolBar1", "traccia", "aiuto", "Panel1", "Bevel1", "Bevel2", "sotto"})
        EXPECT_NE(w->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(control<QMenu>(w, "PopupMenu1")->actions().value(0)->text(), QStringLiteral("&mostra suggerimenti"));
    EXPECT_EQ(Help::helpContext(w), 302);

    EXPECT_EQ(text(w, "Label1"), QStringLiteral("alfa = 150°"));
    EXPECT_EQ(text(w, "Label2"), QStringLiteral("alfa = 30°       1° quadrante"));
    EXPECT_FALSE(control<QLabel>(w, "Label3")->isVisible());
    EXPECT_EQ(text(w, "Label4"), QStringLiteral("sen (150)"));
    EXPECT_EQ(text(w, "Label5"), QStringLiteral("cos (150)"));
    EXPECT_EQ(text(w, "Label6"), QStringLiteral("tan (150)"));
    EXPECT_TRUE(w->drawAnglePending());
    EXPECT_EQ(w->angleRadius(), 800 / 5);
}

TEST_F(AngleWindows, TextsInEnglishAndFrench)
{
    angles::Triduci* reduction = openReduction(app::English);
    EXPECT_EQ(reduction->windowTitle(), QStringLiteral("Corresponding acute angle"));
    EXPECT_EQ(text(reduction, "Label2"), QStringLiteral("alfa = 30°       1st quadrant"));
    EXPECT_EQ(text(reduction, "Label4"), QStringLiteral("sin (150)"));
    EXPECT_EQ(control<QLineEdit>(reduction, "angolo")->toolTip(), QStringLiteral("angle"));
    EXPECT_EQ(control<platform::UpDown>(reduction, "pangolo")->toolTip(), QStringLiteral("angle"));
    EXPECT_EQ(control<QToolButton>(reduction, "traccia")->toolTip(), QStringLiteral("draw"));
    EXPECT_EQ(control<QToolButton>(reduction, "aiuto")->toolTip(), QStringLiteral("help"));
    control<QComboBox>(reduction, "quadrante")->setCurrentIndex(1);
    press(reduction);
    press(reduction);
    EXPECT_EQ(text(reduction, "Label3"), QStringLiteral("alfa = 30°       1st octant"));
    EXPECT_EQ(text(reduction, "Label4"), QStringLiteral("sin (150)  =  sin (30)"));
    main->Chiudetutte1Click();
    processEvents();

    angles::Tarchi* associated = openAssociated(app::French);
    EXPECT_EQ(associated->windowTitle(), QStringLiteral("Arcs associés"));
    EXPECT_EQ(control<QToolButton>(associated, "traccia")->toolTip(), QStringLiteral("tracer"));
    press(associated);
    EXPECT_EQ(text(associated, "Label5"), QStringLiteral("cos (40)  =    sin (50)"));
}

TEST_F(AngleWindows, AssociatedControlsAndFirstTexts)
{
    angles::Tarchi* w = openAssociated();
    auto* quadrante = control<QComboBox>(w, "quadrante");
    ASSERT_EQ(quadrante->count(), 8);
    const char* items[] = {"  90°  -  a ", "  90°  +  a ", " 180°  -  a ", " 180°  +  a ",
                           " 270°  -  a ", " 270°  +  a",  " 360°  -  a",  "  -a"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(quadrante->itemText(i), QString::fromUtf8(items[i])) << i;
    EXPECT_EQ(quadrante->width(), 95);
    EXPECT_EQ(control<QLineEdit>(w, "angolo")->text(), QStringLiteral("50"));
    EXPECT_EQ(control<QLineEdit>(w, "angolo")->width(), 24);
    auto* pangolo = control<platform::UpDown>(w, "pangolo");
    EXPECT_EQ(pangolo->minimum(), 0);
    EXPECT_EQ(pangolo->maximum(), 90);
    EXPECT_EQ(pangolo->position(), 50);
    EXPECT_TRUE(pangolo->wrap());
    EXPECT_NE(w->findChild<QWidget*>("ControlBar1"), nullptr);
    EXPECT_EQ(w->findChild<QWidget*>("Panel1"), nullptr);
    EXPECT_EQ(control<QFrame>(w, "sotto")->height(), app::windowMetrics().bottomBarHeight);
    EXPECT_EQ(control<QMenu>(w, "PopupMenu1")->actions().value(0)->text(), QStringLiteral("mostra suggerimenti"));
    EXPECT_EQ(Help::helpContext(w), 303);

    // a and its associated angle are set in the Symbol font: the text stays Latin.
    EXPECT_NE(qobject_cast<platform::SymbolLabel*>(control<QLabel>(w, "Label1")), nullptr);
    EXPECT_EQ(text(w, "Label1"), QStringLiteral(" a  =  50°"));
    EXPECT_EQ(text(w, "Label2"), QStringLiteral("  90°  -  a   =  40°"));
    EXPECT_EQ(platform::symbolFontText(text(w, "Label1")), QStringLiteral(" α  =  50°"));
    for (const char* label : {"Label4", "Label5", "Label6"})
        EXPECT_TRUE(text(w, label).isEmpty()) << label;
}

TEST_F(AngleWindows, UpDownsWrapAtBothEnds)
{
    struct Case {
        bool reduction;
        int from;
        bool up;
        int to;
    };
    const Case cases[] = {{true, 359, true, 91}, {true, 91, false, 359}, {true, 200, true, 201},
                          {false, 90, true, 0},  {false, 0, false, 90},  {false, 1, false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        angles::AngleWindow* w = c.reduction ? static_cast<angles::AngleWindow*>(openReduction())
                                             : static_cast<angles::AngleWindow*>(openAssociated());
        stepTo(w, c.from);
        auto* updown = control<platform::UpDown>(w, "pangolo");
        c.up ? updown->stepUp() : updown->stepDown();
        EXPECT_EQ(updown->position(), c.to);
        EXPECT_EQ(control<QLineEdit>(w, "angolo")->text(), QString::number(c.to));
        w->close();
        processEvents();
    }
}

TEST_F(AngleWindows, ReductionThroughTheWindow)
{
    struct Case {
        int alfa;
        bool octant;
        const char* label2;
        const char* label3;  // null: hidden
        const char* label4;
        const char* label5;
        const char* label6;
    };
    const Case cases[] = {
        {150, false, "alfa = 30°       1° quadrante", nullptr, "sen (150)  =  sen (30)", "cos (150)  =  - cos (30)",
         "tan (150)  =  - tan (30)"},
        {300, true, "alfa = 60°       1° quadrante", "alfa = 30°       1° ottante", "sen (300)  =  - cos (30)",
         "cos (300)  =    sen (30)", "tan (300)  =  - cotan (30)"},
        {225, true, "alfa = 45°       1° quadrante", "alfa = 45°       1° ottante", "sen (225)  =  - sen (45)",
         "cos (225)  =  - cos (45)", "tan (225)  =    tan (45)"},
        {180, false, "alfa = 0°       1° quadrante", nullptr, "sen (180)  =  sen (0)", "cos (180)  =  - cos (0)",
         "tan (180)  =  - tan (0)"},
        {270, false, "alfa = 90°       1° quadrante", nullptr, "sen (270)  =  - sen (90)", "cos (270)  =  - cos (90)",
         "tan (270)  =    tan (90)"},
        {270, true, "alfa = 90°       1° quadrante", "alfa = 0°       1° ottante", "sen (270)  =  - cos (0)",
         "cos (270)  =  - sen (0)", "tan (270)  =    cotan (0)"},
        {91, false, "alfa = 89°       1° quadrante", nullptr, "sen (91)  =  sen (89)", "cos (91)  =  - cos (89)",
         "tan (91)  =  - tan (89)"},
    };
    angles::Triduci* w = openReduction();
    auto* quadrante = control<QComboBox>(w, "quadrante");
    auto* pangolo = control<platform::UpDown>(w, "pangolo");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alfa);
        stepTo(w, c.alfa);
        quadrante->setCurrentIndex(c.octant ? 1 : 0);

        press(w);  // the angle
        EXPECT_FALSE(w->drawAnglePending());
        EXPECT_FALSE(pangolo->isEnabled());
        EXPECT_FALSE(quadrante->isEnabled());
        EXPECT_EQ(text(w, "Label1"), QStringLiteral("alfa = %1°").arg(c.alfa));
        EXPECT_EQ(text(w, "Label4"), QStringLiteral("sen (%1)").arg(c.alfa));
        EXPECT_EQ(text(w, "Label5"), QStringLiteral("cos (%1)").arg(c.alfa));
        EXPECT_EQ(text(w, "Label6"), QStringLiteral("tan (%1)").arg(c.alfa));

        press(w);  // the reduction
        EXPECT_TRUE(w->drawAnglePending());
        EXPECT_TRUE(pangolo->isEnabled());
        EXPECT_TRUE(quadrante->isEnabled());
        EXPECT_EQ(text(w, "Label1"), QStringLiteral("alfa = %1°").arg(c.alfa));
        EXPECT_EQ(text(w, "Label2"), QString::fromUtf8(c.label2));
        EXPECT_EQ(control<QLabel>(w, "Label3")->isVisible(), c.label3 != nullptr);
        if (c.label3)
            EXPECT_EQ(text(w, "Label3"), QString::fromUtf8(c.label3));
        EXPECT_EQ(text(w, "Label4"), QString::fromUtf8(c.label4));
        EXPECT_EQ(text(w, "Label5"), QString::fromUtf8(c.label5));
        EXPECT_EQ(text(w, "Label6"), QString::fromUtf8(c.label6));
    }
}

TEST_F(AngleWindows, AssociatedAnglesThroughTheWindow)
{
    struct Case {
        int a;
        int item;
        const char* label2;
        const char* label4;
        const char* label5;
        const char* label6;
    };
    const Case cases[] = {
        {50, 0, "  90°  -  a   =  40°", "sen (40)  =    cos (50)", "cos (40)  =    sen (50)", "tan (40)  =    cotan (50)"},
        {50, 1, "  90°  +  a   =  140°", "sen (140)  =    cos (50)", "cos (140)  =  - sen (50)",
         "tan (140)  =  - cotan (50)"},
        {50, 2, " 180°  -  a   =  130°", "sen (130)  =    sen (50)", "cos (130)  =  - cos (50)",
         "tan (130)  =  - tan (50)"},
        {50, 3, " 180°  +  a   =  230°", "sen (230)  =  - sen (50)", "cos (230)  =  - cos (50)",
         "tan (230)  =    tan (50)"},
        {50, 4, " 270°  -  a   =  220°", "sen (220)  =  - cos (50)", "cos (220)  =  - sen (50)",
         "tan (220)  =    cotan (50)"},
        {50, 5, " 270°  +  a  =  320°", "sen (320)  =  - cos (50)", "cos (320)  =    sen (50)",
         "tan (320)  =  - cotan (50)"},
        {50, 6, " 360°  -  a  =  310°", "sen (310)  =  - sen (50)", "cos (310)  =    cos (50)",
         "tan (310)  =  - tan (50)"},
        {50, 7, "  -a  =  -50°", "sen (-50)  =  - sen (50)", "cos (-50)  =    cos (50)", "tan (-50)  =  - tan (50)"},
        {0, 0, "  90°  -  a   =  90°", "sen (90)  =    cos (0)", "cos (90)  =    sen (0)", "tan (90)  =    cotan (0)"},
        {90, 0, "  90°  -  a   =  0°", "sen (0)  =    cos (90)", "cos (0)  =    sen (90)", "tan (0)  =    cotan (90)"},
        {90, 5, " 270°  +  a  =  360°", "sen (360)  =  - cos (90)", "cos (360)  =    sen (90)",
         "tan (360)  =  - cotan (90)"},
    };
    angles::Tarchi* w = openAssociated();
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("a = %1, item %2").arg(c.a).arg(c.item).toStdString());
        stepTo(w, c.a);
        control<QComboBox>(w, "quadrante")->setCurrentIndex(c.item);
        press(w);
        EXPECT_EQ(text(w, "Label1"), QStringLiteral(" a  =  %1°").arg(c.a));
        EXPECT_EQ(text(w, "Label2"), QString::fromUtf8(c.label2));
        EXPECT_EQ(text(w, "Label4"), QString::fromUtf8(c.label4));
        EXPECT_EQ(text(w, "Label5"), QString::fromUtf8(c.label5));
        EXPECT_EQ(text(w, "Label6"), QString::fromUtf8(c.label6));
    }
}

TEST_F(AngleWindows, ReductionPictureAfterEachPress)
{
    angles::Triduci* w = openReduction();
    const angles::AnglePicture where = w->picture();
    const QPoint c = where.centre();
    const int r = where.radius;
    const QPoint cosineLeft(c.x() - r / 2, c.y()), cosineRight(c.x() + r / 2, c.y()), sine(c.x(), c.y() - r / 4);
    EXPECT_EQ(surfaceAt(w, cosineLeft), Colors::clGray);
    EXPECT_EQ(surfaceAt(w, QPoint(where.width - 20, c.y())), Colors::clSilver);
    EXPECT_EQ(surfaceAt(w, QPoint(c.x() + r / 3, c.y() - r / 3)), Colors::clBlack);

    press(w);  // alfa = 150: cosine white to the left, sine yellow upwards
    EXPECT_EQ(surfaceAt(w, cosineLeft), Colors::clWhite);
    EXPECT_EQ(surfaceAt(w, cosineRight), Colors::clGray);
    EXPECT_EQ(surfaceAt(w, sine), Colors::clYellow);

    press(w);  // r = 30 over it: cosine red to the right, sine fuchsia one pixel wide
    EXPECT_EQ(surfaceAt(w, cosineLeft), Colors::clWhite);
    EXPECT_EQ(surfaceAt(w, cosineRight), Colors::clRed);
    EXPECT_EQ(surfaceAt(w, sine), Colors::clFuchsia);
    EXPECT_TRUE(surfaceAt(w, sine + QPoint(-1, 0)) == Colors::clYellow ||
                surfaceAt(w, sine + QPoint(1, 0)) == Colors::clYellow);

    press(w);  // the next angle wipes the circle first
    EXPECT_EQ(surfaceAt(w, cosineRight), Colors::clGray);
    EXPECT_EQ(surfaceAt(w, sine), Colors::clYellow);
}

TEST_F(AngleWindows, RepaintErasesTheAngleButKeepsTheStep)
{
    angles::Triduci* w = openReduction();
    const angles::AnglePicture where = w->picture();
    const QPoint cosine(where.centre().x() - where.radius / 2, where.centre().y());
    stepTo(w, 300);
    press(w);
    const QPoint cosine300(where.centre().x() + where.radius / 4, where.centre().y());
    EXPECT_EQ(surfaceAt(w, cosine300), Colors::clWhite);

    // Controls that repaint themselves leave the picture alone.
    const int paints = w->formPaintCount();
    for (const char* name : {"traccia", "aiuto", "quadrante", "angolo", "Label1", "Label4", "Panel1", "sotto"})
        control<QWidget>(w, name)->update();
    processEvents();
    EXPECT_EQ(w->formPaintCount(), paints);
    EXPECT_EQ(surfaceAt(w, cosine300), Colors::clWhite);

    // The window painted again for a reason of its own: only the background is left.
    w->client()->repaint();
    EXPECT_EQ(w->formPaintCount(), paints + 1);
    EXPECT_EQ(surfaceAt(w, cosine300), Colors::clGray);
    EXPECT_EQ(surfaceAt(w, cosine), Colors::clGray);
    EXPECT_FALSE(w->drawAnglePending());

    press(w);  // still the reduction step
    EXPECT_EQ(text(w, "Label2"), QStringLiteral("alfa = 60°       1° quadrante"));
    EXPECT_EQ(text(w, "Label4"), QStringLiteral("sen (300)  =  - sen (60)"));
    EXPECT_EQ(surfaceAt(w, QPoint(where.centre().x() + where.radius / 4, where.centre().y())), Colors::clRed);
    EXPECT_TRUE(w->drawAnglePending());
}

TEST_F(AngleWindows, AssociatedPictureAndArcs)
{
    angles::Tarchi* w = openAssociated();
    const angles::AnglePicture where = w->picture();
    const QPoint c = where.centre();
    const int r = where.radius;
    press(w);  // a = 50 (white cosine, yellow sine), b = 40 (fuchsia cosine, red sine)
    // The cosine of 40 is longer than that of 50 and covers it; the sine of 50 shows above that of 40.
    EXPECT_EQ(surfaceAt(w, QPoint(c.x() + r / 2, c.y())), Colors::clFuchsia);
    EXPECT_EQ(surfaceAt(w, QPoint(c.x(), c.y() - r / 2)), Colors::clRed);
    const int between = (pointAt(where, 50, r).y() + pointAt(where, 40, r).y()) / 2;
    EXPECT_TRUE(surfaceAt(w, QPoint(c.x() - 1, between)) == Colors::clYellow ||
                surfaceAt(w, QPoint(c.x(), between)) == Colors::clYellow);
    EXPECT_NE(surfaceAt(w, QPoint(c.x() - 2, between)), Colors::clYellow);
    EXPECT_NE(surfaceAt(w, QPoint(c.x() + 2, between)), Colors::clYellow);
    // The dotted arcs of a (to 50 degrees, at R div 3) and of b (to 40 degrees, at R div 2).
    const QImage& image = w->surface();
    EXPECT_GT(countOnCircle(image, c, Colors::clWhite, r / 3, 5, 45), 8);
    EXPECT_GT(countOnCircle(image, c, Colors::clWhite, r / 2, 5, 35), 8);
    EXPECT_EQ(countOnCircle(image, c, Colors::clWhite, r / 2, 55, 85), 0);
    EXPECT_EQ(countOnCircle(image, c, Colors::clWhite, r * 0.42, 5, 35), 0);

    // The same press again with a = 0 and item 90° - a: the arc of a is the whole circle R div 3.
    stepTo(w, 0);
    press(w);
    EXPECT_GT(countOnCircle(w->surface(), c, Colors::clWhite, r / 3, 200, 340), 20);
    EXPECT_EQ(surfaceAt(w, QPoint(c.x() + r / 2, c.y())), Colors::clWhite);  // cos 0 = 1, on top of cos 90 = 0
}

TEST_F(AngleWindows, HelpHintsAndCursors)
{
    app::ShowHints = false;
    for (const char* menuItem : {"Riduzionequadrante1", "Archiassociati1"}) {
        SCOPED_TRACE(menuItem);
        auto* w = open<angles::AngleWindow>(menuItem);
        auto* mostra = control<QMenu>(w, "PopupMenu1")->actions().value(0);
        ASSERT_NE(mostra, nullptr);
        EXPECT_EQ(mostra->objectName(), QStringLiteral("mostra"));
        EXPECT_FALSE(mostra->isChecked());
        EXPECT_FALSE(w->showsHints());
        mostra->trigger();
        EXPECT_TRUE(mostra->isChecked());
        EXPECT_TRUE(w->showsHints());
        EXPECT_FALSE(app::ShowHints);
        w->mostraClick();
        EXPECT_FALSE(mostra->isChecked());
        EXPECT_FALSE(w->showsHints());

        control<QToolButton>(w, "aiuto")->click();
        EXPECT_EQ(Help::lastRequest().context, Help::helpContext(w));

        for (const char* name : {"aiuto", "pangolo", "quadrante", "traccia"}) {
            auto* widget = control<QWidget>(w, name);
            EXPECT_TRUE(widget->testAttribute(Qt::WA_SetCursor)) << name;
            EXPECT_EQ(widget->cursor().shape(), ScreenCursors::cursor(ScreenCursors::PointingHand).shape()) << name;
        }
        w->close();
        processEvents();
    }
}

TEST_F(AngleWindows, LabelsFitTheirBevels)
{
    // The longest texts each label takes, in the widest of the three languages.
    const QStringList longest = {QStringLiteral("alfa = 359°"), QStringLiteral("alfa = 89°       1st quadrant"),
                                 QStringLiteral("tan (359)  =  - cotan (45)"), QStringLiteral("tan (-90)  =  - tan (90)"),
                                 QStringLiteral(" 180°  -  a   =  180°")};
    for (const char* menuItem : {"Riduzionequadrante1", "Archiassociati1"}) {
        SCOPED_TRACE(menuItem);
        auto* w = open<angles::AngleWindow>(menuItem, app::English);
        const QRect bevel1 = control<QFrame>(w, "Bevel1")->geometry();
        const QRect bevel2 = control<QFrame>(w, "Bevel2")->geometry();
        EXPECT_GE(bevel1.left(), w->clientWidth() / 2);
        EXPECT_LT(bevel1.bottom(), bevel2.top());
        EXPECT_LT(bevel2.bottom(), control<QFrame>(w, "sotto")->geometry().top());
        std::vector<QLabel*> labels;
        for (QLabel* label : w->client()->findChildren<QLabel*>())
            if (label->objectName().startsWith(QStringLiteral("Label")))
                labels.push_back(label);
        EXPECT_EQ(labels.size(), w->objectName() == QStringLiteral("Triduci") ? 6u : 5u);
        for (QLabel* label : labels) {
            const bool first = label->objectName() < QStringLiteral("Label4");
            EXPECT_TRUE((first ? bevel1 : bevel2).contains(label->geometry())) << label->objectName().toStdString();
            for (QLabel* other : labels)
                if (other != label)
                    EXPECT_FALSE(label->geometry().intersects(other->geometry()));
            for (const QString& text : longest)
                EXPECT_LE(label->fontMetrics().horizontalAdvance(platform::symbolFontText(text)), label->width());
        }
        w->close();
        processEvents();
    }
}

TEST_F(AngleWindows, PictureTakenOfTheWindowKeepsTheAngle)
{
    // A grab of the frame copies the window as it is; it is no repaint of the window's own.
    angles::Tarchi* w = openAssociated();
    const angles::AnglePicture where = w->picture();
    const QPoint cosine(where.centre().x() + where.radius / 2, where.centre().y());
    press(w);
    const int paints = w->formPaintCount();
    const QImage shot = main->grab().toImage();
    EXPECT_EQ(w->formPaintCount(), paints);
    EXPECT_EQ(surfaceAt(w, cosine), Colors::clFuchsia);
    const QPoint inShot = w->client()->mapTo(main.get(), cosine);
    EXPECT_EQ(QColor(shot.pixel(inShot)), Colors::clFuchsia);

    // Painted again for a reason of its own, it shows the background only until the next press.
    w->client()->repaint();
    EXPECT_EQ(surfaceAt(w, cosine), Colors::clGray);
    press(w);
    EXPECT_EQ(surfaceAt(w, cosine), Colors::clFuchsia);
}

// The picture replayed on a device without bitmaps is the one the window drew: the background,
// the circle wiped and the angles of each press.
TEST_F(AngleWindows, PaintReplaysWhatWasDrawnSinceTheBackground)
{
    angles::Triduci* reduction = openReduction();
    const QSize size(reduction->clientWidth(), reduction->clientHeight());
    reduction->tracciaClick();
    reduction->tracciaClick();
    EXPECT_EQ(recordedPicture(*reduction, size), reduction->surface().copy(QRect(QPoint(0, 0), size)));
    main->Chiudetutte1Click();
    processEvents();
    angles::Tarchi* associated = openAssociated();
    associated->tracciaClick();
    EXPECT_EQ(recordedPicture(*associated, size), associated->surface().copy(QRect(QPoint(0, 0), size)));
}
