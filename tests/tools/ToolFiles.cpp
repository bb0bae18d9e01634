#include "ToolFiles.h"

#include "tools/files/PlayerProgram.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace glimmora::test {

Bytes ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes U32LE(uint32_t value)
{
    return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

Bytes SwfLike(size_t length)
{
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = uint8_t(i * 7 + 3);
    const char signature[] = {'F', 'W', 'S', 8};
    std::copy_n(signature, std::min<size_t>(4, length), bytes.begin());
    return bytes;
}

Bytes PlayerLike(size_t length)
{
    Bytes bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = uint8_t(255 - i % 251);
    // An ELF file with the player's mark, as the tools require of a player.
    const std::string head = "\x7f" "ELF" + tools::PlayerMark();
    std::copy_n(head.begin(), std::min(head.size(), length), bytes.begin());
    return bytes;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace glimmora::test
