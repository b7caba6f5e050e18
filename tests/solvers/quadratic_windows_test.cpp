// The quadratic equation and inequality windows driven as a user would: opened from the menu,
// stepped with acceleration and released, given coefficients in the dialog (confirmed,
// cancelled, beyond the up-downs' range), repainted, switched to another function, closed and
// opened again; and their pictures read at the pixels that carry meaning.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/help.h"
#include "platform/updown.h"
#include "app/main_window.h"
#include "texts/text_tables.h"
#include "shell/window_registry.h"
#include "solvers/picture_reading.h"
#include "solvers/solver_controls.h"
#include "solvers/quadratic/quadratic_drawing.h"
#include "solvers/quadratic/quadratic_texts.h"
#include "solvers/quadratic/quadratic_window.h"

using namespace solvers;
using namespace solver_controls;
using namespace picture_reading;
using namespace Colors;

namespace {

class QuadraticWindowTest : public ::testing::Test {
protected:
    void SetUp() override { main = makeMainWindow(); }

    template <class Window>
    Window* open(const char* menuItem, int slot)
    {
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        return qobject_cast<Window*>(app::openChildWindow(slot));
    }
    Tequasecondogrado* openEquation() { return open<Tequasecondogrado>("Equazionidi2secondogrado1", 28); }
    Tdisequasecondogrado* openInequality() { return open<Tdisequasecondogrado>("Disquazionidisecondogrado1", 29); }

    static QStringList texts(const Tequasecondogrado* w)
    {
        QStringList list;
        for (std::size_t n = 1; n <= 14; ++n)
            list << resultLabel(w, int(n))->text();
        return list;
    }
    static QStringList expectedTexts(int function, long double a, long double b, long double c)
    {
        const std::array<QString, 15> label = quadraticEquationLabels(solveQuadraticEquation(function, a, b, c));
        return QStringList(label.begin() + 1, label.end());
    }
    static QStringList texts(const Tdisequasecondogrado* w)
    {
        QStringList list;
        for (std::size_t n : {1, 2, 5, 14, 3, 4, 12, 16})
            list << resultLabel(w, int(n))->text();
        return list;
    }

    static void choose(QuadraticSolverWindow* w, int function)
    {
        funzt(w)->setCurrentIndex(function);
        QTest::mouseClick(aggiorna(w), Qt::LeftButton);
        processEvents();
    }

    // Answers the coefficient dialog: types the three fields (null: left as they are), then OK
    // or cancel.
    static void answerDialog(const char* a, const char* b, const char* c, bool ok)
    {
        whenModalShown([=](QWidget* dialog) {
            const char* fields[3] = {"espra", "esprb", "esprc"};
            const char* values[3] = {a, b, c};
            for (int i = 0; i < 3; ++i) {
                if (!values[i])
                    continue;
                auto* field = dialog->findChild<QLineEdit*>(QLatin1String(fields[i]));
                field->selectAll();
                QTest::keyClicks(field, QString::fromLatin1(values[i]));
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? QStringLiteral("BitBtn1") : QStringLiteral("BitBtn2")),
                              Qt::LeftButton);
        });
    }

    // Covers and uncovers the window: the surface is spoilt, then the window repaints itself.
    static void repaint(app::ChildWindow* w)
    {
        processEvents();  // what the window showed itself is on the screen
        w->surface().fill(Qt::magenta);
        const int paints = w->formPaintCount();
        w->client()->repaint();
        EXPECT_GT(w->formPaintCount(), paints);
    }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main;
};

// ---- Equation window ---------------------------------------------------------------------------

