#include "expr/typed_expression.h"

namespace app {

float AngleFactor = DegreesAngleFactor;

Evaluation EvaluateExpression(const QString& text)
{
    return EvaluateExpression(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())),
                              AngleFactor);
}

QString evaluatorMessageText(const Evaluation& evaluation)
{
    return QString::fromLatin1(evaluation.message.data(), qsizetype(evaluation.message.size()));
}

}  // namespace app
