#pragma once
// Approximation of cubic Bézier curves by quadratic ones, for outlines whose
// source (CFF/OpenType fonts) is cubic while SWF shapes only carry quadratics.

#include <vector>

namespace glimmora::swf {

struct PointF {
    double x = 0, y = 0;
};

struct QuadraticPiece {
    PointF control;
    PointF to;
};

// Quadratic pieces from p0 through the cubic (c1, c2, p3) whose distance from
// the cubic stays below `tolerance` (in the same units as the points).
std::vector<QuadraticPiece> CubicToQuadratics(PointF p0, PointF c1, PointF c2, PointF p3,
                                              double tolerance);

}  // namespace glimmora::swf