TEST_F(QuadraticWindowTest, EquationWindowOpensWithTheDefaultEquationSolved)
{
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("Tequasecondogrado"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quadratic equations"));
    EXPECT_FALSE(app::windowClosed(28));
    for (const char* name : {"ToolBar3", "a", "pa", "b", "pb", "c", "pc", "dati", "ToolBar1", "funzt", "aggiorna",
                             "aiuto", "Panel1", "Panel2", "Panel3", "sotto", "barrasotto", "Label1", "Label14"})
        EXPECT_NE(w->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("a (sin x)^2 + b sin x + c = 0"));
    EXPECT_EQ(Panel2(w)->width(), 189);
    CoefficientControls* k = w->coefficients();
    EXPECT_EQ(k->a->text(), QStringLiteral("1.00"));
    EXPECT_EQ(k->b->text(), QStringLiteral("-1.50"));
    EXPECT_EQ(k->c->text(), QStringLiteral("0.50"));
    EXPECT_EQ(k->a->width(), 38);
    EXPECT_EQ(k->pb->minimum(), -900);
    EXPECT_EQ(k->pb->maximum(), 900);
    EXPECT_EQ(k->dati->toolTip(), QStringLiteral("data enter"));
    EXPECT_TRUE(ToolBar1(w)->isVisible());
    EXPECT_FALSE(w->backdropPending());
    EXPECT_EQ(texts(w), expectedTexts(Sine, 1, -1.5L, 0.5L));
    EXPECT_EQ(resultLabel(w, 4)->text(), QStringLiteral(" x2 = 30° + k 360°"));

    QImage expected(w->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, w->geometry(), quadraticBackdropStyle(Sine));
    EXPECT_EQ(w->solverBitmap(), expected);

    QTest::mouseClick(aiuto(w), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 306);
    const Qt::CursorShape pointing = ScreenCursors::cursor(ScreenCursors::PointingHand).shape();
    for (QWidget* control : std::initializer_list<QWidget*>{k->pa, k->pb, k->pc, k->dati, funzt(w), aggiorna(w), aiuto(w)})
        EXPECT_EQ(control->cursor().shape(), pointing) << control->objectName().toStdString();
}

TEST_F(QuadraticWindowTest, EquationPictureShowsBothRootsConstructions)
{
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    const QImage& s = w->surface();
    const long double U = g.U;
    // The lime ray of t = 1 (90°), the blue rays of t = 0.5 (30° and its partner 150°).
    EXPECT_EQ(colourAt(s, g.pointAt(radians(90), 1.45L * U)), clLime);
    EXPECT_EQ(colourAt(s, g.pointAt(radians(30), 1.45L * U)), clBlue);
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(150), 1.45L * U), clBlue));
    EXPECT_FALSE(colourNear(s, g.pointAt(radians(60), 1.45L * U), clBlue));
    // The arcs: aqua to 90° at R·3.2/3, red to 30° at R·3.6/3, fuchsia to 150° at R·3.8/3.
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(45), angleArcRadius(g, 0.2f)), clAqua));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(15), angleArcRadius(g, 0.6f)), clRed));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(120), angleArcRadius(g, 0.8f)), clFuchsia));
    EXPECT_FALSE(colourNear(s, g.pointAt(radians(60), angleArcRadius(g, 0.6f)), clRed));
    // The lines y = 1 (lime) and y = 0.5 (red) on the graph, the dotted marker at 30°.
    EXPECT_EQ(colourAt(s, QPoint(g.levelLeft() + 4, g.graphY(1))), clLime);
    EXPECT_EQ(colourAt(s, QPoint(g.levelLeft() + 4, g.graphY(0.5L))), clRed);
    EXPECT_GT(countColour(s, QRect(g.graphX(Pi / 6), g.graphY(0.5L), 1, g.H / 4 - g.graphY(0.5L)), clRed), 5);
    // The white unit circle and the grey axis.
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(250), U), clWhite));
    EXPECT_EQ(colourAt(s, QPoint(5, g.H / 2)), clGray);
}

TEST_F(QuadraticWindowTest, HeldArrowAcceleratesAndEveryStepSolvesAtOnce)
{
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    CoefficientControls* k = w->coefficients();
    for (int step = 1; step <= 12; ++step)
        k->pc->stepDown();
    // Ten steps of 0.01, then 0.10: 0.50 - 0.10 - 0.20.
    EXPECT_EQ(k->pc->position(), 20);
    EXPECT_EQ(k->c->text(), QStringLiteral("0.20"));
    EXPECT_EQ(w->coefficients()->values()[2], 0.2L);
    EXPECT_EQ(texts(w), expectedTexts(Sine, 1, -1.5L, 0.2L));
    const int paints = w->formPaintCount();
    processEvents();
    EXPECT_EQ(w->formPaintCount(), paints);  // a step shows what it drew, no second drawing
    // The line of the new second root on the graph.
    const SolverGeometry g = w->geometry();
    const long double t2 = w->findings().roots.t2;
    EXPECT_EQ(colourAt(w->surface(), QPoint(g.levelLeft() + 4, g.graphY(t2))), clRed);

    k->pc->release();
    EXPECT_EQ(k->stepPressCount(), 0);
    EXPECT_EQ(k->pc->increment(), 1);
    k->pc->stepUp();
    EXPECT_EQ(k->c->text(), QStringLiteral("0.21"));
    w->coefficients()->paMouseUp();
    for (int step = 0; step < 2000; ++step)
        k->pa->stepDown();
    EXPECT_EQ(k->pa->position(), -900);
    EXPECT_EQ(texts(w), expectedTexts(Sine, -9, -1.5L, 0.21L));
}

