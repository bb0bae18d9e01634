#include "swf/writer/BitmapTags.h"

#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

void WriteDefineBitsJpeg2(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg)
{
    WriteTagHeader(out, TagCode::DefineBitsJPEG2, uint32_t(2 + jpeg.size()), true);
    out.UI16(bitmapId);
    out.Bytes(jpeg);
}

}  // namespace glimmora::swf
