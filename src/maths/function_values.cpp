#include "maths/function_values.h"

#include <cmath>

namespace graphs {

namespace {

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

long double angleAtStep(int step)
{
    return step * Pi / 80;
}

int degreesAtStep(int step)
{
    return nearest(step * 9.0L / 4.0L);
}

Sample sampleAtStep(int step, int radius)
{
    Sample sample;
    sample.theta = angleAtStep(step);
    sample.cx = nearest(std::cos(sample.theta) * radius);
    sample.sy = nearest(std::sin(sample.theta) * radius);
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
        return nearest((long double)radius * sample.sy / divisor);
    case TrigFunction::Cotangent:
        return nearest((long double)radius * sample.cx / divisor);
    case TrigFunction::Cosecant:
    case TrigFunction::Secant: {
        const long double divisorValue =
            function == TrigFunction::Cosecant ? std::sin(sample.theta) : std::cos(sample.theta);
        if (divisorValue == 0)
            return std::nullopt;
        return nearest(radius / divisorValue);
    }
    }
    return std::nullopt;
}

}  // namespace graphs
