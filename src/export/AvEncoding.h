#pragma once
// The encoding of one video or animated image file through FFmpeg, as the
// program's FFmpeg module does it for AvMovieWriter. The module is a shared
// library of the program folder, opened on the first export that needs it,
// so that programs which never export do not load FFmpeg's libraries.

#include "export/ExportFormat.h"
#include "export/ExportSettings.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace glimmora::exporting {

inline constexpr char kAvModuleEntry[] = "glimmora_open_av_encoding";

struct AvEncodingRequest {
    ExportFormat format = ExportFormat::Mp4;
    std::filesystem::path target;  // the file's name, for messages
    std::filesystem::path path;    // where the data goes until committed
    ExportPlan plan;
    int quality = 80;
    int loopCount = 0;
    bool withSound = false;
};

class AvEncoding {
public:
    virtual ~AvEncoding() = default;
    virtual void AddFrame(const QImage& image) = 0;
    virtual void AddIndexedFrame(const uint8_t* indices, const std::array<uint32_t, 256>& palette) = 0;
    virtual void AddSound(const std::vector<int16_t>& samples) = 0;
    virtual void Finish() = 0;
};

// The module's entry: a new encoding the caller owns. Throws ExportError.
using OpenAvEncodingFunction = AvEncoding*(const AvEncodingRequest& request);

}  // namespace glimmora::exporting
