#pragma once
// The solver pictures in words, for screen readers: the unit circle with the rays of the
// solutions, the graph of the function with the lines y = t it is cut by, and where the
// equation or the inequalities hold, from a window's findings, in the language in use.
#include <QString>
#include <vector>

#include "maths/solution_set.h"

namespace solvers {

// A number as the descriptions write it: at most four decimals, no trailing zeros.
QString numberWords(long double value);
// "30°", "30° and 150°", "30°, 90° and 150°".
QString degreeListWords(const std::vector<int>& degrees);
// Where a set holds: "x = 30° and x = 150°", "30° ≤ x ≤ 150°", "every x", "no x".
QString setWords(const SolutionSet& set);

// An equation's picture: the function cut by the lines y = level at the set's points.
QString equationPictureWords(const QString& function, const std::vector<long double>& levels, const SolutionSet& set);
// The inequalities' picture: the function with the lines y = level, each relation with its set.
QString inequalityPictureWords(const QString& function, const std::vector<long double>& levels,
                               const QString& greater, const SolutionSet& greaterSet, const QString& less,
                               const SolutionSet& lessSet);

}  // namespace solvers
