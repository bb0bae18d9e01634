#pragma once
// Writes a video or an animated image through FFmpeg's libraries: MP4
// (H.264 + AAC), WebM (VP9 + Opus), APNG and GIF (from frames already
// reduced to a palette). The encoding itself is in the program's FFmpeg
// module (export/ffmpeg/), loaded by the first writer.
//
// Frames come in as 32-bit BGRA images, or as palette indices for GIF; the
// sound as 44100 Hz interleaved stereo.

#include "export/AvEncoding.h"
#include "export/ExportFormat.h"
#include "export/ExportSettings.h"
#include "export/StagedFile.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

namespace glimmora::exporting {

class AvMovieWriter {
public:
    // Opens `file` (written as it is; the caller stages it) for `format`,
    // one of Mp4, WebM, Apng or Gif. `withSound` adds the audio stream of
    // the formats that have one. Throws ExportError, also when the FFmpeg
    // module cannot be loaded.
    AvMovieWriter(ExportFormat format, const StagedFile& file, const ExportPlan& plan,
                  int quality, int loopCount, bool withSound);
    ~AvMovieWriter();
    AvMovieWriter(const AvMovieWriter&) = delete;
    AvMovieWriter& operator=(const AvMovieWriter&) = delete;

    // The next frame, at the plan's size.
    void AddFrame(const QImage& image);
    // The next GIF frame: one palette index per pixel, rows of `width` bytes;
    // `palette` holds 0xAARRGGBB entries.
    void AddIndexedFrame(const uint8_t* indices, const std::array<uint32_t, 256>& palette);
    // Sound that follows the sound given so far (stereo frames, 44100 Hz).
    void AddSound(const std::vector<int16_t>& samples);
    // Drains the encoders and writes the file's end. Throws ExportError.
    void Finish();

private:
    std::unique_ptr<AvEncoding> encoding_;
};

}  // namespace glimmora::exporting
