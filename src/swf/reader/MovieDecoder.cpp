#include "swf/reader/BitReader.h"
#include "swf/reader/CharacterReading.h"
#include "swf/reader/DecodeContext.h"
#include "swf/reader/HeaderReading.h"
#include "swf/reader/Inflate.h"
#include "swf/reader/LzmaBody.h"
#include "swf/reader/TimelineReading.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace glimmora::swf {
namespace {

// The unpacked bytes after the 8-byte file start of a compressed movie.
std::vector<uint8_t> PackedBody(const uint8_t* data, size_t size, const Header& header, const DecodeLimits& limits) {
    if (header.fileLength < 8) throw DecodeError("the compressed movie declares a length below 8 bytes");
    size_t declared = header.fileLength - 8;
    if (declared > limits.maxInflatedBytes) {
        throw DecodeError("the compressed movie declares " + std::to_string(declared) +
                          " bytes, more than the size limit of " + std::to_string(limits.maxInflatedBytes));
    }
    // Inflation stops at the declared length: a stream that would go on
    // (a zlib bomb among them) costs no more memory than the header admits.
    InflateBounds bounds{declared, false, false};
    if (header.signature == "ZWS") return UnpackLzmaBody(data + 8, size - 8, bounds);
    return Inflate(data + 8, size - 8, bounds, "compressed movie");
}

// The uncompressed bytes after the 8-byte file start: those of `data` for an
// uncompressed movie (not copied), else unpacked into `unpacked`.
std::pair<const uint8_t*, size_t> MovieBody(const uint8_t* data, size_t size, const Header& header,
                                            const DecodeLimits& limits, std::vector<uint8_t>& unpacked) {
    if (header.signature == "FWS") {
        if (size - 8 > limits.maxInflatedBytes) throw DecodeError("the file is larger than the size limit");
        // Bytes beyond the declared length are not part of the movie.
        size_t end = header.fileLength >= 8 && header.fileLength < size ? header.fileLength : size;
        return {data + 8, end - 8};
    }
    unpacked = PackedBody(data, size, header, limits);
    return {unpacked.data(), unpacked.size()};
}

}  // namespace

uint32_t DecodedMovie::TagCount(TagCode code) const {
    for (const auto& [tag, count] : tagCounts) {
        if (tag == uint16_t(code)) return count;
    }
    return 0;
}

