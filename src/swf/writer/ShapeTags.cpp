#include "swf/writer/ShapeTags.h"

#include "swf/writer/RecordWriter.h"
#include "swf/writer/ShapeRecordWriter.h"
#include "swf/writer/TagHeader.h"

#include <algorithm>

namespace glimmora::swf {

void WriteRectangleShape(BitWriter& out, BitWriter& scratch, uint16_t shapeId, Twips width,
                         Twips height, const RectangleFill& fill)
{
    const Twips w = std::clamp(width, 0, kMaxField31);
    const Twips h = std::clamp(height, 0, kMaxField31);
    scratch.Clear();
    scratch.UI16(shapeId);
    WriteRect(scratch, Rect{0, w, 0, h});
    scratch.UI8(1);  // one fill style
    if (fill.bitmap) {
        scratch.UI8(0x41);  // clipped bitmap, smoothed
        scratch.UI16(fill.bitmapId);
        WriteMatrix(scratch, fill.bitmapMatrix);
    } else {
        scratch.UI8(0x00);
        WriteRgba(scratch, fill.color);
    }
    scratch.UI8(0);  // no line styles
    ShapeRecordWriter records(scratch, 1, 0);
    // Clockwise on screen (y down), so the inside is on the right: FillStyle1.
    records.StyleChange(std::make_pair(0, 0), std::nullopt, 1u);
    records.LineTo(w, 0);
    records.LineTo(w, h);
    records.LineTo(0, h);
    records.LineTo(0, 0);
    records.End();
    WriteTag(out, TagCode::DefineShape3, scratch);
}

}  // namespace glimmora::swf
