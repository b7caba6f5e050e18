#pragma once
// The frame shared by the six solver windows (elementary, quadratic and linear equations and
// inequalities): layout from the shared geometry, the bottom bar `sotto` with its equation
// panel `Panel2`, the control bar `barrasotto` with `ToolBar1` (hidden until the first picture
// is ready) and its popup menu `PopupMenu1`/`mostra` (the window's own hint switch), the help
// button `aiuto`, the strip `Panel3`, the result panel `Panel1`, the off-screen graph
// `SolverBitmap` built at the first activation (`BackdropPending`), and closing into the registry.
//
// How a solver window plugs in:
//  1. Derive from SolverWindow and pass a SolverFrame: registry slot, class name, TitleTexts row
//     of the caption, help context of `aiuto`, width of `Panel2` (0: none), whether the bitmap
//     holds two copies of the graph, whether the first activation moves the pointer.
//  2. Constructor: call createFunctionChoice() if the window has `funzt` and `aggiorna`; put the
//     window's controls on ToolBar1 in their order (the frame appends `aiuto` last) or on a tool
//     bar of its own placed with addLeadingToolBar(); make the result labels on Panel1 with
//     makeResultLabel().
//  3. FormCreate(): SolverFrameLayout(), then the window's own start values and hints, the first
//     result texts, and finally BackdropPending = true.
//  4. drawFirstPicture(): what the first activation draws (start state, drawBackdrop() into
//     SolverBitmap, the first dynamic picture on the surface through canvas()). The frame does
//     the rest of the first activation around it (pointer, hourglass, surface refresh,
//     ToolBar1, Panel3).
//  5. redraw(): the window's redraw command (the elementary windows' spostaClick, the coefficient
//     windows' paClick), drawing on canvas() and ending with refreshPicture(); every paint the
//     window did not ask for runs it once the backdrop exists.
//  6. aggiornaClick() (windows with `funzt`): apply the function, set BackdropPending and call
//     formactivate() to rebuild the graph.
//  7. SolverClose(): override only to free further bitmaps, calling the frame's too.
// Angle texts come from angle_notation.h (PiFractionText, LinearPiFractionText, ShortValueText),
// the geometry and solution abscissas from solver_geometry.h, the picture pieces (backdrop with
// ticks every π or π/2, unit circle, rays, arcs, level line, markers) from solver_drawing.h.
// The two elementary windows share a further layer, elementary_solver_window.h.
#include <QImage>
#include <QPainter>

#include "shell/child_window.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

class QAction;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace solvers {

struct SolverFrame {
    int slot;                      // WindowClosed slot
    const char* className;         // the window's class name and objectName
    int captionRow;                // TitleTexts row of the caption
    int helpContext;               // context opened by aiuto
    int equationPanelWidth = 60;   // width of Panel2 in the bottom bar; 0 when there is none
    int bitmapHalves = 1;          // 2 when SolverBitmap holds two copies of the graph (W div 2 x H)
    bool movesPointer = true;      // whether the first activation moves the mouse pointer
};

// The help context every solver window carries as its own (F1 on the window).
inline constexpr int SolverWindowHelpContext = 304;

class SolverWindow : public ChildWindow {
    Q_OBJECT
public:
    ~SolverWindow() override;

    // The shared controls.
    QFrame* sotto;
    QFrame* Bevel1;
    QLabel* Panel2 = nullptr;  // the equation panel, where the window has one
    QFrame* barrasotto;
    QToolBar* ToolBar1;
    QFrame* Panel3;
    QFrame* Panel1;
    QMenu* PopupMenu1;
    QAction* mostra;
    QToolButton* aiuto;
    QComboBox* funzt = nullptr;       // windows with a function choice
    QToolButton* aggiorna = nullptr;  // windows with a function choice

    // State seen from outside (tests, screenshots).
    bool backdropPending() const { return BackdropPending; }
    const QImage& solverBitmap() const { return SolverBitmap; }
    int functionIndex() const { return FunctionIndex; }
    int scaleUnit() const { return ScaleUnit; }
    // The picture geometry: client size at creation and ScaleUnit.
    SolverGeometry geometry() const { return m_geometry; }
    const SolverFrame& frame() const { return m_frame; }

    // Handlers shared by every solver window.
    void aiutoClick();
    void mostraClick();
    void formactivate();
    virtual void aggiornaClick() {}

protected:
    explicit SolverWindow(const SolverFrame& frame);

    // Creation steps shared by every solver window: bounds, cursor 5 on the tool bars' controls,
    // bottom bar and panels, hint switch, SolverBitmap, funzt at its first item, ScaleUnit,
    // caption and the hints of aiuto (and of funzt and aggiorna where they exist).
    void SolverFrameLayout();
    // What the first activation draws; the frame has cleared BackdropPending before.
    virtual void drawFirstPicture() = 0;
    // The window's redraw command.
    virtual void redraw() = 0;
    // Frees the window's bitmaps when it closes.
    virtual void SolverClose();

    // Shows what a redraw drew: the circle part (left half) and the graph (upper right quarter).
    void refreshPicture();
    // Clears SolverBitmap and draws the graph backdrop of `style` into it.
    void drawBackdrop(const BackdropStyle& style);
    // A painter on the window's surface; call refreshSurface() when done (the frame does so after
    // drawFirstPicture).
    QPainter canvas();

    // Construction helpers.
    void createFunctionChoice();
    QToolButton* makeToolButton(const char* name, int image);
    void addLeadingToolBar(QToolBar* bar);
    // A result label on Panel1: bold 13-pixel text of `colour` on `ground`, 16 pixels high; in
    // the Symbol font (p shows as π) when `symbol`.
    QLabel* makeResultLabel(const char* name, int x, int y, int width, const QColor& colour, const QColor& ground,
                            bool symbol = false, Qt::Alignment alignment = Qt::AlignLeft);
    // Gives a control the pointing cursor of the tool buttons.
    static void giveToolCursor(QWidget* control);

    void FormActivate() override;
    void FormPaint() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    int FunctionIndex = 0;
    int ScaleUnit = 0;
    QImage SolverBitmap;
    bool BackdropPending = false;

private:
    void placeBars();
    // A right click on the bar opens PopupMenu1.
    void opensPopupMenu(QWidget* bar);
    SolverFrame m_frame;
    SolverGeometry m_geometry;
    QHBoxLayout* m_barLayout;
};

}  // namespace solvers
