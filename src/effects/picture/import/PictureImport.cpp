#include "effects/picture/import/PictureImport.h"

#include "effects/picture/import/BmpDecoder.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/JpegEncoder.h"
#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/PictureFile.h"
#include "effects/picture/import/PictureFitting.h"
#include "effects/picture/import/PngEncoder.h"
#include "effects/picture/import/QtPictureReader.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <system_error>

namespace glimmora {

namespace {

using Bytes = std::vector<std::uint8_t>;

// The formats a picture is imported from, by extension.
struct SourceFormat {
    const char* name;  // in messages: "as a PNG file"
    std::vector<const char*> extensions;
    std::function<ImportedPicture(const Bytes&)> read;
};

ImportedPicture Opaque(RgbImage colour) { return ImportedPicture{std::move(colour), {}}; }

const std::vector<SourceFormat>& SourceFormats()
{
    static const std::vector<SourceFormat> formats{
        {"a BMP", {".BMP"}, [](const Bytes& b) { return Opaque(DecodeBmp(b.data(), b.size())); }},
        {"a JPEG", {".JPG", ".JPEG"}, [](const Bytes& b) { return Opaque(DecodeJpeg(b.data(), b.size())); }},
        {"a PNG", {".PNG"}, [](const Bytes& b) { return ReadPictureWithQt(b, "png"); }},
        {"a GIF", {".GIF"}, [](const Bytes& b) { return ReadPictureWithQt(b, "gif"); }},
        {"a WebP", {".WEBP"}, [](const Bytes& b) { return ReadPictureWithQt(b, "webp"); }},
    };
    return formats;
}

// Pictures of other formats are not imported, and not an error either.
bool IsOtherPicture(const std::string& extension)
{
    for (const char* other : {".ICO", ".WMF", ".EMF", ".TIF", ".TIFF"})
        if (extension == other) return true;
    return false;
}

std::string UpperExtension(const std::filesystem::path& source)
{
    std::string extension = source.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return extension;
}

const SourceFormat* FormatOf(const std::string& extension)
{
    for (const SourceFormat& format : SourceFormats())
        for (const char* known : format.extensions)
            if (extension == known) return &format;
    return nullptr;
}

ImportedPicture Read(const std::filesystem::path& source, const SourceFormat& format)
{
    const Bytes bytes = ReadPictureFile(source);
    try {
        return format.read(bytes);
    } catch (const PictureError& e) {
        throw PictureError("Cannot read the picture \"" + source.string() + "\" as " + format.name +
                           " file: " + e.what());
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

void RemoveOtherForm(const std::filesystem::path& other, const std::filesystem::path& source)
{
    std::error_code ec;
    if (!std::filesystem::exists(other, ec) || SameFile(other, source)) return;
    if (!std::filesystem::remove(other, ec) || ec)
        throw PictureError("Cannot remove the earlier picture \"" + other.string() + "\": " + ec.message());
}

}  // namespace

std::string ScaleDownQuestion(int width, int height)
{
    const PictureSize fitted = FittedSize({width, height}, {kMaxStoredPictureWidth, kMaxStoredPictureHeight});
    return "The picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, larger than 800 x 600.\nScale it down to " + std::to_string(fitted.width) + " x " +
           std::to_string(fitted.height) + "?";
}

std::optional<StoredPicture> ImportPicture(const std::filesystem::path& source, const StoredPictureFiles& targets,
                                           IErrorReporter& reporter)
{
    const std::string extension = UpperExtension(source);
    if (IsOtherPicture(extension)) return std::nullopt;
    const SourceFormat* format = FormatOf(extension);
    if (!format)
        throw PictureError("Cannot read the picture \"" + source.string() + "\": the file type \"" +
                           source.extension().string() + "\" is not a known picture format");

    ImportedPicture picture = Read(source, *format);
    if (picture.Width() > kMaxStoredPictureWidth || picture.Height() > kMaxStoredPictureHeight) {
        if (!reporter.Confirm(ScaleDownQuestion(picture.Width(), picture.Height()))) {
            reporter.ShowErrorOfferingCancel(kPictureTooLarge);
            return std::nullopt;
        }
        picture = ScaledToFit(picture, {kMaxStoredPictureWidth, kMaxStoredPictureHeight});
    }

    // The source is read whole before a target is replaced, so a source that
    // is a target itself converts safely.
    StoredPicture stored;
    stored.width = picture.Width();
    stored.height = picture.Height();
    stored.transparent = picture.Transparent();
    if (stored.transparent) {
        stored.file = targets.png;
        WritePictureReplacing(targets.png, EncodePng(picture));
        RemoveOtherForm(targets.jpeg, source);
    } else {
        stored.file = targets.jpeg;
        WritePictureReplacing(targets.jpeg, EncodeJpeg(picture.colour, kStoredJpegQuality));
        RemoveOtherForm(targets.png, source);
    }
    return stored;
}

}  // namespace glimmora
