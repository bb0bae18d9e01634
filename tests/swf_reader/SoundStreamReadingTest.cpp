// The sound fields a player needs beyond plain starts: the SOUNDINFO's in
// and out points and envelope, and the streaming sound tags (SoundStreamHead,
// SoundStreamHead2, SoundStreamBlock) of the main timeline and of sprites.
// Damaged fields are decode errors that name their tag, never crashes.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

using test::Decode;

ByteVector DefineSound(uint16_t id) {
    return test::Tag(14, Bytes().U16(id).U8(0x3A).U32(2).Add({1, 0, 2, 0}), true);
}

ByteVector StartSound(uint16_t id, uint8_t flags, const ByteVector& fields) {
    return test::Tag(15, Bytes().U16(id).U8(flags).Add(fields));
}

ByteVector Envelope(std::initializer_list<SoundEnvelopePoint> points) {
    Bytes b;
    b.U8(uint8_t(points.size()));
    for (const SoundEnvelopePoint& p : points) b.U32(p.position44).U16(p.leftLevel).U16(p.rightLevel);
    return b;
}

TEST(SoundInfoReading, InAndOutPointsAndEnvelopes) {
    struct Case {
        const char* name;
        uint8_t flags;
        ByteVector fields;
        SoundInfo expected;
        bool damaged = false;
    };
    auto info = [](std::optional<uint32_t> in, std::optional<uint32_t> out, std::optional<uint16_t> loops,
                   std::vector<SoundEnvelopePoint> envelope) {
        SoundInfo i;
        i.inPoint = in;
        i.outPoint = out;
        i.loopCount = loops;
        i.envelope = std::move(envelope);
        return i;
    };
    const ByteVector twoPoints = Envelope({{0, 0, 32768}, {44100, 32768, 0}});
    const Case cases[] = {
        {"nothing", 0x00, {}, SoundInfo{}},
        {"in point", 0x01, Bytes().U32(22050), info(22050, {}, {}, {})},
        {"out point", 0x02, Bytes().U32(88200), info({}, 88200, {}, {})},
        {"in and out points", 0x03, Bytes().U32(10).U32(0xFFFFFFFFu), info(10, 0xFFFFFFFFu, {}, {})},
        {"envelope", 0x08, twoPoints, info({}, {}, {}, {{0, 0, 32768}, {44100, 32768, 0}})},
        {"envelope without points", 0x08, Bytes().U8(0), SoundInfo{}},
        {"levels above full are kept as written", 0x08, Envelope({{7, 65535, 40000}}),
         info({}, {}, {}, {{7, 65535, 40000}})},
        {"every field in order", 0x0F, Bytes().U32(1).U32(2).U16(3).Add(Envelope({{4, 5, 6}})),
         info(1, 2, 3, {{4, 5, 6}})},
        {"bytes after the fields are ignored", 0x01, Bytes().U32(5).Add({9, 9}), info(5, {}, {}, {})},
        {"in point cut short", 0x01, Bytes().U16(1), {}, true},
        {"out point missing", 0x03, Bytes().U32(1), {}, true},
        {"fewer envelope points than counted", 0x08,
         [] { ByteVector e = Envelope({{0, 1, 1}, {9, 2, 2}}); e.resize(e.size() - 1); return e; }(), {}, true},
        {"envelope count missing", 0x08, {}, {}, true},
    };
    for (const Case& c : cases) {
        const ByteVector file = test::Movie({DefineSound(4), StartSound(4, c.flags, c.fields), test::ShowFrame()});
        if (c.damaged) {
            const std::string error = test::ErrorOfDecoding(file);
            EXPECT_NE(error.find("StartSound"), std::string::npos) << c.name << ": " << error;
            continue;
        }
        DecodedMovie movie = Decode(file);
        ASSERT_EQ(movie.frames.at(0).sounds.size(), 1u) << c.name;
        EXPECT_EQ(movie.frames[0].sounds[0].info, c.expected) << c.name;
    }
}

// SoundStreamHead (18) or SoundStreamHead2 (45).
ByteVector StreamHead(uint8_t streamFormat, uint16_t samplesPerBlock, const ByteVector& tail = {},
                      uint16_t code = 18) {
    return test::Tag(code, Bytes().U8(0x0E).U8(streamFormat).U16(samplesPerBlock).Add(tail));
}

ByteVector StreamBlock(const ByteVector& data) { return test::Tag(19, data, true); }

