#include "effects/picture/import/PictureFile.h"

#include "effects/picture/import/PictureError.h"

#include "files/ReplacingFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

namespace glimmora {

namespace {

std::string Quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

}  // namespace

std::vector<std::uint8_t> ReadPictureFile(const std::filesystem::path& file)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status))
        throw PictureError("Cannot open the picture " + Quoted(file) + ": it is a folder, not a picture");
    if (!std::filesystem::is_regular_file(status))
        throw PictureError("Cannot open the picture " + Quoted(file) + ": no such file");
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) throw PictureError("Cannot open the picture " + Quoted(file) + ": " + ec.message());
    if (size > kMaxPictureFileBytes)
        throw PictureError("Cannot open the picture " + Quoted(file) + ": the file is too large");

    std::ifstream in(file, std::ios::binary);
    if (!in) throw PictureError("Cannot open the picture " + Quoted(file) + ": " + std::strerror(errno));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    if (in.gcount() != std::streamsize(bytes.size()))
        throw PictureError("Cannot read the picture " + Quoted(file) + ": the file changed while it was read");
    return bytes;
}

void WritePictureReplacing(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes)
{
    try {
        files::ReplaceFileContents(target, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const std::system_error& error) {
        throw PictureError("Cannot write the picture " + Quoted(target) + ": " + error.code().message());
    }
}

}  // namespace glimmora
