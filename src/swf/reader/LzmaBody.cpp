#include "swf/reader/LzmaBody.h"

#include "swf/reader/DecodedMovie.h"

#include <lzma.h>

#include <algorithm>
#include <string>

namespace glimmora::swf {
namespace {

// The lc/lp/pb byte and the dictionary size of the properties. The
// dictionary is never larger than the output it serves, so a stream that
// claims gigabytes of window costs only what the movie's length admits.
lzma_options_lzma ReadProperties(const uint8_t* props, uint64_t outputSize) {
    unsigned packed = props[0];
    if (packed >= 9 * 5 * 5) throw DecodeError("the LZMA-compressed movie has unusable properties");
    lzma_options_lzma options{};
    options.lc = packed % 9;
    options.lp = packed / 9 % 5;
    options.pb = packed / 45;
    const uint32_t dictionary = uint32_t(props[1]) | uint32_t(props[2]) << 8 | uint32_t(props[3]) << 16 |
                                uint32_t(props[4]) << 24;
    options.dict_size = uint32_t(std::clamp<uint64_t>(std::min<uint64_t>(dictionary, outputSize),
                                                      LZMA_DICT_SIZE_MIN, UINT32_MAX));
    return options;
}

class LzmaStream {
public:
    ~LzmaStream() { lzma_end(&stream); }
    lzma_stream stream = LZMA_STREAM_INIT;
};

}  // namespace

std::vector<uint8_t> UnpackLzmaBody(const uint8_t* data, size_t size, const InflateBounds& bounds) {
    if (size < kLzmaPrefixBytes) throw DecodeError("the LZMA-compressed movie ends inside its header");
    // The compressed size before the properties is not needed (and some
    // writers get it wrong): the stream ends at the declared movie length,
    // at its end marker or with the file.
    lzma_options_lzma options = ReadProperties(data + 4, bounds.maxBytes);
    // Plain LZMA1 with an unknown size: an end marker ends the stream where
    // there is one; without it, the declared length or the input ends it.
    lzma_filter filters[] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    LzmaStream lzma;
    const lzma_ret started = lzma_raw_decoder(&lzma.stream, filters);
    if (started == LZMA_MEM_ERROR) throw std::bad_alloc();
    if (started != LZMA_OK) throw DecodeError("the LZMA-compressed movie has unusable properties");

    std::vector<uint8_t> out;
    lzma.stream.next_in = data + kLzmaPrefixBytes;
    lzma.stream.avail_in = size - kLzmaPrefixBytes;
    lzma_ret status = LZMA_OK;
    // The output grows as it comes, so a false length costs no memory up front.
    while (status == LZMA_OK && out.size() < bounds.maxBytes) {
        const size_t old = out.size();
        const size_t grow = std::min(bounds.maxBytes - old, std::max<size_t>(old, 64 * 1024));
        out.resize(old + grow);
        lzma.stream.next_out = out.data() + old;
        lzma.stream.avail_out = grow;
        status = lzma_code(&lzma.stream, LZMA_RUN);
        out.resize(old + grow - lzma.stream.avail_out);
        if (status == LZMA_OK && lzma.stream.avail_out > 0 && lzma.stream.avail_in == 0) break;  // input ran out
    }
    const bool ended = status == LZMA_STREAM_END || out.size() == bounds.maxBytes;
    if (status == LZMA_MEM_ERROR) throw std::bad_alloc();
    if (status != LZMA_OK && status != LZMA_STREAM_END) throw DecodeError("the LZMA-compressed movie is damaged");
    if (!ended && bounds.requireEnd) throw DecodeError("the LZMA-compressed movie ends before its stream does");
    out.shrink_to_fit();
    return out;
}

}  // namespace glimmora::swf