TEST_F(QuadraticWindowTest, DialogValuesAreKeptByRepaintsActivationsAndOtherWindows)
{
    ScreenCursors::registerPointingHand();
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    answerDialog(nullptr, nullptr, nullptr, true);  // the creation defaults, confirmed
    QTest::mouseClick(w->coefficients()->dati, Qt::LeftButton);
    processEvents();
    CoefficientControls* k = w->coefficients();
    EXPECT_EQ(k->a->text(), QStringLiteral("4.00"));
    EXPECT_EQ(k->b->text(), QStringLiteral("-6.29"));
    EXPECT_EQ(k->c->text(), QStringLiteral("2.45"));
    EXPECT_EQ(k->pb->position(), -629);
    const QStringList solved = {resultLabel(w, 2)->text(), resultLabel(w, 5)->text(), resultLabel(w, 4)->text(), resultLabel(w, 12)->text()};
    EXPECT_EQ(solved, QStringList({" x1 = 60° + k 360°", " x1 = 120° + k 360° ", " x2 = 45° + k 360°",
                                   " x2 = 135° + k 360° "}));
    const QStringList shown = texts(w);
    const QImage drawn = w->surface().copy();

    // A repaint redraws the same state without counting a step.
    repaint(w);
    EXPECT_EQ(texts(w), shown);
    EXPECT_EQ(k->stepPressCount(), 0);
    EXPECT_EQ(w->coefficients()->values()[1], -2 * (std::sqrt(3.0L) + std::sqrt(2.0L)));
    const SolverGeometry g = w->geometry();
    EXPECT_EQ(w->surface().copy(QRect(0, 0, g.W / 2 - 2, g.H)), drawn.copy(QRect(0, 0, g.W / 2 - 2, g.H)));

    // Another coefficient window stepped in between changes nothing here.
    Tdisequasecondogrado* other = openInequality();
    ASSERT_NE(other, nullptr);
    for (int i = 0; i < 7; ++i)
        other->coefficients()->pb->stepUp();
    main->mdiArea()->setActiveSubWindow(w);
    processEvents();
    repaint(w);
    EXPECT_EQ(texts(w), shown);
    EXPECT_EQ(k->b->text(), QStringLiteral("-6.29"));
}

TEST_F(QuadraticWindowTest, DialogCancelAndValuesBeyondTheRange)
{
    ScreenCursors::registerPointingHand();
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    CoefficientControls* k = w->coefficients();
    const QStringList before = texts(w);
    answerDialog("7", "1", "1", false);
    w->coefficients()->datiClick();
    EXPECT_EQ(texts(w), before);
    EXPECT_EQ(k->a->text(), QStringLiteral("1.00"));

    // a = 12 beyond the range of pa: the position stops at 900, the window solves with 12.
    answerDialog("12", "-1", "0", true);
    w->coefficients()->datiClick();
    EXPECT_EQ(k->pa->position(), 900);
    EXPECT_EQ(k->a->text(), QStringLiteral("12.00"));
    EXPECT_EQ(texts(w), expectedTexts(Sine, 12, -1, 0));
    EXPECT_EQ(resultLabel(w, 1)->text(), QStringLiteral(" sin x1 = 0.08333 "));
    repaint(w);
    EXPECT_EQ(w->coefficients()->values()[0], 12);
    EXPECT_EQ(texts(w), expectedTexts(Sine, 12, -1, 0));
    // Stepping b keeps the typed a; stepping a takes the position.
    k->pb->stepUp();
    EXPECT_EQ(w->coefficients()->values()[0], 12);
    k->pa->stepDown();
    EXPECT_EQ(w->coefficients()->values()[0], 8.99L);
    EXPECT_EQ(texts(w), expectedTexts(Sine, 8.99L, -0.99L, 0));
}

