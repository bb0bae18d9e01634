#include "swf/reader/DecodedMovie.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

DecodedMovie Decode(const ByteVector& file) { return DecodeMovie(file.data(), file.size()); }

ByteVector DefineSound(uint16_t id) {
    Bytes b;
    b.U16(id).U8(0x3A).U32(4).Add({0, 0, 0xE8, 0x03, 0xD0, 0x07, 0x18, 0xFC});
    return test::Tag(14, b, true);
}

ByteVector StartSound(uint16_t id, uint8_t flags, const ByteVector& extra = {}) {
    return test::Tag(15, Bytes().U16(id).U8(flags).Add(extra));
}

TEST(SoundTest, DefineSoundFormatFields) {
    DecodedMovie movie = Decode(test::Movie({DefineSound(4), test::ShowFrame()}));
    const Sound& sound = std::get<Sound>(*movie.dictionary.at(4));
    EXPECT_EQ(sound.format, 3);
    EXPECT_EQ(sound.rate, 22050u);
    EXPECT_TRUE(sound.is16Bit);
    EXPECT_FALSE(sound.stereo);
    EXPECT_EQ(sound.sampleCount, 4u);
    EXPECT_EQ(sound.data.size(), 8u);
    EXPECT_EQ(sound.data[2], 0xE8);
}

TEST(SoundTest, StartAndSyncStopLandInTheirFrames) {
    Bytes extra;
    extra.U32(441).U32(44100).U16(3).U8(2).Add(ByteVector(16, 0));  // in, out, loops, two envelope points
    DecodedMovie movie = Decode(test::Movie({DefineSound(4), StartSound(4, 0), test::ShowFrame(), test::ShowFrame(),
                                             StartSound(4, 0x20), test::ShowFrame(), StartSound(4, 0x1F, extra),
                                             test::ShowFrame()},
                                            4));
    ASSERT_EQ(movie.FrameCount(), 4);
    ASSERT_EQ(movie.frames[0].sounds.size(), 1u);
    EXPECT_EQ(movie.frames[0].sounds[0].soundId, 4);
    EXPECT_EQ(movie.frames[0].sounds[0].info, SoundInfo{});
    EXPECT_TRUE(movie.frames[1].sounds.empty());
    ASSERT_EQ(movie.frames[2].sounds.size(), 1u);
    EXPECT_TRUE(movie.frames[2].sounds[0].info.syncStop);
    const SoundInfo& full = movie.frames[3].sounds[0].info;
    EXPECT_TRUE(full.syncNoMultiple);
    EXPECT_FALSE(full.syncStop);
    EXPECT_EQ(full.inPoint, 441u);
    EXPECT_EQ(full.outPoint, 44100u);
    EXPECT_EQ(full.loopCount, 3);
}

TEST(SoundTest, EnvelopePastTheTagIsAnError) {
    ByteVector file = test::Movie({DefineSound(4), StartSound(4, 0x08, {5, 0, 0}), test::ShowFrame()});
    EXPECT_THROW(Decode(file), DecodeError);
}

// Sprite 6 with two frames: places box 1, then moves it.
ByteVector SpriteTag(uint16_t id, const std::vector<ByteVector>& inner, uint16_t frames = 2) {
    Bytes b;
    b.U16(id).U16(frames);
    for (const ByteVector& t : inner) b.Add(t);
    return test::Tag(39, b);
}

