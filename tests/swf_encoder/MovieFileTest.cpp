// The written file at the byte level: header, version, tag order, one
// definition per distinct content, and safe writing.

#include "EncoderFixture.h"
#include "TagWalk.h"
#include "TestMedia.h"

#include "support/TempDir.h"

#include <filesystem>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

enum Code : uint16_t {
    kEnd = 0, kShowFrame = 1, kSetBackgroundColor = 9, kDefineSound = 14, kStartSound = 15,
    kDefineBitsJpeg2 = 21, kPlaceObject2 = 26, kRemoveObject2 = 28, kDefineShape3 = 32,
    kDefineText2 = 33, kDefineFont2 = 48, kFileAttributes = 69,
};

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

class MovieFile : public EncoderFixture {
protected:
    TempDir dir;

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        WriteBytes(dir / name, bytes);
        return (dir / name).string();
    }

    // A letter-effect style run: remove the last placement, move, add again.
    void Run(swf::EncoderObject& holder, int firstFrame, int steps)
    {
        for (int k = 0; k < steps; ++k) {
            movie.GotoFrame(firstFrame + k);
            if (k > 0) movie.RemoveObject(holder);
            holder.Translate(100.0 * k, 50.0 * k);
            holder.SetSolidFill(k * 10, 0, 0, 255 - k);
            movie.AddObject(holder);
        }
    }
};

TEST_F(MovieFile, HeaderFields)
{
    movie.SetSize(11000, 8000);
    movie.SetFrameRate(12);
    movie.SetFrameBkColor(255, 128, 0);
    auto& holder = NewRectangle();
    movie.GotoFrame(9);
    movie.AddObject(holder);
    const auto bytes = movie.EncodeMovie();
    ASSERT_GT(bytes.size(), 21u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 3), "FWS");
    EXPECT_EQ(bytes[3], 3) << "rectangles only need SWF 3";
    EXPECT_EQ(U32(bytes, 4), bytes.size());
    const std::vector<uint8_t> rest(bytes.begin() + 8, bytes.begin() + 21);
    EXPECT_EQ(rest, (std::vector<uint8_t>{0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00,
                                          0x00, 0x0C, 0x0A, 0x00}));
    const auto tags = WalkTags(bytes);
    ASSERT_GE(tags.size(), 2u);
    EXPECT_EQ(tags.front().code, kSetBackgroundColor);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + tags[0].body, bytes.begin() + tags[0].body + 3),
              (std::vector<uint8_t>{255, 128, 0}));
    EXPECT_EQ(CountTags(tags, kShowFrame), 10u);
    EXPECT_EQ(tags.back().code, kEnd);
    EXPECT_EQ(tags.back().body + tags.back().length, bytes.size()) << "nothing after End";
}

TEST_F(MovieFile, EmptyMovieHasOneFrame)
{
    const auto tags = WalkTags(movie.EncodeMovie());
    EXPECT_EQ(CountTags(tags, kShowFrame), 1u);
}

TEST_F(MovieFile, VersionFollowsTheContent)
{
    const std::string picture = Write("p.jpg", MakeJpeg(8, 8));
    const std::string sound = Write("s.wav", MakeWave({}));
    const struct {
        const char* name;
        std::function<void(swf::EncoderObject&)> make;
        uint8_t version;
    } cases[] = {
        {"rectangle", [](auto& h) { h.MakeRectangle(0, 0, 10, 10); }, 3},
        {"sound", [&](auto& h) { h.MakeSound(sound); }, 4},
        {"text in an ASCII-named font",
         [](auto& h) { h.MakeFont("Arial"); h.AddGlyph("Arial", U"a", 1); h.MakeText(U"\x01", h); }, 3},
        {"text in a font named in Chinese",
         [](auto& h) { h.MakeFont("宋体"); h.AddGlyph("宋体", U"a", 1); h.MakeText(U"\x01", h); }, 6},
        {"picture", [&](auto& h) { h.MakePicture(0, 0, 160, 160, 8, 8, picture); }, 8},
    };
    for (const auto& c : cases) {
        movie.SetSize(2000, 2000);
        auto& holder = NewHolder();
        c.make(holder);
        movie.AddObject(holder);
        const auto bytes = movie.EncodeMovie();
        EXPECT_EQ(bytes[3], c.version) << c.name;
        const auto tags = WalkTags(bytes);
        EXPECT_EQ(tags.front().code, c.version >= 8 ? kFileAttributes : kSetBackgroundColor) << c.name;
    }
}

