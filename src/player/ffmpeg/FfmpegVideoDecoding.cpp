// The program's FFmpeg module: the decoding behind the player's video
// streams. Sorenson H.263 is FFmpeg's "flv" decoder; VP6 its "vp6f", whose
// frames carry no size adjustment here (that byte is FLV's, not SWF's);
// VP6 with alpha its "vp6a", whose frames start with the offset of their
// alpha data as SWF stores them.

#include "player/video/VideoDecoding.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <cstring>

namespace glimmora::player {
namespace {

AVCodecID CodecOf(int codec)
{
    switch (codec) {
    case 2: return AV_CODEC_ID_FLV1;
    case 4: return AV_CODEC_ID_VP6F;
    case 5: return AV_CODEC_ID_VP6A;
    default: return AV_CODEC_ID_NONE;
    }
}

class FfmpegVideoDecoding : public VideoDecoding {
public:
    FfmpegVideoDecoding(AVCodecContext* context) : context_(context) {}

    ~FfmpegVideoDecoding() override
    {
        sws_freeContext(scale_);
        av_frame_free(&frame_);
        av_packet_free(&packet_);
        avcodec_free_context(&context_);
    }

    bool Decode(const uint8_t* data, size_t size, QImage& picture) override
    {
        if (!frame_ || !packet_ || size == 0 || size > size_t(INT32_MAX) - AV_INPUT_BUFFER_PADDING_SIZE) {
            return false;
        }
        av_packet_unref(packet_);
        if (av_new_packet(packet_, int(size)) < 0) {
            return false;
        }
        std::memcpy(packet_->data, data, size);
        if (avcodec_send_packet(context_, packet_) < 0) {
            return false;
        }
        bool decoded = false;
        while (avcodec_receive_frame(context_, frame_) == 0) {
            decoded = ToImage(picture) || decoded;
        }
        return decoded;
    }

    void Reset() override { avcodec_flush_buffers(context_); }

private:
    bool ToImage(QImage& picture)
    {
        const int width = frame_->width, height = frame_->height;
        if (width <= 0 || height <= 0) {
            return false;
        }
        scale_ = sws_getCachedContext(scale_, width, height, AVPixelFormat(frame_->format), width, height,
                                      AV_PIX_FMT_BGRA, SWS_POINT, nullptr, nullptr, nullptr);
        QImage image(width, height, QImage::Format_ARGB32);
        if (!scale_ || image.isNull()) {
            return false;
        }
        uint8_t* planes[4] = {image.bits(), nullptr, nullptr, nullptr};
        int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
        sws_scale(scale_, frame_->data, frame_->linesize, 0, height, planes, strides);
        if (frame_->format != AV_PIX_FMT_YUVA420P) {
            image.reinterpretAsFormat(QImage::Format_RGB32);  // opaque: whatever the fourth byte holds
        }
        picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return true;
    }

    AVCodecContext* context_;
    AVFrame* frame_ = av_frame_alloc();
    AVPacket* packet_ = av_packet_alloc();
    SwsContext* scale_ = nullptr;
};

}  // namespace
}  // namespace glimmora::player

extern "C" __attribute__((visibility("default"))) glimmora::player::VideoDecoding* glimmora_open_video_decoding(
    int codec, int width, int height, int deblocking)
{
    const AVCodec* decoder = avcodec_find_decoder(glimmora::player::CodecOf(codec));
    if (!decoder) {
        return nullptr;
    }
    AVCodecContext* context = avcodec_alloc_context3(decoder);
    if (!context) {
        return nullptr;
    }
    context->width = width;
    context->height = height;
    context->thread_count = 1;  // frames come one at a time, each wanted at once
    if (deblocking == 1) {
        context->skip_loop_filter = AVDISCARD_ALL;
    }
    if (avcodec_open2(context, decoder, nullptr) < 0) {
        avcodec_free_context(&context);
        return nullptr;
    }
    return new glimmora::player::FfmpegVideoDecoding(context);
}
