#pragma once
// The two linear windows on the solver frame: `Tequazionilineari` solves
// a sin x + b cos x + c = 0, `Tdisequazionilineari` the inequalities >= 0 and < 0. Both have the
// coefficient controls (`ToolBar3`: `a`/`pa`, `b`/`pb`, `c`/`pc`, `dati`), solve with the
// coefficients they show, and redraw the whole picture (graph with its curve, circle, line,
// marks) at every change and every repaint the window did not ask for.
#include "maths/linear.h"
#include "maths/linear_steps.h"
#include "solvers/frame/solver_window.h"

class QLabel;

namespace solvers {

// What the two windows share: the coefficient controls, the creation, the findings and the
// picture drawn from them.
class LinearSolverWindow : public SolverWindow {
    Q_OBJECT
public:
    // What the window found.
    const LinearFindings& findings() const { return Findings; }

protected:
    LinearSolverWindow(const app::TopicWindow& topic, const SolverFrame& frame, const CoefficientSetup& setup);

    void FormCreate() override;
    QRegion changingArea() const override;
    // The picture of Findings with the graph's title; `signs` for the inequality's colours.
    void paintLinear(QPainter& painter, QSize size, const QString& title, bool signs) const;
    std::pair<QString, QString> leftSides() const override;

    LinearFindings Findings;
};

class Tequazionilineari : public LinearSolverWindow {
    Q_OBJECT
public:
    explicit Tequazionilineari(const app::TopicWindow& topic);

    WorkedSolution workedSolution() const override { return linearEquationSteps(Findings); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void solve() override;
    QString pictureWords() const override;

private:
    void ShowLinearRoots();

    QLabel* Label2;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label11;
};

class Tdisequazionilineari : public LinearSolverWindow {
    Q_OBJECT
public:
    explicit Tdisequazionilineari(const app::TopicWindow& topic);

    WorkedSolution workedSolution() const override { return linearInequalitySteps(Findings); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void solve() override;
    QString pictureWords() const override;

private:
    void ShowInequalityIntervals();

    QLabel* Label2;
    QLabel* Label8;
    QLabel* Label4;
    QLabel* Label11;
};

}  // namespace solvers
