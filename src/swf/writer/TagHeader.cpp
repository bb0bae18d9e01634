#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

void WriteTagHeader(BitWriter& out, TagCode code, uint32_t length, bool forceLong)
{
    const uint16_t base = uint16_t(uint16_t(code) << 6);
    if (!forceLong && length < 0x3F) {
        out.UI16(uint16_t(base | length));
        return;
    }
    out.UI16(uint16_t(base | 0x3F));
    out.UI32(length);
}

void WriteTag(BitWriter& out, TagCode code, const BitWriter& body, bool forceLong)
{
    WriteTagHeader(out, code, uint32_t(body.Size()), forceLong);
    out.Bytes(body.Data());
}

}  // namespace glimmora::swf
