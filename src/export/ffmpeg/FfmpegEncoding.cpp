// The program's FFmpeg module: the encoding behind AvMovieWriter. One row
// of a table per format names its container, codecs and pixel format; the
// rest is shared. The sound is resampled and cut into the audio codec's
// frames here; timestamps count frames at the movie's exact rate.

#include "export/AvEncoding.h"
#include "export/ExportError.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace glimmora::exporting {
namespace {

constexpr int kInputRate = 44100;

struct AvFormatRow {
    ExportFormat format;
    const char* muxer;
    const char* videoCodec;
    AVPixelFormat pixels;
    const char* audioCodec;  // null: no sound
};

constexpr AvFormatRow kRows[] = {
    {ExportFormat::Mp4, "mp4", "libx264", AV_PIX_FMT_YUV420P, "aac"},
    {ExportFormat::WebM, "webm", "libvpx-vp9", AV_PIX_FMT_YUV420P, "libopus"},
    {ExportFormat::Apng, "apng", "apng", AV_PIX_FMT_RGB24, nullptr},
    {ExportFormat::Gif, "gif", "gif", AV_PIX_FMT_PAL8, nullptr},
};

std::string AvText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// Options of each codec for a quality of 1 to 100.
void SetVideoOptions(ExportFormat format, AVCodecContext* codec, int quality)
{
    switch (format) {
    case ExportFormat::Mp4: {
        // 100 gives CRF 12 (visually lossless), 80 CRF 19, 1 CRF 45.
        const int crf = int(std::lround(45.0 - quality * 0.33));
        av_opt_set(codec->priv_data, "preset", "veryfast", 0);
        av_opt_set(codec->priv_data, "tune", "animation", 0);
        av_opt_set_int(codec->priv_data, "crf", crf, 0);
        codec->profile = FF_PROFILE_H264_HIGH;
        break;
    }
    case ExportFormat::WebM: {
        // Constant quality: 100 gives CRF 15, 80 CRF 23, 1 CRF 55.
        const int crf = int(std::lround(55.0 - quality * 0.4));
        codec->bit_rate = 0;
        av_opt_set_int(codec->priv_data, "crf", crf, 0);
        av_opt_set(codec->priv_data, "deadline", "realtime", 0);
        av_opt_set_int(codec->priv_data, "cpu-used", 7, 0);
        av_opt_set_int(codec->priv_data, "row-mt", 1, 0);
        break;
    }
    case ExportFormat::Apng:
        // Lossless; the quality only trades time for size.
        // zlib's strongest level takes ten times as long for a few per cent.
        codec->compression_level = quality >= 100 ? 9 : quality >= 50 ? 4 : 1;
        break;
    default:
        break;
    }
}

class FfmpegEncoding final : public AvEncoding {
public:
    explicit FfmpegEncoding(const AvEncodingRequest& request);
    ~FfmpegEncoding() override;
    void AddFrame(const QImage& image) override;
    void AddIndexedFrame(const uint8_t* indices, const std::array<uint32_t, 256>& palette) override;
    void AddSound(const std::vector<int16_t>& samples) override;
    void Finish() override;

private:
    void Open(const AvEncodingRequest& request);


    ExportFormat format = ExportFormat::Mp4;
    std::filesystem::path file;  // the target, for messages
    std::filesystem::path path;  // where the data goes until committed
    ExportPlan plan;
    AVFormatContext* container = nullptr;
    bool headerWritten = false;
    bool finished = false;

    AVCodecContext* video = nullptr;
    AVStream* videoStream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* videoFrame = nullptr;
    int64_t nextVideoPts = 0;

    AVCodecContext* audio = nullptr;
    AVStream* audioStream = nullptr;
    SwrContext* resampler = nullptr;
    AVAudioFifo* fifo = nullptr;
    AVFrame* audioFrame = nullptr;
    int64_t nextAudioPts = 0;

    AVPacket* packet = nullptr;

    // Frees what was made, also after a failed opening.
    void Release()
    {
        if (container && headerWritten && !finished) av_write_trailer(container);
        av_packet_free(&packet);
        av_frame_free(&audioFrame);
        if (fifo) av_audio_fifo_free(fifo);
        swr_free(&resampler);
        avcodec_free_context(&audio);
        av_frame_free(&videoFrame);
        sws_freeContext(scaler);
        avcodec_free_context(&video);
        if (container) {
            if (container->pb) avio_closep(&container->pb);
            avformat_free_context(container);
        }
    }

    [[noreturn]] void Fail(const std::string& what, int code) const
    {
        throw ExportError("Cannot write \"" + file.string() + "\": " + what + " (" + AvText(code) + ")");
    }
    void Check(int code, const char* what) const
    {
        if (code < 0) Fail(what, code);
    }

