#include "player/playback/SoundStream.h"

#include "player/playback/AdpcmDecoder.h"
#include "player/playback/PcmDecoding.h"
#include "player/playback/SoundDecoding.h"

#include <algorithm>
#include <limits>

namespace glimmora::player {
namespace {

// Up to seven bits of padding end an ADPCM block: at most three 2-bit codes.
constexpr size_t kMaxPaddingCodes = 4;

// Source frames at `rate` that make at most `mixFrames` frames at 44100 Hz,
// with a little to spare for the rounding.
size_t SourceFramesFor(size_t mixFrames, uint32_t rate)
{
    const uint64_t frames = uint64_t(mixFrames) * (rate + 1) / kMixRate + 4;
    return size_t(std::min<uint64_t>(frames, std::numeric_limits<uint32_t>::max()));
}

}  // namespace

// ---- BlockResampler -------------------------------------------------------

void BlockResampler::Reset()
{
    rate_ = 0;
    step_ = 0;
    position_ = 0;
    hasPrevious_ = false;
}

void BlockResampler::Convert(const PcmSound& pcm, std::vector<int16_t>& out, size_t maxFrames)
{
    const size_t frames = pcm.FrameCount();
    if (frames == 0 || pcm.rate == 0 || (pcm.channels != 1 && pcm.channels != 2)) return;
    if (pcm.rate != rate_) {
        Reset();
        rate_ = pcm.rate;
        step_ = MixStep(pcm.rate);
    }
    const size_t channels = size_t(pcm.channels);
    if (step_ == MixStep(kMixRate)) {
        const size_t count = std::min(frames, maxFrames);
        for (size_t i = 0; i < count; ++i) {
            out.push_back(pcm.samples[i * channels]);
            out.push_back(pcm.samples[i * channels + channels - 1]);
        }
        return;
    }
    // The source as one sequence: the kept sample, if any, then the piece.
    const size_t offset = hasPrevious_ ? 1 : 0;
    const size_t length = frames + offset;
    auto sample = [&](size_t k, size_t c) -> int64_t {
        if (k < offset) return previous_[c];
        return pcm.samples[(k - offset) * channels + (c < channels ? c : 0)];
    };
    size_t produced = 0;
    while (produced < maxFrames) {
        const size_t index = size_t(position_ >> 32);
        if (index + 1 >= length) break;
        const int64_t fraction = int64_t(position_ & 0xffffffffu);
        for (size_t c = 0; c < 2; ++c) {
            const int64_t a = sample(index, c);
            const int64_t b = sample(index + 1, c);
            out.push_back(int16_t(a + (((b - a) * fraction) >> 32)));
        }
        position_ += step_;
        ++produced;
    }
    // Keep the last sample; positions count from it from now on. Output cut
    // short by `maxFrames` drops the rest of the piece.
    const uint64_t last = uint64_t(length - 1) << 32;
    position_ = position_ > last ? position_ - last : 0;
    previous_[0] = int16_t(sample(length - 1, 0));
    previous_[1] = int16_t(sample(length - 1, 1));
    hasPrevious_ = true;
}

// ---- StreamDecoder ---------------------------------------------------------

StreamDecoder::StreamDecoder(std::shared_ptr<const swf::DecodedMovie> movie) : movie_(std::move(movie))
{
    const auto& frames = movie_->frames;
    headFrame_.assign(frames.size(), -1);
    // Blocks before the first head are taken in its format.
    int current = -1;
    for (size_t f = 0; f < frames.size() && current < 0; ++f) {
        if (frames[f].streamHead) current = int(f);
    }
    for (size_t f = 0; f < frames.size(); ++f) {
        if (frames[f].streamHead) current = int(f);
        headFrame_[f] = current;
        if (current >= 0 && !frames[f].streamBlocks.empty()) hasStream_ = true;
    }
}

void StreamDecoder::Reset()
{
    lastFrame_ = -2;
    lastHead_.reset();
    fresh_ = true;
    mp3_.Reset();
    resampler_.Reset();
}

std::vector<int16_t> StreamDecoder::Frame(int frame, size_t maxFrames)
{
    std::vector<int16_t> out;
    if (frame < 0 || frame >= movie_->FrameCount()) return out;
    const int headAt = headFrame_[size_t(frame)];
    const std::optional<swf::SoundStreamHead> head =
        headAt >= 0 ? movie_->frames[size_t(headAt)].streamHead : std::nullopt;
    if (frame != lastFrame_ + 1 || head != lastHead_) Reset();
    lastFrame_ = frame;
    lastHead_ = head;
    if (!head) return out;
    for (const std::vector<uint8_t>& block : movie_->frames[size_t(frame)].streamBlocks) {
        Decode(*head, block, fresh_, out, maxFrames);
        fresh_ = false;
    }
    return out;
}

void StreamDecoder::Decode(const swf::SoundStreamHead& head, const std::vector<uint8_t>& block, bool starting,
                           std::vector<int16_t>& out, size_t maxFrames)
{
    const size_t room = maxFrames - std::min(maxFrames, out.size() / 2);
    if (room == 0 || block.empty()) return;
    swf::Sound sound;
    sound.format = head.format;
    sound.rate = head.rate;
    sound.is16Bit = head.is16Bit;
    sound.stereo = head.stereo;
    const size_t channels = head.stereo ? 2 : 1;
    switch (head.format) {
    case 0:
    case 3: {
        const size_t bytesPerFrame = (head.is16Bit ? 2 : 1) * channels;
        const size_t frames = std::min(block.size() / bytesPerFrame, SourceFramesFor(room, head.rate));
        sound.sampleCount = uint32_t(frames);
        sound.data.assign(block.begin(), block.begin() + ptrdiff_t(frames * bytesPerFrame));
        resampler_.Convert(DecodePcm(sound), out, room);
        return;
    }
    case 1: {
        sound.sampleCount = uint32_t(SourceFramesFor(room, head.rate));
        sound.data = block;
        PcmSound pcm = DecodeAdpcm(sound);
        // The padding after a block's last code can pass for a few more
        // codes; a block a little longer than the declared block size has
        // them. One far longer is taken as it is.
        const size_t declared = head.samplesPerBlock;
        if (declared > 0 && pcm.FrameCount() > declared && pcm.FrameCount() - declared < kMaxPaddingCodes) {
            pcm.samples.resize(declared * channels);
        }
        resampler_.Convert(pcm, out, room);
        return;
    }
    case 2: {
        // SampleCount UI16 and SeekSamples SI16, then MPEG frames. The count
        // is not needed: the frames say how much they hold.
        if (block.size() < 4) return;
        size_t skip = starting ? size_t(std::max(0, int(int16_t(uint16_t(block[2] | block[3] << 8))))) : 0;
        // No MP3 rate reaches twice 44100.
        std::vector<PcmSound> pieces = mp3_.Feed(block.data() + 4, block.size() - 4, 2 * room + 2);
        for (PcmSound& piece : pieces) {
            const size_t drop = std::min(skip, piece.FrameCount());
            piece.samples.erase(piece.samples.begin(),
                                piece.samples.begin() + ptrdiff_t(drop * size_t(piece.channels)));
            skip -= drop;
            resampler_.Convert(piece, out, maxFrames - std::min(maxFrames, out.size() / 2));
        }
        return;
    }
    default:
        return;  // formats we do not play stay silent
    }
}

}  // namespace glimmora::player
