#include "MediaReader.h"

#include "support/ProjectFixtures.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <webp/demux.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

namespace glimmora::test {
namespace {

struct Decoder {
    AVCodecContext* context = nullptr;
    ~Decoder() { avcodec_free_context(&context); }
};

void Open(Decoder& decoder, const AVStream* stream)
{
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) throw std::runtime_error("no decoder");
    decoder.context = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder.context, stream->codecpar);
    decoder.context->pkt_timebase = stream->time_base;
    if (avcodec_open2(decoder.context, codec, nullptr) < 0) throw std::runtime_error("decoder refused");
}

QImage ToImage(const AVFrame* frame)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    SwsContext* sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format), frame->width,
                                     frame->height, AV_PIX_FMT_BGRA, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr,
                                     nullptr, nullptr);
    uint8_t* planes[1] = {image.bits()};
    const int strides[1] = {int(image.bytesPerLine())};
    sws_scale(sws, frame->data, frame->linesize, 0, frame->height, planes, strides);
    sws_freeContext(sws);
    return image;
}

}  // namespace

MediaFile ReadMedia(const std::filesystem::path& file, bool decodeImages)
{
    MediaFile media;
    AVFormatContext* container = nullptr;
    if (avformat_open_input(&container, file.c_str(), nullptr, nullptr) < 0)
        throw std::runtime_error("FFmpeg cannot open " + file.string());
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> closer(&container, avformat_close_input);
    avformat_find_stream_info(container, nullptr);
    const int videoIndex = av_find_best_stream(container, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int audioIndex = av_find_best_stream(container, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    Decoder video, audio;
    if (videoIndex >= 0) Open(video, container->streams[videoIndex]);
    if (audioIndex >= 0) {
        Open(audio, container->streams[audioIndex]);
        media.hasAudio = true;
        media.audioRate = audio.context->sample_rate;
    }
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto drain = [&](Decoder& decoder, int index) {
        while (avcodec_receive_frame(decoder.context, frame) >= 0) {
            if (index == videoIndex) {
                const AVRational base = container->streams[index]->time_base;
                ++media.videoFrames;
                media.width = frame->width;
                media.height = frame->height;
                const double start = frame->best_effort_timestamp * av_q2d(base);
                const double duration = frame->pkt_duration * av_q2d(base);
                media.frameSeconds.push_back(duration);
                media.videoSeconds = std::max(media.videoSeconds, start + duration);
                if (decodeImages) media.images.push_back(ToImage(frame));
            } else {
                const bool planar = av_sample_fmt_is_planar(AVSampleFormat(frame->format));
                for (int i = 0; i < frame->nb_samples; ++i) {
                    const int at = planar ? i : i * frame->ch_layout.nb_channels;
                    float value = 0;
                    switch (frame->format) {
                    case AV_SAMPLE_FMT_FLTP:
                    case AV_SAMPLE_FMT_FLT: value = reinterpret_cast<const float*>(frame->data[0])[at]; break;
                    case AV_SAMPLE_FMT_S16P:
                    case AV_SAMPLE_FMT_S16: value = reinterpret_cast<const int16_t*>(frame->data[0])[at] / 32768.0f; break;
                    default: throw std::runtime_error("unexpected sample format");
                    }
                    media.audio.push_back(value);
                }
            }
        }
    };
    while (av_read_frame(container, packet) >= 0) {
        Decoder* decoder = packet->stream_index == videoIndex ? &video
                           : packet->stream_index == audioIndex ? &audio : nullptr;
        if (decoder) {
            avcodec_send_packet(decoder->context, packet);
            drain(*decoder, packet->stream_index);
        }
        av_packet_unref(packet);
    }
    for (auto [decoder, index] : {std::pair{&video, videoIndex}, std::pair{&audio, audioIndex}}) {
        if (index < 0) continue;
        avcodec_send_packet(decoder->context, nullptr);
        drain(*decoder, index);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    return media;
}

WebPAnimation ReadWebP(const std::filesystem::path& file)
{
    const std::string bytes = ReadFile(file);
    WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA;
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);
    if (!decoder) throw std::runtime_error("libwebp cannot read " + file.string());
    WebPAnimInfo info;
    WebPAnimDecoderGetInfo(decoder, &info);
    WebPAnimation animation;
    animation.width = int(info.canvas_width);
    animation.height = int(info.canvas_height);
    animation.frames = int(info.frame_count);
    animation.loopCount = int(info.loop_count);
    while (WebPAnimDecoderHasMoreFrames(decoder)) {
        uint8_t* pixels = nullptr;
        int timestamp = 0;
        if (!WebPAnimDecoderGetNext(decoder, &pixels, &timestamp)) break;
        animation.timestampsMs.push_back(timestamp);
        animation.images.push_back(
            QImage(pixels, animation.width, animation.height, QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32));
    }
    WebPAnimDecoderDelete(decoder);
    return animation;
}

int GifRepeatCount(const std::filesystem::path& file)
{
    const std::string bytes = ReadFile(file);
    const size_t at = bytes.find("NETSCAPE2.0");
    if (at == std::string::npos || at + 15 > bytes.size()) return -1;
    return uint8_t(bytes[at + 13]) | (uint8_t(bytes[at + 14]) << 8);
}

int ApngPlays(const std::filesystem::path& file)
{
    const std::string bytes = ReadFile(file);
    const size_t at = bytes.find("acTL");
    if (at == std::string::npos || at + 12 > bytes.size()) return -1;
    auto be32 = [&](size_t i) {
        return (uint32_t(uint8_t(bytes[i])) << 24) | (uint32_t(uint8_t(bytes[i + 1])) << 16) |
               (uint32_t(uint8_t(bytes[i + 2])) << 8) | uint32_t(uint8_t(bytes[i + 3]));
    };
    return int(be32(at + 8));
}

double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return 1e9;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uint8_t* p = x.constScanLine(row);
        const uint8_t* q = y.constScanLine(row);
        for (int i = 0; i < x.width() * 4; ++i) {
            if (i % 4 != 3) sum += std::abs(int(p[i]) - int(q[i]));
        }
    }
    return sum / (double(x.width()) * x.height() * 3);
}

}  // namespace glimmora::test
