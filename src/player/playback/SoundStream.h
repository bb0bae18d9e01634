#pragma once
// A timeline's streaming sound (SoundStreamHead and SoundStreamBlock),
// decoded frame by frame into the mixer's format: 44100 Hz, stereo, signed
// 16-bit, interleaved.
//
// The blocks of consecutive frames continue one another: the MP3 decoder and
// the rate conversion carry their state from block to block. Any other frame
// (a seek, a loop back to the start, a change of format) starts the stream
// afresh from that frame's block; an MP3 block that starts a stream drops
// its SeekSamples first, the samples that belong before the frame.
//
// Blocks are decoded as what they hold, never as what they declare: a lying
// sample count, a truncated block or an MP3 block of garbage gives the sane
// samples it has, or none.

#include "player/playback/Mp3Decoder.h"
#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace glimmora::player {

// Linear interpolation to 44100 Hz of audio that arrives in pieces: the last
// sample of a piece is kept to interpolate towards the first of the next, so
// the pieces join without steps (the output runs one source sample late for
// that). 44100 Hz passes through as it is; 5512 Hz is an exact eighth of
// 44100. A change of rate starts afresh.
class BlockResampler {
public:
    void Reset();
    // Appends `pcm` (mono or stereo) as stereo frames to `out`, at most
    // `maxFrames` of them.
    void Convert(const PcmSound& pcm, std::vector<int16_t>& out, size_t maxFrames);

private:
    uint32_t rate_ = 0;
    uint64_t step_ = 0;      // source position per output frame, 32.32 fixed point
    uint64_t position_ = 0;  // from the kept sample (or the piece's first without one)
    bool hasPrevious_ = false;
    int16_t previous_[2] = {0, 0};
};

class StreamDecoder {
public:
    explicit StreamDecoder(std::shared_ptr<const swf::DecodedMovie> movie);

    // Whether the main timeline has any stream block under a stream head.
    bool HasStream() const { return hasStream_; }

    // The samples of `frame`'s blocks, at most `maxFrames` stereo frames;
    // empty for a frame without blocks.
    std::vector<int16_t> Frame(int frame, size_t maxFrames);
    // The next frame starts the stream afresh.
    void Reset();

private:
    void Decode(const swf::SoundStreamHead& head, const std::vector<uint8_t>& block, bool starting,
                std::vector<int16_t>& out, size_t maxFrames);

    std::shared_ptr<const swf::DecodedMovie> movie_;
    std::vector<int> headFrame_;  // per frame: the frame whose head holds there, -1 for none
    bool hasStream_ = false;
    int lastFrame_ = -2;          // the frame decoded last; -2 for none
    std::optional<swf::SoundStreamHead> lastHead_;
    bool fresh_ = true;           // no block decoded since the stream (re)started
    Mp3Stream mp3_;
    BlockResampler resampler_;
};

}  // namespace glimmora::player
