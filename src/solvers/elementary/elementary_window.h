#pragma once
// The two elementary windows on the solver frame. `Tequa` teaches sin x = a, cos x = a and
// tan x = a for a = f(α), with both solution families in degrees and as fractions of π, the unit
// circle construction and the graph of f with the level line y = a and the solutions marked on
// it. `Tdisequatr` teaches f(x) >= a and f(x) < a, with their solution intervals, the solution
// arcs on the unit circle and the graph drawn aqua above the level line, yellow below it.
// Both have the function choice `funzt` with `aggiorna` and the angle up-down `sposta` with the
// angle α (`AngleDeg`) it holds.
#include <array>

#include "maths/elementary.h"
#include "maths/elementary_steps.h"
#include "solvers/frame/solver_window.h"

class QLabel;
namespace platform {
class UpDown;
}

namespace solvers {

// What tells the two windows apart besides their labels and pictures.
struct ElementaryDesign {
    std::array<AngleRange, 3> ranges;  // of sposta, per function
    BackdropStyle backdrop;            // the graph's style; its function is the one chosen
};

// What the two windows share: the creation, the start state at α = 25, the findings of every
// click (`spostaClick`, also run by every repaint) and the change of function (`aggiornaClick`).
class ElementarySolverWindow : public SolverWindow {
    Q_OBJECT
public:
    int angleDeg() const { return AngleDeg; }
    // What the window found for its function and angle.
    const ElementaryFindings& findings() const { return Findings; }

    // The up-down's click (either arrow): labels and picture for the new angle.
    void spostaClick();
    // Applies the function chosen in funzt: range, caption of Panel2, a new graph, α back to 25.
    void aggiornaClick() override;
    // The function, then the angle α of the exercise (the coefficients are f(α) and are not taken).
    void showExercise(int function, const std::array<long double, 3>& coefficients, int angleDeg) override;

protected:
    ElementarySolverWindow(const app::TopicWindow& topic, const SolverFrame& frame, const ElementaryDesign& design);

    void FormCreate() override;
    void prepareOpeningPicture() override;
    void rebuildGraph() override;
    QRegion changingArea() const override;
    // AngleDeg from sposta, and the findings for it.
    void solveAngle();
    // Where the picture takes its graph from.
    GraphSource graphSource(const QPainter& painter, QSize size) const;

    platform::UpDown* sposta;
    int AngleDeg = StartAngle;
    ElementaryFindings Findings;

private:
    BackdropStyle backdropStyle() const;
    ElementaryDesign m_design;
};

class Tequa : public ElementarySolverWindow {
    Q_OBJECT
public:
    explicit Tequa(const app::TopicWindow& topic);

    WorkedSolution workedSolution() const override { return elementaryEquationSteps(Findings); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void solve() override;
    QString pictureWords() const override;

private:
    void WriteSolutionLabels();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label5;
    QLabel* Label10;
    QLabel* Label9;
};

class Tdisequatr : public ElementarySolverWindow {
    Q_OBJECT
public:
    explicit Tdisequatr(const app::TopicWindow& topic);

    WorkedSolution workedSolution() const override { return elementaryInequalitySteps(Findings); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void solve() override;
    QString pictureWords() const override;

private:
    void WriteSolutionLabels();

    // Label1 ... Label14 by their number (index 0 unused).
    std::array<QLabel*, 15> Label{};
};

}  // namespace solvers
