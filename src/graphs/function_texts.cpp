#include "graphs/function_texts.h"

#include <array>

#include "platform/colors.h"

namespace graphs {

namespace {

struct FunctionLook {
    QColor colour;
    const char* label;
};

const std::array<FunctionLook, FunctionCount>& looks()
{
    static const std::array<FunctionLook, FunctionCount> table = {{
        {Colors::clLime, "sen x = "},
        {Colors::clYellow, "cos x = "},
        {Colors::clAqua, "tan x = "},
        {Colors::clFuchsia, "cosec x = "},
        {Colors::clRed, "sec x = "},
        {Colors::clBlue, "cotan x = "},
    }};
    return table;
}

}  // namespace

QColor functionColour(TrigFunction function)
{
    return looks()[std::size_t(function)].colour;
}

QString functionLabel(TrigFunction function)
{
    return QString::fromLatin1(looks()[std::size_t(function)].label);
}

QString cutTo(const QString& text, int length)
{
    return text.left(length);
}

QString fixedTwoDecimals(long double value)
{
    QString text = QString::number(double(value), 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString anglePanelText(int step)
{
    const QString degrees = cutTo(QString::number(degreesAtStep(step)), 5);
    const QString radians = cutTo(fixedTwoDecimals(angleAtStep(step)), 5);
    return QStringLiteral("x = ") + degrees + QStringLiteral("° = ") + radians + QStringLiteral(" rad");
}

QString valueText(TrigFunction function, const Sample& sample)
{
    const std::optional<long double> value = functionValue(function, sample);
    if (!value)
        return functionLabel(function) + QStringLiteral(" inf");
    return functionLabel(function) + cutTo(fixedTwoDecimals(*value), 5);
}

}  // namespace graphs
