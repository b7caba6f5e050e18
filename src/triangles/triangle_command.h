#pragma once
// `trigtutor triangle [--json] [--steps] a=5 b=7 A=30`: the triangle solved on the command line,
// with no window and no display. Prints the case and every triangle (and the steps), or with
// --json an object with "case", "triangles" (a, b, c, A, B, C in degrees, area, perimeter,
// circumradius, inradius, in full precision), "message" (null or the sentence of no triangle)
// and, with --steps, "steps". Texts in the language in use (English unless set otherwise).
#include <QStringList>

class QTextStream;

namespace triangles {

// The subcommand's word, and its one-line summary for the command's help.
inline constexpr const char* CommandWord = "triangle";
inline constexpr const char* CommandSummary = "solve a triangle from three of a, b, c, A, B, C";

// Runs the subcommand on the arguments after its word. Exit code: 0 solved, or no triangle
// (two sides and an angle with none); 1 impossible data or a value not understood (message on
// stderr, and the JSON on stdout with --json); 2 usage error.
int runTriangleCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace triangles
