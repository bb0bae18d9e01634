#include "player/playback/EmbeddedMovie.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
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

std::vector<uint8_t> ReadFileTail(const std::string& path, size_t count, uint64_t& fileSize)
{
    std::error_code error;
    fileSize = std::filesystem::file_size(path, error);
    if (error) throw std::runtime_error("Cannot open " + path);
    const uint64_t take = std::min<uint64_t>(count, fileSize);
    return ReadFileRange(path, fileSize - take, take);
}

}  // namespace glimmora::player
