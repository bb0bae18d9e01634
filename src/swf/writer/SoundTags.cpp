#include "swf/writer/SoundTags.h"

#include "swf/writer/TagHeader.h"

namespace glimmora::swf {

void WriteDefineSound(BitWriter& out, uint16_t soundId, uint8_t formatByte, uint32_t sampleCount,
                      const std::vector<uint8_t>& data)
{
    WriteTagHeader(out, TagCode::DefineSound, uint32_t(2 + 1 + 4 + data.size()), true);
    out.UI16(soundId);
    out.UI8(formatByte);
    out.UI32(sampleCount);
    out.Bytes(data);
}

void WriteStartSound(BitWriter& out, uint16_t soundId, bool syncStop)
{
    WriteTagHeader(out, TagCode::StartSound, 3);
    out.UI16(soundId);
    out.UI8(syncStop ? 0x20 : 0x00);
}

}  // namespace glimmora::swf
