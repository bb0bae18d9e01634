#include "player/video/VideoFrames.h"

#include "swf/reader/BitReader.h"

namespace glimmora::player {
namespace {

bool IsH263KeyFrame(const std::vector<uint8_t>& data)
{
    try {
        swf::BitReader in(data.data(), data.size());
        if (in.UB(17) != 1) return false;  // no picture start code
        in.UB(5);                           // version
        in.UB(8);                           // temporal reference
        switch (in.UB(3)) {                 // picture size
        case 0: in.UB(16); break;           // custom, 8-bit width and height
        case 1: in.UB(32); break;           // custom, 16-bit width and height
        default: break;
        }
        return in.UB(2) == 0;  // intra
    } catch (const swf::DecodeError&) {
        return false;
    }
}

}  // namespace

bool IsVideoKeyFrame(uint8_t codec, const std::vector<uint8_t>& data)
{
    switch (codec) {
    case swf::VideoStream::SorensonH263:
        return IsH263KeyFrame(data);
    case swf::VideoStream::Vp6:
        return !data.empty() && (data[0] & 0x80) == 0;
    case swf::VideoStream::Vp6Alpha:  // after the 24-bit offset of the alpha data
        return data.size() > 3 && (data[3] & 0x80) == 0;
    default:
        return true;
    }
}

const QImage& VideoFrames::At(uint16_t number)
{
    const auto& frames = stream_.frames;
    auto target = frames.upper_bound(number);
    if (target == frames.begin()) {
        static const QImage none;
        return none;
    }
    --target;
    if (decoded_ == target->first) {
        return picture_;
    }
    if (!opened_) {
        opened_ = true;
        decoder_ = OpenVideoDecoding(stream_.codec, stream_.width, stream_.height, stream_.deblocking);
    }
    if (!decoder_) {
        return picture_;
    }
    auto key = target;
    while (key != frames.begin() && !IsVideoKeyFrame(stream_.codec, key->second)) {
        --key;
    }
    // Going on from the frame shown when it lies between the key frame and the target.
    auto from = key;
    if (decoded_ && *decoded_ >= key->first && *decoded_ < target->first) {
        from = frames.upper_bound(*decoded_);
    } else {
        decoder_->Reset();
    }
    for (auto frame = from;; ++frame) {
        decoder_->Decode(frame->second.data(), frame->second.size(), picture_);
        if (frame == target) {
            break;
        }
    }
    decoded_ = target->first;
    return picture_;
}

}  // namespace glimmora::player
