#include "effects/picture/import/ConvertToJpeg.h"

#include "effects/picture/import/BmpDecoder.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/PictureFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace glimmora {

namespace {

const char* const kTooLarge = "The picture width>800 or height>600!";

enum class SourceKind { Bitmap, Jpeg, OtherPicture, Unknown };

SourceKind KindOf(const std::filesystem::path& source)
{
    std::string ext = source.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    if (ext == ".BMP") return SourceKind::Bitmap;
    if (ext == ".JPG" || ext == ".JPEG") return SourceKind::Jpeg;
    // Pictures of other formats are not imported, and not an error either.
    for (const char* other : {".PNG", ".GIF", ".ICO", ".WMF", ".EMF", ".TIF", ".TIFF"})
        if (ext == other) return SourceKind::OtherPicture;
    return SourceKind::Unknown;
}

RgbImage Decode(const std::filesystem::path& source, SourceKind kind)
{
    const std::vector<std::uint8_t> bytes = ReadPictureFile(source);
    try {
        return kind == SourceKind::Bitmap ? DecodeBmp(bytes.data(), bytes.size())
                                          : DecodeJpeg(bytes.data(), bytes.size());
    } catch (const PictureError& e) {
        throw PictureError("Cannot read the picture \"" + source.string() + "\" as " +
                           (kind == SourceKind::Bitmap ? "a BMP" : "a JPEG") + " file: " + e.what());
    }
}

}  // namespace

bool ConvertToJpeg(const std::string& source, const std::string& target, int& width, int& height,
                   IErrorReporter& reporter)
{
    const std::filesystem::path sourcePath(source);
    const SourceKind kind = KindOf(sourcePath);
    if (kind == SourceKind::OtherPicture) return false;
    if (kind == SourceKind::Unknown)
        throw PictureError("Cannot read the picture \"" + source + "\": the file type \"" +
                           sourcePath.extension().string() + "\" is not a known picture format");

    const RgbImage image = Decode(sourcePath, kind);
    if (image.width > kMaxStoredPictureWidth || image.height > kMaxStoredPictureHeight) {
        reporter.ShowErrorOfferingCancel(kTooLarge);
        return false;
    }
    // The source is read whole before the target is replaced, so a source
    // that is the target itself converts safely.
    WritePictureReplacing(target, EncodeJpeg(image, kStoredJpegQuality));
    width = image.width;
    height = image.height;
    return true;
}

}  // namespace glimmora
