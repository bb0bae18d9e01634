// DefineVideoStream and VideoFrame: the stream's format, and its frames
// gathered from the main timeline and from sprites.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

ByteVector Frame(uint16_t stream, uint16_t number, std::initializer_list<uint8_t> data) {
    return test::Tag(61, Bytes().U16(stream).U16(number).Add(data));
}

TEST(VideoStreamTest, FramesJoinTheirStreamWhereverTheyStand) {
    const ByteVector define = test::Tag(60, Bytes().U16(3).U16(10).U16(160).U16(120).U8(0x05).U8(2));
    // A sprite holding frame 1 of the stream among its control tags.
    const ByteVector sprite =
        test::Tag(39, Bytes().U16(9).U16(1).Add(Frame(3, 1, {0xB1})).Add(test::ShowFrame()).Add(test::EndTag()));
    const DecodedMovie movie = test::Decode(test::Movie({
        Frame(3, 7, {0xEE}),  // before the stream is defined: nothing to join
        define,
        Frame(3, 0, {0xA0, 0xA1}),
        sprite,
        Frame(3, 0, {0xFF}),  // the first data of a frame number holds
        Frame(4, 2, {0xCC}),  // no such stream
        test::ShowFrame(),
    }));
    const auto& stream = std::get<VideoStream>(*movie.dictionary.at(3));
    EXPECT_EQ(stream.frameCount, 10);
    EXPECT_EQ(stream.width, 160);
    EXPECT_EQ(stream.height, 120);
    EXPECT_EQ(stream.deblocking, 2);
    EXPECT_TRUE(stream.smoothing);
    EXPECT_EQ(stream.codec, VideoStream::SorensonH263);
    ASSERT_EQ(stream.frames.size(), 2u);
    EXPECT_EQ(stream.frames.at(0), (std::vector<uint8_t>{0xA0, 0xA1}));
    EXPECT_EQ(stream.frames.at(1), (std::vector<uint8_t>{0xB1}));
    EXPECT_EQ(movie.dictionary.count(4), 0u);
}

TEST(VideoStreamTest, AStreamOrFrameCutShortIsAnError) {
    for (const ByteVector& tags : {test::Tag(60, Bytes().U16(5).U16(10).U16(160)),
                                   test::Tag(61, Bytes().U16(3).U8(0))}) {
        const ByteVector define = test::Tag(60, Bytes().U16(3).U16(10).U16(160).U16(120).U8(0).U8(2));
        EXPECT_NE(test::ErrorOfDecoding(test::Movie({define, tags, test::ShowFrame()})), "");
    }
}

}  // namespace
}  // namespace glimmora::swf