TEST(SoundStreamReading, HeadFormats) {
    struct Case {
        const char* name;
        ByteVector tag;
        SoundStreamHead expected;
    };
    auto head = [](uint8_t format, uint32_t rate, bool is16, bool stereo, uint16_t perBlock, int16_t latency) {
        return SoundStreamHead{format, rate, is16, stereo, perBlock, latency};
    };
    const Case cases[] = {
        {"PCM little-endian 22 kHz 16-bit mono", StreamHead(0x3A, 1837), head(3, 22050, true, false, 1837, 0)},
        {"PCM native 5.5 kHz 8-bit stereo", StreamHead(0x01, 459), head(0, 5512, false, true, 459, 0)},
        {"ADPCM 11 kHz stereo", StreamHead(0x17, 918), head(1, 11025, true, true, 918, 0)},
        {"MP3 with latency seek", StreamHead(0x2E, 1152, Bytes().U16(uint16_t(-576))),
         head(2, 44100, true, false, 1152, -576)},
        {"MP3 without latency seek", StreamHead(0x2E, 1152), head(2, 44100, true, false, 1152, 0)},
        {"latency seek only counts for MP3", StreamHead(0x3E, 3675, Bytes().U16(99)),
         head(3, 44100, true, false, 3675, 0)},
        {"SoundStreamHead2, Nellymoser", StreamHead(0x6A, 1837, {}, 45), head(6, 22050, true, false, 1837, 0)},
    };
    for (const Case& c : cases) {
        DecodedMovie movie = Decode(test::Movie({c.tag, test::ShowFrame()}));
        ASSERT_TRUE(movie.frames.at(0).streamHead) << c.name;
        EXPECT_EQ(*movie.frames[0].streamHead, c.expected) << c.name;
        EXPECT_TRUE(movie.frames[0].streamBlocks.empty()) << c.name;
    }
}

TEST(SoundStreamReading, BlocksLandInTheirFramesInOrder) {
    DecodedMovie movie = Decode(test::Movie(
        {StreamHead(0x3A, 2), StreamBlock({1, 0, 2, 0}), test::ShowFrame(), test::ShowFrame(),
         StreamBlock({3, 0}), StreamBlock({4, 0, 5}), test::ShowFrame(), StreamBlock({}), test::ShowFrame(),
         StreamBlock({6, 6}) /* after the last ShowFrame: never shown */},
        4));
    ASSERT_EQ(movie.FrameCount(), 4);
    EXPECT_TRUE(movie.frames[0].streamHead);
    EXPECT_FALSE(movie.frames[1].streamHead) << "the head belongs to the frame it is in";
    EXPECT_EQ(movie.frames[0].streamBlocks, (std::vector<ByteVector>{{1, 0, 2, 0}}));
    EXPECT_TRUE(movie.frames[1].streamBlocks.empty());
    EXPECT_EQ(movie.frames[2].streamBlocks, (std::vector<ByteVector>{{3, 0}, {4, 0, 5}}));
    EXPECT_EQ(movie.frames[3].streamBlocks, (std::vector<ByteVector>{{}}));
    EXPECT_EQ(movie.TagCount(TagCode::SoundStreamBlock), 5u);
}

TEST(SoundStreamReading, ASpriteKeepsItsOwnStream) {
    Bytes sprite;
    sprite.U16(6).U16(2).Add(StreamHead(0x2A, 576, Bytes().U16(0))).Add(StreamBlock({0, 2, 0, 0, 0xFF}))
        .Add(test::ShowFrame()).Add(test::ShowFrame()).Add(test::EndTag());
    DecodedMovie movie = Decode(test::Movie({test::Tag(39, sprite), test::ShowFrame()}));
    EXPECT_FALSE(movie.frames[0].streamHead);
    const Sprite& s = std::get<Sprite>(*movie.dictionary.at(6));
    ASSERT_EQ(s.frames.size(), 2u);
    ASSERT_TRUE(s.frames[0].streamHead);
    EXPECT_EQ(s.frames[0].streamHead->format, 2);
    EXPECT_EQ(s.frames[0].streamBlocks, (std::vector<ByteVector>{{0, 2, 0, 0, 0xFF}}));
}

TEST(SoundStreamReading, DamagedStreamTagsAreErrorsNamingTheTag) {
    struct Case {
        const char* name;
        ByteVector tag;
        const char* tagName;
    };
    ByteVector blockPastTheFile = Bytes().U16(uint16_t(19 << 6 | 0x3F)).U32(1000).Add({1, 2, 3});
    const Case cases[] = {
        {"head without its block size", test::Tag(18, {0x0E, 0x3A, 0x10}), "SoundStreamHead"},
        {"empty head", test::Tag(45, {}), "SoundStreamHead2"},
        {"block running past the file", blockPastTheFile, "SoundStreamBlock"},
    };
    for (const Case& c : cases) {
        const std::string error = test::ErrorOfDecoding(test::Movie({c.tag, test::ShowFrame()}));
        EXPECT_FALSE(error.empty()) << c.name;
        EXPECT_NE(error.find(c.tagName), std::string::npos) << c.name << ": " << error;
    }
}

TEST(SoundStreamReading, EveryTruncationOfAStreamingMovieIsAnError) {
    const ByteVector whole = test::Movie(
        {DefineSound(4), StreamHead(0x2E, 1152, Bytes().U16(0)), StartSound(4, 0x0B, Bytes().U32(1).U32(9).Add(
                                                                     Envelope({{0, 0, 0}, {5, 32768, 32768}}))),
         StreamBlock({0x80, 0x04, 0, 0, 0xFF, 0xFB, 0x90, 0x64}), test::ShowFrame(),
         StreamBlock({0, 0, 0, 0}), test::ShowFrame()},
        2);
    ASSERT_TRUE(test::ErrorOfDecoding(whole).empty()) << test::ErrorOfDecoding(whole);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const ByteVector part(whole.begin(), whole.begin() + long(cut));
        EXPECT_FALSE(test::ErrorOfDecoding(part).empty()) << "cut at " << cut;
    }
}

}  // namespace
}  // namespace glimmora::swf
