// Feeds arbitrary text to the typed-equation reader and checks what comes back: a refusal whose
// place lies within what was typed and whose message quotes it, or an equation whose text as
// understood reads back to the same kind and coefficients, with solutions that lie in one period
// and solve it.
#include <QString>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "maths/typed_equation.h"
#include "texts/typed_texts.h"
#include "fault.h"

using namespace solvers;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const TypedEquation e = readTypedEquation(typed);
    if (!e.ok()) {
        if (e.position < 0 || e.length < 1 || (e.refusal != TypedRefusal::TooLong && size_t(e.position) > size))
            fault("a refusal placed outside what was typed");
        if (refusalText(e, typed, int(size % 3)).isEmpty())
            fault("a refusal without a message");
        return 0;
    }
    for (const long double k : e.coefficients)
        if (!std::isfinite(k))
            fault("a coefficient that is not a finite number");
    const TypedEquation again = readTypedEquation(equationText(e));
    if (!again.ok() || again.kind != e.kind || again.relation != e.relation)
        fault("the equation as understood does not read back");
    for (int i = 0; i < 3; ++i) {
        const long double scale = std::max(1.0L, std::fabs(e.coefficients[size_t(i)]));
        if (std::fabs(again.coefficients[size_t(i)] - e.coefficients[size_t(i)]) > 1e-9L * scale)
            fault("the equation as understood reads back to other coefficients");
    }
    const TypedSolution s = solveTyped(e);
    for (const double p : s.points)
        if (!(p >= 0 && p < s.period))
            fault("a solution outside one period");
    for (const TypedInterval& i : s.intervals)
        if (!(i.from <= i.to && i.to - i.from <= s.period && i.to <= s.period))
            fault("an interval that is not within one period");
    (void)solutionText(e, s, int(size % 3));
    return 0;
}
