#pragma once
// The formats a movie exports to, one row each: its name, its file
// extension, what it carries. The output file's extension chooses the format;
// ".png" with "%d" in the name is a numbered PNG sequence, without it an
// animated PNG.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace glimmora::exporting {

enum class ExportFormat { Mp4, WebM, Gif, WebP, Apng, PngSequence, Html };

struct ExportFormatInfo {
    ExportFormat format;
    const char* name;        // "MP4 video (H.264 + AAC)"
    const char* extension;   // ".mp4", with its dot
    bool sound;              // carries the movie's sounds
    bool loops;              // has a loop count of its own
    bool rendered;           // frames come from our renderer (the page plays the SWF itself)
};

std::span<const ExportFormatInfo> ExportFormats();
const ExportFormatInfo& FormatInfo(ExportFormat format);

// The format an output file asks for by its extension (letter case ignored),
// or none for an extension no format has.
std::optional<ExportFormat> FormatForPath(const std::filesystem::path& path);

// Whether a file name holds the "%d" a PNG sequence numbers its files with.
bool HasFrameNumber(const std::string& name);

}  // namespace glimmora::exporting
