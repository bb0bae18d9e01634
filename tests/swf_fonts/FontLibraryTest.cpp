#include "swf/fonts/FontLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace glimmora::swf {
namespace {

bool IsClosed(const Contour& c) { return !c.segments.empty() && c.segments.back().to == c.start; }

int32_t MinY(const GlyphOutline& o) {
    int32_t y = 0;
    for (const Contour& c : o.contours) {
        y = std::min(y, c.start.y);
        for (const OutlineSegment& s : c.segments) y = std::min(y, s.to.y);
    }
    return y;
}

int32_t MaxX(const GlyphOutline& o) {
    int32_t x = INT32_MIN;
    for (const Contour& c : o.contours) {
        x = std::max(x, c.start.x);
        for (const OutlineSegment& s : c.segments) x = std::max(x, s.to.x);
    }
    return x;
}

class FontLibraryTest : public ::testing::Test {
protected:
    FontLibrary fonts;
};

TEST_F(FontLibraryTest, MissingWindowsFamiliesResolveToInstalledFiles) {
    for (const char* family : {"Microsoft Sans Serif", "Tahoma", "SimSun", "宋体", "No Such Family 123", ""}) {
        SCOPED_TRACE(family);
        std::string file = fonts.ResolvedFile(family);
        ASSERT_FALSE(file.empty());
        EXPECT_TRUE(std::filesystem::exists(file));
    }
}

TEST_F(FontLibraryTest, WindowsSansFamilyMapsToAMetricSansFace) {
    std::string file = fonts.ResolvedFile("Microsoft Sans Serif");
    bool sans = file.find("LiberationSans") != std::string::npos || file.find("DejaVuSans") != std::string::npos;
    EXPECT_TRUE(sans) << file;
}

TEST_F(FontLibraryTest, ChineseFamilyMapsToAFaceWithChineseGlyphs) {
    for (const char* family : {"SimSun", "宋体"}) {
        SCOPED_TRACE(family);
        std::string file = fonts.ResolvedFile(family);
        EXPECT_TRUE(file.find("wqy") != std::string::npos || file.find("CJK") != std::string::npos) << file;
    }
}

TEST_F(FontLibraryTest, LatinLetterHasOutlineAndPlausibleAdvance) {
    GlyphOutline a = fonts.TextOutline("Microsoft Sans Serif", U"A");
    EXPECT_FALSE(a.contours.empty());
    EXPECT_GE(a.advance, 400);
    EXPECT_LE(a.advance, 800);
    // Above the baseline means negative y in glyph space.
    EXPECT_LT(MinY(a), -500);
}

TEST_F(FontLibraryTest, EveryContourIsClosed) {
    for (const std::u32string& text : {std::u32string(U"A"), std::u32string(U"gS@8"), std::u32string(U"中文")}) {
        GlyphOutline outline = fonts.TextOutline("Arial", text);
        ASSERT_FALSE(outline.contours.empty());
        for (const Contour& contour : outline.contours) EXPECT_TRUE(IsClosed(contour));
    }
}

TEST_F(FontLibraryTest, TextAdvanceIsTheSumOfCharacterAdvances) {
    int32_t a = fonts.TextAdvance("Tahoma", U"A");
    int32_t b = fonts.TextAdvance("Tahoma", U"B");
    EXPECT_EQ(fonts.TextAdvance("Tahoma", U"AB"), a + b);
    EXPECT_EQ(fonts.TextOutline("Tahoma", U"AB").advance, a + b);
}

TEST_F(FontLibraryTest, SecondCharacterIsLaidOutAfterTheFirstAdvance) {
    GlyphOutline i = fonts.TextOutline("Tahoma", U"I");
    GlyphOutline ii = fonts.TextOutline("Tahoma", U"II");
    ASSERT_EQ(ii.contours.size(), 2 * i.contours.size());
    const Contour& first = ii.contours[0];
    const Contour& second = ii.contours[i.contours.size()];
    EXPECT_EQ(second.start.x, first.start.x + i.advance);
    EXPECT_EQ(second.start.y, first.start.y);
    EXPECT_EQ(MaxX(ii), MaxX(i) + i.advance);
}

TEST_F(FontLibraryTest, ChineseCharacterInLatinFamilyFallsBackToRealOutline) {
    GlyphOutline zhong = fonts.TextOutline("Microsoft Sans Serif", U"\u4E2D");
    EXPECT_FALSE(zhong.contours.empty());
    EXPECT_GT(zhong.advance, 800);  // ideographs are about one em wide
}

TEST_F(FontLibraryTest, CharacterNoFaceHasGivesEmptyOutlineWithNotdefAdvance) {
    GlyphOutline missing = fonts.TextOutline("Microsoft Sans Serif", U"\U000F0001");
    EXPECT_TRUE(missing.contours.empty());
    EXPECT_GT(missing.advance, 0);
    // Invalid code points must not crash either.
    GlyphOutline invalid = fonts.TextOutline("Microsoft Sans Serif", std::u32string{char32_t(0xD800), char32_t(0x7FFFFFFF)});
    EXPECT_TRUE(invalid.contours.empty());
    EXPECT_EQ(invalid.advance, 2 * missing.advance);
}

TEST_F(FontLibraryTest, EmptyTextHasNoOutlineAndNoAdvance) {
    GlyphOutline empty = fonts.TextOutline("Arial", U"");
    EXPECT_TRUE(empty.contours.empty());
    EXPECT_EQ(empty.advance, 0);
}

TEST_F(FontLibraryTest, BaselineOffsetPutsTheAscentAtTheTopOfTheEm) {
    for (const char* family : {"Microsoft Sans Serif", "SimSun", "DejaVu Sans"}) {
        SCOPED_TRACE(family);
        int32_t offset = fonts.BaselineOffset(family);
        EXPECT_GT(offset, 700);
        EXPECT_LT(offset, 950);
    }
}

TEST_F(FontLibraryTest, RepeatedQueriesGiveIdenticalResults) {
    GlyphOutline first = fonts.TextOutline("Tahoma", U"Hello");
    GlyphOutline second = fonts.TextOutline("Tahoma", U"Hello");
    ASSERT_EQ(first.contours.size(), second.contours.size());
    EXPECT_EQ(first.advance, second.advance);
    EXPECT_EQ(first.contours.back().segments.size(), second.contours.back().segments.size());
}

}  // namespace
}  // namespace glimmora::swf
