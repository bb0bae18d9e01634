// Static text: glyph outlines from the font, placed at the pen with the record's
// height, coloured by the record through the placement's colour transform.

#include "RenderFixture.h"

namespace glimmora::test {
namespace {

TEST(StaticText, GlyphsFollowThePenInTheTintColour)
{
    for (int fontVersion : {2, 3}) {
        SCOPED_TRACE(fontVersion == 3 ? "20480-unit em" : "1024-unit em");
        const int em = fontVersion == 3 ? 20480 : 1024;
        swf::Font font;
        font.version = fontVersion;
        // Half an em wide, one em high.
        font.glyphs = {BoxGlyph(em / 2, em)};

        swf::Text text;
        text.version = 2;
        swf::TextRecord first;
        first.fontId = 1;
        first.height = 1024;  // 51.2 px: the glyph is 25.6 x 51.2 px
        first.color = swf::Rgba{0, 0, 0, 255};
        first.xOffset = 0;
        first.yOffset = 0;
        first.glyphs = {{0, 768}, {0, 768}};
        // Font, height, colour and x carry over; only the baseline moves down 50 px.
        swf::TextRecord second;
        second.yOffset = 1000;
        second.glyphs = {{0, 0}};
        text.records = {first, second};

        MovieFixture fixture(120, 120);
        fixture.Define(1, font);
        fixture.Define(2, text);
        const swf::Rgba tint{0, 128, 255, 255};
        fixture.Place(0, 1, 2, Translate(10, 60)).colorTransform = Tint(tint);
        const QImage image = fixture.Render();
        // Glyphs at x 10..35.6 and 48.4..74 on baseline 60; the third at x 86.8..112.4 on baseline 110.
        EXPECT_PIXEL(image, 20, 40, Q(tint));
        EXPECT_PIXEL(image, 60, 40, Q(tint));
        EXPECT_PIXEL(image, 100, 90, Q(tint));
        EXPECT_PIXEL(image, 40, 40, Q(kWhite));
        EXPECT_PIXEL(image, 20, 5, Q(kWhite));
        EXPECT_PIXEL(image, 20, 90, Q(kWhite));
        EXPECT_PIXEL(image, 100, 40, Q(kWhite));
    }
}

TEST(StaticText, RecordColourAppliesWithoutTransform)
{
    swf::Font font;
    font.version = 2;
    font.glyphs = {BoxGlyph(512, 1024)};
    swf::Text text;
    swf::TextRecord record;
    record.fontId = 1;
    record.height = 1024;
    record.color = kRed;
    record.xOffset = 0;
    record.yOffset = 0;
    record.glyphs = {{0, 0}, {7, 0}};  // index 7 does not exist: skipped
    text.records = {record};
    MovieFixture fixture;
    fixture.Define(1, font);
    fixture.Define(2, text);
    fixture.Place(0, 1, 2, Translate(10, 60));
    const QImage image = fixture.Render();
    EXPECT_PIXEL(image, 20, 40, Q(kRed));
    EXPECT_PIXEL(image, 50, 40, Q(kWhite));
}

}  // namespace
}  // namespace glimmora::test
