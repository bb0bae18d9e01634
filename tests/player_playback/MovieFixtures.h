#pragma once
// Decoded movies made in code, for the playback and sound tests.

#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::test {

// `frames` frames at `fps`, each moving one shape at depth 1 to x = frame.
std::shared_ptr<swf::DecodedMovie> CountingMovie(int frames, int fps = 12);

// A 16-bit mono PCM sound at 44100 Hz with these samples.
swf::Sound Pcm16Sound(const std::vector<int16_t>& samples, uint32_t rate = 44100, bool stereo = false);

void AddSound(swf::DecodedMovie& movie, uint16_t id, swf::Sound sound);

swf::SoundInfo Info(bool syncStop = false, bool noMultiple = false,
                    std::optional<uint16_t> loops = std::nullopt);

}  // namespace glimmora::test
