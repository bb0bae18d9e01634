#include "player/playback/EmbeddedMovie.h"

#include "swf/reader/DecodedMovie.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

namespace glimmora::player {

bool HasSwfSignature(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 3 || bytes[1] != 'W' || bytes[2] != 'S') return false;
    return bytes[0] == 'F' || bytes[0] == 'C' || bytes[0] == 'Z';
}

std::vector<uint8_t> ReadFileRange(const std::string& path, uint64_t offset, uint64_t length)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Cannot open " + path);
    std::error_code error;
    const uint64_t size = std::filesystem::file_size(path, error);
    if (error || offset > size || length > size - offset) {
        throw std::runtime_error("Cannot read the movie from " + path);
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    in.seekg(std::streamoff(offset));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(length))) {
        throw std::runtime_error("Cannot read the movie from " + path);
    }
    return bytes;
}

std::vector<uint8_t> ReadMovieRange(const std::string& path, uint64_t offset, uint64_t length)
{
    const uint64_t largest = uint64_t(swf::DecodeLimits{}.maxInflatedBytes) + 8;
    if (length > largest) {
        throw std::runtime_error("The movie in " + path + " is " + std::to_string(length >> 20) +
                                 " MB, larger than the player can show (" + std::to_string(largest >> 20) + " MB)");
    }
    try {
        return ReadFileRange(path, offset, length);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error("There is not enough memory to read the movie in " + path);
    }
}

std::vector<uint8_t> ReadMovieFile(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) throw std::runtime_error("Cannot open " + path + ": no such file");
    if (std::filesystem::is_directory(status)) throw std::runtime_error(path + " is a folder, not a movie");
    if (!std::filesystem::is_regular_file(status)) throw std::runtime_error(path + " is not a regular file");
    const uint64_t size = std::filesystem::file_size(path, error);
    if (error) throw std::runtime_error("Cannot open " + path + ": " + error.message());
    return ReadMovieRange(path, 0, size);
}

std::vector<uint8_t> ReadFileTail(const std::string& path, size_t count, uint64_t& fileSize)
{
    std::error_code error;
    fileSize = std::filesystem::file_size(path, error);
    if (error) throw std::runtime_error("Cannot open " + path);
    const uint64_t take = std::min<uint64_t>(count, fileSize);
    return ReadFileRange(path, fileSize - take, take);
}

}  // namespace glimmora::player
