#include "swf/fonts/QuadraticApproximation.h"

#include <algorithm>
#include <cmath>

namespace glimmora::swf {
namespace {

PointF Lerp(PointF a, PointF b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

struct Cubic {
    PointF p0, c1, c2, p3;
};

// The part of `c` between parameters t0 and t1 (two de Casteljau splits).
Cubic SubCubic(const Cubic& c, double t0, double t1) {
    auto split = [](const Cubic& k, double t, bool keepLeft) {
        PointF ab = Lerp(k.p0, k.c1, t), bc = Lerp(k.c1, k.c2, t), cd = Lerp(k.c2, k.p3, t);
        PointF abc = Lerp(ab, bc, t), bcd = Lerp(bc, cd, t);
        PointF mid = Lerp(abc, bcd, t);
        return keepLeft ? Cubic{k.p0, ab, abc, mid} : Cubic{mid, bcd, cd, k.p3};
    };
    Cubic right = t0 > 0 ? split(c, t0, false) : c;
    if (t1 >= 1) return right;
    double local = (t1 - t0) / (1 - t0);
    return split(right, local, true);
}

}  // namespace

std::vector<QuadraticPiece> CubicToQuadratics(PointF p0, PointF c1, PointF c2, PointF p3,
                                              double tolerance) {
    // The best single quadratic for a cubic (control at the mean of the two
    // tangent intersections) deviates by at most sqrt(3)/36 * |p3 - 3c2 + 3c1 - p0|;
    // the third difference shrinks with the cube of the number of pieces.
    double dx = p3.x - 3 * c2.x + 3 * c1.x - p0.x;
    double dy = p3.y - 3 * c2.y + 3 * c1.y - p0.y;
    double error = std::sqrt(3.0) / 36.0 * std::hypot(dx, dy);
    tolerance = std::max(tolerance, 1e-6);
    int pieces = 1;
    if (error > tolerance) pieces = int(std::ceil(std::cbrt(error / tolerance)));
    pieces = std::clamp(pieces, 1, 64);

    Cubic whole{p0, c1, c2, p3};
    std::vector<QuadraticPiece> out;
    out.reserve(size_t(pieces));
    for (int i = 0; i < pieces; ++i) {
        Cubic k = SubCubic(whole, double(i) / pieces, double(i + 1) / pieces);
        PointF control{(3 * (k.c1.x + k.c2.x) - k.p0.x - k.p3.x) / 4,
                       (3 * (k.c1.y + k.c2.y) - k.p0.y - k.p3.y) / 4};
        out.push_back({control, i + 1 == pieces ? p3 : k.p3});
    }
    return out;
}

}  // namespace glimmora::swf