TEST(SpriteTest, SpriteFramesAreReadAndItsInstanceRecordsWhereItWasPlaced) {
    ByteVector sprite = SpriteTag(6, {test::PlaceNew(1, 1), test::ShowFrame(),
                                   test::Modify(1, test::TranslateMatrix(100, 0)),
                                   test::Tag(43, Bytes().Str("inner")), test::ShowFrame(), test::EndTag()});
    DecodedMovie movie = Decode(test::Movie({test::BoxShape(1), sprite, test::ShowFrame(),
                                             test::PlaceNew(3, 6), test::ShowFrame()},
                                            2));
    const Sprite& s = std::get<Sprite>(*movie.dictionary.at(6));
    EXPECT_EQ(s.frameCount, 2);
    ASSERT_EQ(s.frames.size(), 2u);
    EXPECT_EQ(s.frames[0].ops[0].kind, DisplayOp::Kind::Place);
    EXPECT_EQ(s.frames[1].ops[0].kind, DisplayOp::Kind::Modify);
    EXPECT_EQ(s.frames[1].label, "inner");
    EXPECT_EQ(movie.DisplayListAt(1).at(3).placedAtFrame, 1);
    EXPECT_EQ(movie.TagCount(TagCode::ShowFrame), 4u);  // nested ones count
    EXPECT_EQ(movie.TagCount(TagCode::DefineSprite), 1u);
}

TEST(SpriteTest, DefinitionsInsideASpriteAreSkippedSoSpritesNeverNest) {
    // A sprite holding a sprite holding a sprite ...: only the outer one is
    // read; the inner tags are skipped by length without recursion.
    ByteVector inner = SpriteTag(9, {test::ShowFrame(), test::EndTag()}, 1);
    for (int i = 0; i < 200; ++i) inner = SpriteTag(uint16_t(10 + i), {inner, test::ShowFrame(), test::EndTag()}, 1);
    DecodedMovie movie = Decode(test::Movie({inner, test::ShowFrame()}));
    EXPECT_EQ(movie.dictionary.size(), 1u);
    EXPECT_EQ(std::get<Sprite>(*movie.dictionary.at(209)).frames.size(), 1u);
}

TEST(SpriteTest, ANestedTagRunningPastTheSpriteIsAnError) {
    // The nested PlaceObject2 declares 10 bytes; the sprite ends after 7.
    ByteVector body = Bytes().U16(6).U16(1).Add(test::Tag(26, ByteVector(10, 0)));
    body.resize(body.size() - 3);
    ByteVector bad = test::Tag(39, body);
    EXPECT_THROW(Decode(test::Movie({bad, test::ShowFrame()})), DecodeError);
}

TEST(ActionTest, ScriptsAreReadIntoTheirFramesUpToTheEndOrTheFirstBrokenAction) {
    using Code = ActionCode;
    struct Case {
        const char* name;
        ByteVector actions;
        std::vector<Code> codes;
    };
    const Case cases[] = {
        {"stop", {0x07, 0x00}, {Code::Stop}},
        {"stop without end", {0x07}, {Code::Stop}},
        {"two stops", {0x07, 0x07, 0x00}, {Code::Stop, Code::Stop}},
        {"stop then goto", {0x07, 0x81, 0x02, 0x00, 0x05, 0x00, 0x00}, {Code::Stop, Code::GotoFrame}},
        {"nothing after the end", {0x06, 0x00, 0x07}, {Code::Play}},
        {"a goto whose operand runs past the data", {0x06, 0x81, 0x02, 0x00, 0x05}, {Code::Play}},
        {"empty", {0x00}, {}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) {
        DecodedMovie movie = Decode(test::Movie({test::ShowFrame(), test::Tag(12, c.actions), test::ShowFrame()}, 2));
        ASSERT_EQ(movie.FrameCount(), 2) << c.name;
        EXPECT_TRUE(movie.frames[0].scripts.empty()) << c.name;
        std::vector<Code> codes;
        for (const FrameScript& script : movie.frames[1].scripts) {
            for (const Action& action : script.program->actions) codes.push_back(action.code);
        }
        EXPECT_EQ(codes, c.codes) << c.name;
    }
}

TEST(LabelTest, FrameLabelWithAnchorByteAndBackground) {
    DecodedMovie movie = Decode(test::Movie(
        {test::Tag(9, {0x10, 0x20, 0x30}), test::Tag(43, Bytes().Str("intro").U8(1)), test::ShowFrame()}));
    ASSERT_TRUE(movie.background);
    EXPECT_EQ(*movie.background, (Rgba{0x10, 0x20, 0x30, 255}));
    EXPECT_EQ(movie.frames[0].label, "intro");
}

}  // namespace
}  // namespace glimmora::swf
