#include "player/compositing/BoxBlur.h"

#include <algorithm>
#include <cmath>

namespace glimmora::player {
namespace {

// One pass along a line of `count` values `stride` apart. `sums` is scratch
// for the running sums (count + 1 values).
void BlurLine(float* line, int count, size_t stride, double box, std::vector<double>& sums)
{
    const double half = (box - 1) / 2;
    const int whole = int(std::floor(half));
    const double part = half - whole;
    sums.assign(size_t(count) + 1, 0.0);
    for (int i = 0; i < count; ++i) sums[size_t(i) + 1] = sums[size_t(i)] + line[size_t(i) * stride];
    // Sum of values [from, to] clamped to the line.
    const auto range = [&](int from, int to) {
        from = std::max(from, 0);
        to = std::min(to, count - 1);
        return from > to ? 0.0 : sums[size_t(to) + 1] - sums[size_t(from)];
    };
    const auto value = [&](int i) { return i < 0 || i >= count ? 0.0 : sums[size_t(i) + 1] - sums[size_t(i)]; };
    const double scale = 1.0 / box;
    for (int i = 0; i < count; ++i) {
        const double sum = range(i - whole, i + whole) + part * (value(i - whole - 1) + value(i + whole + 1));
        line[size_t(i) * stride] = float(sum * scale);
    }
}

}  // namespace

int BlurReach(double box, int passes)
{
    return box <= 1 ? 0 : int(std::ceil(box / 2)) * std::max(passes, 0);
}

void BoxBlur(Plane& plane, double boxX, double boxY, int passes)
{
    if (plane.values.empty()) return;
    std::vector<double> sums;
    for (int pass = 0; pass < passes; ++pass) {
        if (boxX > 1) {
            for (int y = 0; y < plane.height; ++y) BlurLine(&plane.at(0, y), plane.width, 1, boxX, sums);
        }
        if (boxY > 1) {
            for (int x = 0; x < plane.width; ++x) BlurLine(&plane.at(x, 0), plane.height, size_t(plane.width), boxY, sums);
        }
    }
}

}  // namespace glimmora::player
