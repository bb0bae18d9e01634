// The service's promises checked on the written movie itself, read back by
// the independent SWF reader: what each frame shows, where and in which
// colour, which sounds start and stop, and how contents are defined.

#include "EncoderFixture.h"
#include "TestMedia.h"

#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <variant>

namespace glimmora::test {
namespace {

class EndToEnd : public EncoderFixture {
protected:
    TempDir dir;

    swf::DecodedMovie Decode()
    {
        const auto bytes = movie.EncodeMovie();
        return swf::DecodeMovie(bytes.data(), bytes.size());
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        WriteBytes(dir / name, bytes);
        return (dir / name).string();
    }

    template <class T>
    static const T& Character(const swf::DecodedMovie& decoded, uint16_t id)
    {
        const auto found = decoded.dictionary.find(id);
        if (found == decoded.dictionary.end()) {
            throw std::runtime_error("no character " + std::to_string(id));
        }
        return std::get<T>(*found->second);
    }
};

swf::ColorTransform Fill(int r, int g, int b, int a)
{
    swf::ColorTransform cx;
    cx.multR = cx.multG = cx.multB = cx.multA = 0;
    cx.addR = int16_t(r);
    cx.addG = int16_t(g);
    cx.addB = int16_t(b);
    cx.addA = int16_t(a);
    return cx;
}

TEST_F(EndToEnd, HeaderAndBackground)
{
    movie.SetSize(11000, 8000);
    movie.SetFrameRate(24);
    movie.SetFrameBkColor(10, 20, 300);
    auto& holder = NewRectangle();
    movie.GotoFrame(4.5);  // frame 4
    movie.AddObject(holder);
    const auto decoded = Decode();
    EXPECT_EQ(decoded.header.signature, "FWS");
    EXPECT_EQ(decoded.header.version, 3);
    EXPECT_EQ(decoded.header.frameSize, (swf::Rect{0, 11000, 0, 8000}));
    EXPECT_EQ(decoded.header.frameRate, 24 * 256);
    EXPECT_EQ(decoded.header.frameCount, 5);
    EXPECT_EQ(decoded.FrameCount(), 5);
    ASSERT_TRUE(decoded.background);
    EXPECT_EQ(*decoded.background, (swf::Rgba{10, 20, 255, 255}));
    EXPECT_TRUE(decoded.DisplayListAt(3).empty());
    EXPECT_EQ(decoded.DisplayListAt(4).size(), 1u);
}

TEST_F(EndToEnd, EveryFrameShowsItsPlacementWithItsTransformAndColour)
{
    auto& holder = NewRectangle();
    for (int k = 0; k < 6; ++k) {
        movie.GotoFrame(k);
        if (k > 0) movie.RemoveObject(holder);
        holder.Translate(100 * k, 7);
        holder.SetSolidFill(k, 2 * k, 3 * k, k == 5 ? 400 : 40 * k);
        movie.AddObject(holder);
    }
    movie.GotoFrame(8);
    movie.RemoveObject(holder);
    const auto decoded = Decode();
    ASSERT_EQ(decoded.FrameCount(), 9);
    for (int k = 0; k < 6; ++k) {
        const auto list = decoded.DisplayListAt(k);
        ASSERT_EQ(list.size(), 1u) << k;
        const swf::DisplayItem& item = list.begin()->second;
        EXPECT_EQ(item.matrix, (swf::Matrix{65536, 65536, 0, 0, 100 * k, 7})) << k;
        EXPECT_EQ(item.colorTransform, Fill(k, 2 * k, 3 * k, k == 5 ? 255 : 40 * k)) << k;
    }
    EXPECT_EQ(decoded.DisplayListAt(7).size(), 1u) << "the last placement stays until its removal";
    EXPECT_TRUE(decoded.DisplayListAt(8).empty());
}

// Each part continues the holder's chain of the part before it: what a part
// writes is the change from the member the previous part left, not from any
// other part's (here the matrices repeat two parts apart).
TEST_F(EndToEnd, PartsContinuingAChainChangeFromThePartBefore)
{
    auto& holder = NewRectangle();
    const int lefts[] = {100, 200, 100, 300, 200, 200};
    for (int k = 0; k < 6; ++k) {
        movie.BeginPart("step " + std::to_string(k));
        movie.GotoFrame(k);
        if (k > 0) movie.RemoveObject(holder);
        holder.Translate(lefts[k], 7);
        holder.SetSolidFill(0, 0, k == 4 ? 9 : 0, 255);
        movie.AddObject(holder);
        movie.EndPart();
    }
    const auto decoded = Decode();
    ASSERT_EQ(decoded.FrameCount(), 6);
    for (int k = 0; k < 6; ++k) {
        const auto list = decoded.DisplayListAt(k);
        ASSERT_EQ(list.size(), 1u) << k;
        EXPECT_EQ(list.begin()->second.matrix, (swf::Matrix{65536, 65536, 0, 0, lefts[k], 7})) << k;
        EXPECT_EQ(list.begin()->second.colorTransform, Fill(0, 0, k == 4 ? 9 : 0, 255)) << k;
    }
}

TEST_F(EndToEnd, ScaledAndTurnedAboutTheCentre)
{
    auto& holder = NewHolder();
    holder.MakeRectangle(1000, 2000, 3000, 3000);
    holder.Scale(131072, 65536);
    holder.Rotate(90.0 * 65536);
    movie.AddObject(holder);
    holder.MakeRectangle(1000, 2000, 3000, 3000);  // back to scale 1, angle 0
    movie.AddObject(holder);
    const auto list = Decode().DisplayListAt(0);
    ASSERT_EQ(list.size(), 2u);
    // Quarter turn of a 2000 x 1000 box doubled in width, centre (2000, 2500).
    EXPECT_EQ(list.begin()->second.matrix, (swf::Matrix{0, 0, 131072, -65536, 2500, 500}));
    EXPECT_EQ(std::next(list.begin())->second.matrix, (swf::Matrix{65536, 65536, 0, 0, 1000, 2000}));
}

TEST_F(EndToEnd, DepthClassesStackPicturesOverlaysAndTexts)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"T", 1);
    auto& text = NewHolder();
    text.MakeText(U"\x01", font);
    text.SetDepth(2);
    auto& overlay = NewRectangle();
    auto& picture = NewHolder();
    picture.MakePicture(0, 0, 200, 200, 8, 8, Write("p.jpg", MakeJpeg(8, 8)));
    picture.SetDepth(1);
    movie.AddObject(text);
    movie.AddObject(overlay);
    movie.AddObject(picture);
    const auto decoded = Decode();
    const auto list = decoded.DisplayListAt(0);
    ASSERT_EQ(list.size(), 3u);
    auto it = list.begin();
    EXPECT_TRUE(std::holds_alternative<swf::Shape>(*decoded.dictionary.at(it->second.characterId)));
    EXPECT_EQ(it->second.colorTransform, swf::ColorTransform{}) << "pictures need no colour";
    ++it;
    EXPECT_TRUE(std::holds_alternative<swf::Shape>(*decoded.dictionary.at(it->second.characterId)));
    EXPECT_EQ(it->second.colorTransform, Fill(0, 0, 0, 255));
    ++it;
    EXPECT_TRUE(std::holds_alternative<swf::Text>(*decoded.dictionary.at(it->second.characterId)));
}

