#include "swf/encoder/WaveInspector.h"

#include "swf/SwfService.h"
#include "swf/encoder/ContentHash.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) { return uint32_t(p[0] | p[1] << 8 | p[2] << 16) | uint32_t(p[3]) << 24; }

bool Is(const uint8_t* p, const char* id) { return std::equal(p, p + 4, id); }

int RateCode(uint32_t rate)
{
    switch (rate) {
    case 5512:
    case 5513: return 0;
    case 11025: return 1;
    case 22050: return 2;
    case 44100: return 3;
    default: return -1;
    }
}

}  // namespace

WaveSound ParseWave(const uint8_t* data, size_t size, const std::string& fileName)
{
    const std::string name = "Sound file \"" + fileName + "\"";
    const std::string only = "; only 16-bit mono PCM WAV files can be used";
    if (size == 0) {
        throw SwfError(name + " is empty");
    }
    if (size < 12 || !Is(data, "RIFF") || !Is(data + 8, "WAVE")) {
        const bool mp3 = (size >= 3 && std::equal(data, data + 3, "ID3")) ||
                         (size >= 2 && data[0] == 0xFF && (data[1] & 0xE0) == 0xE0);
        throw SwfError(name + (mp3 ? " is an MP3 file, not a WAV file" : " is not a WAV file"));
    }
    const uint8_t* format = nullptr;
    size_t formatSize = 0;
    const uint8_t* samples = nullptr;
    size_t samplesSize = 0;
    size_t at = 12;
    while (at + 8 <= size && !(format && samples)) {
        const uint8_t* id = data + at;
        const size_t declared = U32(data + at + 4);
        const size_t body = at + 8;
        const size_t available = std::min(declared, size - body);
        if (Is(id, "fmt ") && !format) {
            format = data + body;
            formatSize = available;
        } else if (Is(id, "data") && !samples) {
            samples = data + body;
            samplesSize = available;
        }
        if (declared > size - body) {
            break;  // a damaged size: nothing follows that can be trusted
        }
        at = body + declared + (declared & 1);
    }
    if (!format || formatSize < 16) {
        throw SwfError(name + " has no usable format chunk");
    }
    uint16_t tag = U16(format);
    if (tag == 0xFFFE && formatSize >= 26) {
        tag = U16(format + 24);  // WAVE_FORMAT_EXTENSIBLE: the sub-format's tag
    }
    const uint16_t channels = U16(format + 2);
    const uint32_t rate = U32(format + 4);
    const uint16_t bits = U16(format + 14);
    if (tag != 1) {
        throw SwfError(name + " is compressed (format " + std::to_string(tag) + ")" + only);
    }
    if (channels != 1) {
        throw SwfError(name + " has " + std::to_string(channels) + " channels" + only);
    }
    if (bits != 16) {
        throw SwfError(name + " has " + std::to_string(bits) + "-bit samples" + only);
    }
    const int rateCode = RateCode(rate);
    if (rateCode < 0) {
        throw SwfError(name + " has a sample rate of " + std::to_string(rate) +
                       " Hz; only 5512, 11025, 22050 and 44100 Hz can be used");
    }
    if (!samples) {
        throw SwfError(name + " has no sound data");
    }
    WaveSound sound;
    sound.samples.assign(samples, samples + (samplesSize & ~size_t(1)));
    sound.rate = rate;
    sound.rateCode = rateCode;
    sound.hash = HashBytes(sound.samples.data(), sound.samples.size()) ^ rate;
    return sound;
}

}  // namespace glimmora::swf