TEST_F(QuadraticWindowTest, EquationFunctionChangeAndReopening)
{
    Tequasecondogrado* w = openEquation();
    ASSERT_NE(w, nullptr);
    funzt(w)->setCurrentIndex(Tangent);
    processEvents();
    EXPECT_EQ(w->functionIndex(), Sine);  // only aggiorna applies it

    choose(w, Tangent);
    EXPECT_EQ(w->functionIndex(), Tangent);
    EXPECT_EQ(Panel2(w)->text(), QStringLiteral("a (tan x)^2 + b tan x + c = 0"));
    for (int n : SecondFamilyLabels)
        EXPECT_FALSE(resultLabel(w, int(n))->isVisible()) << n;
    EXPECT_EQ(resultLabel(w, 1)->text(), QStringLiteral(" tan x1 = 1.00000 "));
    EXPECT_EQ(resultLabel(w, 2)->text(), QStringLiteral(" x1= 45° + k 180° "));
    EXPECT_EQ(resultLabel(w, 4)->text(), QStringLiteral(" x2= 27° + k 180° "));
    QImage expected(w->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, w->geometry(), quadraticBackdropStyle(Tangent));
    EXPECT_EQ(w->solverBitmap(), expected);
    // The two tangent roots: the lime diameter through 45° and 225°, the blue one through 27°.
    const SolverGeometry g = w->geometry();
    EXPECT_EQ(colourAt(w->surface(), g.pointAt(radians(225), 1.45L * g.U)), clLime);
    EXPECT_EQ(colourAt(w->surface(), g.pointAt(atanl(0.5L) + Pi, 1.45L * g.U)), clBlue);

    choose(w, Cosine);
    for (int n : SecondFamilyLabels)
        EXPECT_TRUE(resultLabel(w, int(n))->isVisible()) << n;
    EXPECT_EQ(texts(w), expectedTexts(Cosine, 1, -1.5L, 0.5L));
    w->coefficients()->pa->stepUp();

    w->close();
    processEvents();
    EXPECT_TRUE(app::windowClosed(28));
    Tequasecondogrado* again = openEquation();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->functionIndex(), Sine);
    EXPECT_EQ(funzt(again)->currentIndex(), 0);
    EXPECT_EQ(again->coefficients()->a->text(), QStringLiteral("1.00"));
    EXPECT_EQ(again->coefficients()->values(), (std::array<long double, 3>{1, -1.5L, 0.5L}));
    EXPECT_EQ(texts(again), expectedTexts(Sine, 1, -1.5L, 0.5L));
    EXPECT_TRUE(resultLabel(again, 5)->isVisible());
}

// ---- Inequality window ---------------------------------------------------------------------------

TEST_F(QuadraticWindowTest, InequalityWindowOpensWithTheDefaultInequalitySolved)
{
    Tdisequasecondogrado* w = openInequality();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), QStringLiteral("Tdisequasecondogrado"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quadratic inequalities"));
    EXPECT_FALSE(app::windowClosed(29));
    EXPECT_EQ(Panel2(w), nullptr);
    EXPECT_EQ(frame(w, "Panel1")->palette().color(QPalette::Window), clNavy);
    CoefficientControls* k = w->coefficients();
    EXPECT_EQ(k->a->width(), 45);
    EXPECT_EQ(k->pa->minimum(), -9000);
    EXPECT_EQ(k->pc->maximum(), 9000);
    EXPECT_EQ(texts(w), QStringList({"a (sin x)^2 + b sin x + c >= 0", "sin x <= 0.50   U   sin x = 1.00",
                                     "90° + k 360°  <= x <= 90° + k 360° ", "-210° + k 360°  <= x <= 30° + k 360° ",
                                     "a (sin x)^2 + b sin x + c < 0", "0.50  < sin x < 1.00",
                                     "30° + k 360°  < x < 90° + k 360° ", "90° + k 360°  < x < 150° + k 360° "}));
    const SolverGeometry g = w->geometry();
    EXPECT_EQ(w->bitmaps().RingBitmap.size(), QSize(2 * g.U + 20, 2 * g.U + 20));
    QTest::mouseClick(aiuto(w), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 308);
}

