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

// A glyph SHAPE: a triangle from (0, -700) filled with style 1.
ByteVector TriangleGlyph() {
    BitWriter g;
    g.UB(4, 1).UB(4, 0);
    g.UB(1, 0).UB(5, 0x01 | 0x02).UB(5, 12).SB(12, 0).SB(12, -700).UB(1, 1);
    g.UB(1, 1).UB(1, 1).UB(4, 9).UB(1, 0).UB(1, 0).SB(11, 500);
    g.UB(1, 1).UB(1, 1).UB(4, 9).UB(1, 1).SB(11, -500).SB(11, 700);
    g.UB(1, 1).UB(1, 1).UB(4, 9).UB(1, 0).UB(1, 1).SB(11, -700);
    g.UB(1, 0).UB(5, 0);
    return g.Bytes();
}

ByteVector EmptyGlyph() { return {0x10, 0x00}; }

// DefineFont2/3 with glyphs for 'A' (triangle) and ' ' (empty), with layout.
ByteVector Font2(uint16_t code, uint16_t id, bool wideOffsets) {
    ByteVector a = TriangleGlyph(), space = EmptyGlyph();
    size_t entry = wideOffsets ? 4 : 2;
    size_t table = 3 * entry;  // two offsets and the code-table offset
    Bytes b;
    b.U16(id).U8(uint8_t(0x80 | 0x04 | (wideOffsets ? 0x08 : 0))).U8(1).U8(5).Add({'A', 'r', 'i', 'l', 0}).U16(2);
    auto offset = [&](size_t v) { wideOffsets ? b.U32(uint32_t(v)) : b.U16(uint16_t(v)); };
    offset(table);
    offset(table + space.size());
    offset(table + space.size() + a.size());
    b.Add(space).Add(a);
    b.U16(' ').U16('A');
    b.U16(900).U16(200).U16(0);
    b.U16(uint16_t(int16_t(280))).U16(uint16_t(int16_t(-5)));  // advances; the second negative
    b.U8(0).U8(0).U16(0);                                     // empty bounds, no kerning
    return test::Tag(code, b);
}

// DefineText2 id 3 with font `fontId`: one record with font, colour, both
// offsets and height 1000, glyphs 1 and 0 with advances 600 and -3.
ByteVector Text2(uint16_t fontId) {
    Bytes b;
    b.U16(3).Add(test::RectBytes(0, 1000, -800, 200)).Add(test::TranslateMatrix(0, 0)).U8(1).U8(11);
    b.U8(0x80 | 0x08 | 0x04 | 0x02 | 0x01).U16(fontId).Add({10, 20, 30, 128}).U16(uint16_t(int16_t(-40))).U16(800).U16(1000);
    BitWriter glyphs;
    glyphs.UB(1, 1).SB(11, 600).UB(1, 0).SB(11, -3);
    b.U8(2).Add(glyphs.Bytes());
    b.U8(0x80 | 0x04).Add({1, 2, 3, 4}).U8(0);  // a colour-only record without glyphs
    b.U8(0);
    return test::Tag(33, b);
}

TEST(FontTextTest, DefineFont2GlyphsCodesAndAdvances) {
    for (bool wide : {false, true}) {
        DecodedMovie movie = Decode(test::Movie({Font2(48, 2, wide), test::ShowFrame()}));
        const Font& font = std::get<Font>(*movie.dictionary.at(2));
        EXPECT_EQ(font.version, 2);
        EXPECT_EQ(font.emSize(), 1024);
        EXPECT_EQ(font.name, "Aril");
        EXPECT_TRUE(font.hasLayout);
        EXPECT_EQ(font.ascent, 900);
        EXPECT_EQ(font.descent, 200);
        ASSERT_EQ(font.glyphs.size(), 2u);
        EXPECT_EQ(font.glyphs[0].code, ' ');
        EXPECT_EQ(font.glyphs[0].records.empty(), true);
        EXPECT_EQ(font.glyphs[1].code, 'A');
        EXPECT_EQ(font.glyphs[0].advance, 280);
        EXPECT_EQ(font.glyphs[1].advance, -5);
        const auto& records = font.glyphs[1].records;
        ASSERT_EQ(records.size(), 4u);
        EXPECT_EQ(records[0].fillStyle0, 1u);
        EXPECT_EQ(records[0].moveTo, std::make_pair(0, -700));
        EXPECT_EQ(records[2].toX, 0);
        EXPECT_EQ(records[2].toY, 0);
        EXPECT_EQ(records[3].toY, -700);
    }
}

TEST(FontTextTest, DefineFont3UsesTheLargerEm) {
    DecodedMovie movie = Decode(test::Movie({Font2(75, 2, false), test::ShowFrame()}));
    const Font& font = std::get<Font>(*movie.dictionary.at(2));
    EXPECT_EQ(font.version, 3);
    EXPECT_EQ(font.emSize(), 20480);
}

