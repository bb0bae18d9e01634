#include "player/playback/Mp3Decoder.h"

#include <mpg123.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace glimmora::player {
namespace {

struct HandleCloser {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using Handle = std::unique_ptr<mpg123_handle, HandleCloser>;

Handle OpenFeed()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
    int error = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &error));
    if (!handle) throw SoundDecodeError("MP3 decoder unavailable");
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Signed 16-bit output at whatever rate and channel count the stream has.
    mpg123_format_none(handle.get());
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i) {
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    }
    if (mpg123_open_feed(handle.get()) != MPG123_OK) throw SoundDecodeError("MP3 decoder unavailable");
    return handle;
}

}  // namespace

PcmSound DecodeMp3(const swf::Sound& sound, size_t maxFrames)
{
    if (sound.data.size() < 2) throw SoundDecodeError("MP3 sound without data");
    const int seekSamples =
        std::max(0, int(int16_t(uint16_t(sound.data[0] | (sound.data[1] << 8)))));
    Handle handle = OpenFeed();
    if (mpg123_feed(handle.get(), sound.data.data() + 2, sound.data.size() - 2) != MPG123_OK) {
        throw SoundDecodeError("MP3 data cannot be read");
    }
    PcmSound pcm;
    pcm.rate = 0;
    std::vector<unsigned char> chunk(16384);
    for (;;) {
        size_t done = 0;
        const int result = mpg123_read(handle.get(), chunk.data(), chunk.size(), &done);
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle.get(), &rate, &channels, &encoding);
            if (pcm.rate != 0 && (uint32_t(rate) != pcm.rate || channels != pcm.channels)) break;
            pcm.rate = uint32_t(rate);
            pcm.channels = channels == 2 ? 2 : 1;
        }
        const auto* samples = reinterpret_cast<const int16_t*>(chunk.data());
        pcm.samples.insert(pcm.samples.end(), samples, samples + done / 2);
        if (pcm.rate != 0 && pcm.FrameCount() > size_t(seekSamples) + std::min(maxFrames, SIZE_MAX / 4)) break;
        if (result == MPG123_OK || result == MPG123_NEW_FORMAT) continue;
        break;  // MPG123_NEED_MORE at the end of the data, or an error
    }
    if (pcm.rate == 0 || pcm.samples.empty()) throw SoundDecodeError("MP3 data cannot be decoded");
    pcm.samples.resize(pcm.samples.size() - pcm.samples.size() % size_t(pcm.channels));
    // The declared count bounds the sound; the skip comes off its start.
    const size_t skip = std::min(pcm.FrameCount(), size_t(seekSamples)) * size_t(pcm.channels);
    pcm.samples.erase(pcm.samples.begin(), pcm.samples.begin() + ptrdiff_t(skip));
    size_t frameLimit = maxFrames;
    if (sound.sampleCount > 0) frameLimit = std::min(frameLimit, size_t(sound.sampleCount));
    if (pcm.FrameCount() > frameLimit) pcm.samples.resize(frameLimit * size_t(pcm.channels));
    return pcm;
}

struct Mp3Stream::Decoder {
    Handle handle = OpenFeed();
};

Mp3Stream::Mp3Stream() = default;
Mp3Stream::~Mp3Stream() = default;

void Mp3Stream::Reset()
{
    decoder_.reset();
    bytesWithoutAudio_ = 0;
}

std::vector<PcmSound> Mp3Stream::Feed(const uint8_t* data, size_t size, size_t maxFrames)
{
    std::vector<PcmSound> pieces;
    if (!decoder_) {
        try {
            decoder_ = std::make_unique<Decoder>();
        } catch (const SoundDecodeError&) {
            return pieces;  // no decoder: the stream stays silent
        }
    }
    mpg123_handle* handle = decoder_->handle.get();
    if (size > 0 && mpg123_feed(handle, data, size) != MPG123_OK) {
        Reset();
        return pieces;
    }
    size_t frames = 0;
    bool failed = false;
    int idle = 0;
    std::vector<unsigned char> chunk(16384);
    for (;;) {
        size_t done = 0;
        const int result = mpg123_read(handle, chunk.data(), chunk.size(), &done);
        if (result == MPG123_NEW_FORMAT || (done > 0 && pieces.empty())) {
            long rate = 0;
            int channels = 0, encoding = 0;
            if (mpg123_getformat(handle, &rate, &channels, &encoding) == MPG123_OK && rate > 0) {
                PcmSound piece;
                piece.rate = uint32_t(rate);
                piece.channels = channels == 2 ? 2 : 1;
                pieces.push_back(std::move(piece));
            }
        }
        if (done > 0 && !pieces.empty()) {
            PcmSound& piece = pieces.back();
            const auto* samples = reinterpret_cast<const int16_t*>(chunk.data());
            const size_t channels = size_t(piece.channels);
            const size_t count = std::min(done / 2 / channels, maxFrames - std::min(maxFrames, frames));
            piece.samples.insert(piece.samples.end(), samples, samples + count * channels);
            frames += count;
        }
        if (result == MPG123_NEW_FORMAT) continue;
        if (result == MPG123_OK) {
            if (done == 0 && ++idle > 64) break;  // a decoder that neither reads nor asks for more
            continue;
        }
        failed = result != MPG123_NEED_MORE && result != MPG123_DONE;
        break;
    }
    std::erase_if(pieces, [](const PcmSound& piece) { return piece.samples.empty(); });
    if (failed) {
        Reset();
    } else if (pieces.empty()) {
        bytesWithoutAudio_ += size;
        if (bytesWithoutAudio_ > kMaxBytesWithoutAudio) Reset();
    } else {
        bytesWithoutAudio_ = 0;
    }
    return pieces;
}

}  // namespace glimmora::player