TEST_F(QuadraticWindowTest, InequalityPictureColoursTheTwoSets)
{
    Tdisequasecondogrado* w = openInequality();
    ASSERT_NE(w, nullptr);
    const SolverGeometry g = w->geometry();
    QImage s = w->surface();  // what the screen shows, taken again after each change
    const int x = g.W / 2 + 3;  // left of the curve: the band colours on black ground
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0))), clBlue);       // >= 0 below the root 0.5
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(-0.9L))), clBlue);
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0.75L))), clRed);    // < 0 between the roots
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(1.2L))), clBlack);   // beyond the values of sin
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(-1.2L))), clBlack);
    // The curve stays white where it crosses a band.
    EXPECT_EQ(colourAt(s, QPoint(g.graphX(0), g.graphY(0))), clWhite);
    // The ring: aqua where sin x <= 0.5, red between the roots; the white unit circle inside.
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(270), g.U + 10), clAqua));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(10), g.U + 10), clAqua));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(60), g.U + 10), clRed));
    EXPECT_FALSE(colourNear(s, g.pointAt(radians(10), g.U + 10), clRed));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(250), g.U), clWhite));
    // The radii of the roots (30° with 150°, and 90°) and a silver marker at 30° on the graph.
    for (int degrees : {30, 150, 90})
        EXPECT_TRUE(colourNear(s, g.pointAt(radians(degrees), 1.45L * g.U), clWhite)) << degrees;
    EXPECT_FALSE(colourNear(s, g.pointAt(radians(120), 1.45L * g.U), clWhite));
    EXPECT_EQ(colourAt(s, QPoint(g.graphX(Pi / 6), g.H / 4 - 4)), clSilver);

    // a < 0: >= 0 between the roots is blue and aqua, the rest red.
    choose(w, Cosine);
    w->setCoefficients({-1, 0, 0.25L});
    s = w->surface();
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0))), clBlue);
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0.75L))), clRed);
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(-0.75L))), clRed);
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(90), g.U + 10), clAqua));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(0), g.U + 10), clRed));
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(180), g.U + 10), clRed));

    // The tangent: bands over the whole graph, the ring's sectors between the root angles.
    choose(w, Tangent);
    w->setCoefficients({1, 0, -1});
    s = w->surface();
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(2))), clBlue);
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(-2))), clBlue);
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0.5L))), clRed);
    EXPECT_EQ(colourAt(s, g.pointAt(radians(10), g.U / 2)), clRed);
    EXPECT_EQ(colourAt(s, g.pointAt(radians(190), g.U / 2)), clRed);
    EXPECT_EQ(colourAt(s, g.pointAt(radians(100), g.U / 2)), clBlack);
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(100), g.U + 10), clAqua));

    // No root: the whole ring and band in the >= 0 colours.
    w->setCoefficients({1, 0, 1});
    s = w->surface();
    EXPECT_EQ(colourAt(s, QPoint(x, g.graphY(0.5L))), clBlue);
    EXPECT_TRUE(colourNear(s, g.pointAt(radians(10), g.U + 10), clAqua));
    EXPECT_EQ(colourAt(s, g.pointAt(radians(10), g.U / 2)), clBlack);
}

TEST_F(QuadraticWindowTest, InequalityStepsAccelerateTwice)
{
    Tdisequasecondogrado* w = openInequality();
    ASSERT_NE(w, nullptr);
    CoefficientControls* k = w->coefficients();
    int expected = 100;
    for (int step = 1; step <= 30; ++step) {
        expected += step <= 10 ? 1 : step <= 25 ? 5 : 10;
        k->pa->stepUp();
        ASSERT_EQ(k->pa->position(), expected) << step;
    }
    EXPECT_EQ(k->a->text(), QStringLiteral("2.35"));
    EXPECT_EQ(w->coefficients()->values()[0], 2.35L);
    // A step draws the picture a whole redraw gives.
    const QImage stepped = w->surface().copy();
    repaint(w);
    const SolverGeometry g = w->geometry();
    for (const QRect part : {QRect(0, 0, g.W / 2 - 2, g.H), QRect(g.W / 2, 0, g.W / 2, g.H / 2)})
        EXPECT_EQ(w->surface().copy(part), stepped.copy(part));
    EXPECT_EQ(resultLabel(w, 2)->text(), quadraticInequalityTexts(solveQuadraticInequality(Sine, 2.35L, -1.5L, 0.5L)).Label2);
    w->coefficients()->paMouseUp();
    EXPECT_EQ(k->pa->increment(), 1);
    k->pa->stepDown();
    EXPECT_EQ(k->a->text(), QStringLiteral("2.34"));
}

