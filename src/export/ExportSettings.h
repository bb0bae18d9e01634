#pragma once
// What the user asked of an export, and the frames, size and rate that it
// comes to for one movie.

#include "export/ExportFormat.h"
#include "swf/reader/DecodedMovie.h"

#include <QSize>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace glimmora::exporting {

struct ExportSettings {
    ExportFormat format = ExportFormat::Mp4;
    std::filesystem::path target;
    // A target size (the stage is letterboxed into it, keeping its aspect);
    // without one, the movie's own size times `scale`.
    std::optional<QSize> size;
    double scale = 1.0;
    // Frames from 0, both included; absent: the first or the last frame.
    std::optional<int> firstFrame, lastFrame;
    int quality = 80;    // 1 (smallest) to 100 (best)
    int loopCount = 0;   // plays of an animated image; 0: for ever
};

struct ExportPlan {
    int firstFrame = 0;
    int lastFrame = 0;
    QSize size;
    uint16_t frameRate = 12 * 256;  // 8.8 fixed point, never 0
    int FrameCount() const { return lastFrame - firstFrame + 1; }
    double FramesPerSecond() const { return frameRate / 256.0; }
};

constexpr int kMaxExportSide = 8192;

// The frames, size and rate of `settings` applied to `movie`. Video sizes
// are rounded up to even numbers, as the codecs need them. Throws
// ExportError for a range outside the movie or a size out of bounds.
ExportPlan PlanExport(const swf::DecodedMovie& movie, const ExportSettings& settings);

}  // namespace glimmora::exporting
