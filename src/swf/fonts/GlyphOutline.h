#pragma once
// A filled outline in font units of a 1024-unit em, y pointing down, origin
// at the left end of the baseline (the SWF glyph space).

#include <cstdint>
#include <vector>

namespace glimmora::swf {

struct OutlinePoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

// One closed contour: a start point and segments; a segment with a control
// point is a quadratic curve, one without is a straight line.
struct OutlineSegment {
    bool curved = false;
    OutlinePoint control;  // only when curved
    OutlinePoint to;
};

struct Contour {
    OutlinePoint start;
    std::vector<OutlineSegment> segments;  // the last one ends at `start`
};

struct GlyphOutline {
    std::vector<Contour> contours;
    int32_t advance = 0;  // 1024ths of an em
};

}  // namespace glimmora::swf