TEST_F(EndToEnd, PictureIsTheFileStretchedOverItsRectangle)
{
    const std::vector<uint8_t> jpeg = MakeJpeg(32, 16);
    auto& picture = NewHolder();
    picture.MakePicture(100, 200, 100 + 1280, 200 + 320, 64, 64, Write("p.jpg", jpeg));
    movie.AddObject(picture);
    const auto decoded = Decode();
    EXPECT_EQ(decoded.header.version, 8);
    const auto list = decoded.DisplayListAt(0);
    ASSERT_EQ(list.size(), 1u);
    const auto& shape = Character<swf::Shape>(decoded, list.begin()->second.characterId);
    EXPECT_EQ(shape.bounds, (swf::Rect{0, 1280, 0, 320}));
    ASSERT_EQ(shape.fillStyles.size(), 1u);
    const swf::FillStyle& fill = shape.fillStyles[0];
    EXPECT_EQ(fill.type, swf::FillStyle::Type::ClippedBitmap);
    EXPECT_EQ(fill.matrix.scaleX, 40 * 65536) << "1280 twips over 32 pixels";
    EXPECT_EQ(fill.matrix.scaleY, 20 * 65536) << "320 twips over 16 pixels";
    const auto& bitmap = Character<swf::Bitmap>(decoded, fill.bitmapId);
    EXPECT_EQ(bitmap.data, jpeg);
    EXPECT_EQ(list.begin()->second.matrix, (swf::Matrix{65536, 65536, 0, 0, 100, 200}));
}

