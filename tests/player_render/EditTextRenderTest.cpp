// Text fields: their initial text laid out in the field's box with its font,
// alignment, margins, indent, leading and wrapping, HTML formatting, the
// border and background, and system fonts for fields without outlines.

#include "RenderFixture.h"

#include "player/text/TextFace.h"

#include <QGuiApplication>
#include <QRawFont>

#include <functional>

namespace glimmora::test {
namespace {

// A 1024-unit font used at 1024 twips, so that font units are twips: 'A' is
// a box 10 px wide and 16 px high (the whole ascent) advancing 15 px, '*' a
// 5 px square, ' ' 5 px of space; lines are 16 + 4 px.
swf::Font Boxes()
{
    swf::Font font;
    font.version = 2;
    font.name = "Boxes";
    font.hasLayout = true;
    font.ascent = 320;
    font.descent = 80;
    font.glyphs = {BoxGlyph(200, 320), BoxGlyph(100, 100), swf::Glyph{}};
    font.glyphs[0].code = 'A';
    font.glyphs[0].advance = 300;
    font.glyphs[1].code = '*';
    font.glyphs[1].advance = 300;
    font.glyphs[2].code = ' ';
    font.glyphs[2].advance = 100;
    return font;
}

// A red field from (10, 10) px, 200 x 100 px, with the box font: its text
// starts 2 px inside, at x 12, on a first baseline at y 28.
swf::EditText Field(const char* text)
{
    swf::EditText field;
    field.bounds = {Px(10), Px(210), Px(10), Px(110)};
    field.fontId = 1;
    field.fontHeight = 1024;
    field.color = kRed;
    field.useOutlines = true;
    field.multiline = true;
    field.initialText = text;
    return field;
}

QImage RenderField(const swf::EditText& field, swf::Rgba background = kWhite)
{
    MovieFixture fixture(240, 140, background);
    fixture.Define(1, Boxes());
    fixture.Define(2, field);
    fixture.Place(0, 1, 2);
    return fixture.Render();
}

// The pixels that are clearly not the background.
QRect InkBounds(const QImage& image, swf::Rgba background = kWhite)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = Pixel(image, x, y);
            if (std::abs(c.red() - background.r) + std::abs(c.green() - background.g) +
                    std::abs(c.blue() - background.b) > 96) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

TEST(EditTextLayout, TheTextSitsWhereAlignmentMarginsLeadingAndWrappingPutIt)
{
    using Align = swf::EditText::Align;
    const struct {
        const char* name;
        std::function<void(swf::EditText&)> setUp;
        QRect ink;
    } cases[] = {
        {"left", [](swf::EditText& f) { f.initialText = "AA"; }, QRect(12, 12, 25, 16)},
        // The last advance (5 px past the box) counts in the line's width.
        {"right", [](swf::EditText& f) { f.initialText = "AA", f.align = Align::Right; }, QRect(178, 12, 25, 16)},
        {"centre", [](swf::EditText& f) { f.initialText = "AA", f.align = Align::Center; }, QRect(95, 12, 25, 16)},
        {"margins, and the indent of a paragraph's first line only",
         [](swf::EditText& f) {
             f.initialText = "AA A", f.leftMargin = 200, f.indent = 100, f.wordWrap = true, f.bounds.xMax = Px(74);
         },
         QRect(22, 12, 30, 36)},
        {"every paragraph is indented",
         [](swf::EditText& f) { f.initialText = "AA\rA", f.leftMargin = 200, f.indent = 100; },
         QRect(27, 12, 25, 36)},
        {"leading between lines", [](swf::EditText& f) { f.initialText = "A\nA", f.leading = 100; },
         QRect(12, 12, 10, 41)},
        {"wrapping after the last blank that fits",
         [](swf::EditText& f) { f.initialText = "AA AA", f.wordWrap = true, f.bounds.xMax = Px(54); },
         QRect(12, 12, 25, 36)},
        {"a word wider than the field is cut where it no longer fits",
         [](swf::EditText& f) { f.initialText = "AAAA", f.wordWrap = true, f.bounds.xMax = Px(44); },
         QRect(12, 12, 25, 36)},
        // The wrapped first line is spread to the width, the last one is not.
        {"justified",
         [](swf::EditText& f) {
             f.initialText = "A A AA", f.wordWrap = true, f.align = Align::Justify, f.bounds.xMax = Px(74);
         },
         QRect(12, 12, 55, 36)},
        {"without wrapping the field's box cuts the line",
         [](swf::EditText& f) { f.initialText = "AA AA", f.bounds.xMax = Px(54); }, QRect(12, 12, 42, 16)},
        {"a field sizing itself to its text is not cut",
         [](swf::EditText& f) { f.initialText = "AA AA", f.bounds.xMax = Px(54), f.autoSize = true; },
         QRect(12, 12, 60, 16)},
        {"a password shows a star for each character",
         [](swf::EditText& f) { f.initialText = "AA", f.password = true; }, QRect(12, 23, 20, 5)},
        {"HTML paragraphs and breaks",
         [](swf::EditText& f) { f.initialText = "<p align='right'>A</p>A<br>A", f.html = true; },
         QRect(12, 12, 191, 56)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        swf::EditText field = Field("");
        c.setUp(field);
        EXPECT_EQ(InkBounds(RenderField(field)), c.ink);
    }
}

TEST(EditTextLayout, HtmlColoursAndUnderlinesItsSpans)
{
    swf::EditText field = Field("<p align=\"right\"><font color=\"#0000FF\">A</font></p><u>A</u>A&amp;<b>A</b>");
    field.html = true;
    const QImage image = RenderField(field);
    EXPECT_PIXEL(image, 198, 20, Q(kBlue));  // right-aligned: 193..203
    EXPECT_PIXEL(image, 17, 40, Q(kRed));    // second line: 12..22, 27..37, then '&' (no glyph), 42..52
    EXPECT_PIXEL(image, 32, 40, Q(kRed));
    EXPECT_PIXEL(image, 47, 40, Q(kRed));    // bold asks for a font the movie lacks: its own is used
    // The underline runs under the first glyph and its advance, below the baseline at 48.
    EXPECT_PIXEL(image, 24, 50, Q(kRed));
    EXPECT_PIXEL(image, 39, 50, Q(kWhite));
    EXPECT_PIXEL(image, 24, 46, Q(kWhite));
}

TEST(EditTextLayout, ABorderedFieldHasAWhiteBackgroundInsideAOnePixelBlackLine)
{
    const swf::Rgba stage{0, 128, 0, 255};
    swf::EditText field = Field("");
    field.border = true;
    const QImage image = RenderField(field, stage);
    const QColor black(0, 0, 0);
    for (auto [x, y] : std::vector<std::pair<int, int>>{{10, 50}, {209, 50}, {50, 10}, {50, 109}}) {
        EXPECT_PIXEL(image, x, y, black);
    }
    for (auto [x, y] : std::vector<std::pair<int, int>>{{11, 50}, {208, 50}, {50, 11}, {50, 108}}) {
        EXPECT_PIXEL(image, x, y, Q(kWhite));
    }
    for (auto [x, y] : std::vector<std::pair<int, int>>{{9, 50}, {210, 50}, {50, 9}, {50, 110}}) {
        EXPECT_PIXEL(image, x, y, Q(stage));
    }
}

// Fields without outlines of their own draw with the system's font of the
// name they give; that needs a Qt GUI application, made here once.
class SystemFontText : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "player_render_tests";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }
    void SetUp() override
    {
        if (!player::TextFaces::SystemFontsAvailable()) GTEST_SKIP() << "another kind of Qt application runs";
        QFont sans("Sans Serif");
        sans.setPixelSize(20);
        if (!QRawFont::fromFont(sans).isValid()) GTEST_SKIP() << "no system font is installed";
    }
};

TEST_F(SystemFontText, AFontWithoutOutlinesIsDrawnWithTheSystemsFontInTheFieldsColourAndPlace)
{
    swf::Font named;
    named.version = 2;
    named.name = "_sans";
    swf::EditText field;
    field.bounds = {Px(10), Px(210), Px(10), Px(50)};
    field.fontId = 1;
    field.fontHeight = 400;  // 20 px
    field.color = kBlue;
    field.initialText = "Hello";
    for (auto align : {swf::EditText::Align::Left, swf::EditText::Align::Right}) {
        SCOPED_TRACE(align == swf::EditText::Align::Left ? "left" : "right");
        field.align = align;
        MovieFixture fixture(240, 60);
        fixture.Define(1, named);
        fixture.Define(2, field);
        fixture.Place(0, 1, 2);
        const QImage image = fixture.Render();
        const QRect ink = InkBounds(image);
        ASSERT_FALSE(ink.isEmpty());
        // Inside the 2 px gutter, within one line of 20 px type, a few glyphs wide.
        EXPECT_GE(ink.top(), 12);
        EXPECT_LE(ink.bottom(), 12 + 26);
        EXPECT_GE(ink.height(), 10);
        EXPECT_GE(ink.width(), 30);
        EXPECT_LE(ink.width(), 90);
        if (align == swf::EditText::Align::Left) {
            EXPECT_GE(ink.left(), 12);
            EXPECT_LE(ink.left(), 16);
        } else {
            EXPECT_LE(ink.right(), 207);
            EXPECT_GE(ink.right(), 200);
        }
        // The ink is the field's blue.
        bool blue = false;
        for (int x = ink.left(); x <= ink.right() && !blue; ++x) {
            for (int y = ink.top(); y <= ink.bottom() && !blue; ++y) {
                blue = ColorNear(Pixel(image, x, y), Q(kBlue), 40);
            }
        }
        EXPECT_TRUE(blue);
    }
}

}  // namespace
}  // namespace glimmora::test
