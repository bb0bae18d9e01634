// What other writers leave in their files and players accept: the movie
// reads as they show it, while a file that was cut off stays an error.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::BitWriter;
using test::ByteVector;
using test::Bytes;

using test::Decode;

// An uncompressed file of `tags` without an End tag, declaring `extra` more
// bytes than it has.
ByteVector FileWithoutEnd(const std::vector<ByteVector>& tags, uint32_t extra = 0) {
    Bytes body;
    body.Add(test::RectBytes(0, 11000, 0, 8000)).U16(0x0C00).U16(2);
    for (const ByteVector& t : tags) body.Add(t);
    ByteVector raw = body;
    return Bytes().Add({'F', 'W', 'S', 8}).U32(uint32_t(raw.size() + 8 + extra)).Add(raw);
}

TEST(TolerantReading, AMovieWithoutEndTagReadsItsFramesUnlessItWasCutOff) {
    const std::vector<ByteVector> tags = {test::BoxShape(1), test::PlaceNew(1, 1), test::ShowFrame(),
                                          test::RemoveObject2(1), test::ShowFrame()};
    struct Case {
        const char* name;
        ByteVector file;
        int frames;  // -1: an error
    };
    const Case cases[] = {
        {"all its bytes, no End tag", FileWithoutEnd(tags), 2},
        {"a frame's tags after the last ShowFrame", FileWithoutEnd({tags[0], tags[1], tags[2], tags[3]}), 1},
        {"shorter than it declares", FileWithoutEnd(tags, 2), -1},
        {"ends inside a tag", FileWithoutEnd({tags[0], tags[1], ByteVector{0x40}}), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.frames < 0) {
            EXPECT_FALSE(test::ErrorOfDecoding(c.file).empty());
            continue;
        }
        DecodedMovie movie = Decode(c.file);
        ASSERT_EQ(movie.FrameCount(), c.frames);
        EXPECT_EQ(movie.DisplayListAt(0).size(), 1u);
        EXPECT_EQ(movie.DisplayListAt(c.frames - 1).size(), c.frames == 2 ? 0u : 1u);
    }
}

TEST(TolerantReading, TheFirstBackgroundColourHolds) {
    DecodedMovie movie = Decode(test::Movie({test::Tag(9, {10, 20, 30}), test::ShowFrame(),
                                             test::Tag(9, {200, 100, 0}), test::ShowFrame()}, 2));
    ASSERT_TRUE(movie.background);
    EXPECT_EQ(*movie.background, (Rgba{10, 20, 30, 255}));
}

// PlaceObject3 placing character 1 at depth 5 moved to (40, 60) twips, with
// the given second flag byte and what it makes follow the depth.
ByteVector Place3(uint8_t flags2, const ByteVector& beforeCharacter, const ByteVector& afterMatrix = {}) {
    Bytes b;
    b.U8(0x02 | 0x04).U8(flags2).U16(5).Add(beforeCharacter).U16(1).Add(test::TranslateMatrix(40, 60));
    b.Add(afterMatrix);
    return test::Tag(70, b);
}

TEST(TolerantReading, PlaceObject3ReadsAClassNameOnlyWhenItHasOne) {
    struct Case {
        const char* name;
        ByteVector tag;
    };
    const Case cases[] = {
        {"image and character, no class name", Place3(0x10, {})},
        {"a class name", Place3(0x08, Bytes().Str("Ball"))},
        {"image, character and class name", Place3(0x18, Bytes().Str("Ball"))},
        {"a filter of a type unknown to the format", Place3(0x01 | 0x02, {}, {1, 9, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedMovie movie = Decode(test::Movie({test::BoxShape(1), c.tag, test::ShowFrame()}));
        const DisplayList list = movie.DisplayListAt(0);
        ASSERT_EQ(list.count(5), 1u);
        EXPECT_EQ(list.at(5).characterId, 1);
        EXPECT_EQ(list.at(5).matrix.translateX, 40);
        EXPECT_EQ(list.at(5).matrix.translateY, 60);
    }
}

// A glyph SHAPE: a right triangle of the given height, filled with style 1.
ByteVector TriangleGlyph(int32_t height) {
    BitWriter g;
    g.UB(4, 1).UB(4, 0);
    g.UB(1, 0).UB(5, 0x01 | 0x02).UB(5, 12).SB(12, 0).SB(12, -height).UB(1, 1);
    g.UB(1, 1).UB(1, 1).UB(4, 10).UB(1, 0).UB(1, 1).SB(12, height);
    g.UB(1, 1).UB(1, 1).UB(4, 10).UB(1, 0).UB(1, 0).SB(12, 500);
    g.UB(1, 1).UB(1, 1).UB(4, 10).UB(1, 1).SB(12, -500).SB(12, -height);
    g.UB(1, 0).UB(5, 0);
    return g.Bytes();
}

// DefineFont3 id 2 with three glyphs ('a', 'b', 'c' of heights 100, 200,
// 300) whose shapes are stored in the order `stored` (glyph indices); the
// offset table points at them wherever they are.
ByteVector Font3(const std::vector<int>& stored) {
    std::vector<ByteVector> shapes = {TriangleGlyph(100), TriangleGlyph(200), TriangleGlyph(300)};
    const size_t table = 4 * 2;  // three offsets and the code-table offset
    std::vector<size_t> offsets(3);
    size_t at = table;
    for (int glyph : stored) {
        offsets[glyph] = at;
        at += shapes[glyph].size();
    }
    Bytes b;
    b.U16(2).U8(0x04).U8(1).U8(1).Add({'F'}).U16(3);
    for (size_t offset : offsets) b.U16(uint16_t(offset));
    b.U16(uint16_t(at));
    for (int glyph : stored) b.Add(shapes[glyph]);
    b.U16('a').U16('b').U16('c');
    return test::Tag(75, b);
}

TEST(TolerantReading, FontGlyphsAreFoundInWhateverOrderTheyAreStored) {
    for (const std::vector<int>& stored : std::vector<std::vector<int>>{{0, 1, 2}, {2, 0, 1}, {1, 2, 0}}) {
        SCOPED_TRACE(::testing::PrintToString(stored));
        DecodedMovie movie = Decode(test::Movie({Font3(stored), test::ShowFrame()}));
        const Font& font = std::get<Font>(*movie.dictionary.at(2));
        ASSERT_EQ(font.glyphs.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(font.glyphs[i].code, 'a' + i);
            ASSERT_EQ(font.glyphs[i].records.size(), 4u) << "glyph " << i;
            ASSERT_TRUE(font.glyphs[i].records[0].moveTo);
            EXPECT_EQ(font.glyphs[i].records[0].moveTo->second, -100 * (i + 1)) << "glyph " << i;
        }
    }
}

}  // namespace
}  // namespace glimmora::swf
