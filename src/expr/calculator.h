#pragma once
// The calculator: an expression built by typing or with the keypad, evaluated by "=", in
// degrees or radians, with a one-value memory that lasts while the program runs.
#include <QDialog>
#include <QMap>

#include "maths/evaluator.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace app {

// The calculator's values that outlive the window: the memory, the last result and the angle
// unit, whose factor the calculator and the coefficient dialog evaluate typed expressions with.
struct CalculatorState {
    long double memory = 0.0L;
    long double lastResult = 0.0L;
    bool lastSucceeded = false;
    float AngleFactor = DegreesAngleFactor;  // degrees from the start
};
CalculatorState& calculatorState();

class TCalcola : public QDialog {
    Q_OBJECT
public:
    explicit TCalcola(QWidget* owner);

    // The click handler every keypad button shares; the button decides what happens.
    void Button1Click(QAbstractButton* button);
    // Both unit buttons.
    void gradiClick();
    void BitBtn3Click();
    void OKBtnClick();
    // On every activation of the window.
    void FormActivate();

    // A keypad button by its name (Button1 ... Button35, BitBtn1 ... BitBtn3, OKBtn).
    QAbstractButton* key(const QString& name) const { return m_keys.value(name); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void equalsKey();
    void evaluate(const QString& text);
    void showMemory();

    QLineEdit* nome;
    QLineEdit* erisultato;
    QLabel* risulta;
    QLabel* Label1;
    QToolButton* gradi;
    QToolButton* SpeedButton2;
    QButtonGroup* unitGroup;
    QPushButton* OKBtn;
    QMap<QString, QAbstractButton*> m_keys;
};

}  // namespace app
