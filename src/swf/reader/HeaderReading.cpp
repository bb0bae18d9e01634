#include "swf/reader/HeaderReading.h"

#include "swf/reader/LzmaBody.h"
#include "swf/reader/RecordReading.h"

#include <zlib.h>

#include <fstream>

namespace glimmora::swf {
namespace {

// The rest of the header is at most a 17-byte RECT and two UI16s.
constexpr size_t kMaxHeaderRest = 17 + 4;

std::string Printable(const uint8_t* data, size_t size) {
    std::string s;
    for (size_t i = 0; i < size; ++i) s += (data[i] >= 0x20 && data[i] < 0x7F) ? char(data[i]) : '?';
    return s;
}

// Inflates the start of a compressed movie from `file` until `want` bytes
// came out or the stream or the file ends.
std::vector<uint8_t> InflatePrefix(std::ifstream& file, size_t want) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw DecodeError("cannot start inflating the compressed movie");
    std::vector<uint8_t> out(want);
    zs.next_out = out.data();
    zs.avail_out = uInt(want);
    uint8_t chunk[4096];
    int status = Z_OK;
    while (zs.avail_out > 0 && status == Z_OK) {
        file.read(reinterpret_cast<char*>(chunk), sizeof chunk);
        std::streamsize got = file.gcount();
        if (got <= 0) break;
        zs.next_in = chunk;
        zs.avail_in = uInt(got);
        status = inflate(&zs, Z_NO_FLUSH);
        if (status == Z_BUF_ERROR) status = Z_OK;  // needs more input
    }
    out.resize(want - zs.avail_out);
    inflateEnd(&zs);
    if (status != Z_OK && status != Z_STREAM_END) throw DecodeError("the compressed movie is damaged");
    return out;
}

}  // namespace

Header ReadFileStart(const uint8_t* data, size_t size) {
    if (size < 8) throw DecodeError("too short to be an SWF file (" + std::to_string(size) + " bytes)");
    Header header;
    header.signature.assign(reinterpret_cast<const char*>(data), 3);
    if (header.signature != "FWS" && header.signature != "CWS" && header.signature != "ZWS") {
        throw DecodeError("not an SWF file (it starts with \"" + Printable(data, 3) + "\")");
    }
    header.version = data[3];
    header.fileLength = uint32_t(data[4]) | uint32_t(data[5]) << 8 | uint32_t(data[6]) << 16 | uint32_t(data[7]) << 24;
    return header;
}

void ReadHeaderRest(BitReader& in, Header& header, const DecodeLimits& limits) {
    try {
        header.frameSize = ReadRect(in);
        header.frameRate = in.U16();
        header.frameCount = in.U16();
    } catch (const DecodeError&) {
        throw DecodeError("the file ends inside the SWF header");
    }
    const Rect& r = header.frameSize;
    int64_t maxTwips = int64_t(limits.maxStagePixels) * 20;
    if (r.xMin > r.xMax || r.yMin > r.yMax || r.xMax > maxTwips || r.yMax > maxTwips || r.xMin < -maxTwips ||
        r.yMin < -maxTwips) {
        throw DecodeError("unusable stage size " + std::to_string(r.xMin) + ".." + std::to_string(r.xMax) + " x " +
                          std::to_string(r.yMin) + ".." + std::to_string(r.yMax) + " twips");
    }
}

Header ReadHeaderFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw DecodeError("cannot open \"" + path + "\"");
    uint8_t start[8];
    file.read(reinterpret_cast<char*>(start), sizeof start);
    Header header = ReadFileStart(start, size_t(file.gcount()));

    std::vector<uint8_t> rest;
    if (header.signature == "CWS") {
        rest = InflatePrefix(file, kMaxHeaderRest);
    } else if (header.signature == "ZWS") {
        // The header's few bytes come from the stream's first few dozen.
        std::vector<uint8_t> start(4096);
        file.read(reinterpret_cast<char*>(start.data()), std::streamsize(start.size()));
        start.resize(size_t(file.gcount()));
        rest = UnpackLzmaBody(start.data(), start.size(), InflateBounds{kMaxHeaderRest, false, false});
    } else {
        rest.resize(kMaxHeaderRest);
        file.read(reinterpret_cast<char*>(rest.data()), std::streamsize(rest.size()));
        rest.resize(size_t(file.gcount()));
    }
    BitReader in(rest.data(), rest.size(), 8);
    ReadHeaderRest(in, header, DecodeLimits{});
    return header;
}

}  // namespace glimmora::swf