    AVCodecContext* OpenCodec(const char* name, AVStream*& stream, const std::function<void(AVCodecContext*)>& setup)
    {
        const AVCodec* codec = avcodec_find_encoder_by_name(name);
        if (!codec) throw ExportError(std::string("Cannot write \"") + file.string() + "\": this system's FFmpeg has no " + name + " encoder");
        AVCodecContext* context = avcodec_alloc_context3(codec);
        if (!context) throw ExportError("Out of memory");
        setup(context);
        if (container->oformat->flags & AVFMT_GLOBALHEADER) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        const int opened = avcodec_open2(context, codec, nullptr);
        if (opened < 0) {
            avcodec_free_context(&context);
            Fail(std::string("the ") + name + " encoder refused the settings", opened);
        }
        stream = avformat_new_stream(container, nullptr);
        if (!stream) {
            avcodec_free_context(&context);
            throw ExportError("Out of memory");
        }
        Check(avcodec_parameters_from_context(stream->codecpar, context), "codec parameters");
        stream->time_base = context->time_base;
        return context;
    }

    // Sends `frame` (null: drain) and writes every packet that comes out.
    void Encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame)
    {
        Check(avcodec_send_frame(codec, frame), "encoding");
        for (;;) {
            const int received = avcodec_receive_packet(codec, packet);
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
            Check(received, "encoding");
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            Check(av_interleaved_write_frame(container, packet), "writing");
        }
    }

    // Encodes whole codec frames from the fifo; with `last`, the rest too.
    void DrainAudio(bool last)
    {
        const int frameSize = audio->frame_size > 0 ? audio->frame_size : 1024;
        while (av_audio_fifo_size(fifo) >= frameSize || (last && av_audio_fifo_size(fifo) > 0)) {
            const int count = std::min(frameSize, av_audio_fifo_size(fifo));
            av_frame_unref(audioFrame);
            audioFrame->nb_samples = count;
            audioFrame->format = audio->sample_fmt;
            audioFrame->sample_rate = audio->sample_rate;
            Check(av_channel_layout_copy(&audioFrame->ch_layout, &audio->ch_layout), "audio layout");
            Check(av_frame_get_buffer(audioFrame, 0), "audio buffer");
            if (av_audio_fifo_read(fifo, reinterpret_cast<void**>(audioFrame->data), count) < count)
                throw ExportError("Cannot write \"" + file.string() + "\": audio queue");
            audioFrame->pts = nextAudioPts;
            nextAudioPts += count;
            Encode(audio, audioStream, audioFrame);
        }
    }

    // Resamples `samples` (null: the resampler's rest) into the fifo.
    void QueueAudio(const int16_t* samples, int count)
    {
        const int capacity = int(swr_get_out_samples(resampler, count)) + 32;
        uint8_t** planes = nullptr;
        Check(av_samples_alloc_array_and_samples(&planes, nullptr, audio->ch_layout.nb_channels, capacity,
                                                 audio->sample_fmt, 0),
              "audio buffer");
        const uint8_t* in[1] = {reinterpret_cast<const uint8_t*>(samples)};
        const int made = swr_convert(resampler, planes, capacity, samples ? in : nullptr, count);
        int written = made >= 0 ? av_audio_fifo_write(fifo, reinterpret_cast<void**>(planes), made) : made;
        av_freep(&planes[0]);
        av_freep(&planes);
        Check(made, "resampling");
        Check(written, "audio queue");
    }
};

FfmpegEncoding::FfmpegEncoding(const AvEncodingRequest& request)
{
    try {
        Open(request);
    } catch (...) {
        Release();
        throw;
    }
}

FfmpegEncoding::~FfmpegEncoding() { Release(); }

