#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "expr/calculator.h"
#include "expr/typed_expression.h"
#include "expr_test_support.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "texts/text_tables.h"

namespace {

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calculator = std::make_unique<app::TCalcola>(nullptr);
        calculator->show();
        processEvents();
    }
    void TearDown() override { calculator.reset(); }

    template <class T>
    T* child(const char* name) const
    {
        T* widget = calculator->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* nome() const { return child<QLineEdit>("nome"); }
    QString result() const { return child<QLineEdit>("erisultato")->text(); }
    QString unitLabel() const { return child<QLabel>("risulta")->text(); }
    QString memoryLine() const { return child<QLabel>("Label1")->text(); }

    void press(const char* name)
    {
        QAbstractButton* button = calculator->key(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types an expression, then presses the "=" key.
    void evaluate(const QString& text)
    {
        press("Button18");
        QTest::keyClicks(nome(), text);
        press("Button15");
    }

    ExpressionStateScope state;
    std::unique_ptr<app::TCalcola> calculator;
};

TEST_F(CalculatorTest, ResultsInDegrees)
{
    const struct {
        const char* expression;
        const char* shown;
    } cases[] = {
        {"sin 30", "0.4999999965"},
        {"cos 60", "0.5000000070"},
        {"arcsin 1", "90"},
        {"arctan 1", "45"},
        {"2+3", "5"},
        {"1/3", "0.3333333333"},
        {"2^0.5", "1.4142135624"},
        {"-2", "-2"},
        {"10^7", " 1.00000000000000E+0007"},
        {"1000000-0.5", "999999.5000000000"},
        {"1/0", "Divisione per 0"},
        {"sqrt(-1)", "Numero immaginario"},
        {"tan 45", "Errore di sintassi"},
    };
    for (const auto& c : cases) {
        evaluate(QLatin1String(c.expression));
        EXPECT_EQ(result(), QLatin1String(c.shown)) << c.expression;
        EXPECT_EQ(nome()->text(), QLatin1String(c.expression) + QLatin1Char('=')) << c.expression;
    }
}

TEST_F(CalculatorTest, RadiansButtonSetsTheFactorAndTheLabel)
{
    EXPECT_EQ(unitLabel(), QStringLiteral("Degrees"));
    QTest::mouseClick(child<QToolButton>("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(app::calculatorState().AngleFactor, app::RadiansAngleFactor);
    EXPECT_EQ(unitLabel(), QStringLiteral("Radians"));
    EXPECT_FALSE(child<QToolButton>("gradi")->isChecked());
    evaluate(QStringLiteral("sin(pi/2)"));
    EXPECT_EQ(result(), QStringLiteral("1"));
    evaluate(QStringLiteral("arccos(-1)"));
    EXPECT_EQ(result(), QStringLiteral("3.1415926536"));

    QTest::mouseClick(child<QToolButton>("gradi"), Qt::LeftButton);
    EXPECT_EQ(app::calculatorState().AngleFactor, app::DegreesAngleFactor);
    EXPECT_EQ(unitLabel(), QStringLiteral("Degrees"));
    evaluate(QStringLiteral("arccos(-1)"));
    EXPECT_EQ(result(), QStringLiteral("180.0000013943"));
}

TEST_F(CalculatorTest, ActivationReturnsToDegreesWithTheButtons)
{
    QTest::mouseClick(child<QToolButton>("SpeedButton2"), Qt::LeftButton);
    ASSERT_EQ(app::calculatorState().AngleFactor, 1.0f);
    calculator->FormActivate();
    EXPECT_EQ(app::calculatorState().AngleFactor, app::DegreesAngleFactor);
    EXPECT_EQ(unitLabel(), QStringLiteral("Degrees"));
    EXPECT_TRUE(child<QToolButton>("gradi")->isChecked());
    EXPECT_FALSE(child<QToolButton>("SpeedButton2")->isChecked());
}

TEST_F(CalculatorTest, UnitLabelFollowsTheLanguage)
{
    app::CurrentLanguage = app::Italian;
    app::TCalcola italian(nullptr);
    EXPECT_EQ(italian.windowTitle(), QStringLiteral(" Calcolatrice"));
    EXPECT_EQ(italian.findChild<QLabel*>(QStringLiteral("risulta"))->text(), QStringLiteral("Gradi"));
    QTest::mouseClick(italian.findChild<QToolButton*>(QStringLiteral("SpeedButton2")), Qt::LeftButton);
    EXPECT_EQ(italian.findChild<QLabel*>(QStringLiteral("risulta"))->text(), QStringLiteral("Radianti"));
}

TEST_F(CalculatorTest, KeysAppendTheirText)
{
    const char* const keys[] = {"Button1",  "Button2",  "Button3",  "Button4",  "Button5",  "Button6",  "Button7",
                                "Button8",  "Button9",  "Button10", "Button17", "Button14", "Button13", "Button12",
                                "Button11", "Button22", "Button20", "Button21", "Button19", "Button28", "Button23",
                                "Button24", "Button25", "Button26", "Button16", "Button30", "Button31", "Button27",
                                "Button29", "BitBtn1"};
    for (const char* key : keys)
        press(key);
    EXPECT_EQ(nome()->text(), QStringLiteral("0123456789.+-*/^()pielogln"
                                             "sincosarcsinarccosarctanexpabssqrt"));
    press("BitBtn2");
    press("BitBtn2");
    EXPECT_EQ(nome()->text().right(4), QStringLiteral("bssq"));
    press("Button18");
    EXPECT_EQ(nome()->text(), QString());
    press("BitBtn2");  // nothing to delete
    EXPECT_EQ(nome()->text(), QString());
}

TEST_F(CalculatorTest, KeypadExpressionEvaluates)
{
    for (const char* key : {"Button2", "Button14", "Button25", "Button4", "Button1", "Button15"})
        press(key);
    EXPECT_EQ(nome()->text(), QStringLiteral("1+sin30="));
    EXPECT_EQ(result(), QStringLiteral("1.4999999965"));
    press("Button18");
    EXPECT_EQ(nome()->text(), QString());
    EXPECT_EQ(result(), QString());
}

TEST_F(CalculatorTest, FailureBeepsAndShowsTheMessage)
{
    const int beeps = Desktop::beepCount();
    evaluate(QStringLiteral("arcsin 2"));
    EXPECT_EQ(result(), QStringLiteral("Valore fuori intervallo per arcoseno o arcocoseno"));
    EXPECT_EQ(Desktop::beepCount(), beeps + 1);
    EXPECT_EQ(nome()->text(), QStringLiteral("arcsin 2="));
    EXPECT_TRUE(child<QLabel>("Label1")->isVisible());
    EXPECT_TRUE(calculator->isVisible());
}

TEST_F(CalculatorTest, EqualsTwiceIsASyntaxError)
{
    evaluate(QStringLiteral("2+3"));
    EXPECT_EQ(result(), QStringLiteral("5"));
    press("Button15");
    EXPECT_EQ(nome()->text(), QStringLiteral("2+3=="));
    EXPECT_EQ(result(), QStringLiteral("Errore di sintassi"));
    // Removing the "=" signs makes the expression good again.
    press("BitBtn2");
    press("BitBtn2");
    press("Button15");
    EXPECT_EQ(result(), QStringLiteral("5"));
}

TEST_F(CalculatorTest, EqualsOnAnEmptyFieldShowsAnEmptyResult)
{
    evaluate(QStringLiteral("7"));
    ASSERT_EQ(result(), QStringLiteral("7"));
    const int beeps = Desktop::beepCount();
    press("Button18");
    press("Button15");
    EXPECT_EQ(result(), QString());
    EXPECT_EQ(nome()->text(), QStringLiteral("="));
    EXPECT_EQ(Desktop::beepCount(), beeps);
    // An empty evaluation is not a result for the memory.
    press("Button33");
    EXPECT_EQ(app::calculatorState().memory, 0.0L);
}

TEST_F(CalculatorTest, TypedEqualsEvaluatesLikeTheKey)
{
    QTest::keyClicks(nome(), QStringLiteral("6*7="));
    EXPECT_EQ(result(), QStringLiteral("42"));
    EXPECT_EQ(nome()->text(), QStringLiteral("6*7="));
    QTest::keyClicks(nome(), QStringLiteral("="));
    EXPECT_EQ(result(), QStringLiteral("Errore di sintassi"));
}

TEST_F(CalculatorTest, MemoryKeys)
{
    evaluate(QStringLiteral("2.5"));
    press("Button33");
    EXPECT_EQ(memoryLine(), QStringLiteral("2.5000000000"));
    press("Button33");
    EXPECT_EQ(memoryLine(), QStringLiteral("5"));
    evaluate(QStringLiteral("10^7"));
    press("Button34");
    EXPECT_EQ(memoryLine(), QStringLiteral("-9.99999500000000E+0006"));
    EXPECT_EQ(app::calculatorState().memory, 5.0L - 1e7L);

    // After a failed evaluation the memory keys do nothing.
    evaluate(QStringLiteral("1/0"));
    press("Button33");
    press("Button34");
    EXPECT_EQ(app::calculatorState().memory, 5.0L - 1e7L);
    EXPECT_EQ(memoryLine(), QStringLiteral("-9.99999500000000E+0006"));

    press("Button35");
    EXPECT_EQ(app::calculatorState().memory, 0.0L);
    EXPECT_EQ(memoryLine(), QString());
}

TEST_F(CalculatorTest, MemorySurvivesClosing)
{
    evaluate(QStringLiteral("3"));
    press("Button33");
    calculator->close();
    calculator.reset();

    app::TCalcola again(nullptr);
    again.show();
    EXPECT_EQ(again.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("3"));
    // The last result survives too.
    QTest::mouseClick(again.key(QStringLiteral("Button33")), Qt::LeftButton);
    EXPECT_EQ(app::calculatorState().memory, 6.0L);
    EXPECT_EQ(again.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("6"));
}

TEST_F(CalculatorTest, MemoryThatWouldOverflowIsLeftAlone)
{
    evaluate(QStringLiteral("EXP(2500)*EXP(2500)*EXP(2500)*EXP(2500)*EXP(1356)"));
    ASSERT_EQ(result().right(5), QStringLiteral("+4931"));
    press("Button33");
    const long double before = app::calculatorState().memory;
    const int beeps = Desktop::beepCount();
    press("Button33");
    EXPECT_EQ(app::calculatorState().memory, before);
    EXPECT_EQ(Desktop::beepCount(), beeps + 1);
    EXPECT_EQ(result(), QStringLiteral("Valori troppi grandi (overflow)"));
    EXPECT_FALSE(memoryLine().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
}

TEST_F(CalculatorTest, HelpKeyAsksForContext101)
{
    press("BitBtn3");
    EXPECT_EQ(Help::lastRequest().context, 101);
    EXPECT_EQ(Help::helpContext(calculator.get()), 101);
}

TEST_F(CalculatorTest, EnterPressesOffAndClosesTheCalculator)
{
    calculator.reset();
    app::TCalcola modal(nullptr);
    bool shown = false;
    whenModalShown([&](QWidget* dialog) {
        shown = dialog == &modal;
        auto* field = modal.findChild<QLineEdit*>(QStringLiteral("nome"));
        QTest::keyClicks(field, QStringLiteral("2+2"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    const int result = modal.exec();
    EXPECT_TRUE(shown);
    EXPECT_EQ(result, QDialog::Accepted);
    // Enter did not evaluate.
    EXPECT_EQ(modal.findChild<QLineEdit*>(QStringLiteral("erisultato"))->text(), QString());
}

TEST_F(CalculatorTest, OpensModallyFromTheMainMenu)
{
    calculator.reset();
    auto main = makeMainWindow();
    QString title;
    QString name;
    bool modal = false;
    whenModalShown([&](QWidget* dialog) {
        title = dialog->windowTitle();
        name = dialog->objectName();
        modal = dialog->isModal();
        QTest::mouseClick(static_cast<app::TCalcola*>(dialog)->key(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    main->menuItem(QStringLiteral("Calcolatrice1"))->trigger();
    EXPECT_EQ(name, QStringLiteral("TCalcola"));
    EXPECT_EQ(title, QStringLiteral(" Calculator"));
    EXPECT_TRUE(modal);
    processEvents();
    EXPECT_EQ(main->findChild<app::TCalcola*>(), nullptr);
}

}  // namespace
