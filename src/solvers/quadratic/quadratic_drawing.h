#pragma once
// The pictures of the two quadratic windows (window coordinates), drawn from their findings.
// Both share the circle frame (grey axes and the white unit circle over the cleared left half)
// and the held coordinates that keep far tangent values drawable.
//  - The equation window: the graph and the construction of each root.
//  - The inequality window: the graph with the values of t where the expression is >= 0 in a
//    blue band and where it is < 0 in a red one, and the unit circle inside a ring at radius
//    R + 10 whose arcs take the same split (aqua and red), with the roots' radii and silver
//    markers on the graph.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>
#include <vector>

#include "maths/quadratic.h"
#include "solvers/frame/solver_drawing.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// The backdrop of both quadratic windows: the function's graph with ticks every π/2.
BackdropStyle quadraticBackdropStyle(int function);

// The grey axes through the circle centre and the white unit circle.
void drawCircleFrame(QPainter& painter, const SolverGeometry& g);

// A row far above or below the picture held at a drawable distance (a tangent's value can be
// huge): within [-H, 2H].
int heldRow(const SolverGeometry& g, long double y);

// The row of the value t on the graph, held as above.
int heldGraphRow(const SolverGeometry& g, long double t);

// ---- The equation window -------------------------------------------------------------------------

// An angle arc of radius round(U·(3 + f)/3) from angle 0 to the direction (sx, sy) of θ:
// (1, -1) θ, (-1, -1) 180° - θ, (1, 1) -θ, (-1, 1) θ + 180°.
void DrawAngleArc(QPainter& painter, const SolverGeometry& g, int sx, int sy, float f, long double theta,
                  const QColor& colour);

// How one root of the equation is drawn: its principal angle θ (radians), the value t and the
// style m, from which root it is (0.2 the first of two roots, 0.6 the second, 0 a single root).
struct RootDrawing {
    long double theta;
    long double t;
    long double m;
};
RootDrawing rootDrawing(const RootTaken& root);

// The construction of one root of the equation: its ray, the dotted chord to its partner angle,
// the partner's ray, two angle arcs, the projection of the value, the line y = t on the graph
// and the dotted solution markers. Lime with arcs aqua/yellow for the first root (m < 0.5),
// blue with arcs red/fuchsia for the second.
void DrawRoot(QPainter& painter, const SolverGeometry& g, int function, const RootDrawing& root);

// The equation window's whole picture: the graph, the circle frame and every root drawn.
void drawQuadraticEquationPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                                  const QuadraticEquationFindings& f);

// ---- The inequality window -----------------------------------------------------------------------

// The inequality window's further off-screen bitmaps beside SolverBitmap, which its picture takes
// on the window's own surface and on the screen.
struct InequalityBitmaps {
    QImage RingBitmap;       // (2R + 20) square: a disc of the inner arc colour (strips of it are
                             // copied for sin and cos; the tangent takes sectors of the same disc)
    QColor ringColour;       // the colour the disc is drawn in
    // The graph with its band rows combined with blue (0) and with red (1) by a bitwise OR, made
    // from the graph of the cache key `bandGraphsOf`: a band's rows are copied from them.
    std::array<QImage, 2> BandGraphs;
    qint64 bandGraphsOf = 0;

    // Makes the ring bitmap for the geometry: black, with a red circle inscribed; the band
    // graphs follow from the first picture.
    void create(const SolverGeometry& g, qreal ratio);
    void free();
};

// The arc of the circle of radius R + 10 around the centre, counter-clockwise from the
// direction theta1 to the direction theta2 (radians); the whole circle when they coincide.
void DrawCircleArc(QPainter& painter, const SolverGeometry& g, const QColor& colour, long double theta1,
                   long double theta2);

// The bands on the graph, the cleared left half with the ring, the grey axes and the white unit
// circle. With `bitmaps` (the window's surface and the screen, `graph` then holding its cached
// bitmap) each band's rows are copied from the graph combined with its colour by a bitwise OR,
// the other rows from the graph, and the ring's pieces from the ring bitmap; without, the same
// picture is drawn with vector operations: the bands, then the graph's white lines over them
// (white OR any colour is white); the ring's pieces as strips or sectors of a disc.
void PaintSolutionBands(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                        InequalityBitmaps* bitmaps, const QuadraticInequalityFindings& f);

// The white radii of the roots with their partners (sin 180° - θ, cos -θ, tan θ + 180°) and the
// silver markers of the roots on the graph.
void DrawRootRadii(QPainter& painter, const SolverGeometry& g, const QuadraticInequalityFindings& f);

// The whole picture of a solve.
void drawQuadraticInequalityPicture(QPainter& painter, const SolverGeometry& g, const GraphSource& graph,
                                    InequalityBitmaps* bitmaps, const QuadraticInequalityFindings& f);

}  // namespace solvers
