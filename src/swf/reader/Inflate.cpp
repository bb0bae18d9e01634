#include "swf/reader/Inflate.h"

#include "swf/reader/DecodedMovie.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>

namespace glimmora::swf {

std::vector<uint8_t> Inflate(const uint8_t* data, size_t size, const InflateBounds& bounds, const char* what) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw DecodeError(std::string("cannot start inflating the ") + what);

    std::vector<uint8_t> out;
    const size_t chunk = 64 * 1024;
    size_t inputLeft = size;
    zs.next_in = const_cast<Bytef*>(data);
    int status = Z_OK;
    bool overflow = false;
    while (true) {
        if (zs.avail_in == 0 && inputLeft > 0) {
            uInt take = uInt(std::min<size_t>(inputLeft, UINT_MAX));
            zs.avail_in = take;
            inputLeft -= take;
        }
        // One byte beyond the bound tells an exact fit from an overflow.
        size_t room = bounds.maxBytes - out.size() + (bounds.maxBytes < SIZE_MAX ? 1 : 0);
        size_t grow = std::min(chunk, room);
        size_t old = out.size();
        out.resize(old + grow);
        zs.next_out = out.data() + old;
        zs.avail_out = uInt(grow);
        status = inflate(&zs, Z_NO_FLUSH);
        out.resize(old + (grow - zs.avail_out));
        if (out.size() > bounds.maxBytes) {
            overflow = true;
            out.resize(bounds.maxBytes);
            break;
        }
        if (status == Z_STREAM_END) break;
        if (status == Z_BUF_ERROR && zs.avail_in == 0 && inputLeft == 0) break;  // input ran out
        if (status != Z_OK && status != Z_BUF_ERROR) {
            std::string message = zs.msg ? zs.msg : "error " + std::to_string(status);
            inflateEnd(&zs);
            throw DecodeError(std::string("the ") + what + " is damaged (zlib: " + message + ")");
        }
        if (zs.avail_in == 0 && inputLeft == 0 && zs.avail_out != 0) break;  // all input used
    }
    inflateEnd(&zs);

    if (overflow && bounds.overflowIsError) {
        throw DecodeError(std::string("the ") + what + " inflates to more than " + std::to_string(bounds.maxBytes) +
                          " bytes");
    }
    if (!overflow && status != Z_STREAM_END && bounds.requireEnd) {
        throw DecodeError(std::string("the ") + what + " ends before its compressed stream does");
    }
    out.shrink_to_fit();
    return out;
}

}  // namespace glimmora::swf
