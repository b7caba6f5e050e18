// Feeds arbitrary bytes to the expression evaluator as typed text and checks what comes back:
// a finite value with no message, or value 0 with one of the evaluator's own messages; the
// same answer through the typed-text (UTF-16) entry and on a second call; and a result text
// of the calculator's format that never shows inf or nan.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "expr/number_format.h"
#include "maths/evaluator.h"
#include "fault.h"

namespace {

bool knownMessage(std::string_view message)
{
    namespace M = app::EvaluatorMessages;
    for (const char* m : {M::SyntaxError, M::ArcOutOfRange, M::ImaginaryValues, M::ImaginaryNumber,
                          M::LogarithmOfNonPositive, M::DivisionByZero, M::Overflow})
        if (message == m)
            return true;
    return false;
}

bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the angle unit (and now and then no factor at all).
    float factor = app::DegreesAngleFactor;
    switch (data[0] % 3) {
    case 0:
        factor = app::DegreesAngleFactor;
        break;
    case 1:
        factor = app::RadiansAngleFactor;
        break;
    default:
        factor = data[0] == 254 ? 0.0f : app::DegreesAngleFactor;
        break;
    }
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const app::Evaluation evaluation = app::EvaluateExpression(std::string_view(text), factor);
    const bool ok = evaluation.ok;
    const long double value = evaluation.value;
    const std::string_view message = evaluation.message;
    if (ok) {
        if (!std::isfinite(value) || !message.empty())
            fault("a result that is not finite, or a message with a result");
        const std::string shown = app::calculatorNumberText(value);
        if (shown.empty() || shown.size() > 23 || shown.find("inf") != std::string::npos ||
            shown.find("nan") != std::string::npos)
            fault("a result text out of format");
        if (std::fabs(value) >= 1000000.0L && shown.size() != 23)
            fault("a scientific result that is not 23 characters wide");
    } else {
        if (value != 0.0L || !knownMessage(message))
            fault("a failure without its message");
    }

    // The same text typed in a field (every byte as its Latin-1 character).
    std::u16string typedText;
    for (const char byte : text)
        typedText += char16_t(static_cast<unsigned char>(byte));
    const app::Evaluation typed = app::EvaluateExpression(std::u16string_view(typedText), factor);
    if (typed.ok != ok || !sameBits(typed.value, value) || typed.message != message)
        fault("typed text evaluated differently");

    // Nothing is left over from one evaluation to the next.
    const app::Evaluation again = app::EvaluateExpression(std::string_view(text), factor);
    if (again.ok != ok || !sameBits(again.value, value) || again.message != message)
        fault("a second evaluation differed");
    return 0;
}
