#pragma once
// The pictures of one video stream as a movie's frames ask for them. A
// placement's ratio names the frame; frames between key frames hold only
// their differences, so a frame is decoded from the key frame before it,
// or on from the last frame decoded when the movie plays forward.

#include "player/video/VideoDecoding.h"
#include "swf/reader/DecodedMovie.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>

namespace glimmora::player {

// Whether the encoded frame stands alone (an intra frame) in `codec`.
bool IsVideoKeyFrame(uint8_t codec, const std::vector<uint8_t>& data);

class VideoFrames {
public:
    // `stream` must outlive this.
    explicit VideoFrames(const swf::VideoStream& stream) : stream_(stream) {}

    // The picture of frame `number`, or of the last frame before it that the
    // stream has; a null image when there is none or it cannot be decoded.
    const QImage& At(uint16_t number);

private:
    const swf::VideoStream& stream_;
    std::unique_ptr<VideoDecoding> decoder_;
    bool opened_ = false;
    std::optional<uint16_t> decoded_;  // the frame `picture_` shows
    QImage picture_;
};

}  // namespace glimmora::player
