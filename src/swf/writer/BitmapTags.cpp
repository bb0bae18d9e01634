#include "swf/writer/BitmapTags.h"

#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

namespace {

constexpr uint8_t kLosslessArgb = 5;

}  // namespace

void WriteDefineBitsJpeg2(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg)
{
    WriteTagHeader(out, TagCode::DefineBitsJPEG2, uint32_t(2 + jpeg.size()), true);
    out.UI16(bitmapId);
    out.Bytes(jpeg);
}

void WriteDefineBitsJpeg3(BitWriter& out, uint16_t bitmapId, const std::vector<uint8_t>& jpeg,
                          const std::vector<uint8_t>& alpha)
{
    WriteTagHeader(out, TagCode::DefineBitsJPEG3, uint32_t(2 + 4 + jpeg.size() + alpha.size()), true);
    out.UI16(bitmapId);
    out.UI32(uint32_t(jpeg.size()));  // where the alpha plane starts
    out.Bytes(jpeg);
    out.Bytes(alpha);
}

void WriteDefineBitsLossless2(BitWriter& out, uint16_t bitmapId, uint16_t width, uint16_t height,
                              const std::vector<uint8_t>& argb)
{
    WriteTagHeader(out, TagCode::DefineBitsLossless2, uint32_t(2 + 1 + 2 + 2 + argb.size()), true);
    out.UI16(bitmapId);
    out.UI8(kLosslessArgb);
    out.UI16(width);
    out.UI16(height);
    out.Bytes(argb);
}

}  // namespace glimmora::swf
