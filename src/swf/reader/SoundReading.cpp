#include "swf/reader/SoundReading.h"

namespace glimmora::swf {

Sound ReadDefineSound(BitReader& in) {
    static const uint32_t kRates[4] = {5512, 11025, 22050, 44100};
    Sound sound;
    uint8_t format = in.U8();
    sound.format = uint8_t(format >> 4);
    sound.rate = kRates[(format >> 2) & 3];
    sound.is16Bit = (format & 0x02) != 0;
    sound.stereo = (format & 0x01) != 0;
    sound.sampleCount = in.U32();
    size_t n = in.Remaining();
    const uint8_t* data = in.Bytes(n);
    sound.data.assign(data, data + n);
    return sound;
}

SoundInfo ReadSoundInfo(BitReader& in) {
    SoundInfo info;
    uint8_t flags = in.U8();
    info.syncStop = (flags & 0x20) != 0;
    info.syncNoMultiple = (flags & 0x10) != 0;
    if (flags & 0x01) info.inPoint = in.U32();
    if (flags & 0x02) info.outPoint = in.U32();
    if (flags & 0x04) info.loopCount = in.U16();
    if (flags & 0x08) {
        uint8_t points = in.U8();
        in.Skip(size_t(points) * 8);  // envelope: Pos44 UI32, left UI16, right UI16
    }
    return info;
}

}  // namespace glimmora::swf
