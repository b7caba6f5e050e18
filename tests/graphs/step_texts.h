#pragma once
// The panels' texts at the steps a student watches most: the start, the first two steps, the
// four quarter turns and the step after the first one. Undefined values read " inf".
#include "maths/function_values.h"

struct StepTexts {
    int step;
    const char* angle;
    const char* values[graphs::FunctionCount];  // sine, cosine, tangent, cosecant, secant, cotangent
};

inline const StepTexts kStepTexts[] = {
    {0, "x = 0° = 0.00 rad",
     {"sen x = 0.00", "cos x = 1.00", "tan x = 0.00", "cosec x =  inf", "sec x = 1.00", "cotan x =  inf"}},
    {1, "x = 2° = 0.04 rad",
     {"sen x = 0.04", "cos x = 1.00", "tan x = 0.04", "cosec x = 25.47", "sec x = 1.00", "cotan x = 25.45"}},
    {2, "x = 4° = 0.08 rad",
     {"sen x = 0.08", "cos x = 1.00", "tan x = 0.08", "cosec x = 12.75", "sec x = 1.00", "cotan x = 12.71"}},
    {40, "x = 90° = 1.57 rad",
     {"sen x = 1.00", "cos x = 0.00", "tan x =  inf", "cosec x = 1.00", "sec x =  inf", "cotan x = 0.00"}},
    {41, "x = 92° = 1.61 rad",
     {"sen x = 1.00", "cos x = -0.04", "tan x = -25.4", "cosec x = 1.00", "sec x = -25.4", "cotan x = -0.04"}},
    {80, "x = 180° = 3.14 rad",
     {"sen x = 0.00", "cos x = -1.00", "tan x = 0.00", "cosec x =  inf", "sec x = -1.00", "cotan x =  inf"}},
    {120, "x = 270° = 4.71 rad",
     {"sen x = -1.00", "cos x = 0.00", "tan x =  inf", "cosec x = -1.00", "sec x =  inf", "cotan x = 0.00"}},
    {160, "x = 360° = 6.28 rad",
     {"sen x = 0.00", "cos x = 1.00", "tan x = 0.00", "cosec x =  inf", "sec x = 1.00", "cotan x =  inf"}},
};
