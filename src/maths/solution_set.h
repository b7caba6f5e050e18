#pragma once
// The solutions of an equation or an inequality in x, as a window states them: whole degrees
// over one period, with the kinds every x and no x.
#include <vector>

// An interval of x in whole degrees, from `from` to `to` (from < to, at most one period apart),
// with each end in it or not.
struct DegreeInterval {
    int from = 0;
    int to = 0;
    bool fromClosed = true;
    bool toClosed = true;

    bool operator==(const DegreeInterval&) const = default;
};

struct SolutionSet {
    enum class Kind {
        Points,     // the x of `points`, each plus any multiple of the period
        Intervals,  // the x of `intervals`, each plus any multiple of the period
        AllReals,   // every x
        Empty,      // no x
    };
    Kind kind = Kind::Empty;
    int period = 360;                        // 360 or 180 degrees
    std::vector<int> points;                 // in the order the window writes them
    std::vector<DegreeInterval> intervals;   // in the order the window writes them

    static SolutionSet allReals(int period = 360) { return {Kind::AllReals, period, {}, {}}; }
    static SolutionSet empty(int period = 360) { return {Kind::Empty, period, {}, {}}; }
    static SolutionSet atPoints(std::vector<int> points, int period = 360)
    {
        return {Kind::Points, period, std::move(points), {}};
    }
    static SolutionSet within(std::vector<DegreeInterval> intervals, int period = 360)
    {
        return {Kind::Intervals, period, {}, std::move(intervals)};
    }
    // Whether an angle x (degrees) belongs to the set.
    bool contains(long double degrees) const;

    bool operator==(const SolutionSet&) const = default;
};
