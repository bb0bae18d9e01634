// Pictures with transparency: a PNG file keeps its alpha channel in the
// movie, as lossless premultiplied ARGB or as a JPEG with an alpha plane,
// whichever suits the picture; damaged PNG files are refused naming the file.

#include "EncoderFixture.h"
#include "TestMedia.h"

#include "effects/picture/import/JpegDecoder.h"
#include "support/SwfCheck.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <cmath>
#include <fstream>
#include <functional>

namespace glimmora::test {
namespace {

using Rgba = std::array<uint8_t, 4>;

class TransparentPicture : public EncoderFixture {
protected:
    TempDir dir;

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        WriteBytes(dir / name, bytes);
        return (dir / name).string();
    }

    // The movie with the picture file placed at frame 0, and its one bitmap.
    swf::Bitmap PlacedBitmap(const std::string& file, int width, int height)
    {
        auto& picture = NewHolder();
        picture.MakePicture(0, 0, width * 20.0, height * 20.0, width, height, file);
        movie.AddObject(picture);
        written = movie.EncodeMovie();
        const swf::DecodedMovie decoded = swf::DecodeMovie(written.data(), written.size());
        for (const auto& [id, character] : decoded.dictionary)
            if (const auto* bitmap = std::get_if<swf::Bitmap>(character.get())) return *bitmap;
        throw std::runtime_error("the movie has no bitmap");
    }

    std::vector<uint8_t> written;
};

// A drawing: flat colours, a half transparent band and a clear corner.
Rgba Logo(int x, int y)
{
    if (x < 2 && y < 2) return {0, 0, 255, 0};
    if (y == 2) return {255, 0, 0, 128};
    if (x == 3 && y == 3) return {10, 20, 30, 51};
    return {255, 200, 0, 255};
}

// A photograph: noise everywhere, inside a soft round edge.
Rgba Photo(int x, int y)
{
    const uint32_t noise = uint32_t(x * 7919 + y * 104729) * 2654435761u;
    const double distance = std::hypot(x - 63.5, y - 63.5);
    const int alpha = std::clamp(int(std::lround((60 - distance) * 32)), 0, 255);
    return {uint8_t(noise >> 24), uint8_t(noise >> 16), uint8_t(noise >> 8), uint8_t(alpha)};
}

TEST_F(TransparentPicture, DrawingIsLosslessWithColoursPremultipliedByAlpha)
{
    const swf::Bitmap bitmap = PlacedBitmap(Write("Logo.png", MakePng(4, 4, Logo)), 4, 4);
    ASSERT_EQ(bitmap.kind, swf::Bitmap::Kind::Lossless);
    EXPECT_TRUE(bitmap.losslessAlpha) << "DefineBitsLossless2";
    EXPECT_EQ(bitmap.losslessFormat, 5);
    EXPECT_EQ(bitmap.width, 4);
    EXPECT_EQ(bitmap.height, 4);
    ASSERT_EQ(bitmap.data.size(), 4u * 4 * 4);
    const auto argb = [&](int x, int y) {
        const uint8_t* p = &bitmap.data[size_t(y * 4 + x) * 4];
        return Rgba{p[0], p[1], p[2], p[3]};
    };
    EXPECT_EQ(argb(0, 0), (Rgba{0, 0, 0, 0})) << "clear: no colour left";
    EXPECT_EQ(argb(2, 0), (Rgba{255, 255, 200, 0})) << "opaque: as it is";
    EXPECT_EQ(argb(1, 2), (Rgba{128, 128, 0, 0})) << "half red";
    EXPECT_EQ(argb(3, 3), (Rgba{51, 2, 4, 6})) << "rounded to the nearest";
}

TEST_F(TransparentPicture, PhotographIsAJpegWithItsAlphaPlane)
{
    const std::vector<uint8_t> png = MakePng(128, 128, Photo);
    const swf::Bitmap bitmap = PlacedBitmap(Write("Photo.png", png), 128, 128);
    ASSERT_EQ(bitmap.kind, swf::Bitmap::Kind::JpegWithAlpha);
    ASSERT_EQ(bitmap.alpha.size(), 128u * 128);
    for (int y = 0; y < 128; y += 9)
        for (int x = 0; x < 128; x += 7) ASSERT_EQ(bitmap.alpha[size_t(y) * 128 + size_t(x)], Photo(x, y)[3]);
    // Colours are premultiplied: where the picture is clear, they are black.
    const RgbImage colours = DecodeJpeg(bitmap.data.data(), bitmap.data.size());
    ASSERT_EQ(colours.width, 128);
    for (int corner : {0, 127}) {
        const uint8_t* p = colours.Row(corner) + 3 * corner;
        EXPECT_LE(p[0] + p[1] + p[2], 12) << corner;
    }
    EXPECT_LT(written.size(), png.size()) << "smaller in the movie than as a lossless file";
}

TEST_F(TransparentPicture, UnusablePngFilesAreRefusedNamingTheFile)
{
    const std::vector<uint8_t> png = MakePng(16, 16, Logo);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* says;
    } cases[] = {
        {"jpeg.png", MakeJpeg(8, 8), "not a PNG"},
        {"empty.png", {}, "not a PNG"},
        {"cut.png", std::vector<uint8_t>(png.begin(), png.begin() + long(png.size() / 2)), "damaged"},
        {"header.png", std::vector<uint8_t>(png.begin(), png.begin() + 8), "damaged"},
    };
    for (const auto& c : cases) {
        const std::string file = Write(c.name, c.bytes);
        try {
            NewHolder().MakePicture(0, 0, 100, 100, 16, 16, file);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const SwfError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(file), std::string::npos) << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
        }
    }
}

TEST_F(TransparentPicture, IndependentParserReadsBothForms)
{
    GLIMMORA_REQUIRE_SWFCHECK();
    auto& logo = NewHolder();
    logo.MakePicture(0, 0, 80, 80, 4, 4, Write("Logo.png", MakePng(4, 4, Logo)));
    movie.AddObject(logo);
    auto& photo = NewHolder();
    photo.MakePicture(0, 0, 2560, 2560, 128, 128, Write("Photo.png", MakePng(128, 128, Photo)));
    movie.AddObject(photo);
    const auto swf = dir / "both.swf";
    movie.WriteMovie(swf.string());
    const SwfCheckResult check = SwfCheckParse(swf);
    EXPECT_TRUE(check.ok) << check.report;
    EXPECT_EQ(check.warnings, 0) << check.report;
    EXPECT_NE(check.report.find("\"DefineBitsLossless2\": 1"), std::string::npos) << check.report;
    EXPECT_NE(check.report.find("\"DefineBitsJPEG3\": 1"), std::string::npos) << check.report;
}

}  // namespace
}  // namespace glimmora::test
