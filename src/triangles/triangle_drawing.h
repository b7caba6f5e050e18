#pragma once
// The Triangles picture: the triangle (or the two of the ambiguous case) to scale, fitted to its
// area, with its vertices, sides and angle arcs labelled; two triangles are told apart by colour
// and line style, with the arc of radius x around the shared vertex that meets the base twice.
// With no triangle, the sentence that says why and no drawing.
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <array>

#include "maths/triangle.h"

class QPainter;

namespace triangles {

// The vertices of a triangle of a solution in the picture's own units (y up), by vertex
// (0 A, 1 B, 2 C): the vertex of the angle the case turns on at the origin, the side after it
// along the x axis. The two triangles of the ambiguous case share two vertices.
std::array<QPointF, 3> modelVertices(const Solution& solution, int index);

// Draws the solution in `area`; `sentence` is drawn instead when there is no triangle. `drawn`,
// when given, receives the part of the painter's logical coordinates the drawing may have
// touched: thin strips along the lines and arcs, the labels' boxes, the sentence's box, so that
// the next drawing need only clear and show those.
void drawTriangles(QPainter& painter, const QRect& area, const Solution& solution, const QString& sentence,
                   QRegion* drawn = nullptr);

}  // namespace triangles
