#pragma once
// A worked solution as findings: an ordered list of steps, each naming its strategy by a stable
// key and carrying the numbers it uses by name. No texts here: each topic's texts unit writes a
// step in the language in use from its key and values.
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "maths/solution_set.h"

namespace solvers {

struct StepValue {
    std::string_view name;  // stable, e.g. "R", "t1", "alpha"
    double value = 0;
};

struct Step {
    std::string_view key;  // stable strategy key, e.g. "quadratic.discriminant"
    std::vector<StepValue> values;
    std::vector<Step> substeps;  // e.g. each kept t solved as an elementary equation
    // The set of x the step reaches over one period (the families it states), where it states one.
    std::optional<SolutionSet> set;

    // The value named, or NaN when the step has none by that name.
    double value(std::string_view name) const
    {
        for (const StepValue& v : values)
            if (v.name == name) return v.value;
        return std::nan("");
    }
    bool has(std::string_view name) const { return !std::isnan(value(name)); }
};

using WorkedSolution = std::vector<Step>;

}  // namespace solvers
