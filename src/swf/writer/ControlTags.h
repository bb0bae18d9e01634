#pragma once
// The file header and the control tags: FileAttributes, SetBackgroundColor,
// ShowFrame and End.

#include "swf/format/Records.h"
#include "swf/writer/BitWriter.h"

#include <cstdint>

namespace glimmora::swf {

struct MovieHeader {
    uint8_t version = 8;
    Rect frameSize;
    uint16_t frameRate = 12 << 8;  // 8.8 fixed point
    uint16_t frameCount = 1;
};

// "FWS", the version, a FileLength of 0 to be patched, the RECT, rate and
// count. Returns the offset of FileLength.
size_t WriteMovieHeader(BitWriter& out, const MovieHeader& header);

void WriteFileAttributes(BitWriter& out, uint32_t flags);
void WriteSetBackgroundColor(BitWriter& out, const Rgba& color);
void WriteShowFrame(BitWriter& out);
void WriteEnd(BitWriter& out);

}  // namespace glimmora::swf
