#pragma once
// How the function graphs window shows the functions and the angle: each function's colour and
// value label, and the texts of the bottom panels.
#include <QColor>
#include <QString>

#include "maths/function_values.h"

namespace graphs {

// The colour each function is drawn in, and the label of its value text ("sen x = ", ...).
QColor functionColour(TrigFunction function);
QString functionLabel(TrigFunction function);

// The first `length` characters of a text.
QString cutTo(const QString& text, int length);
// A value in fixed notation with two decimals ("0.00", "-25.45"); a value that rounds to zero
// is "0.00", never "-0.00".
QString fixedTwoDecimals(long double value);

// The angle panel's text: "x = " + degrees + "° = " + radians + " rad", each number cut to
// 5 characters.
QString anglePanelText(int step);

// The value text of a panel: the label followed by the value cut to 5 characters, or by
// " inf" where the function is undefined.
QString valueText(TrigFunction function, const Sample& sample);

}  // namespace graphs
