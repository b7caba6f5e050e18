#pragma once
// What the two elementary windows (equations and inequalities) share on top of the solver
// frame: the function choice `funzt` with `aggiorna`, the angle up-down `sposta` and the angle
// α (`AngleDeg`) it holds, the creation, the start state at α = 25, the redraw at every click
// (`spostaClick`, also run by every repaint) and the change of function (`aggiornaClick`).
// A window brings its labels and its pictures.
#include <QImage>
#include <QPainter>

#include "solvers/elementary/elementary_angles.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_window.h"

class UpDown;

namespace solvers {

// The pictures of an elementary window and the ranges of its angle.
struct ElementaryPictures {
    // The range of sposta for a function.
    AngleRange (*angleRange)(int function);
    // The graph backdrop for a function.
    BackdropStyle (*backdropStyle)(int function);
    // The picture of a step, and the first picture of a function, for (function, α).
    void (*drawStep)(QPainter&, const SolverGeometry&, const QImage& bitmap, int function, int alphaDeg);
    void (*drawFirst)(QPainter&, const SolverGeometry&, const QImage& bitmap, int function, int alphaDeg);
};

class ElementarySolverWindow : public SolverWindow {
    Q_OBJECT
public:
    UpDown* sposta;

    int angleDeg() const { return AngleDeg; }

    // The up-down's click (either arrow): labels and picture for the new angle.
    void spostaClick();
    // Applies the function chosen in funzt: range, caption of Panel2, a new graph, α back to 25.
    void aggiornaClick() override;

    void paint(QPainter& painter, QSize size) const override;

protected:
    ElementarySolverWindow(const SolverFrame& frame, const ElementaryPictures& pictures);

    void FormCreate() override;
    void solve() override;
    void prepareOpeningPicture() override;

    // Writes the result labels for FunctionIndex and AngleDeg.
    virtual void WriteSolutionLabels() = 0;

    int AngleDeg = StartAngle;

private:
    ElementaryPictures m_pictures;
};

}  // namespace solvers
