#pragma once
// The triangle exercises of the practice window and the worksheets: level 1 right triangles,
// level 2 one law (SSS, SAS, ASA, AAS), level 3 the ambiguous case (two sides and an angle not
// between them: none, one or two triangles, all asked for). Each level is a list of distinct
// exercises by index; the answer is what the triangle solver finds. Answers are numbers typed in
// the order asked, separated by commas, the triangles by semicolons, judged to 0.1 for sides and
// to 1′ for angles.
#include <QString>
#include <QStringList>
#include <vector>

#include "maths/triangle.h"

namespace practice {

// The tolerances the exercises state: a side within 0.1, an angle within one minute.
inline constexpr double SideTolerance = 0.1;
inline constexpr double AngleTolerance = 1.0 / 60;

struct TriangleTask {
    triangles::Parts given = triangles::noParts();
    std::vector<int> asked;  // the parts asked for, in the order they are typed
};

// How many distinct exercises a level (1 … 3) has, and the one of an index below that.
int triangleTaskCount(int level);
TriangleTask triangleTask(int level, int index);

// "C = 90°, a = 3, b = 4: find c, A, B." in the language in use.
QString triangleTaskText(const TriangleTask& task);
// How to type the answer: the parts in order, the tolerances, the semicolon, "none".
QString triangleAnswerHint(const TriangleTask& task);
// The answer key: "c = 5, A = 36°52′, B = 53°8′", the triangles joined by "; ", or "no triangle".
QString triangleAnswerText(const TriangleTask& task);

// The verdict of a typed answer: right, or lines saying what is wrong; `read` is false when the
// answer could not be read (the lines then say why, and no try is counted).
struct TriangleVerdict {
    bool read = false;
    bool right = false;
    QStringList lines;
};
TriangleVerdict checkTriangleAnswer(const TriangleTask& task, const QString& answer);

}  // namespace practice
