#include "swf/reader/SoundReading.h"

namespace glimmora::swf {
namespace {

constexpr uint32_t kRates[4] = {5512, 11025, 22050, 44100};

}  // namespace

Sound ReadDefineSound(BitReader& in) {
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
        const uint8_t points = in.U8();
        // All points must be there before any is kept.
        if (in.Remaining() < size_t(points) * 8) in.Skip(size_t(points) * 8);
        info.envelope.resize(points);
        for (SoundEnvelopePoint& point : info.envelope) {
            point.position44 = in.U32();
            point.leftLevel = in.U16();
            point.rightLevel = in.U16();
        }
    }
    return info;
}

SoundStreamHead ReadSoundStreamHead(BitReader& in) {
    SoundStreamHead head;
    in.U8();  // the format the player should mix in: advisory only
    const uint8_t format = in.U8();
    head.format = uint8_t(format >> 4);
    head.rate = kRates[(format >> 2) & 3];
    head.is16Bit = (format & 0x02) != 0;
    head.stereo = (format & 0x01) != 0;
    head.samplesPerBlock = in.U16();
    if (head.format == 2 && in.Remaining() >= 2) head.latencySeek = in.S16();
    return head;
}

std::vector<uint8_t> ReadSoundStreamBlock(BitReader& in) {
    const size_t n = in.Remaining();
    const uint8_t* data = in.Bytes(n);
    return std::vector<uint8_t>(data, data + n);
}

}  // namespace glimmora::swf
