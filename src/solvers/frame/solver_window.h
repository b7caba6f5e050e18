#pragma once
// The frame shared by the six solver windows (elementary, quadratic and linear equations and
// inequalities): layout from the shared geometry, the bottom bar `sotto` with its equation
// panel `Panel2`, the control bar `barrasotto` with `ToolBar1` (hidden until the first picture
// is ready), whose right click opens the window's hint switch `PopupMenu1`/`mostra`, the help
// button `aiuto` (both from ChildWindow), the strip `Panel3`, the result panel `Panel1`, the
// coefficient controls of the coefficient windows, the off-screen graph `SolverBitmap` built at
// the first activation (`BackdropPending`), and closing into the registry.
//
// Every change the user makes, and every repaint the window did not ask for, runs the frame's
// redraw(): the window's solve() (its findings from its input, then the result labels); the
// picture is then drawn by its paint() straight onto the screen where it changed (the window
// keeps no surface). paint() draws the whole picture from the findings, on
// any paint device: the window's surface, an image, a printer, an SVG generator.
//
// How a solver window plugs in (docs/DESIGN.md tells the whole of it):
//  1. Derive from SolverWindow; the constructor takes the window's record (TopicWindow) and
//     passes it on with a SolverFrame: TitleTexts row of the caption, width of `Panel2` (0:
//     none), whether the bitmap holds two copies of the graph, whether the first activation
//     moves the pointer.
//  2. Constructor: createFunctionChoice() for `funzt` and `aggiorna`, addCoefficientControls()
//     for `a`, `b`, `c`; the window's controls on ToolBar1 in their order (the frame appends
//     `aiuto` last); the result labels on Panel1 with makeResultLabel().
//  3. FormCreate(): SolverFrameLayout(), the window's own start values and hints, the first
//     result texts (solve()), and finally BackdropPending = true.
//  4. solve() and paint(); prepareOpeningPicture() when the first activation has more to do
//     than drawing (a start state, the graph into SolverBitmap).
//  5. aggiornaClick() (windows with `funzt`): apply the function, set BackdropPending and call
//     formactivate() to rebuild the graph.
//  6. showExercise(): override only where the window takes more than the function and the
//     coefficients (the elementary windows take the angle).
//  7. SolverClose(): override only to free further bitmaps, calling the frame's too.
// Angle texts come from texts/angle_notation.h, the solution abscissas from maths/elementary.h,
// the geometry from solver_geometry.h, the picture pieces (backdrop with ticks every π or π/2,
// unit circle, rays, arcs, level line, markers) from solver_drawing.h.
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <array>

#include "maths/steps.h"
#include "shell/child_window.h"
#include "solvers/frame/coefficient_controls.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

class QAction;
class QComboBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QToolBar;
class QToolButton;

namespace solvers {

class StepsPanel;

struct SolverFrame {
    int captionRow;                // TitleTexts row of the caption
    int equationPanelWidth = 60;   // width of Panel2 in the bottom bar; 0 when there is none
    int bitmapHalves = 1;          // 2 when SolverBitmap holds two copies of the graph (W div 2 x H)
    bool movesPointer = true;      // whether the first activation moves the mouse pointer
};

// The help context every solver window carries as its own (F1 on the window itself; its
// controls open the window's page).
inline constexpr int SolverWindowHelpContext = 304;

class SolverWindow : public app::ChildWindow {
    Q_OBJECT
public:
    ~SolverWindow() override;

    // The coefficients a, b, c of the coefficient windows (`ToolBar3`); null in the others.
    CoefficientControls* coefficients() const { return m_coefficients; }

    // ---- What the window shows, for pictures and texts made elsewhere ----------------------
    // The picture of the window's findings for a client area of `size`, drawn over a black
    // ground (fill it first on a fresh device). With the window's own client size it is exactly
    // the picture the window shows; another size lays the same picture out on it. On the
    // window's surface and on the screen it takes the cached bitmaps; on any other device
    // (another size, a printer, an SVG generator, a QPicture) it uses vector operations alone.
    void paint(QPainter& painter, QSize size) const override = 0;
    // The texts of the visible result labels in reading order (top to bottom, then left to
    // right), as they read on the screen (p as π in the Symbol-font labels).
    QStringList resultTexts() const;
    // The lines a copy or a printed page carries: the equation of the bottom bar where it shows
    // one, then the result texts.
    QStringList resultLines() const override;
    // The circle with its rays and ring, and the graph with its axes and labels: what a saved,
    // printed or copied picture shows (not the results quarter that Panel1 covers).
    QList<QRect> pictureParts() const override;
    // The worked solution of what the window shows, and the steps panel that writes it beside
    // the picture (the "Steps" command: `passi`, Ctrl+E, the picture's menu); while it is open
    // resultLines() ends with its lines.
    virtual WorkedSolution workedSolution() const { return {}; }
    bool showsSteps() const;
    void setShowsSteps(bool shown);
    // The panel, made when it is first opened (null before).
    const StepsPanel* stepsPanel() const { return m_stepsPanel; }
    // Whether the picture is the opening one of the first activation, rather than a step's.
    bool showsOpeningPicture() const { return m_openingPicture; }

    // State seen from outside (tests, screenshots).
    bool backdropPending() const { return BackdropPending; }
    const QImage& solverBitmap() const { return SolverBitmap; }
    int functionIndex() const { return FunctionIndex; }
    int scaleUnit() const { return ScaleUnit; }
    // The picture geometry: client size at creation and ScaleUnit.
    SolverGeometry geometry() const { return m_geometry; }
    const SolverFrame& frame() const { return m_frame; }

