// The function graphs' mathematics: the circle point in pixels and each function's graph value.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "maths/function_values.h"

using namespace graphs;

TEST(FunctionValues, CirclePixelsAndGraphValues)
{
    const int r = 200;
    const struct {
        int step;
        int cx, sy;
        int tangent, cotangent, secant, cosecant;  // INT32_MIN: undefined
    } cases[] = {
        {0, 200, 0, 0, INT32_MIN, 200, INT32_MIN},
        {1, 200, 8, 8, 5000, 200, 5094},            // r sy / cx = 8; r cx / sy = 5000; r / sin 2.25° = 5094.3
        {20, 141, 141, 200, 200, 283, 283},         // 45°: r / cos = 282.8
        {40, 0, 200, INT32_MIN, 0, INT32_MIN, 200},
        {60, -141, 141, -200, -200, -283, 283},     // 135°
        {80, -200, 0, 0, INT32_MIN, -200, INT32_MIN},
        {100, -141, -141, 200, 200, -283, -283},    // 225°
        {120, 0, -200, INT32_MIN, 0, INT32_MIN, -200},
    };
    auto expectPixels = [](std::optional<int> got, int want, const char* what, int step) {
        if (want == INT32_MIN)
            EXPECT_FALSE(got.has_value()) << what << " step " << step;
        else
            EXPECT_EQ(got.value_or(-99999), want) << what << " step " << step;
    };
    for (const auto& c : cases) {
        const Sample s = sampleAtStep(c.step, r);
        EXPECT_EQ(s.cx, c.cx) << "step " << c.step;
        EXPECT_EQ(s.sy, c.sy) << "step " << c.step;
        EXPECT_EQ(graphValue(TrigFunction::Sine, s, r), c.sy);
        EXPECT_EQ(graphValue(TrigFunction::Cosine, s, r), c.cx);
        expectPixels(graphValue(TrigFunction::Tangent, s, r), c.tangent, "tangent", c.step);
        expectPixels(graphValue(TrigFunction::Cotangent, s, r), c.cotangent, "cotangent", c.step);
        expectPixels(graphValue(TrigFunction::Secant, s, r), c.secant, "secant", c.step);
        expectPixels(graphValue(TrigFunction::Cosecant, s, r), c.cosecant, "cosecant", c.step);
    }
}