void FfmpegEncoding::Open(const AvEncodingRequest& request)
{
    // The libraries' notes go to the log only when something is wrong.
    av_log_set_level(AV_LOG_ERROR);
    format = request.format;
    file = request.target;
    path = request.path;
    plan = request.plan;
    const int quality = request.quality;
    const int loopCount = request.loopCount;
    const AvFormatRow* row = std::find_if(std::begin(kRows), std::end(kRows),
                                          [&](const AvFormatRow& r) { return r.format == format; });
    if (row == std::end(kRows)) throw ExportError("FFmpeg does not write this format");

    Check(avformat_alloc_output_context2(&container, nullptr, row->muxer, path.c_str()), "container");
    packet = av_packet_alloc();
    if (!packet) throw ExportError("Out of memory");

    AVRational frameDuration{256, plan.frameRate};
    av_reduce(&frameDuration.num, &frameDuration.den, frameDuration.num, frameDuration.den, INT32_MAX);
    video = OpenCodec(row->videoCodec, videoStream, [&](AVCodecContext* c) {
        c->width = plan.size.width();
        c->height = plan.size.height();
        c->pix_fmt = row->pixels;
        c->time_base = frameDuration;
        c->framerate = av_inv_q(frameDuration);
        c->sample_aspect_ratio = AVRational{1, 1};
        if (row->pixels == AV_PIX_FMT_YUV420P) {
            c->color_range = AVCOL_RANGE_MPEG;
            c->colorspace = AVCOL_SPC_SMPTE170M;
            c->color_primaries = AVCOL_PRI_SMPTE170M;
            c->color_trc = AVCOL_TRC_SMPTE170M;
        }
        SetVideoOptions(format, c, quality);
    });
    videoStream->avg_frame_rate = video->framerate;

    videoFrame = av_frame_alloc();
    if (!videoFrame) throw ExportError("Out of memory");
    videoFrame->format = row->pixels;
    videoFrame->width = plan.size.width();
    videoFrame->height = plan.size.height();
    Check(av_frame_get_buffer(videoFrame, 0), "frame buffer");
    if (row->pixels != AV_PIX_FMT_PAL8) {
        scaler = sws_getContext(plan.size.width(), plan.size.height(), AV_PIX_FMT_BGRA, plan.size.width(),
                                  plan.size.height(), row->pixels, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr,
                                  nullptr, nullptr);
        if (!scaler) throw ExportError("Cannot convert the frames' colours");
        if (row->pixels == AV_PIX_FMT_YUV420P) {
            // Full-range RGB in, limited-range BT.601 out, as tagged above.
            sws_setColorspaceDetails(scaler, sws_getCoefficients(SWS_CS_DEFAULT), 1,
                                     sws_getCoefficients(SWS_CS_ITU601), 0, 0, 1 << 16, 1 << 16);
        }
    }

    if (request.withSound && row->audioCodec) {
        audio = OpenCodec(row->audioCodec, audioStream, [&](AVCodecContext* c) {
            const bool opus = std::strcmp(row->audioCodec, "libopus") == 0;
            c->sample_rate = opus ? 48000 : kInputRate;
            c->sample_fmt = opus ? AV_SAMPLE_FMT_S16 : AV_SAMPLE_FMT_FLTP;
            av_channel_layout_default(&c->ch_layout, 2);
            c->bit_rate = quality >= 90 ? 192000 : quality >= 50 ? 128000 : 96000;
            c->time_base = AVRational{1, c->sample_rate};
        });
        AVChannelLayout stereo;
        av_channel_layout_default(&stereo, 2);
        Check(swr_alloc_set_opts2(&resampler, &audio->ch_layout, audio->sample_fmt, audio->sample_rate,
                                    &stereo, AV_SAMPLE_FMT_S16, kInputRate, 0, nullptr),
                "resampler");
        Check(swr_init(resampler), "resampler");
        fifo = av_audio_fifo_alloc(audio->sample_fmt, 2, 4096);
        audioFrame = av_frame_alloc();
        if (!fifo || !audioFrame) throw ExportError("Out of memory");
    }

    AVDictionary* options = nullptr;
    if (format == ExportFormat::Gif) {
        // The muxer counts repeats after the first play; -1 plays once.
        av_dict_set_int(&options, "loop", loopCount == 0 ? 0 : loopCount == 1 ? -1 : loopCount - 1, 0);
    } else if (format == ExportFormat::Apng) {
        av_dict_set_int(&options, "plays", loopCount, 0);
    } else if (format == ExportFormat::Mp4) {
        av_dict_set(&options, "movflags", "+faststart", 0);
    }
    const int opened = avio_open(&container->pb, path.c_str(), AVIO_FLAG_WRITE);
    if (opened < 0) {
        av_dict_free(&options);
        Fail("cannot open the file", opened);
    }
    const int header = avformat_write_header(container, &options);
    av_dict_free(&options);
    Check(header, "file header");
    headerWritten = true;
}

void FfmpegEncoding::AddFrame(const QImage& image)
{
    Check(av_frame_make_writable(videoFrame), "frame buffer");
    const uint8_t* source[1] = {image.constBits()};
    const int stride[1] = {int(image.bytesPerLine())};
    sws_scale(scaler, source, stride, 0, image.height(), videoFrame->data, videoFrame->linesize);
    videoFrame->pts = nextVideoPts++;
    Encode(video, videoStream, videoFrame);
}

void FfmpegEncoding::AddIndexedFrame(const uint8_t* indices, const std::array<uint32_t, 256>& palette)
{
    Check(av_frame_make_writable(videoFrame), "frame buffer");
    const int width = plan.size.width();
    for (int y = 0; y < plan.size.height(); ++y)
        std::memcpy(videoFrame->data[0] + ptrdiff_t(y) * videoFrame->linesize[0], indices + ptrdiff_t(y) * width, size_t(width));
    std::memcpy(videoFrame->data[1], palette.data(), 256 * 4);
    videoFrame->pts = nextVideoPts++;
    Encode(video, videoStream, videoFrame);
}

void FfmpegEncoding::AddSound(const std::vector<int16_t>& samples)
{
    if (!audio || samples.empty()) return;
    QueueAudio(samples.data(), int(samples.size() / 2));
    DrainAudio(false);
}

void FfmpegEncoding::Finish()
{
    Encode(video, videoStream, nullptr);
    if (audio) {
        QueueAudio(nullptr, 0);
        DrainAudio(true);
        Encode(audio, audioStream, nullptr);
    }
    finished = true;
    Check(av_write_trailer(container), "file end");
    Check(avio_closep(&container->pb), "closing the file");
}

}  // namespace
}  // namespace glimmora::exporting

extern "C" __attribute__((visibility("default"))) glimmora::exporting::AvEncoding* glimmora_open_av_encoding(
    const glimmora::exporting::AvEncodingRequest& request)
{
    return new glimmora::exporting::FfmpegEncoding(request);
}
