#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "expr/coefficient_dialog.h"
#include "expr/typed_expression.h"
#include "expr_test_support.h"
#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "shell/languages.h"
#include "texts/text_tables.h"

namespace {

const QString QuadraticExample[3] = {QStringLiteral("4"), QStringLiteral("-2 * (sqrt(3) + sqrt(2))"),
                                     QStringLiteral("sqrt(6)")};

class CoefficientDialogTest : public ::testing::Test {
protected:
    void open()
    {
        dialog = std::make_unique<app::Timmettedati>(nullptr, expressions);
        dialog->show();
        processEvents();
    }
    template <class T>
    T* child(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) const { return child<QLineEdit>(name); }
    QLabel* errorLine() const { return child<QLabel>("Label1"); }

    // Replaces a field's text by typing, as a user does.
    void retype(const char* name, const QString& text)
    {
        QLineEdit* edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void pressOk() { QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton); }

    ExpressionStateScope state;
    // The expressions of the window the dialog opens for.
    std::array<QString, 3> expressions = {QuadraticExample[0], QuadraticExample[1], QuadraticExample[2]};
    std::unique_ptr<app::Timmettedati> dialog;
};

TEST_F(CoefficientDialogTest, LayoutAndTexts)
{
    app::CurrentLanguage = app::Italian;
    open();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Timmettedati"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Immissione dati"));
    EXPECT_EQ(dialog->size(), QSize(403, 180));
    EXPECT_EQ(child<QLabel>("Label8")->text(), QStringLiteral("a x^2 +  b x  +  c = 0"));
    EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("a ="));
    EXPECT_EQ(child<QLabel>("Label3")->text(), QStringLiteral("b ="));
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("c = "));
    EXPECT_EQ(child<QPushButton>("BitBtn1")->toolTip(), QStringLiteral("conferma"));
    EXPECT_EQ(child<QPushButton>("BitBtn2")->toolTip(), QStringLiteral("annulla"));
    EXPECT_EQ(child<QPushButton>("BitBtn3")->toolTip(), QStringLiteral("guida"));
    for (const char* name : {"espra", "esprb", "esprc"}) {
        EXPECT_EQ(field(name)->width(), 233) << name;
        EXPECT_TRUE(field(name)->font().bold()) << name;
        EXPECT_TRUE(field(name)->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(field("espra")->maxLength(), 255);
    EXPECT_FALSE(errorLine()->isVisible());
    EXPECT_TRUE(child<QAction>("Mostra")->isChecked());
    EXPECT_TRUE(Hints::windowHints(dialog.get()));
}

TEST_F(CoefficientDialogTest, CreationEvaluatesTheWindowsExpressions)
{
    open();
    EXPECT_EQ(field("espra")->text(), QuadraticExample[0]);
    EXPECT_EQ(field("esprb")->text(), QuadraticExample[1]);
    EXPECT_EQ(field("esprc")->text(), QuadraticExample[2]);
    // Full extended values.
    EXPECT_EQ(dialog->values()[0], 4.0L);
    EXPECT_EQ(dialog->values()[1], -2 * (std::sqrt(3.0L) + std::sqrt(2.0L)));
    EXPECT_EQ(dialog->values()[2], std::sqrt(6.0L));
}

TEST_F(CoefficientDialogTest, FieldsThatKeepTheirDesignTextAreEvaluatedOnlyByOk)
{
    expressions = {QStringLiteral("-6"), QStringLiteral("2"), QStringLiteral("1/4")};
    open();
    EXPECT_FALSE(dialog->fieldValid(0));
    EXPECT_FALSE(dialog->fieldValid(1));
    EXPECT_EQ(dialog->values()[0], 0.0L);
    EXPECT_EQ(dialog->values()[1], 0.0L);
    EXPECT_EQ(dialog->values()[2], 0.25L);
    pressOk();
    EXPECT_EQ(dialog->result(), app::mrOk);
    EXPECT_EQ(dialog->values()[0], -6.0L);
    EXPECT_EQ(dialog->values()[1], 2.0L);
}

TEST_F(CoefficientDialogTest, TypingEvaluatesOnEveryChange)
{
    open();
    retype("espra", QStringLiteral("sqrt(2)/2"));
    EXPECT_EQ(dialog->values()[0], std::sqrt(2.0L) / 2);
    EXPECT_EQ(dialog->expressions()[0], QStringLiteral("sqrt(2)/2"));
    EXPECT_TRUE(dialog->fieldValid(0));
    // An invalid text is kept as text; the value stays the last valid one.
    QTest::keyClicks(field("espra"), QStringLiteral("+"));
    EXPECT_FALSE(dialog->fieldValid(0));
    EXPECT_EQ(dialog->expressions()[0], QStringLiteral("sqrt(2)/2+"));
    EXPECT_EQ(dialog->values()[0], std::sqrt(2.0L) / 2);
    EXPECT_EQ(dialog->fieldMessage(0), app::EvaluatorMessages::SyntaxError);
}

TEST_F(CoefficientDialogTest, ErrorLineNamesTheInvalidFields)
{
    const struct {
        const char* a;
        const char* b;
        const char* c;
        const char* line;
    } cases[] = {
        {"1", "", "1", "Error in:  b  "},
        {"sqrt(-1)", "1", "", "Error in:  a  c  "},
        {"x", "1/0", "ln 0", "Error in:  a  b  c  "},
        {"1", "2", "2^20", "Error in:  c  "},
    };
    for (const auto& c : cases) {
        open();
        retype("espra", QLatin1String(c.a));
        retype("esprb", QLatin1String(c.b));
        retype("esprc", QLatin1String(c.c));
        const int beeps = Desktop::beepCount();
        pressOk();
        EXPECT_TRUE(dialog->isVisible()) << c.line;
        EXPECT_EQ(dialog->result(), app::mrNone) << c.line;
        EXPECT_TRUE(errorLine()->isVisible()) << c.line;
        EXPECT_EQ(errorLine()->text(), QLatin1String(c.line));
        EXPECT_EQ(Desktop::beepCount(), beeps + 1) << c.line;
    }
}

TEST_F(CoefficientDialogTest, EmptyFieldIsAnEmptyString)
{
    open();
    retype("esprb", QString());
    EXPECT_FALSE(dialog->fieldValid(1));
    EXPECT_EQ(dialog->fieldMessage(1), app::EvaluatorMessages::EmptyText);
    EXPECT_EQ(dialog->expressions()[1], QString());
}

TEST_F(CoefficientDialogTest, CorrectingAFieldAllowsOkWithoutReopening)
{
    open();
    retype("espra", QStringLiteral("sqrt(-1)"));
    pressOk();
    ASSERT_TRUE(errorLine()->isVisible());
    ASSERT_EQ(errorLine()->text(), QStringLiteral("Error in:  a  "));
    // Any change hides the error line.
    retype("espra", QStringLiteral("sqrt(1)"));
    EXPECT_FALSE(errorLine()->isVisible());
    pressOk();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), app::mrOk);
    EXPECT_EQ(dialog->values()[0], 1.0L);
}

