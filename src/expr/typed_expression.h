#pragma once
// Expressions typed in the program's fields: the text of a field evaluated with an angle factor
// (the calculator's angle unit), and the message shown for a failure.
#include <QString>

#include "maths/evaluator.h"

namespace app {

// Evaluates the text of a field with the angle factor given (DegreesAngleFactor or
// RadiansAngleFactor).
Evaluation EvaluateExpression(const QString& text, float angleFactor);

// The message of a failed evaluation as text for labels and fields (empty after a success).
QString evaluatorMessageText(const Evaluation& evaluation);

}  // namespace app
