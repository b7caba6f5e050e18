#pragma once
// The coefficient controls of the four coefficient windows (quadratic and linear equations and
// inequalities): the read-only boxes `a`, `b`, `c` with their up-downs `pa`, `pb`, `pc` in
// hundredths, and the data button `dati` opening the coefficient entry dialog, on the tool bar
// `ToolBar3`.
//
// Each window solves with the coefficients it shows: the controls keep the window's own three
// values (hundredths of the up-down positions, or the exact values confirmed in the dialog),
// and its own three expression texts, which the dialog is given and gives back; steps in
// another window never change this one. A typed value beyond an up-down's range clamps the
// position, and the window keeps the typed value until the user steps that coefficient.
//
// Holding an arrow accelerates: every step counts (`StepPressCount`), and from a count threshold
// on the stepped up-down moves by a larger increment; releasing the mouse over any of the three
// (`paMouseUp`) resets the count and all increments to 1.
#include <QObject>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "texts/angle_notation.h"
#include "texts/sum_text.h"

class QLineEdit;
class QToolBar;
class QToolButton;
class QWidget;
namespace platform {
class UpDown;
}

namespace solvers {

struct CoefficientSetup {
    int boxWidth = 38;                          // width of the boxes a, b, c
    int limit = 900;                            // up-down range -limit..limit (hundredths)
    std::array<int, 3> positions{100, 0, 0};    // start positions of pa, pb, pc
    std::array<QString, 3> expressions;         // the dialog's first texts for a, b, c
    // (count, increment) pairs in increasing count: from that many steps on, the increment.
    std::vector<std::pair<int, int>> acceleration{{10, 10}};
};

class CoefficientControls : public QObject {
    Q_OBJECT
public:
    // Builds the controls as children of a new tool bar `ToolBar3` (owned by `window`, which the
    // caller places); `window` owns the dialog when it is opened.
    CoefficientControls(QWidget* window, const CoefficientSetup& setup);

    QToolBar* ToolBar3;
    QLineEdit* a;
    QLineEdit* b;
    QLineEdit* c;
    platform::UpDown* pa;
    platform::UpDown* pb;
    platform::UpDown* pc;
    QToolButton* dati;

    // Start state: ranges, positions, boxes and values from the setup, the window's expression
    // texts, the step count at 0.
    void start();

    // The coefficients the window solves with: a, b, c (index 0, 1, 2).
    long double value(int index) const { return m_values[size_t(index)]; }
    const std::array<long double, 3>& values() const { return m_values; }
    const std::array<QString, 3>& expressions() const { return m_expressions; }
    // Coefficient `index` as a term of the stated equation: its typed form ("√3", "−(√3 + √2)")
    // where the expression gives the value the window solves with and is shorter than the value's
    // decimals or the decimals only round it; the decimals ("1.5") otherwise.
    app::SumTerm term(int index) const;
    int stepPressCount() const { return StepPressCount; }
    platform::UpDown* upDown(int index) const;
    QLineEdit* box(int index) const;

    // Sets the coefficients as if typed (tests and start states): positions clamped, boxes
    // rewritten, exact values kept. No changed() signal.
    void setValues(const std::array<long double, 3>& values);

    // The texts the dialog shows next for a, b, c (a typed equation's coefficients).
    void setExpressions(const std::array<QString, 3>& expressions) { m_expressions = expressions; }

    // The mouse released over an up-down: the step count and the increments back to their start.
    void paMouseUp();
    // The data button: the dialog with this window's expressions and values; on OK the window
    // takes the exact values. True when confirmed (changed() was then emitted).
    bool datiClick();

signals:
    // The coefficients changed through a step or the dialog: the window solves and redraws.
    void changed();

private:
    void stepped(int index);
    void show(int index);

    CoefficientSetup m_setup;
    QWidget* m_window;
    std::array<long double, 3> m_values{};
    std::array<QString, 3> m_expressions;
    int StepPressCount = 0;
};

}  // namespace solvers
