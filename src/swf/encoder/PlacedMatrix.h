#pragma once
// The transform of a placed holder: its box of w x h, scaled and turned about
// the box centre, with the unscaled, unturned box's corner at (x, y).
//   M = T(x + w/2, y + h/2) * R(angle) * S(sx, sy) * T(-w/2, -h/2)
// A positive angle turns clockwise on screen (y points down). Values stay real
// until Quantise makes the file's MATRIX of them.

#include "swf/format/Records.h"

namespace glimmora::swf {

struct Affine {
    double a = 1, b = 0, c = 0, d = 1;  // x' = a*x + c*y + tx, y' = b*x + d*y + ty
    double tx = 0, ty = 0;
};

struct HolderTransform {
    double scaleX = 65536, scaleY = 65536;  // 16.16 fixed point as real numbers
    double angle = 0;                        // degrees x 65536
    double x = 0, y = 0;                     // twips
};

Affine PlacedMatrix(const HolderTransform& transform, double width, double height);

// Scale and skew to 16.16, translation to whole twips, each rounded to nearest
// and clamped to what the MATRIX record holds.
Matrix Quantise(const Affine& affine);

}  // namespace glimmora::swf
