#pragma once
// Arithmetic shared by the animated picture routines: the run's length, the
// centring offsets, the turn of the " -r" routines and the jitter of the
// " -s" routines. Lengths are twips (20 per pixel).

#include "objects/RandomSource.h"
#include "objects/TFlashPic.h"

namespace glimmora {

// Every animated run has ExSpeed + 1 steps; the routines set ExSpeed to this.
inline constexpr int kPicRunSpeed = 30;
inline constexpr int kPicRunSteps = kPicRunSpeed + 1;
// The routines' fixed working values.
inline constexpr int kPicTurns = 1;      // ExRotate of the " -r" routines
inline constexpr int kPicShockRange = 5;  // ExShock of the " -s" routines: jitter 0..4 pixels

// Plain, turning once (" -r") or shaking (" -s").
enum class PicVariant { Plain, Turning, Shaking };

// Round to the nearest integer, halves to even.
double RoundHalfEven(double value);

// The picture's size and the offsets that centre its unscaled box on the stage.
struct PicGeometry {
    double cx = 0;  // (MovieWidth - Width) / 2 * 20
    double cy = 0;  // (MovieHeight - Height) / 2 * 20
    double w = 0;   // Width * 20
    double h = 0;   // Height * 20
};
PicGeometry GeometryOf(const TFlashPic& picture);

// p = k / 31 and q = (31 - k) / 31 for step k (1..31).
double GrowingShare(int k);
double ShrinkingShare(int k);

// The angle at step k of a turning run: ExRotate / 31 * k * 65536 * 360
// (degrees x 65536); ends at exactly one turn.
double TurnAngle(int exRotate, int k);

// Jitter of one step, in twips, for the axes asked for; 0 on the others.
struct PicJitter {
    double x = 0;
    double y = 0;
};
// Reseeds once, then draws r in 0..exShock-1 for x first, then for y, and
// gives r * 20 * (31 - k) per drawn axis.
PicJitter DrawJitter(IRandomSource& random, int exShock, int k, bool onX, bool onY);

}  // namespace glimmora
