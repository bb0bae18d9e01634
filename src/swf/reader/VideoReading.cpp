#include "swf/reader/VideoReading.h"

namespace glimmora::swf {

VideoStream ReadDefineVideoStream(BitReader& in) {
    VideoStream stream;
    stream.frameCount = in.U16();
    stream.width = in.U16();
    stream.height = in.U16();
    const uint8_t flags = in.U8();
    stream.deblocking = (flags >> 1) & 7;
    stream.smoothing = (flags & 1) != 0;
    stream.codec = in.U8();
    return stream;
}

void AddVideoFrame(BitReader& in, MutableDictionary& dictionary, DecodeContext& ctx) {
    const uint16_t streamId = in.U16();
    const uint16_t frame = in.U16();
    auto found = dictionary.find(streamId);
    auto* stream = found == dictionary.end() ? nullptr : std::get_if<VideoStream>(found->second.get());
    if (!stream || stream->frames.count(frame)) return;
    ctx.CountRecords();
    const size_t size = in.Remaining();
    const uint8_t* data = in.Bytes(size);
    stream->frames.emplace(frame, std::vector<uint8_t>(data, data + size));
}

}  // namespace glimmora::swf
