#include "export/ExportFormat.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace glimmora::exporting {
namespace {

constexpr std::array kFormats{
    ExportFormatInfo{ExportFormat::Mp4, "MP4 video (H.264 + AAC)", ".mp4", true, false, true},
    ExportFormatInfo{ExportFormat::WebM, "WebM video (VP9 + Opus)", ".webm", true, false, true},
    ExportFormatInfo{ExportFormat::Gif, "Animated GIF", ".gif", false, true, true},
    ExportFormatInfo{ExportFormat::WebP, "Animated WebP", ".webp", false, true, true},
    ExportFormatInfo{ExportFormat::Apng, "Animated PNG", ".apng", false, true, true},
    ExportFormatInfo{ExportFormat::PngSequence, "PNG sequence", ".png", false, false, true},
    ExportFormatInfo{ExportFormat::Html, "Web page (offline)", ".html", false, false, false},
};

std::string LowerExtension(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

}  // namespace

std::span<const ExportFormatInfo> ExportFormats()
{
    return kFormats;
}

const ExportFormatInfo& FormatInfo(ExportFormat format)
{
    return *std::find_if(kFormats.begin(), kFormats.end(),
                         [&](const ExportFormatInfo& info) { return info.format == format; });
}

bool HasFrameNumber(const std::string& name)
{
    return name.find("%d") != std::string::npos;
}

std::optional<ExportFormat> FormatForPath(const std::filesystem::path& path)
{
    const std::string extension = LowerExtension(path);
    if (extension == ".png")
        return HasFrameNumber(path.filename().string()) ? ExportFormat::PngSequence : ExportFormat::Apng;
    if (extension == ".htm") return ExportFormat::Html;
    for (const ExportFormatInfo& info : kFormats) {
        if (extension == info.extension) return info.format;
    }
    return std::nullopt;
}

}  // namespace glimmora::exporting
