#pragma once
// A typed answer and its verdict. The answer is read as the solutions in one period: a list of
// angles for an equation ("30, 150", "pi/6, 5pi/6", "30 or 150", "{30, 150}", families such as
// "30 + 360k" and "π/6 + 2πk"), intervals for an inequality ("30..150", "[0, 30] ∪ (150, 360)",
// "]150; 360[", "30 <= x < 150", "x ∈ [0, 180]", with points alone as "{0}" or "x = 0"), or
// the words for every x and for none. Each angle is read by the program's own evaluator. Every
// form answerText writes reads back as its set. The verdict compares the answer with the
// solver's set: right, or what is missing and extra, which ends are wrong.
#include <QString>
#include <vector>

#include "maths/solution_set.h"

namespace practice {

struct Reading {
    enum class Problem {
        None,
        Empty,        // nothing typed
        Unreadable,   // `part` is no angle, list or interval
        NotWhole,     // `part` is not a whole number of degrees
        EndsOrder,    // `part` is an interval whose first end is not below the second
        OutOfRange,   // `part` is an angle beyond -360° ... 720°
        TooLong,      // more than MaxAnswerLength characters
    };
    Problem problem = Problem::None;
    QString part;      // the piece of the answer that could not be read
    SolutionSet set;   // the answer, when there is no problem

    bool ok() const { return problem == Problem::None; }
};

// The longest answer read; the longest the program writes is far shorter.
inline constexpr int MaxAnswerLength = 2000;

// Reads an answer for an equation (a list of angles) or an inequality (intervals). A part that
// could not be read is quoted as it was typed. A family's step must be a whole number of
// degrees that divides the period.
Reading readAnswer(const QString& text, bool inequality, int period);

struct Verdict {
    bool right = false;
    // Equations: the solutions not given, the angles given that are none; every x given.
    std::vector<int> missing;
    std::vector<int> extra;
    bool everyX = false;
    // Inequalities: the ends given that are none, the ends not given, the ends that belong to
    // the set but were left out, those that do not but were put in, and whether, with the
    // right ends, the stretches between them are the wrong ones.
    std::vector<int> wrongEnds;
    std::vector<int> missingEnds;
    std::vector<int> include;
    std::vector<int> exclude;
    bool wrongStretches = false;
    // Inequalities whose set has no end, when the answer has none either: the set is every x,
    // or no x.
    bool holdsForEveryX = false;
    bool holdsForNoX = false;
};

Verdict check(const SolutionSet& expected, const SolutionSet& given, bool inequality, int period);

}  // namespace practice
