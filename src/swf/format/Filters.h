#pragma once
// What PlaceObject3 adds to an object's drawing: its blend mode, whether it is
// drawn as a cached bitmap, and its filters, as stored in the file.

#include "swf/format/Records.h"

#include <array>
#include <cstdint>
#include <vector>

namespace glimmora::swf {

// Stored values; 0 reads as Normal, values past HardLight draw as Normal.
enum class BlendMode : uint8_t {
    Normal = 1,
    Layer = 2,
    Multiply = 3,
    Screen = 4,
    Lighten = 5,
    Darken = 6,
    Difference = 7,
    Add = 8,
    Subtract = 9,
    Invert = 10,
    Alpha = 11,
    Erase = 12,
    Overlay = 13,
    HardLight = 14,
};

// One filter of an object's filter list. The fields a filter type does not
// store keep their defaults. Sizes are in pixels of the stage, the angle in
// radians (0 points right, growing clockwise on screen).
struct Filter {
    enum class Type : uint8_t {
        DropShadow = 0,
        Blur = 1,
        Glow = 2,
        Bevel = 3,
        GradientGlow = 4,
        Convolution = 5,
        ColorMatrix = 6,
        GradientBevel = 7,
    };
    Type type = Type::Blur;

    // Blurs and everything built on a blur.
    double blurX = 0, blurY = 0;
    uint8_t passes = 1;
    // Shadows, glows and bevels: the shadow (or glow) colour, the bevel's
    // highlight, the offset, and how strongly the blurred edge shows.
    Rgba color;
    Rgba highlight;
    double angle = 0, distance = 0;
    double strength = 1;
    bool inner = false;
    bool knockout = false;
    bool compositeSource = true;  // draws the object as well as its effect
    bool onTop = false;  // bevels and gradient filters: inside and outside ("full")
    // Gradient glow and gradient bevel.
    std::vector<Rgba> gradientColors;
    std::vector<uint8_t> gradientRatios;

    // Convolution: `columns` x `rows` weights, row by row.
    uint8_t columns = 0, rows = 0;
    float divisor = 1, bias = 0;
    std::vector<float> weights;
    Rgba defaultColor{0, 0, 0, 0};
    bool clamp = true;
    bool preserveAlpha = true;

    // Colour matrix: four rows of five (red, green, blue, alpha, offset in 0..255).
    std::array<float, 20> colorMatrix{};

    friend bool operator==(const Filter&, const Filter&) = default;
};

using FilterList = std::vector<Filter>;

}  // namespace glimmora::swf
