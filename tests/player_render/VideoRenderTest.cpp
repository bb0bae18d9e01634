// Embedded video: the frame a placement's ratio names, decoded from the key
// frame before it, stretched over the stream's size. The stream is made
// here with FFmpeg's Sorenson H.263 encoder (FFmpeg has no VP6 encoder):
// one key frame, then frames holding only their differences.

#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "player/video/VideoFrames.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

#include <cstring>
#include <memory>

namespace glimmora::test {
namespace {

// Each picture one solid colour, `width` x `height`, in the encoder's order.
swf::VideoStream EncodeH263(const std::vector<swf::Rgba>& colours, int width, int height)
{
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_FLV1);
    if (!codec) return {};
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> context(
        avcodec_alloc_context3(codec), [](AVCodecContext* c) { avcodec_free_context(&c); });
    context->width = width;
    context->height = height;
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    context->time_base = {1, 12};
    context->gop_size = 100;  // a key frame first, then only differences
    context->max_b_frames = 0;
    context->flags |= AV_CODEC_FLAG_QSCALE;
    context->global_quality = FF_QP2LAMBDA * 2;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return {};

    swf::VideoStream stream;
    stream.codec = swf::VideoStream::SorensonH263;
    stream.width = uint16_t(width);
    stream.height = uint16_t(height);
    stream.frameCount = uint16_t(colours.size());
    AVFrame* frame = av_frame_alloc();
    AVPacket* packet = av_packet_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame, 0);
    auto receive = [&] {
        while (avcodec_receive_packet(context.get(), packet) == 0) {
            const uint16_t number = uint16_t(stream.frames.size());
            stream.frames[number].assign(packet->data, packet->data + packet->size);
            av_packet_unref(packet);
        }
    };
    for (size_t i = 0; i < colours.size(); ++i) {
        const swf::Rgba c = colours[i];
        // BT.601 studio range, as the decoder reads it back.
        const int y = 16 + (66 * c.r + 129 * c.g + 25 * c.b + 128) / 256;
        const int u = 128 + (-38 * c.r - 74 * c.g + 112 * c.b + 128) / 256;
        const int v = 128 + (112 * c.r - 94 * c.g - 18 * c.b + 128) / 256;
        av_frame_make_writable(frame);
        for (int row = 0; row < height; ++row) std::memset(frame->data[0] + row * frame->linesize[0], y, width);
        for (int row = 0; row < height / 2; ++row) {
            std::memset(frame->data[1] + row * frame->linesize[1], u, width / 2);
            std::memset(frame->data[2] + row * frame->linesize[2], v, width / 2);
        }
        frame->pts = int64_t(i);
        avcodec_send_frame(context.get(), frame);
        receive();
    }
    avcodec_send_frame(context.get(), nullptr);
    receive();
    av_packet_free(&packet);
    av_frame_free(&frame);
    return stream;
}

constexpr swf::Rgba kYellow{255, 255, 0, 255};

TEST(Video, EachRatioShowsItsFrameDecodedFromTheKeyFrameBefore)
{
    const swf::VideoStream stream = EncodeH263({kRed, kGreen, kBlue, kYellow}, 32, 32);
    ASSERT_EQ(stream.frames.size(), 4u);
    EXPECT_TRUE(player::IsVideoKeyFrame(stream.codec, stream.frames.at(0)));
    EXPECT_FALSE(player::IsVideoKeyFrame(stream.codec, stream.frames.at(2)));

    // The movie's frames ask for the stream's frames out of order: forward
    // with a gap, back, the same again, and past the stream's last.
    const uint16_t ratios[] = {0, 2, 1, 1, 3, 9};
    const swf::Rgba shown[] = {kRed, kBlue, kGreen, kGreen, kYellow, kYellow};
    MovieFixture fixture(100, 100, kWhite, 6);
    fixture.Define(1, stream);
    fixture.Place(0, 1, 1, Affine(2, 0, 0, 2, 10, 10)).ratio = ratios[0];
    for (int frame = 1; frame < 6; ++frame) {
        fixture.Op(frame, swf::DisplayOp::Kind::Modify, 1).ratio = ratios[frame];
    }
    const auto movie = fixture.Movie();
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    for (int frame = 0; frame < 6; ++frame) {
        SCOPED_TRACE(frame);
        const QImage image = renderer.Render(cursor.Seek(frame), QSize(100, 100));
        // 32 px stretched twice over (10, 10)..(74, 74).
        EXPECT_PIXEL_NEAR(image, 40, 40, Q(shown[frame]), 12);
        EXPECT_PIXEL_NEAR(image, 12, 72, Q(shown[frame]), 12);
        EXPECT_PIXEL(image, 80, 40, Q(kWhite));
        EXPECT_PIXEL(image, 5, 5, Q(kWhite));
    }
}

