#pragma once
// Expressions typed in the program's fields: the angle unit the calculator chooses for every
// evaluation, the text of a field evaluated with it, and the message shown for a failure.
#include <QString>

#include "maths/evaluator.h"

namespace app {

// The angle factor the calculator sets (degrees or radians) and every typed expression is
// evaluated with; degrees from the start.
extern float AngleFactor;

// Evaluates the text of a field with the current AngleFactor.
Evaluation EvaluateExpression(const QString& text);

// The message of a failed evaluation as text for labels and fields (empty after a success).
QString evaluatorMessageText(const Evaluation& evaluation);

}  // namespace app
