#include "graphs/function_values.h"

#include <array>
#include <cmath>

#include "platform/colors.h"

namespace graphs {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

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

// The pixel value a function divides by; zero means undefined.
int divisorPixels(TrigFunction function, const Sample& sample)
{
    switch (function) {
    case TrigFunction::Cosecant:
    case TrigFunction::Cotangent:
        return sample.sy;
    case TrigFunction::Secant:
    case TrigFunction::Tangent:
        return sample.cx;
    default:
        return 1;
    }
}

}  // namespace

TrigFunction functionAt(int index)
{
    return index >= 0 && index < FunctionCount ? TrigFunction(index) : TrigFunction::Sine;
}

QColor functionColour(TrigFunction function)
{
    return looks()[std::size_t(function)].colour;
}

QString functionLabel(TrigFunction function)
{
    return QString::fromLatin1(looks()[std::size_t(function)].label);
}

long long nearest(long double x)
{
    return std::llrint(x);  // the default rounding mode rounds halves to even
}

long double angleAtStep(int step)
{
    return step * kPi / 80;
}

int degreesAtStep(int step)
{
    return int(nearest(step * 9.0L / 4.0L));
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

Sample sampleAtStep(int step, int radius)
{
    Sample sample;
    sample.theta = angleAtStep(step);
    sample.cx = int(nearest(std::cos(sample.theta) * radius));
    sample.sy = int(nearest(std::sin(sample.theta) * radius));
    return sample;
}

std::optional<long double> functionValue(TrigFunction function, const Sample& sample)
{
    if (divisorPixels(function, sample) == 0)
        return std::nullopt;
    const long double sine = std::sin(sample.theta);
    const long double cosine = std::cos(sample.theta);
    // A non-zero pixel value means |r sin| or |r cos| is at least 1/2, so the exact divisor is
    // not zero either; the checks below still guard every division.
    switch (function) {
    case TrigFunction::Sine:
        return sine;
    case TrigFunction::Cosine:
        return cosine;
    case TrigFunction::Tangent:
        return cosine != 0 ? std::optional<long double>(sine / cosine) : std::nullopt;
    case TrigFunction::Cosecant:
        return sine != 0 ? std::optional<long double>(1 / sine) : std::nullopt;
    case TrigFunction::Secant:
        return cosine != 0 ? std::optional<long double>(1 / cosine) : std::nullopt;
    case TrigFunction::Cotangent:
        return sine != 0 ? std::optional<long double>(cosine / sine) : std::nullopt;
    }
    return std::nullopt;
}

QString valueText(TrigFunction function, const Sample& sample)
{
    const std::optional<long double> value = functionValue(function, sample);
    if (!value)
        return functionLabel(function) + QStringLiteral(" inf");
    return functionLabel(function) + cutTo(fixedTwoDecimals(*value), 5);
}

std::optional<int> graphValue(TrigFunction function, const Sample& sample, int radius)
{
    const int divisor = divisorPixels(function, sample);
    if (divisor == 0)
        return std::nullopt;
    switch (function) {
    case TrigFunction::Sine:
        return sample.sy;
    case TrigFunction::Cosine:
        return sample.cx;
    case TrigFunction::Tangent:
        return int(nearest((long double)radius * sample.sy / divisor));
    case TrigFunction::Cotangent:
        return int(nearest((long double)radius * sample.cx / divisor));
    case TrigFunction::Cosecant:
    case TrigFunction::Secant: {
        const long double divisorValue =
            function == TrigFunction::Cosecant ? std::sin(sample.theta) : std::cos(sample.theta);
        if (divisorValue == 0)
            return std::nullopt;
        return int(nearest(radius / divisorValue));
    }
    }
    return std::nullopt;
}

}  // namespace graphs
