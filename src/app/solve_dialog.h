#pragma once
// The Solve… box of the main window: an equation or inequality in x typed as written on paper,
// read (maths/typed_equation) and opened in the solver window of its kind with its function and
// coefficients set; what cannot be read is said in the box, which stays open.
#include <QDialog>
#include <functional>

#include "maths/typed_equation.h"

class QLabel;
class QLineEdit;

namespace app {

class ChildWindow;

// The help pages of the Solve… box and of the command line.
inline constexpr int SolveHelpContext = 106;
inline constexpr int CommandLineHelpContext = 107;

class SolveDialog : public QDialog {
    Q_OBJECT
public:
    explicit SolveDialog(QWidget* parent = nullptr);

    QLineEdit* equation;   // objectName "equation"
    QLabel* message;       // objectName "message": why the text could not be read
    // The equation read when the box was confirmed.
    const solvers::TypedEquation& result() const { return m_result; }

    // Reads the text: accepts the dialog when it is understood, else shows why.
    void solveClick();

private:
    solvers::TypedEquation m_result;
};

// The topic window (its record's family and relation) that takes a read equation, and how:
// the elementary window when the value is f of a whole degree in its range (then `alphaDeg`),
// otherwise the quadratic window for an elementary equation (with a = 0).
struct TypedTarget {
    int family = 0;  // practice::Family: 0 elementary, 1 quadratic, 2 linear
    bool inequality = false;
    int alphaDeg = 0;
};
TypedTarget typedTarget(const solvers::TypedEquation& equation);

// Opens the window of `target` through `open` (slot → window) and shows the equation in it,
// its expressions given to the coefficient dialog and the sign change noted. Returns the window.
ChildWindow* showTypedEquation(const solvers::TypedEquation& equation, const std::function<ChildWindow*(int slot)>& open);

}  // namespace app
