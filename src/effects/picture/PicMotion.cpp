#include "effects/picture/PicMotion.h"

#include <cmath>

namespace glimmora {

double RoundHalfEven(double value)
{
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(value);
}

PicGeometry GeometryOf(const TFlashPic& picture)
{
    PicGeometry g;
    g.cx = (double(picture.MovieWidth) - double(picture.Width)) / 2 * 20;
    g.cy = (double(picture.MovieHeight) - double(picture.Height)) / 2 * 20;
    g.w = double(picture.Width) * 20;
    g.h = double(picture.Height) * 20;
    return g;
}

double GrowingShare(int k) { return double(k) / kPicRunSteps; }

double ShrinkingShare(int k) { return double(kPicRunSteps - k) / kPicRunSteps; }

double TurnAngle(int exRotate, int k) { return double(exRotate) / kPicRunSteps * k * 65536 * 360; }

PicJitter DrawJitter(IRandomSource& random, int exShock, int k, bool onX, bool onY)
{
    random.Reseed();
    const double stepsToGo = 20.0 * (kPicRunSteps - k);
    PicJitter j;
    if (onX) j.x = random.Next(exShock) * stepsToGo;
    if (onY) j.y = random.Next(exShock) * stepsToGo;
    return j;
}

}  // namespace glimmora
