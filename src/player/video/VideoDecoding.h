#pragma once
// The decoding of an embedded video stream's frames (Sorenson H.263, VP6),
// done by FFmpeg in the program's FFmpeg module: programs open the module
// on the first video they draw, so that movies without one never load
// FFmpeg's libraries. Without the module a video draws nothing.

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace glimmora::player {

inline constexpr char kVideoModuleEntry[] = "glimmora_open_video_decoding";

class VideoDecoding {
public:
    virtual ~VideoDecoding() = default;
    // Decodes the stream's next frame into `picture` (premultiplied ARGB at
    // the frame's own size). False, `picture` unchanged, for a frame that
    // does not decode.
    virtual bool Decode(const uint8_t* data, size_t size, QImage& picture) = 0;
    // Forgets the frames decoded so far: the next one decoded is a key frame.
    virtual void Reset() = 0;
};

// The module's entry: a decoder the caller owns for the DefineVideoStream
// `codec` of `width` x `height` pictures, with deblocking as the stream's
// flag says (0 as the data says, 1 off); null for a codec it does not decode.
using OpenVideoDecodingFunction = VideoDecoding*(int codec, int width, int height, int deblocking);

// A decoder through the module; null when the module cannot be opened
// (tried once per process) or does not decode the codec.
std::unique_ptr<VideoDecoding> OpenVideoDecoding(int codec, int width, int height, int deblocking);

}  // namespace glimmora::player
