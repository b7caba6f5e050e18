#pragma once
// The two linear windows on the solver frame: `Tequazionilineari` solves
// a sin x + b cos x + c = 0, `Tdisequazionilineari` the inequalities >= 0 and < 0. Both have the
// coefficient controls (`ToolBar3`: `a`/`pa`, `b`/`pb`, `c`/`pc`, `dati`), solve with the
// coefficients they show, and redraw the whole picture (graph with its curve, circle, line,
// marks) at every change and every repaint the window did not ask for.
#include "solvers/linear/linear_drawing.h"
#include "solvers/linear/linear_solver.h"
#include "solvers/frame/coefficient_solver_window.h"

class QLabel;

namespace solvers {


// What the two windows share: the coefficient controls and their handlers, the creation, the
// first picture and the redraw.
class LinearSolverWindow : public CoefficientSolverWindow {
    Q_OBJECT
public:
    // What the window found.
    const LinearSolution& solution() const { return Solution; }

protected:
    LinearSolverWindow(const SolverFrame& frame, const CoefficientSetup& setup);

    void FormCreate() override;
    void drawFirstPicture() override { solveAndDraw(); }
    void redraw() override;

    // The window's solve routine (SolveLinear, SolveLinearInequality): solution, picture, texts.
    virtual void solveAndDraw() = 0;
    // Writes the result labels for Solution.
    virtual void showResults() = 0;
    // Where the window takes its solutions.
    virtual AngleSpan span() const = 0;
    // The picture of the current state (title, sign colours).
    virtual LinearPicture picture() const = 0;

    // Solution := the solution of the window's coefficients.
    void solve();
    // The graph into SolverBitmap, then on the window its copy, the ground, axes and circle.
    void drawBackdropPart();
    // The line, radii and arcs, level line and marks.
    void drawSolutionPart();

    LinearSolution Solution;
};

class Tequazionilineari : public LinearSolverWindow {
    Q_OBJECT
public:
    Tequazionilineari();

    QLabel* Label2;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label11;

    void SolveLinear();

protected:
    void solveAndDraw() override { SolveLinear(); }
    void showResults() override { ShowLinearRoots(); }
    AngleSpan span() const override { return AngleSpan::HalfTurnEachSide; }
    LinearPicture picture() const override;

private:
    void DrawLinearBackdrop() { drawBackdropPart(); }
    void DrawLinearSolutions();
    void ShowLinearRoots();
};

class Tdisequazionilineari : public LinearSolverWindow {
    Q_OBJECT
public:
    Tdisequazionilineari();

    QLabel* Label2;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label11;

    void SolveLinearInequality();

protected:
    void solveAndDraw() override { SolveLinearInequality(); }
    void showResults() override { ShowInequalityIntervals(); }
    AngleSpan span() const override { return AngleSpan::OneTurn; }
    LinearPicture picture() const override;

private:
    void DrawInequalityBackdrop() { drawBackdropPart(); }
    void DrawInequalityLine();
    void ShowInequalityIntervals();
};

}  // namespace solvers
