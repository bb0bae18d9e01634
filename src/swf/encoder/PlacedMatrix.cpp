#include "swf/encoder/PlacedMatrix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glimmora::swf {
namespace {

// Cosine and sine of an angle in degrees, exact at multiples of 90.
void CosSin(double degrees, double& cosine, double& sine)
{
    double turned = std::fmod(degrees, 360.0);
    if (turned < 0) {
        turned += 360.0;
    }
    if (turned == 0) {
        cosine = 1, sine = 0;
    } else if (turned == 90) {
        cosine = 0, sine = 1;
    } else if (turned == 180) {
        cosine = -1, sine = 0;
    } else if (turned == 270) {
        cosine = 0, sine = -1;
    } else {
        const double radians = turned * std::numbers::pi / 180.0;
        cosine = std::cos(radians);
        sine = std::sin(radians);
    }
}

int32_t Fixed(double value, double unit)
{
    const double scaled = std::nearbyint(value * unit);
    if (!(scaled == scaled)) {
        return 0;
    }
    return int32_t(std::clamp(scaled, -1073741824.0, 1073741823.0));
}

}  // namespace

Affine PlacedMatrix(const HolderTransform& t, double width, double height)
{
    double cosine = 1, sine = 0;
    CosSin(t.angle / 65536.0, cosine, sine);
    const double sx = t.scaleX / 65536.0;
    const double sy = t.scaleY / 65536.0;
    Affine m;
    m.a = sx * cosine;
    m.b = sx * sine;
    m.c = -sy * sine;
    m.d = sy * cosine;
    const double halfW = width / 2, halfH = height / 2;
    m.tx = t.x + halfW - (m.a * halfW + m.c * halfH);
    m.ty = t.y + halfH - (m.b * halfW + m.d * halfH);
    return m;
}

Matrix Quantise(const Affine& affine)
{
    Matrix m;
    m.scaleX = Fixed(affine.a, 65536);
    m.rotateSkew0 = Fixed(affine.b, 65536);
    m.rotateSkew1 = Fixed(affine.c, 65536);
    m.scaleY = Fixed(affine.d, 65536);
    m.translateX = Fixed(affine.tx, 1);
    m.translateY = Fixed(affine.ty, 1);
    return m;
}

}  // namespace glimmora::swf
