#include "expr/typed_expression.h"

namespace app {

Evaluation EvaluateExpression(const QString& text, float angleFactor)
{
    return EvaluateExpression(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())),
                              angleFactor);
}

QString evaluatorMessageText(const Evaluation& evaluation)
{
    return QString::fromLatin1(evaluation.message.data(), qsizetype(evaluation.message.size()));
}

}  // namespace app
