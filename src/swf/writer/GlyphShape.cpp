#include "swf/writer/GlyphShape.h"

#include "swf/writer/ShapeRecordWriter.h"

#include <algorithm>
#include <climits>

namespace glimmora::swf {

std::vector<uint8_t> EncodeGlyphShape(const GlyphOutline& outline)
{
    BitWriter out;
    ShapeRecordWriter shape(out, 1, 0);
    bool first = true;
    for (const Contour& contour : outline.contours) {
        if (contour.segments.empty()) {
            continue;
        }
        std::optional<uint32_t> fill0;
        if (first) {
            fill0 = 1;
            first = false;
        }
        shape.StyleChange(std::make_pair(contour.start.x, contour.start.y), fill0, std::nullopt);
        for (const OutlineSegment& segment : contour.segments) {
            if (segment.curved) {
                shape.CurveTo(segment.control.x, segment.control.y, segment.to.x, segment.to.y);
            } else {
                shape.LineTo(segment.to.x, segment.to.y);
            }
        }
        // Players do not close contours; make sure this one is.
        shape.LineTo(contour.start.x, contour.start.y);
    }
    shape.End();
    return std::move(out.Data());
}

Rect OutlineBounds(const GlyphOutline& outline)
{
    int32_t x0 = INT32_MAX, y0 = INT32_MAX, x1 = INT32_MIN, y1 = INT32_MIN;
    auto add = [&](const OutlinePoint& p) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    };
    for (const Contour& contour : outline.contours) {
        add(contour.start);
        for (const OutlineSegment& segment : contour.segments) {
            if (segment.curved) {
                add(segment.control);
            }
            add(segment.to);
        }
    }
    if (x0 > x1) {
        return Rect{};
    }
    return Rect{x0, x1, y0, y1};
}

}  // namespace glimmora::swf
