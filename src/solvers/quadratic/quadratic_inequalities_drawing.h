#pragma once
// The pictures of the quadratic inequality window (window coordinates): the graph with the
// values of t where the expression is >= 0 in a blue band and where it is < 0 in a red one,
// and the unit circle inside a ring at radius R + 10 whose arcs take the same split (aqua and
// red), with the roots' radii and silver markers on the graph.
#include <QColor>
#include <QImage>
#include <QPainter>

#include "solvers/quadratic/quadratic_inequalities.h"
#include "solvers/frame/solver_geometry.h"

namespace solvers {

// The window's three further off-screen bitmaps beside SolverBitmap.
struct InequalityBitmaps {
    QImage BandBitmap;       // the coloured bands, W div 2 x H div 2
    QImage CompositeBitmap;  // the graph with the bands combined onto it, W div 2 x H div 2
    QImage RingBitmap;       // (2R + 20) square: a disc of the inner arc colour (strips of it are
                             // copied for sin and cos; the tangent takes sectors of the same disc)
    QColor ringColour;       // the colour the disc is drawn in
    qint64 compositeGraph = 0;   // the cache key of the graph the composite was made from
    bool bandsBeyondRange = false;  // whether BandBitmap holds colour outside the rows of sin and cos

    // Makes the three bitmaps for the geometry: black, the ring with a red circle inscribed.
    void create(const SolverGeometry& g, qreal ratio);
    void free();
};

// The arc of the circle of radius R + 10 around the centre, counter-clockwise from the
// direction theta1 to the direction theta2 (radians); the whole circle when they coincide.
void DrawCircleArc(QPainter& painter, const SolverGeometry& g, const QColor& colour, long double theta1,
                   long double theta2);

// The bands on the graph (drawn with the graph at (W div 2, 0)), the cleared left half with the
// ring, the grey axes and the white unit circle. Only the rows of the graph a solve can change
// are combined and shown again (for sin and cos the rows of values -1 to 1), unless
// `wholeGraph` asks for all of it (a picture the window has not drawn itself yet).
void PaintSolutionBands(QPainter& painter, const SolverGeometry& g, int function, const QImage& graph,
                        InequalityBitmaps& bitmaps, const QuadraticInequalityResult& result, bool wholeGraph);

// The white radii of the roots with their partners (sin 180° - θ, cos -θ, tan θ + 180°) and the
// silver markers of the roots on the graph.
void DrawRootRadii(QPainter& painter, const SolverGeometry& g, int function, const QuadraticInequalityResult& result);

// The whole picture of a solve.
void drawQuadraticInequalityPicture(QPainter& painter, const SolverGeometry& g, int function, const QImage& graph,
                                    InequalityBitmaps& bitmaps, const QuadraticInequalityResult& result,
                                    bool wholeGraph = true);

}  // namespace solvers