TEST_F(QuadraticWindowTest, InequalityNeverShowsTextsOfAnEarlierInput)
{
    Tdisequasecondogrado* w = openInequality();
    ASSERT_NE(w, nullptr);
    const struct {
        long double a, b, c;
        QStringList texts;  // Label2, Label5, Label14, Label4, Label12, Label16
    } sequence[] = {
        {0, 0, 1, {"R", "", "", "Ø", "", ""}},
        {-1, 0, 0.25L,
         {"-0.50  <= sin x <= 0.50", "-30° + k 360°  <= x <= 30° + k 360° ", "150° + k 360°  <= x <= 210° + k 360° ",
          "sin x < -0.50   U   sin x > 0.50", "30° + k 360°  < x < 150° + k 360° ", "-150° + k 360°  < x < -30° + k 360° "}},
        {1, -1, 0.25L, {"R", "", "", "Ø", "", ""}},  // a double root
        {-1, 1, -0.25L,
         {"sin x = 0.50", "30° + k 360°  <= x <= 30° + k 360° ", "150° + k 360°  <= x <= 150° + k 360° ",
          "sin x < 0.50   U   sin x > 0.50", "30° + k 360°  < x < 150° + k 360° ", "-210° + k 360°  < x < 30° + k 360° "}},
        {0, 0, -1, {"Ø", "", "", "R", "", ""}},
        {0, 2, -1,
         {"sin x >= 0.50", "30° + k 360°  <= x <= 150° + k 360° ", "", "sin x < 0.50",
          "-210° + k 360°  < x < 30° + k 360° ", ""}},
    };
    for (const auto& step : sequence) {
        w->setCoefficients({step.a, step.b, step.c});
        const QStringList shown = {resultLabel(w, 2)->text(),  resultLabel(w, 5)->text(),  resultLabel(w, 14)->text(),
                                   resultLabel(w, 4)->text(), resultLabel(w, 12)->text(), resultLabel(w, 16)->text()};
        EXPECT_EQ(shown, step.texts) << double(step.a) << " " << double(step.b) << " " << double(step.c);
    }
}

TEST_F(QuadraticWindowTest, InequalityFunctionChangeRepaintAndReopening)
{
    Tdisequasecondogrado* w = openInequality();
    ASSERT_NE(w, nullptr);
    choose(w, Tangent);
    EXPECT_EQ(resultLabel(w, 1)->text(), QStringLiteral("a (tan x)^2 + b tan x + c >= 0"));
    EXPECT_EQ(resultLabel(w, 3)->text(), QStringLiteral("a (tan x)^2 + b tan x + c < 0"));
    EXPECT_EQ(resultLabel(w, 2)->text(), QStringLiteral("tan x <= 0.50  U  tan x >= 1.00"));
    EXPECT_EQ(resultLabel(w, 5)->text(), QStringLiteral("-135° + k 180°  <= x <= 27° + k 180° "));
    QImage expected(w->solverBitmap().size(), QImage::Format_RGB32);
    SolverBackdrop(expected, w->geometry(), quadraticBackdropStyle(Tangent));
    EXPECT_EQ(w->solverBitmap(), expected);

    w->coefficients()->pc->stepDown();
    const QStringList shown = texts(w);
    const QImage drawn = w->surface().copy();
    repaint(w);
    EXPECT_EQ(texts(w), shown);
    EXPECT_EQ(w->coefficients()->stepPressCount(), 1);
    const SolverGeometry g = w->geometry();
    for (const QRect part : {QRect(0, 0, g.W / 2 - 2, g.H), QRect(g.W / 2, 0, g.W / 2, g.H / 2)})
        EXPECT_EQ(w->surface().copy(part), drawn.copy(part));

    w->close();
    processEvents();
    EXPECT_TRUE(app::windowClosed(29));
    Tdisequasecondogrado* again = openInequality();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->functionIndex(), Sine);
    EXPECT_EQ(resultLabel(again, 1)->text(), QStringLiteral("a (sin x)^2 + b sin x + c >= 0"));
    EXPECT_EQ(resultLabel(again, 2)->text(), QStringLiteral("sin x <= 0.50   U   sin x = 1.00"));
    EXPECT_EQ(again->coefficients()->values(), (std::array<long double, 3>{1, -1.5L, 0.5L}));
}

}  // namespace
