// Feeds arbitrary text to the answer reader as a student would type it, for an equation or an
// inequality over 360° or 180°, and checks what comes back: a set, or a problem that quotes a
// piece of what was typed; a set that the program writes (in degrees or in π) and reads back
// as the same set; and a verdict against an exercise's answer.
#include <QString>
#include <cstdint>

#include "practice/answer.h"
#include "practice/exercise.h"
#include "fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte: bit 0 an inequality, bit 1 the tangent's period, bit 2 radians for the
    // written set.
    const bool inequality = data[0] & 1;
    const int period = data[0] & 2 ? 180 : 360;
    const bool radians = data[0] & 4;
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const practice::Reading r = practice::readAnswer(typed, inequality, period);
    using Problem = practice::Reading::Problem;
    if (!r.ok()) {
        if (r.problem != Problem::Empty && r.problem != Problem::TooLong && (r.part.isEmpty() || !typed.contains(r.part)))
            fault("a problem that does not quote what was typed");
        return 0;
    }
    if (r.set.kind == SolutionSet::Kind::Points)
        for (int p : r.set.points)
            if (p < 0 || p >= period)
                fault("a point outside one period");

    // Every set the program writes reads back as itself.
    const std::vector<bool> samples = practice::sampled(r.set, period);
    const QString written = practice::answerText(r.set, period, radians);
    if (written.size() <= practice::MaxAnswerLength) {
        const practice::Reading back = practice::readAnswer(written, inequality, period);
        if (!back.ok() || practice::sampled(back.set, period) != samples)
            fault("a written set that does not read back");
    }

    // The verdict against an answer of the same kind: right exactly when the sets agree.
    const practice::Exercise e = practice::makeExercise({practice::Family::Quadratic, inequality, period == 180 ? 2 : 0, 2}, data[0]);
    const SolutionSet expected = practice::solverAnswer(e);
    const practice::Verdict v = practice::check(expected, r.set, inequality, period);
    if (v.right != (practice::sampled(expected, period) == samples))
        fault("a verdict that disagrees with the sets");
    return 0;
}
