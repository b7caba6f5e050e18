#include "maths/angle_identities.h"

namespace angles {

namespace {

constexpr Identity plus(Ratio ratio)
{
    return {false, ratio};
}

constexpr Identity minus(Ratio ratio)
{
    return {true, ratio};
}

int normalisedDegrees(int degrees)
{
    const int rest = degrees % 360;
    return rest < 0 ? rest + 360 : rest;
}

}  // namespace

AngleReduction reduceAngle(int alfa, bool octant)
{
    using enum Ratio;
    const int angle = normalisedDegrees(alfa);
    AngleReduction result;
    // Quadrant identities first, then the octant ones that replace them when the angle is above 45.
    Identities octantIdentities;
    if (angle <= 90) {
        result.quadrant = 1;
        result.quadrantAngle = angle;
        result.identities = {plus(Sine), plus(Cosine), plus(Tangent)};
        octantIdentities = {plus(Cosine), plus(Sine), plus(Cotangent)};
    } else if (angle <= 180) {
        result.quadrant = 2;
        result.quadrantAngle = 180 - angle;
        result.identities = {plus(Sine), minus(Cosine), minus(Tangent)};
        octantIdentities = {plus(Cosine), minus(Sine), minus(Cotangent)};
    } else if (angle <= 270) {
        result.quadrant = 3;
        result.quadrantAngle = angle - 180;
        result.identities = {minus(Sine), minus(Cosine), plus(Tangent)};
        octantIdentities = {minus(Cosine), minus(Sine), plus(Cotangent)};
    } else {
        result.quadrant = 4;
        result.quadrantAngle = 360 - angle;
        result.identities = {minus(Sine), plus(Cosine), minus(Tangent)};
        octantIdentities = {minus(Cosine), plus(Sine), minus(Cotangent)};
    }
    result.reducedAngle = result.quadrantAngle;
    if (octant && result.quadrantAngle > 45) {
        result.octantApplies = true;
        result.reducedAngle = 90 - result.quadrantAngle;
        result.identities = octantIdentities;
    }
    return result;
}

AssociatedAngle associatedAngle(int a, int item)
{
    using enum Ratio;
    switch (item) {
    case 1: return {a + 90, {plus(Cosine), minus(Sine), minus(Cotangent)}};
    case 2: return {180 - a, {plus(Sine), minus(Cosine), minus(Tangent)}};
    case 3: return {a + 180, {minus(Sine), minus(Cosine), plus(Tangent)}};
    case 4: return {270 - a, {minus(Cosine), minus(Sine), plus(Cotangent)}};
    case 5: return {a + 270, {minus(Cosine), plus(Sine), minus(Cotangent)}};
    case 6: return {360 - a, {minus(Sine), plus(Cosine), minus(Tangent)}};
    case 7: return {-a, {minus(Sine), plus(Cosine), minus(Tangent)}};
    default: return {90 - a, {plus(Cosine), plus(Sine), plus(Cotangent)}};
    }
}

}  // namespace angles
