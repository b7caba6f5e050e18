#pragma once
// The quadratic equation a (f x)² + b f x + c = 0 and the inequalities a (f x)² + b f x + c >= 0
// and < 0 for f = sin, cos or tan: the roots of a t² + b t + c = 0, how a root t = f(x) becomes
// a principal angle, and what the two quadratic windows find.
//
// Coefficients in hundredths often give a root of exactly -1 or 1 in real numbers that floating
// point puts a hair beyond (a = 0.42, b = 0.97, c = 0.55 gives t = -1), and a discriminant of
// exactly zero that comes out a hair off: both are taken at their exact value, so a root at ±1
// stays in the range of sine and cosine and a double root stays one root.
#include <vector>

#include "maths/elementary.h"
#include "maths/solution_set.h"

namespace solvers {

enum class RootKind {
    Two,         // a ≠ 0, D > 0: two distinct roots
    Double,      // a ≠ 0, D = 0: one double root
    None,        // a ≠ 0, D < 0: no real root
    Linear,      // a = 0, b ≠ 0: the one root of b t + c = 0
    Degenerate,  // a = b = 0: every t when c = 0, none otherwise
};

struct QuadraticRoots {
    RootKind kind = RootKind::None;
    // Two roots: t1 = (-b/2 + √D)/a, t2 = (-b/2 - √D)/a (t1 > t2 when a > 0). Double and
    // linear: t1 = t2 = the root. Otherwise both 0. Always finite.
    long double t1 = 0;
    long double t2 = 0;

    bool hasRoot() const { return kind == RootKind::Two || kind == RootKind::Double || kind == RootKind::Linear; }
    long double smaller() const { return t1 < t2 ? t1 : t2; }
    long double larger() const { return t1 < t2 ? t2 : t1; }
};

// How far from ±1 a root may lie and still count as ±1.
inline constexpr long double UnitTolerance = 1e-12L;

// Solves a t² + b t + c = 0. Roots within UnitTolerance of -1 or 1 are set to exactly -1 or 1,
// and two roots that then coincide count as a double root.
QuadraticRoots solveQuadratic(long double a, long double b, long double c);

// Whether f can take the value t: always for the tangent, |t| <= 1 for sine and cosine.
bool rootInRange(int function, long double t);

// The principal angle (radians) of t = f(x): arcsin, arccos (of t held within [-1, 1]) or arctan.
long double principalAngle(int function, long double t);

// ---- The equation window -------------------------------------------------------------------------

// A root the labels name: its value, whether f takes it, and its principal angle in whole degrees.
struct WrittenRoot {
    long double t = 0;
    bool admissible = false;
    int degrees = 0;
};

// Which root a root f takes is: the single one written (a double root, or the root of a linear
// equation), or the first or the second of two.
enum class RootOrder { Single, First, Second };

// A root f takes, shown on the circle and the graph: its principal angle θ (radians), the value t
// and which root it is.
struct RootTaken {
    long double theta;
    long double t;
    RootOrder order;
};

struct QuadraticEquationFindings {
    int function = Sine;
    QuadraticRoots roots;
    // x1 (and x2): the two roots, or the single one of a double root or of a linear equation.
    std::vector<WrittenRoot> written;
    // The roots f takes, drawn.
    std::vector<RootTaken> drawn;
    // Where the equation holds, in whole degrees of one period: both solutions of each root
    // that f takes (one for the tangent); every x (c = 0) or none when a = b = 0.
    SolutionSet solutions;
};

QuadraticEquationFindings solveQuadraticEquation(int function, long double a, long double b, long double c);

// ---- The inequality window -----------------------------------------------------------------------

// Where the values lo and hi that bound the sets of t lie against the range [-1, 1] of sine and
// cosine, which decides how many intervals of x each set takes.
enum class RootLayout {
    None,        // both sets are every x or none
    Inside,      // both within [-1, 1]: two intervals per set
    LowBeyond,   // lo at or below -1: one interval per set, bounded by hi
    HighBeyond,  // hi at or above 1: one interval per set, bounded by lo
};

struct QuadraticInequalityFindings {
    int function = Sine;
    QuadraticRoots roots;
    // The values of t that bound the two sets: the roots, lo <= hi; for a linear expression the
    // root and an infinite end (lo = -∞ when b > 0, hi = +∞ when b < 0).
    long double lo = 0;
    long double hi = 0;
    // Whether >= 0 holds for t outside [lo, hi] (a > 0, and the linear expressions seen as one
    // with a root at infinity) rather than within it.
    bool greaterOutside = true;
    RootLayout layout = RootLayout::None;  // sine and cosine
    // Where >= 0 and < 0 hold: every x, none, or up to two intervals each (in the order the
    // window writes them), closed for >= 0 and open for < 0.
    SolutionSet greater;
    SolutionSet less;

    // The picture: the whole range of t in the outer colours, and the values of t from innerLow
    // to innerHigh (either may be infinite) in the inner colours, when hasInner. The outer
    // colours are those of >= 0 (blue bands, aqua arcs) when outerGreater, else those of < 0
    // (red); the inner colours are the other ones.
    bool outerGreater = true;
    bool hasInner = false;
    long double innerLow = 0;
    long double innerHigh = 0;
    // The roots whose radii and graph markers are drawn, the larger first.
    std::vector<long double> radii;
};

// Solves both inequalities. The two sets always cover every x once: a root at exactly -1 or 1
// is a boundary point of the >= 0 set, and its x lies in a closed interval of that set, never
// inside an open interval of the < 0 set.
QuadraticInequalityFindings solveQuadraticInequality(int function, long double a, long double b, long double c);

}  // namespace solvers