namespace {

// Definitions whose reading depends on their bytes alone, and which no later
// tag changes but DefineFontInfo (VideoFrame changes a video stream, which is
// not among them).
bool Shareable(uint16_t code) {
    switch (TagCode(code)) {
    case TagCode::DefineShape:
    case TagCode::DefineShape2:
    case TagCode::DefineShape3:
    case TagCode::DefineShape4:
    case TagCode::DefineFont2:
    case TagCode::DefineFont3:
    case TagCode::DefineText:
    case TagCode::DefineText2:
    case TagCode::DefineBitsJPEG2:
    case TagCode::DefineBitsJPEG3:
    case TagCode::DefineBitsLossless:
    case TagCode::DefineBitsLossless2:
    case TagCode::DefineSound:
        return true;
    default:
        return false;
    }
}

// The character `previous` read from the very same definition, if any.
std::shared_ptr<const Character> SameAsBefore(const DecodedMovie* previous, uint16_t code, uint16_t id,
                                              const uint8_t* body, uint32_t length) {
    if (!previous || !previous->writtenTags) return nullptr;
    const auto& before = previous->shareableDefinitions;
    const auto found = std::lower_bound(before.begin(), before.end(), id,
                                        [](const DecodedMovie::Definition& d, uint16_t key) { return d.id < key; });
    if (found == before.end() || found->id != id || found->code != code || found->length != length) return nullptr;
    if (std::memcmp(previous->writtenTags->data + found->offset, body, length) != 0) return nullptr;
    const auto character = previous->dictionary.find(id);
    return character == previous->dictionary.end() ? nullptr : character->second;
}

// `owner`, when given, holds `data`: the main timeline's display operations
// are then left in the movie's tags, which the movie keeps.
DecodedMovie Decode(const uint8_t* data, size_t size, const DecodeLimits& limits,
                    std::shared_ptr<const std::vector<uint8_t>> owner, const DecodedMovie* previous) {
    DecodedMovie movie;
    movie.header = ReadFileStart(data, size);
    std::vector<uint8_t> unpacked;
    const auto [body, bodySize] = MovieBody(data, size, movie.header, limits, unpacked);

    BitReader in(body, bodySize, 8);
    ReadHeaderRest(in, movie.header, limits);

    DecodeContext ctx;
    ctx.limits = limits;
    ctx.version = movie.header.version;
    std::shared_ptr<TagSource> keptTags;
    if (owner) {
        keptTags = std::make_shared<TagSource>();
        if (body == unpacked.data()) owner = std::make_shared<const std::vector<uint8_t>>(std::move(unpacked));
        keptTags->owner = std::move(owner);
        keptTags->data = body;
        keptTags->size = bodySize;
        keptTags->fileOffset = 8;
        keptTags->swfVersion = movie.header.version;
    }
    MutableDictionary dictionary;
    // A movie whose bytes are all there may still lack its End tag (some
    // writers leave it out, and players accept that); one that is shorter
    // than its declared length was cut off, and needs it.
    const bool cutShort = uint64_t(bodySize) + 8 < movie.header.fileLength;
    std::vector<uint16_t> shared;  // ids of characters taken from `previous`
    auto readDefinition = [&](const TagHeader& tag, BitReader& tagBody) {
        const bool fontInfo = tag.code == uint16_t(TagCode::DefineFontInfo) || tag.code == uint16_t(TagCode::DefineFontInfo2);
        if (fontInfo && tag.length >= 2) {
            // It changes the font it names: a shared one is copied first.
            const uint16_t id = BitReader(tagBody).U16();
            if (std::find(shared.begin(), shared.end(), id) != shared.end())
                dictionary[id] = std::make_shared<Character>(*dictionary[id]);
        }
        if (keptTags && Shareable(tag.code) && tag.length >= 2) {
            const uint8_t* body = tagBody.Data();
            const uint16_t id = BitReader(tagBody).U16();
            const size_t offset = size_t(body - keptTags->data);
            if (!dictionary.count(id)) {
                movie.shareableDefinitions.push_back({id, tag.code, offset, tag.length});
                if (auto same = SameAsBefore(previous, tag.code, id, body, tag.length)) {
                    // Left as it is: only DefineFontInfo changes such a character, on a copy.
                    dictionary.emplace(id, std::const_pointer_cast<Character>(std::move(same)));
                    shared.push_back(id);
                    return;
                }
            }
        }
        ReadDefinitionTag(tag, tagBody, movie, dictionary, ctx);
    };
    movie.frames = ReadTimeline(in, ctx, cutShort, readDefinition, keptTags);
    if (keptTags) {
        std::sort(movie.shareableDefinitions.begin(), movie.shareableDefinitions.end(),
                  [](const DecodedMovie::Definition& a, const DecodedMovie::Definition& b) { return a.id < b.id; });
        movie.writtenTags = keptTags;
    }
    for (auto& [id, character] : dictionary) movie.dictionary.emplace(id, std::move(character));
    for (uint16_t code = 0; code < ctx.tagCounts.size(); ++code)
        if (ctx.tagCounts[code]) movie.tagCounts.emplace_back(code, ctx.tagCounts[code]);
    return movie;
}

}  // namespace

DecodedMovie DecodeMovie(const uint8_t* data, size_t size, const DecodeLimits& limits) {
    return Decode(data, size, limits, nullptr, nullptr);
}

DecodedMovie DecodeWrittenMovie(std::shared_ptr<const std::vector<uint8_t>> bytes, const DecodeLimits& limits,
                                const DecodedMovie* previous) {
    if (!bytes) throw DecodeError("no movie");
    const std::vector<uint8_t>& data = *bytes;
    return Decode(data.data(), data.size(), limits, std::move(bytes), previous);
}

DecodedMovie DecodeMovieFile(const std::string& path, const DecodeLimits& limits) {
    // A folder opens as a stream too; say what it is rather than its "size".
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) throw DecodeError("cannot open \"" + path + "\": no such file");
    if (std::filesystem::is_directory(status)) throw DecodeError("\"" + path + "\" is a folder, not a movie");
    if (!std::filesystem::is_regular_file(status)) throw DecodeError("\"" + path + "\" is not a regular file");
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) throw DecodeError("cannot open \"" + path + "\"");
    std::streamoff length = file.tellg();
    if (length < 0) throw DecodeError("cannot read \"" + path + "\"");
    if (uint64_t(length) > uint64_t(limits.maxInflatedBytes) + 8) {
        throw DecodeError("\"" + path + "\" is larger than the size limit");
    }
    std::vector<uint8_t> data(static_cast<size_t>(length));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(data.data()), length);
    if (file.gcount() != length) throw DecodeError("cannot read \"" + path + "\"");
    return DecodeMovie(data.data(), data.size(), limits);
}

}  // namespace glimmora::swf
