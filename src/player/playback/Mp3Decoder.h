#pragma once
// MP3 DefineSound data: a 16-bit count of samples to skip at the start, then
// MPEG audio frames, decoded with libmpg123 from memory.

#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::player {

// Throws SoundDecodeError when no audio frame can be decoded. Decoding stops
// after `maxFrames` frames (those skipped at the start not counted).
PcmSound DecodeMp3(const swf::Sound& sound, size_t maxFrames = SIZE_MAX);

// MP3 frames that arrive piece by piece (the blocks of a streaming sound),
// decoded as one stream: a frame may draw on the bits of the frames before
// it, which decoding each piece on its own would lose.
class Mp3Stream {
public:
    Mp3Stream();
    ~Mp3Stream();
    Mp3Stream(const Mp3Stream&) = delete;
    Mp3Stream& operator=(const Mp3Stream&) = delete;

    // Adds `size` bytes and returns the audio decodable so far, one piece per
    // output format, at most `maxFrames` frames in all (the rest is dropped).
    // Data that holds no MP3 frames gives nothing; when a great deal of it
    // has come in without any audio the stream starts afresh, so garbage
    // never piles up.
    std::vector<PcmSound> Feed(const uint8_t* data, size_t size, size_t maxFrames);
    // Forgets everything fed so far.
    void Reset();

    // Bytes fed without any audio coming out before the stream starts afresh.
    static constexpr size_t kMaxBytesWithoutAudio = 1u << 20;

private:
    struct Decoder;
    std::unique_ptr<Decoder> decoder_;
    size_t bytesWithoutAudio_ = 0;
};

}  // namespace glimmora::player
