#pragma once
// The mathematics of the two angle windows: the reduction of an angle to the first quadrant or
// octant, and the eight associated angles of an acute angle, each with the identities that
// turn the sine, cosine and tangent of one angle into ± a function of the other.
namespace angles {

// The function on the right side of an identity.
enum class Ratio { Sine, Cosine, Tangent, Cotangent };

// One identity: f(given angle) = ± ratio(other angle).
struct Identity {
    bool negative = false;
    Ratio ratio = Ratio::Sine;
};

// The identities of the sine, the cosine and the tangent.
struct Identities {
    Identity sine;
    Identity cosine;
    Identity tangent;
};

// ---- Reduction to the first quadrant or octant ----

inline constexpr int ReductionMinimum = 91;
inline constexpr int ReductionMaximum = 359;
inline constexpr int ReductionStart = 150;

struct AngleReduction {
    int quadrant = 1;            // 1..4: the quadrant of the angle (0 and 90 in the first)
    int quadrantAngle = 0;       // the angle in the first quadrant, 0..90
    int reducedAngle = 0;        // the angle the identities use (the octant one when it applies)
    bool octantApplies = false;  // octant asked for and the quadrant angle above 45
    Identities identities;       // f(alfa) = ± g(reducedAngle)
};

// Reduces alfa (whole degrees, taken modulo 360) to the first quadrant, and further to the
// first octant when `octant` is set and the quadrant angle is above 45.
AngleReduction reduceAngle(int alfa, bool octant);

// ---- Associated angles ----

inline constexpr int AcuteMinimum = 0;
inline constexpr int AcuteMaximum = 90;
inline constexpr int AcuteStart = 50;
inline constexpr int AssociatedItemCount = 8;

struct AssociatedAngle {
    int angle = 0;            // b, which may be negative or 360
    Identities identities;    // f(b) = ± g(a)
};
// The associated angle of a for an item 0..7 (90° - a, 90° + a, 180° - a, 180° + a, 270° - a,
// 270° + a, 360° - a, -a); an item out of range counts as item 0.
AssociatedAngle associatedAngle(int a, int item);

}  // namespace angles