TEST_F(CoefficientDialogTest, CancelUndoesNothing)
{
    open();
    retype("espra", QStringLiteral("3"));
    retype("esprc", QStringLiteral("1/"));
    QTest::mouseClick(child<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), app::mrCancel);
    EXPECT_EQ(dialog->values()[0], 3.0L);
    // "1" was valid while "1/" was being typed.
    EXPECT_EQ(dialog->values()[2], 1.0L);
    EXPECT_EQ(dialog->expressions()[0], QStringLiteral("3"));
    EXPECT_EQ(dialog->expressions()[2], QStringLiteral("1/"));

    // The edited texts, kept by the window, appear again at the next opening.
    expressions = dialog->expressions();
    open();
    EXPECT_EQ(field("espra")->text(), QStringLiteral("3"));
    EXPECT_EQ(field("esprc")->text(), QStringLiteral("1/"));
}

TEST_F(CoefficientDialogTest, TrigonometricFieldsUseTheAngleFactor)
{
    expressions = {QStringLiteral("sin 30"), QStringLiteral("arcsin 1"), QStringLiteral("cos pi")};
    open();
    EXPECT_LT(dialog->values()[0], 0.5L);
    EXPECT_GT(dialog->values()[0], 0.4999999L);
    EXPECT_GT(dialog->values()[1], 90.0L);
    app::calculatorState().AngleFactor = app::RadiansAngleFactor;
    pressOk();
    EXPECT_EQ(dialog->values()[0], std::sin(30.0L));
    EXPECT_EQ(dialog->values()[2], std::cos(Pi));
}

TEST_F(CoefficientDialogTest, HelpAndHintSwitch)
{
    open();
    QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(Help::lastRequest().context, 804);
    EXPECT_TRUE(dialog->isVisible());
    QAction* mostra = child<QAction>("Mostra");
    mostra->trigger();
    EXPECT_FALSE(Hints::windowHints(dialog.get()));
    EXPECT_FALSE(mostra->isChecked());
    EXPECT_FALSE(Hints::hintsShownFor(child<QPushButton>("BitBtn1")));
    mostra->trigger();
    EXPECT_TRUE(Hints::windowHints(dialog.get()));
    EXPECT_TRUE(mostra->isChecked());
}

TEST_F(CoefficientDialogTest, RunForACoefficientWindow)
{
    ScreenCursors::registerPointingHand();
    QWidget owner;
    Qt::CursorShape cursorShape = Qt::ArrowCursor;
    QWidget* parent = nullptr;
    whenModalShown([&](QWidget* shown) {
        parent = shown->parentWidget();
        cursorShape = shown->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->cursor().shape();
        auto* b = shown->findChild<QLineEdit*>(QStringLiteral("esprb"));
        b->selectAll();
        QTest::keyClicks(b, QStringLiteral("-1,5"));
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    });
    const app::CoefficientDialogOutcome confirmed = app::runCoefficientDialog(&owner, expressions);
    ASSERT_TRUE(confirmed.confirmed);
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(cursorShape, ScreenCursors::cursor(ScreenCursors::PointingHand).shape());
    EXPECT_EQ((*confirmed.confirmed)[0], 4.0L);
    EXPECT_EQ((*confirmed.confirmed)[1], -1.5L);
    EXPECT_EQ(confirmed.expressions[1], QStringLiteral("-1,5"));
    EXPECT_EQ(owner.findChild<app::Timmettedati*>(), nullptr);

    whenModalShown([](QWidget* shown) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    });
    EXPECT_FALSE(app::runCoefficientDialog(&owner, expressions).confirmed);
    whenModalShown([](QWidget* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_FALSE(app::runCoefficientDialog(&owner, expressions).confirmed);
}

}  // namespace
