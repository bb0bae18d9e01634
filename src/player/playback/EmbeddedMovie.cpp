#include "player/playback/EmbeddedMovie.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace glimmora::player {
namespace {

uint32_t ReadU32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

TrailerResult Damaged(std::string problem)
{
    TrailerResult result;
    result.kind = TrailerResult::Kind::Damaged;
    result.problem = std::move(problem);
    return result;
}

}  // namespace

TrailerResult ParseProjectorTrailer(std::span<const uint8_t> tail, uint64_t fileSize)
{
    if (fileSize < 8 || tail.size() < 8) return {};
    const uint8_t* trailer = tail.data() + tail.size() - 8;
    if (ReadU32(trailer) != 0xFA123456u) return {};
    const uint64_t length = ReadU32(trailer + 4);
    if (length == 0) return Damaged("The player carries an empty movie.");
    if (length > fileSize - 8) {
        return Damaged("The movie length in the player's trailer is larger than the file.");
    }
    TrailerResult result;
    result.kind = TrailerResult::Kind::Found;
    result.offset = fileSize - 8 - length;
    result.length = length;
    return result;
}

TrailerResult ParseScreensaverTrailer(std::span<const uint8_t> tail, uint64_t fileSize)
{
    if (fileSize < 4 || tail.size() < 4) return {};
    const uint64_t distance = ReadU32(tail.data() + tail.size() - 4);
    if (distance < 4 || distance > fileSize) return {};
    if (distance == 4) return Damaged("The screen saver carries an empty movie.");
    TrailerResult result;
    result.kind = TrailerResult::Kind::Found;
    result.offset = fileSize - distance;
    result.length = distance - 4;
    return result;
}

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