TEST_F(MovieFile, EachDistinctContentIsDefinedOnceBeforeItsFirstUse)
{
    const std::vector<uint8_t> jpeg = MakeJpeg(16, 8);
    auto& red = NewRectangle();
    auto& blue = NewRectangle(500, 500);
    auto& picture = NewHolder();
    auto& font = NewHolder();
    auto& letter = NewHolder();
    red.SetSolidFill(255, 0, 0, 255);
    blue.SetSolidFill(0, 0, 255, 100);
    Run(red, 0, 25);
    Run(blue, 3, 25);
    font.MakeFont("Arial");
    font.AddGlyph("Arial", U"H", 1);
    font.AddGlyph("Arial", U"i", 2);
    for (int copy = 0; copy < 3; ++copy) {
        letter.MakeText(U"\x01", font);
        Run(letter, 5 + copy, 10);
        letter.MakeText(U"\x02", font);
        Run(letter, 5 + copy, 10);
    }
    picture.MakePicture(0, 0, 320, 160, 16, 8, Write("a.jpg", jpeg));
    Run(picture, 10, 5);
    picture.MakePicture(0, 0, 320, 160, 16, 8, Write("b.jpg", jpeg));
    Run(picture, 20, 5);

    const auto bytes = movie.EncodeMovie();
    const auto tags = WalkTags(bytes);
    EXPECT_EQ(CountTags(tags, kDefineShape3), 2u) << "one rectangle of any colour, one picture";
    EXPECT_EQ(CountTags(tags, kDefineBitsJpeg2), 1u);
    EXPECT_EQ(CountTags(tags, kDefineFont2), 1u);
    EXPECT_EQ(CountTags(tags, kDefineText2), 2u);
    // Every definition comes before the first PlaceObject2 that uses it: the
    // ids grow in file order, and a place names only ids defined above it.
    uint16_t defined = 0;
    for (const auto& tag : tags) {
        const uint16_t code = tag.code;
        if (code == kDefineShape3 || code == kDefineBitsJpeg2 || code == kDefineFont2 ||
            code == kDefineText2 || code == kDefineSound) {
            const uint16_t id = uint16_t(bytes[tag.body] | bytes[tag.body + 1] << 8);
            EXPECT_EQ(id, defined + 1);
            defined = id;
        } else if (code == kPlaceObject2 && (bytes[tag.body] & 0x02)) {
            const uint16_t id = uint16_t(bytes[tag.body + 3] | bytes[tag.body + 4] << 8);
            EXPECT_GE(id, 1);
            EXPECT_LE(id, defined);
        }
    }
}

TEST_F(MovieFile, FontHoldsTheDistinctOutlinesAndWidensItsOffsets)
{
    auto& font = NewHolder();
    auto& text = NewHolder();
    font.MakeFont("Arial");
    // 120 whole-text glyphs of 40 letters: well past 64 KB of shapes.
    for (int i = 0; i < 120; ++i) {
        std::u32string words(40, U'a');
        words[0] = char32_t(U'A' + i);
        font.AddGlyph("Arial", words, i + 1);
    }
    std::u32string codes;
    for (int i = 1; i <= 120; ++i) codes.push_back(char32_t(i));
    codes += codes;  // each outline twice: still 120 glyphs
    text.MakeText(codes, font);
    movie.AddObject(text);
    const auto bytes = movie.EncodeMovie();
    const auto tags = WalkTags(bytes);
    ASSERT_EQ(CountTags(tags, kDefineFont2), 1u);
    for (const auto& tag : tags) {
        if (tag.code != kDefineFont2) continue;
        const uint8_t flags = bytes[tag.body + 2];
        EXPECT_TRUE(flags & 0x80) << "HasLayout";
        EXPECT_TRUE(flags & 0x08) << "WideOffsets";
        const size_t nameLength = bytes[tag.body + 4];
        const size_t glyphCountAt = tag.body + 5 + nameLength;
        EXPECT_EQ(bytes[glyphCountAt] | bytes[glyphCountAt + 1] << 8, 120);
    }
}

TEST_F(MovieFile, MoreDepthsThanAMovieHoldsIsAnError)
{
    auto& holder = NewRectangle();
    for (int i = 0; i < 65536; ++i) {
        movie.AddObject(holder);  // never removed: every one needs its own depth
    }
    try {
        movie.EncodeMovie();
        ADD_FAILURE() << "encoded";
    } catch (const SwfError& e) {
        EXPECT_NE(std::string(e.what()).find("65535"), std::string::npos) << e.what();
    }
}

TEST_F(MovieFile, WriteMovieWritesTheEncodedBytes)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);
    const auto path = dir / "movie.swf";
    movie.WriteMovie(path.string());
    EXPECT_EQ(ReadBytes(path), movie.EncodeMovie());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator{}), 1)
        << "no temporary file is left beside it";
}

TEST_F(MovieFile, WrittenBytesAreHandedOverOnceAndOnlyAfterASuccessfulWrite)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);
    EXPECT_TRUE(movie.TakeWrittenMovie().empty()) << "nothing written yet";
    const auto path = dir / "movie.swf";
    movie.WriteMovie(path.string());
    EXPECT_EQ(movie.TakeWrittenMovie(), ReadBytes(path));
    EXPECT_TRUE(movie.TakeWrittenMovie().empty()) << "handed over once";

    fs::create_directories(dir / "busy.swf" / "inside");
    EXPECT_THROW(movie.WriteMovie((dir / "busy.swf").string()), SwfError);
    EXPECT_TRUE(movie.TakeWrittenMovie().empty()) << "a failed write hands over nothing";
}

TEST_F(MovieFile, FailedWriteLeavesNoPartialFile)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);
    // The target is a folder that is not empty: the rename over it fails.
    fs::create_directories(dir / "movie.swf" / "inside");
    EXPECT_THROW(movie.WriteMovie((dir / "movie.swf").string()), SwfError);
    EXPECT_TRUE(fs::is_directory(dir / "movie.swf" / "inside")) << "the target is untouched";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator{}), 1);
    // A folder that does not exist.
    EXPECT_THROW(movie.WriteMovie((dir / "no" / "such" / "movie.swf").string()), SwfError);
}

}  // namespace
}  // namespace glimmora::test
