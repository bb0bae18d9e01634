#pragma once
// An animated WebP through libwebp's animation encoder: each frame at its
// time in milliseconds, lossy at the quality asked (lossless at 100), with
// the loop count of the export.

#include "export/ExportSettings.h"
#include "export/StagedFile.h"

#include <QImage>

#include <filesystem>
#include <memory>

namespace glimmora::exporting {

class WebPWriter {
public:
    WebPWriter(const StagedFile& file, const ExportPlan& plan, int quality, int loopCount);
    ~WebPWriter();
    WebPWriter(const WebPWriter&) = delete;
    WebPWriter& operator=(const WebPWriter&) = delete;

    // The next frame (opaque BGRA at the plan's size). Throws ExportError.
    void AddFrame(const QImage& image);
    // Assembles and writes the file. Throws ExportError.
    void Finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace glimmora::exporting
