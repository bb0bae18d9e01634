#pragma once
// Writers of the basic SWF records: RGB, RGBA, RECT, MATRIX and
// CXFORMWITHALPHA. Each starts byte-aligned and picks the smallest bit widths.
// Values that do not fit the record's width field are clamped to the largest
// that does (31-bit fields for RECT and MATRIX, 15-bit for CXFORM).

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

namespace glimmora::swf {

// The range of a 31-bit signed field (RECT, MATRIX): +-2^30.
constexpr int32_t kMaxField31 = (1 << 30) - 1;
constexpr int32_t kMinField31 = -(1 << 30);

void WriteRgb(BitWriter& out, const Rgba& color);
void WriteRgba(BitWriter& out, const Rgba& color);
void WriteRect(BitWriter& out, const Rect& rect);
void WriteMatrix(BitWriter& out, const Matrix& matrix);
void WriteColorTransformWithAlpha(BitWriter& out, const ColorTransform& cx);

}  // namespace glimmora::swf
