// A text field's initial text read into paragraphs of formatted spans.

#include "player/text/RichText.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::player {
namespace {

using Align = swf::EditText::Align;

// Paragraphs written as "[align]" then each span as text{flags}, flags being
// b, i, u, the colour as #rrggbb, the size in pixels and the face, when they
// differ from the field's format.
std::string Describe(const std::vector<TextParagraph>& paragraphs, const CharFormat& base)
{
    std::string out;
    for (const TextParagraph& paragraph : paragraphs) {
        out += "[";
        out += "LRCJ"[int(paragraph.align)];
        out += "]";
        for (const TextSpan& span : paragraph.spans) {
            out += span.text.toStdString();
            const CharFormat& f = span.format;
            std::string flags;
            if (f.bold) flags += "b";
            if (f.italic) flags += "i";
            if (f.underline) flags += "u";
            if (!(f.color == base.color)) {
                flags += QString::asprintf("#%02x%02x%02x", f.color.r, f.color.g, f.color.b).toStdString();
            }
            if (f.size != base.size) flags += std::to_string(int(f.size / 20)) + "px";
            if (f.face != base.face) flags += f.face.toStdString();
            if (!flags.empty()) out += "{" + flags + "}";
        }
    }
    return out;
}

TEST(RichText, HtmlIsReadIntoParagraphsOfFormattedSpans)
{
    CharFormat base;
    base.face = "Serif";
    base.size = 240;
    base.color = {0, 0, 0, 255};
    const struct {
        const char* html;
        const char* expected;
    } cases[] = {
        {"a<b>b</b>c", "[L]ab{b}c"},
        {"<P ALIGN='right'>x</P><p>y</p>", "[R]x[L]y"},
        {"<p align=\"center\">x</p>z", "[C]x[L]z"},
        {"x<br>y<BR/>z", "[L]x[L]y[L]z"},
        {"l1\rl2\r\nl3\nl4", "[L]l1[L]l2[L]l3[L]l4"},
        {"&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&bogus;&", "[L]<>&\"'AB&bogus;&"},
        {"<font color='#00FF00' size='+2' face='Arial, Helvetica'>g</font>h", "[L]g{#00ff0014pxArial}h"},
        {"<font size=\"30\">s</font>", "[L]s{30px}"},
        {"a < b", "[L]a < b"},
        {"<unknown attr=1>k</unknown>", "[L]k"},
        {"<u><i>u</i></u>", "[L]u{iu}"},
        {"<b>x</i>y</b>z", "[L]xy{b}z"},
        {"<textformat leading='2'><p align='justify'>j</p></textformat>", "[J]j"},
        {"<li>one</li><li>two</li>", "[L]one[L]two"},
        {"", "[L]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(HtmlParagraphs(QString::fromUtf8(c.html), base, Align::Left), base), c.expected)
            << c.html;
    }
}

TEST(RichText, PlainTextKeepsItsMarkupAndEndsParagraphsAtLineBreaks)
{
    CharFormat base;
    base.size = 240;
    EXPECT_EQ(Describe(PlainParagraphs("a<b>\r\nb\nc\r", base, Align::Right), base), "[R]a<b>[R]b[R]c[R]");
}

TEST(RichText, DeepOrEndlessMarkupStaysBounded)
{
    CharFormat base;
    QString deep;
    for (int i = 0; i < 5000; ++i) deep += "<b><font size='+1'>";
    deep += "x";
    const auto paragraphs = HtmlParagraphs(deep, base, Align::Left);
    ASSERT_EQ(paragraphs.size(), 1u);
    ASSERT_EQ(paragraphs[0].spans.size(), 1u);
    EXPECT_LE(paragraphs[0].spans[0].format.size, 20000);
    EXPECT_EQ(Describe(HtmlParagraphs("a<p align='right'", base, Align::Left), base), "[L]a<p align='right'");
}

}  // namespace
}  // namespace glimmora::player
