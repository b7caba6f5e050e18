#pragma once
// The exercises of the practice window and the worksheets: an equation or inequality set from
// its answer backwards, so that every solution and every end of an interval is a whole degree,
// written with its coefficients as the program writes them. Each kind of exercise is a pool
// of distinct exercises listed by index, so that a worksheet can tell how many there are and
// take each once. The answer itself always comes from the solvers' findings.
#include <QString>
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

#include "maths/solution_set.h"
#include "practice/triangle_exercise.h"

namespace practice {

// Triangles are asked for by name only: "mixed" draws from the three families of equations.
enum class Family { Elementary, Quadratic, Linear, Triangles };
// The left-hand side = 0, >= 0 or < 0, as the solver windows state them.
enum class Relation { Equal, GreaterOrEqual, Less };

// A number an exercise writes: (p + q·u) / d with integers p, q, d (d > 0) and u one of √2,
// √3, sin β, cos β, tan β for a whole β in degrees, or nothing (q = 0).
struct Number {
    enum class Unit { None, Root2, Root3, Sin, Cos, Tan };
    long long p = 0;
    long long q = 0;
    long long d = 1;
    Unit unit = Unit::None;
    int beta = 0;

    static Number whole(long long n) { return {n, 0, 1, Unit::None, 0}; }
    static Number fraction(long long p, long long d);
    long double value() const;
    bool isZero() const { return p == 0 && q == 0; }
    // The text as the exercises write it: "3", "−1/2", "√3/2", "(1 + √2)/2", "sin 20°".
    QString text() const;
    // The same as an expression the evaluator reads: "(1+SQRT(2))/2", "SIN(20)".
    QString expression() const;
};

// What the student or the teacher asks for; an empty choice is "mixed".
struct Request {
    std::optional<Family> family;
    std::optional<bool> inequality;
    std::optional<int> function;  // sin, cos, tan
    std::optional<int> level;     // 1, 2, 3
};

struct Exercise {
    Family family = Family::Elementary;
    Relation relation = Relation::Equal;
    int function = 0;  // sin, cos, tan; the linear exercises take sin and cos together
    int level = 1;
    std::uint32_t seed = 0;
    // Elementary: m f(x) + q, m > 0, for f(x) = f(alpha): {m, q, 0}. Quadratic: a, b, c of
    // a (f x)² + b f x + c. Linear: a, b, c of a sin x + b cos x + c.
    std::array<Number, 3> coefficients;
    int alphaDeg = 0;  // elementary: the angle α of the elementary windows with f(α) = -q/m
    // The whole degrees of one period where the left-hand side is 0: the solutions of an
    // equation and the ends of the intervals of an inequality, as they were chosen; when the set
    // is every x or no x, none, or where the left-hand side touches 0 without changing sign.
    std::vector<int> zeros;
    // Triangles: the parts given and asked for (the relation is Equal, the function 0).
    TriangleTask triangle;

    int period() const;
    bool isInequality() const { return relation != Relation::Equal; }
    // "2 (sin x)^2 − 3 sin x + 1 = 0", "√3 tan x − 1 ≥ 0": as the screen and the history write it.
    QString text() const;
    // The same as a textbook prints it, the square on the function's name: "2 sin²x − 3 sin x + 1
    // = 0", "tan²x − 3 < 0"; worksheets and their keys write exercises so.
    QString paperText() const;
    // The coefficient values the solvers take: a, b, c (elementary: the value f(α) in a).
    std::array<long double, 3> values() const;
    // The left-hand side at x degrees (NaN where the tangent has no value).
    long double leftSide(long double degrees) const;
};

// The exercises of one kind: every choice of a request made, the relation too (the linear ones
// take the sine's place), and whether they are the ones whose set is every x or no x.
struct Pool {
    Family family = Family::Elementary;
    Relation relation = Relation::Equal;
    int function = 0;
    int level = 1;
    bool emptyOrWhole = false;

    auto operator<=>(const Pool&) const = default;
};

// The pools a request draws from, each with exercises.
std::vector<Pool> poolsOf(const Request& request);
// How many distinct exercises a pool holds, and the one of an index below that.
int poolSize(const Pool& pool);
Exercise exerciseOf(const Pool& pool, int index);
// How many distinct exercises a request has: the sum over its pools.
long long distinctExercises(const Request& request);

// The pool a seed draws for a request, as makeExercise draws it: at levels 2 and 3 about one
// exercise in seven of a pool that has them is one whose set is every x or no x.
Pool choosePool(const Request& request, std::uint32_t seed);

// The exercise a seed gives for a request; the same request and seed give the same exercise.
Exercise makeExercise(const Request& request, std::uint32_t seed);

// The solution set the solver finds for the exercise over one period: the answer.
SolutionSet solverAnswer(const Exercise& exercise);

// Whole degrees as the answers write them: "30°"; as a fraction of π: "5π/6", "π", "0".
QString degreeText(int degrees);
QString piFractionText(int degrees);
// A set in one period [0, period): "30°, 150°" or "[0°, 30°] ∪ (150°, 360°)", a point alone
// among intervals in braces ("{0°} ∪ [180°, 360°)"), "R", "Ø", and the same with fractions of π
// when `radians`.
QString answerText(const SolutionSet& set, int period, bool radians);

// The set sampled at every whole and half degree of one period: 2·period flags, index 2d for
// d and 2d + 1 for d + 0.5. Every end being a whole degree, two sets are equal when these are.
std::vector<bool> sampled(const SolutionSet& set, int period);

}  // namespace practice