TEST_F(EndToEnd, TextUsesItsFontsGlyphsOnTheBaseline)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"ab", 1);
    font.AddGlyph("Arial", U"c", 2);
    font.AddGlyph("Arial", U"ab", 3);  // the same outline as code 1
    auto& text = NewHolder();
    text.MakeText(U"\x02\x01\x03", font);
    movie.AddObject(text);
    const auto decoded = Decode();
    const auto list = decoded.DisplayListAt(0);
    ASSERT_EQ(list.size(), 1u);
    const auto& placed = Character<swf::Text>(decoded, list.begin()->second.characterId);
    EXPECT_EQ(placed.matrix, swf::Matrix{});
    ASSERT_FALSE(placed.records.empty());
    const swf::TextRecord& record = placed.records[0];
    ASSERT_TRUE(record.fontId);
    EXPECT_EQ(record.height, 1024);
    EXPECT_EQ(record.yOffset.value_or(0), FakeGlyphSource::kBaseline);
    EXPECT_EQ(record.color, (swf::Rgba{0, 0, 0, 255}));
    ASSERT_EQ(record.glyphs.size(), 3u);
    EXPECT_EQ(record.glyphs[0].advance, 500);
    EXPECT_EQ(record.glyphs[1].advance, 1000);
    EXPECT_EQ(record.glyphs[1].index, record.glyphs[2].index) << "one outline, one glyph";
    const auto& definedFont = Character<swf::Font>(decoded, *record.fontId);
    EXPECT_EQ(definedFont.name, "Arial");
    ASSERT_EQ(definedFont.glyphs.size(), 2u);
    EXPECT_EQ(definedFont.glyphs[0].code, 1);
    EXPECT_EQ(definedFont.glyphs[1].code, 2);
    EXPECT_EQ(definedFont.glyphs[record.glyphs[1].index].advance, 1000);
    // The bounds hold every glyph at its pen position (0, 500, 1500): from the
    // first square's left side to the last square's curve (control point
    // included), the squares 700 high on the baseline.
    EXPECT_EQ(placed.bounds, (swf::Rect{50, 1500 + 1000, FakeGlyphSource::kBaseline - 700,
                                        FakeGlyphSource::kBaseline}));
}

TEST_F(EndToEnd, OneDefinitionServesManyPlacementsAndColours)
{
    auto& a = NewRectangle();
    auto& b = NewRectangle(4000, 0);
    for (int k = 0; k < 20; ++k) {
        movie.GotoFrame(k);
        a.SetSolidFill(k * 12, 0, 0, 255);
        b.SetSolidFill(0, k * 12, 0, 128);
        movie.AddObject(a);
        movie.AddObject(b);
    }
    const auto decoded = Decode();
    EXPECT_EQ(decoded.dictionary.size(), 1u);
    EXPECT_EQ(decoded.DisplayListAt(19).size(), 40u);
}

TEST_F(EndToEnd, SoundsStartAndStopInTheirFrames)
{
    const std::string path = Write("s.wav", MakeWave({1, 1, 11025, 16, 300}));
    auto& whole = NewHolder();
    whole.MakeSound(path);
    auto& cut = NewHolder();
    cut.MakeSound(path);
    movie.GotoFrame(1);
    movie.AddObject(whole);
    movie.RemoveObject(whole);  // same frame: plays to its end
    movie.GotoFrame(2);
    movie.AddObject(cut);
    movie.GotoFrame(6);
    movie.RemoveObject(cut);
    const auto decoded = Decode();
    EXPECT_EQ(decoded.header.version, 4);
    ASSERT_EQ(decoded.FrameCount(), 7);
    ASSERT_EQ(decoded.frames[1].sounds.size(), 1u);
    EXPECT_FALSE(decoded.frames[1].sounds[0].info.syncStop);
    ASSERT_EQ(decoded.frames[2].sounds.size(), 1u);
    EXPECT_FALSE(decoded.frames[2].sounds[0].info.syncStop);
    ASSERT_EQ(decoded.frames[6].sounds.size(), 1u);
    EXPECT_TRUE(decoded.frames[6].sounds[0].info.syncStop);
    const uint16_t id = decoded.frames[1].sounds[0].soundId;
    EXPECT_EQ(decoded.frames[2].sounds[0].soundId, id) << "one sound file, one definition";
    const auto& sound = Character<swf::Sound>(decoded, id);
    EXPECT_EQ(sound.format, 3);
    EXPECT_EQ(sound.rate, 11025u);
    EXPECT_TRUE(sound.is16Bit);
    EXPECT_FALSE(sound.stereo);
    EXPECT_EQ(sound.sampleCount, 300u);
    for (int f : {0, 3, 4, 5}) {
        EXPECT_TRUE(decoded.frames[size_t(f)].sounds.empty()) << f;
    }
}

TEST_F(EndToEnd, LongAndEmptyTexts)
{
    auto& font = NewHolder();
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"x", 1);
    auto& text = NewHolder();
    text.MakeText(std::u32string(300, char32_t(1)), font);  // more than one record holds
    movie.AddObject(text);
    auto& empty = NewHolder();
    empty.MakeText(U"", font);
    movie.AddObject(empty);
    const auto decoded = Decode();
    const auto list = decoded.DisplayListAt(0);
    ASSERT_EQ(list.size(), 2u);
    const auto& longText = Character<swf::Text>(decoded, list.begin()->second.characterId);
    size_t glyphs = 0;
    for (const auto& record : longText.records) {
        glyphs += record.glyphs.size();
        EXPECT_LE(record.glyphs.size(), 255u);
    }
    EXPECT_EQ(glyphs, 300u);
    EXPECT_EQ(longText.bounds.xMax, 299 * 500 + 500) << "the last glyph's curve reaches x 500";
    const auto& emptyText = Character<swf::Text>(decoded, std::next(list.begin())->second.characterId);
    EXPECT_TRUE(emptyText.records.empty());
}

}  // namespace
}  // namespace glimmora::test
