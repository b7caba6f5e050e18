#pragma once
// The two quadratic windows on the solver frame. `Tequasecondogrado` solves
// a (f x)² + b f x + c = 0 for f = sin, cos or tan as a quadratic in t = f(x), each admissible
// root turned into its solution families in degrees and as fractions of π, with the roots'
// construction on the unit circle and the lines y = t on the graph. `Tdisequasecondogrado`
// solves a (f x)² + b f x + c >= 0 and < 0, with the sets of t where each holds, their
// intervals of x in degrees, and the two sets coloured on the graph (blue and red bands) and on
// a ring around the unit circle. Both have the coefficient controls (`ToolBar3` with `a`/`pa`,
// `b`/`pb`, `c`/`pc` and `dati`), the function choice `funzt` applied by `aggiorna`, and the
// graph with ticks every π/2.
#include <array>

#include "maths/quadratic.h"
#include "maths/quadratic_steps.h"
#include "solvers/frame/solver_window.h"
#include "solvers/quadratic/quadratic_drawing.h"

class QLabel;

namespace solvers {

// What the two windows share: the coefficients, the function choice and the graph.
class QuadraticSolverWindow : public SolverWindow {
    Q_OBJECT
public:
    // Applies the function chosen in funzt: its texts, a new graph, the solution redrawn.
    void aggiornaClick() override;

protected:
    // `boxWidth`, `limit` and `acceleration` of the coefficient controls; the window opens on
    // a = 1, b = -1.5, c = 0.5 and the dialog on the example 4t² - 2(√3 + √2)t + √6.
    QuadraticSolverWindow(const app::TopicWindow& topic, const SolverFrame& frame, int boxWidth, int limit,
                          std::vector<std::pair<int, int>> acceleration);

    void FormCreate() override;
    void prepareOpeningPicture() override;
    void rebuildGraph() override;
    QRegion changingArea() const override;
    // Where the picture takes its graph from.
    GraphSource graphSource(const QPainter& painter, QSize size) const;
    std::pair<QString, QString> leftSides() const override;
};

class Tequasecondogrado : public QuadraticSolverWindow {
    Q_OBJECT
public:
    explicit Tequasecondogrado(const app::TopicWindow& topic);

    // What the window found.
    const QuadraticEquationFindings& findings() const { return Findings; }

    WorkedSolution workedSolution() const override { return quadraticEquationSteps(Findings, coefficients()->values()[0], coefficients()->values()[1], coefficients()->values()[2]); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void solve() override;
    QString pictureWords() const override;

private:
    void WriteSolutionLabels();
    // Label[n] is LabelN, n = 1..14 (Label[0] is not used).
    std::array<QLabel*, 15> Label{};
    QuadraticEquationFindings Findings;
};

class Tdisequasecondogrado : public QuadraticSolverWindow {
    Q_OBJECT
public:
    explicit Tdisequasecondogrado(const app::TopicWindow& topic);

    // What the window found.
    const QuadraticInequalityFindings& findings() const { return Findings; }
    const InequalityBitmaps& bitmaps() const { return m_bitmaps; }

    WorkedSolution workedSolution() const override { return quadraticInequalitySteps(Findings, coefficients()->values()[0], coefficients()->values()[1], coefficients()->values()[2]); }
    void paint(QPainter& painter, QSize size) const override;
    QString statement() const override;

protected:
    void FormCreate() override;
    void solve() override;
    QString pictureWords() const override;
    void SolverClose() override;
    void releaseCaches() override;
    void restoreCaches() override;

private:
    void WriteAngleIntervals();
    // Label[n] is LabelN for n = 1, 2, 3, 4, 5, 12, 14, 16; the other entries are null.
    std::array<QLabel*, 17> Label{};
    QuadraticInequalityFindings Findings;
    // The caches of the picture on the window's own surface.
    mutable InequalityBitmaps m_bitmaps;
};

}  // namespace solvers
