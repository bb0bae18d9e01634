#pragma once
// Reads a RIFF WAVE file of 16-bit mono PCM at 5512, 11025, 22050 or
// 44100 Hz. Anything else, and damaged files, throw SwfError naming the file;
// chunk sizes that run past the end are cut to the bytes that are there.

#include "swf/encoder/Content.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace glimmora::swf {

WaveSound ParseWave(const uint8_t* data, size_t size, const std::string& fileName);

}  // namespace glimmora::swf