    // Takes the coefficients as if confirmed in the dialog (tests, pictures), then redraws.
    void setCoefficients(const std::array<long double, 3>& values);

    // Shows an equation or inequality of the window's kind, as "Show me" of the practice window
    // does: after the opening picture, the function of `funzt` (sin, cos, tan: where the window
    // has the choice), then the coefficients a, b, c (coefficient windows) or the angle α of
    // `sposta` (elementary windows, whose a is f(α)), solved and drawn.
    virtual void showExercise(int function, const std::array<long double, 3>& coefficients, int angleDeg);

    // A note after the window's title ("Every sign changed: …" for a typed inequality brought
    // to the window's form); the empty text takes it away.
    void showNote(const QString& note);

    // Handlers shared by every solver window.
    void formactivate();
    virtual void aggiornaClick() {}

protected:
    SolverWindow(const app::TopicWindow& topic, const SolverFrame& frame);

    // The shared controls the windows fill and write.
    QLabel* Panel2 = nullptr;  // the equation panel, where the window has one
    QToolBar* ToolBar1;
    QFrame* Panel1;
    QComboBox* funzt = nullptr;       // windows with a function choice
    QToolButton* aggiorna = nullptr;  // windows with a function choice

    // Creation steps shared by every solver window: bounds, cursor 5 on the tool bars' controls,
    // bottom bar and panels, hint switch, SolverBitmap, funzt at its first item, ScaleUnit,
    // caption, the hints of aiuto (and of funzt and aggiorna where they exist) and the
    // coefficients' start state.
    void SolverFrameLayout();
    // The window's findings from its input, then its result labels.
    virtual void solve() = 0;
    // The picture in words, from the findings (see picture_words.h).
    virtual QString pictureWords() const = 0;
    // What the first activation does before the opening picture: a start state, the graph of
    // the current function into SolverBitmap.
    virtual void prepareOpeningPicture() {}
    // The frame's redraw: solve(), then the picture on the surface (once the first activation
    // has made it), shown.
    void redraw();
    // The part of the client area a step may change (see stepChanges): the rest of the picture
    // is the same for every step of the window's function. By default the circle part and the
    // graph quarter.
    virtual QRegion changingArea() const;
    // Frees the window's bitmaps when it closes.
    virtual void SolverClose();
    // The bitmaps of a window that cannot be seen are freed and made again when it is seen:
    // SolverBitmap, then rebuildGraph() draws the graph of the current function into it.
    void releaseCaches() override;
    void restoreCaches() override;
    virtual void rebuildGraph() {}
    // Before the first activation the window shows black.
    bool hasPicture() const override { return !BackdropPending; }
    // Every picture clears the circle part and grounds the graph quarter.
    QRegion groundedArea() const override;

    // Whether a paint() may take the cached bitmaps and bitwise-OR copies: on a raster image at
    // the window's own size and pixel ratio, as its surface is.
    bool paintsWithCaches(const QPainter& painter, QSize size) const;
    // Whether a paint() may copy the graph from SolverBitmap: where it may take the caches, and
    // on the screen, where the window's client shows it at its own size and pixel ratio.
    bool copiesGraphBitmap(const QPainter& painter, QSize size) const;
    // The geometry of a picture for a client area of `size`: the window's own for its own size,
    // otherwise that size with the unit circle scaled alike.
    SolverGeometry geometryFor(QSize size) const;
    // Clears SolverBitmap and draws the graph backdrop of `style` into it.
    void drawBackdrop(const BackdropStyle& style);

    // The left-hand side of a coefficient window with its values: a·functions[0] + b·functions[1]
    // + c·functions[2] (the constant's function empty), as the exercises write it.
    QString valuedSum(const std::array<QString, 3>& functions) const;
    // The left-hand side as the result labels write it ("a (sin x)^2 + b sin x + c") and with its
    // values: a result line that starts with the first starts with the second in resultLines().
    virtual std::pair<QString, QString> leftSides() const { return {}; }

    // Construction helpers.
    void createFunctionChoice();
    void addCoefficientControls(const CoefficientSetup& setup);
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
    // The cached graph the picture copies where it may (see paintsWithCaches()).
    mutable QImage SolverBitmap;
    bool BackdropPending = false;

private:
    QFrame* sotto;
    QFrame* Bevel1;
    QFrame* barrasotto;
    QFrame* Panel3;

    void placeBars();
    // The result labels and their texts grow with the desktop's text scale, as far as Panel1
    // holds them.
    void growResultLabels();
    // Tells screen readers what solve() found: the result labels' names (π where a Symbol-font
    // label shows p), the results panel's description, the picture's description.
    void tellFindings();
    // Shows the picture again where a redraw changes it: changingArea(), or after the opening
    // picture the circle part (left half) and the graph (upper right quarter) whole; the
    // screen's paint draws them from the findings.
    void refreshPicture();
    void allocateSolverBitmap();
    SolverFrame m_frame;
    SolverGeometry m_geometry;
    QHBoxLayout* m_barLayout;
    CoefficientControls* m_coefficients = nullptr;
    bool m_openingPicture = false;
    StepsPanel* m_stepsPanel = nullptr;
    QAction* m_stepsAction;
    QToolButton* passi;
    void placeStepsPanel();
};

}  // namespace solvers