TEST(FontTextTest, DefineText2RecordsCarryFontColourOffsetsAndGlyphs) {
    DecodedMovie movie = Decode(test::Movie({Font2(48, 2, false), Text2(2), test::ShowFrame()}));
    const Text& text = std::get<Text>(*movie.dictionary.at(3));
    EXPECT_EQ(text.version, 2);
    EXPECT_EQ(text.bounds, (Rect{0, 1000, -800, 200}));
    ASSERT_EQ(text.records.size(), 2u);
    const TextRecord& r = text.records[0];
    EXPECT_EQ(r.fontId, 2);
    EXPECT_EQ(r.color, (Rgba{10, 20, 30, 128}));
    EXPECT_EQ(r.xOffset, -40);
    EXPECT_EQ(r.yOffset, 800);
    EXPECT_EQ(r.height, 1000);
    ASSERT_EQ(r.glyphs.size(), 2u);
    EXPECT_EQ(r.glyphs[0].index, 1u);
    EXPECT_EQ(r.glyphs[0].advance, 600);
    EXPECT_EQ(r.glyphs[1].index, 0u);
    EXPECT_EQ(r.glyphs[1].advance, -3);
    const TextRecord& second = text.records[1];
    EXPECT_FALSE(second.fontId);
    EXPECT_EQ(second.color, (Rgba{1, 2, 3, 4}));
    EXPECT_TRUE(second.glyphs.empty());
}

TEST(FontTextTest, DefineTextOneHasRgbColours) {
    Bytes b;
    b.U16(3).Add(test::RectBytes(0, 0, 0, 0)).Add(test::TranslateMatrix(0, 0)).U8(0).U8(0);
    b.U8(0x80 | 0x04).Add({7, 8, 9}).U8(1).U8(0);  // one zero-width glyph
    ByteVector file = test::Movie({test::Tag(11, b), test::ShowFrame()});
    DecodedMovie movie = Decode(file);
    const Text& text = std::get<Text>(*movie.dictionary.at(3));
    ASSERT_EQ(text.records.size(), 1u);
    EXPECT_EQ(text.records[0].color, (Rgba{7, 8, 9, 255}));
    ASSERT_EQ(text.records[0].glyphs.size(), 1u);
    EXPECT_EQ(text.records[0].glyphs[0].index, 0u);
}

TEST(FontTextTest, DefineFontTakesItsCodesFromFontInfo) {
    ByteVector a = TriangleGlyph(), space = EmptyGlyph();
    Bytes font;
    font.U16(5).U16(4).U16(uint16_t(4 + space.size())).Add(space).Add(a);
    Bytes info;
    info.U16(5).U8(4).Add({'S', 'a', 'n', 's'}).U8(0x01).U16(0x4E2D).U16('A');
    Bytes info2;  // for an unknown font: ignored
    info2.U16(99).U8(1).Add({'X'}).U8(0x01).U8(0).U16('Q');
    DecodedMovie movie = Decode(test::Movie(
        {test::Tag(10, font), test::Tag(13, info), test::Tag(62, info2), test::ShowFrame()}));
    const Font& f = std::get<Font>(*movie.dictionary.at(5));
    EXPECT_EQ(f.version, 1);
    EXPECT_EQ(f.name, "Sans");
    ASSERT_EQ(f.glyphs.size(), 2u);
    EXPECT_EQ(f.glyphs[0].code, 0x4E2D);
    EXPECT_EQ(f.glyphs[1].code, 'A');
    EXPECT_EQ(f.glyphs[1].records.size(), 4u);
    EXPECT_EQ(movie.dictionary.count(99), 0u);
}

TEST(FontTextTest, FontWithoutGlyphsIsAcceptedWithOrWithoutCodeTableOffset) {
    Bytes bare;
    bare.U16(6).U8(0).U8(0).U8(1).Add({'F'}).U16(0);
    Bytes withOffset;
    withOffset.U16(7).U8(0).U8(0).U8(1).Add({'F'}).U16(0).U16(2);
    DecodedMovie movie = Decode(test::Movie({test::Tag(48, bare), test::Tag(48, withOffset), test::ShowFrame()}));
    EXPECT_TRUE(std::get<Font>(*movie.dictionary.at(6)).glyphs.empty());
    EXPECT_TRUE(std::get<Font>(*movie.dictionary.at(7)).glyphs.empty());
}

TEST(FontTextTest, DamagedFontsAreErrors) {
    struct Case {
        const char* name;
        ByteVector body;
    };
    const Case cases[] = {
        // 60000 glyphs promised in a tiny tag
        {"glyph count beyond the tag", Bytes().U16(2).U8(0).U8(0).U8(0).U16(60000).U16(4)},
        // a glyph said to start past the glyph data (out-of-order offsets are fine)
        {"offset past the glyphs", Bytes().U16(2).U8(0).U8(0).U8(0).U16(2).U16(8).U16(40).U16(10).Add({0x10, 0, 0x10, 0}).U8(65).U8(66)},
        // code table past the end
        {"code table beyond the tag", Bytes().U16(2).U8(0).U8(0).U8(0).U16(1).U16(4).U16(200).Add({0x10, 0})},
    };
    for (const Case& c : cases) {
        ByteVector file = test::Movie({test::Tag(48, c.body), test::ShowFrame()});
        EXPECT_THROW(Decode(file), DecodeError) << c.name;
    }
}

}  // namespace
}  // namespace glimmora::swf