TEST(Video, ThePictureIsStretchedOverTheStreamsSizeAndTakesTheColourTransform)
{
    swf::VideoStream stream = EncodeH263({kRed}, 16, 16);
    ASSERT_EQ(stream.frames.size(), 1u);
    stream.width = 40;  // the picture is 16 x 16
    stream.height = 20;
    MovieFixture fixture;
    fixture.Define(1, stream);
    swf::DisplayOp& place = fixture.Place(0, 1, 1, Translate(10, 10));
    place.colorTransform = swf::ColorTransform{256, 256, 256, 256, 0, 0, 255, 0};  // add blue
    const QImage image = fixture.Render();
    EXPECT_PIXEL_NEAR(image, 48, 28, QColor(255, 0, 255), 12);
    EXPECT_PIXEL(image, 52, 15, Q(kWhite));
    EXPECT_PIXEL(image, 15, 32, Q(kWhite));
}

TEST(Video, KeyFramesAreToldByEachCodecsFrameHeader)
{
    const swf::VideoStream h263 = EncodeH263({kRed, kGreen}, 16, 16);
    ASSERT_EQ(h263.frames.size(), 2u);
    using Codec = swf::VideoStream::Codec;
    const struct {
        const char* name;
        uint8_t codec;
        std::vector<uint8_t> data;
        bool key;
    } cases[] = {
        {"H.263 intra", Codec::SorensonH263, h263.frames.at(0), true},
        {"H.263 inter", Codec::SorensonH263, h263.frames.at(1), false},
        {"H.263 without a start code", Codec::SorensonH263, {0xFF, 0xFF, 0xFF, 0xFF}, false},
        {"H.263 cut short", Codec::SorensonH263, {0x00}, false},
        {"VP6 intra", Codec::Vp6, {0x00, 0x12}, true},
        {"VP6 inter", Codec::Vp6, {0x80, 0x12}, false},
        {"VP6 with alpha, intra", Codec::Vp6Alpha, {0x00, 0x00, 0x04, 0x00}, true},
        {"VP6 with alpha, inter", Codec::Vp6Alpha, {0x00, 0x00, 0x04, 0x80}, false},
        {"VP6 empty", Codec::Vp6, {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(player::IsVideoKeyFrame(c.codec, c.data), c.key) << c.name;
    }
}

TEST(Video, AStreamWithoutFramesOrOfACodecNotDecodedDrawsNothing)
{
    swf::VideoStream screen;
    screen.codec = swf::VideoStream::ScreenVideo;
    screen.width = screen.height = 40;
    screen.frames[0] = {1, 2, 3};
    swf::VideoStream empty = screen;
    empty.codec = swf::VideoStream::SorensonH263;
    empty.frames.clear();
    for (const swf::VideoStream& stream : {screen, empty}) {
        MovieFixture fixture;
        fixture.Define(1, stream);
        fixture.Place(0, 1, 1, Translate(10, 10));
        const QImage image = fixture.Render();
        EXPECT_PIXEL(image, 20, 20, Q(kWhite));
    }
}

}  // namespace
}  // namespace glimmora::test
