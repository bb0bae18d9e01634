#pragma once
// LZMA-compressed (ZWS) test movies, made with liblzma's raw encoder: the
// stream with or without its end marker, as different writers leave it.

#include "support/SwfBytes.h"

#include <lzma.h>

#include <stdexcept>

namespace glimmora::test {

// The ZWS body of `raw` (the movie's bytes after the 8-byte file start):
// compressed size, five property bytes, the raw LZMA stream.
inline ByteVector LzmaBody(const ByteVector& raw, bool endMarker) {
    lzma_options_lzma options;
    lzma_lzma_preset(&options, 6);
    options.dict_size = 1u << 16;
    uint8_t props[5];
    lzma_filter propsFilter{LZMA_FILTER_LZMA1, &options};
    if (lzma_properties_encode(&propsFilter, props) != LZMA_OK) throw std::runtime_error("lzma properties");
    // LZMA1 always closes with an end marker; LZMA1EXT without the flag never does.
    options.ext_flags = 0;
    lzma_filter filters[] = {{endMarker ? LZMA_FILTER_LZMA1 : LZMA_FILTER_LZMA1EXT, &options},
                             {LZMA_VLI_UNKNOWN, nullptr}};
    ByteVector stream(raw.size() + raw.size() / 2 + 1024);
    size_t written = 0;
    if (lzma_raw_buffer_encode(filters, nullptr, raw.data(), raw.size(), stream.data(), &written, stream.size()) !=
        LZMA_OK) {
        throw std::runtime_error("lzma encoding");
    }
    stream.resize(written);
    Bytes body;
    body.U32(uint32_t(stream.size())).Add(ByteVector(props, props + 5)).Add(stream);
    return body;
}

// The same movie as a ZWS file: `fws` is an uncompressed file.
inline ByteVector ZwsFile(const ByteVector& fws, bool endMarker = true) {
    ByteVector file{'Z', 'W', 'S', fws[3], fws[4], fws[5], fws[6], fws[7]};
    ByteVector body = LzmaBody(ByteVector(fws.begin() + 8, fws.end()), endMarker);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

}  // namespace glimmora::test
