#pragma once
// A DefineSound's samples in the mixer's format: 44100 Hz, stereo, signed
// 16-bit, interleaved. Decodes PCM (0, 3), ADPCM (1) and MP3 (2); the other
// formats, and data that cannot be decoded, throw SoundDecodeError.

#include "player/playback/PcmSound.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>

namespace glimmora::player {

constexpr uint32_t kMixRate = 44100;

// The source position per 44100 Hz output frame, in 32.32 fixed point. A
// rate of 5512 is the format's 5512.5 Hz, an exact eighth of 44100.
constexpr uint64_t MixStep(uint32_t rate)
{
    return rate == 5512 ? (uint64_t(1) << 32) / 8 : (uint64_t(rate) << 32) / kMixRate;
}

// The sound in its own rate and channels, at most `maxFrames` frames of it.
PcmSound DecodeSound(const swf::Sound& sound, size_t maxFrames = SIZE_MAX);

// Linear interpolation to 44100 Hz (steps of MixStep); mono is copied to
// both channels.
std::vector<int16_t> ToMixFormat(const PcmSound& pcm);

// DecodeSound then ToMixFormat, at most `maxMixFrames` frames at 44100 Hz:
// a long sound at a low rate grows many times on its way to the mix, so the
// bound holds for the decoding too, not only for the result.
std::vector<int16_t> DecodeForMix(const swf::Sound& sound, size_t maxMixFrames);

}  // namespace glimmora::player
