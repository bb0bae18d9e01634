#pragma once
// One channel of an image as floats in 0..1, row by row: what blurs and the
// filters built on them work on.

#include <cstddef>
#include <vector>

namespace glimmora::player {

struct Plane {
    int width = 0, height = 0;
    std::vector<float> values;

    Plane() = default;
    Plane(int w, int h, float fill = 0) : width(w), height(h), values(size_t(w) * size_t(h), fill) {}
    float& at(int x, int y) { return values[size_t(y) * size_t(width) + size_t(x)]; }
    float at(int x, int y) const { return values[size_t(y) * size_t(width) + size_t(x)]; }
    // Zero outside the plane.
    float Sample(int x, int y) const
    {
        return x < 0 || y < 0 || x >= width || y >= height ? 0.0f : at(x, y);
    }
};

}  // namespace glimmora::player
