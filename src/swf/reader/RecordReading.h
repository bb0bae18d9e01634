#pragma once
// The basic SWF records: colours, RECT, MATRIX and the two CXFORMs.

#include "swf/format/Records.h"
#include "swf/reader/BitReader.h"

namespace glimmora::swf {

Rgba ReadRgb(BitReader& in);
Rgba ReadRgba(BitReader& in);
Rect ReadRect(BitReader& in);
Matrix ReadMatrix(BitReader& in);
// CXFORM (PlaceObject) when `withAlpha` is false, CXFORMWITHALPHA otherwise.
ColorTransform ReadColorTransform(BitReader& in, bool withAlpha);

// A STRING as UTF-8: SWF 6 and later store UTF-8; older files a Windows
// code page, read here as cp1252.
std::string ReadSwfString(BitReader& in, uint8_t version);
std::string FromCp1252(const std::string& bytes);

}  // namespace glimmora::swf
