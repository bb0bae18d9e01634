// The picture import of PNG, GIF and WebP files through Qt's readers: a
// picture with transparency is stored as a lossless PNG beside the project,
// an opaque one as the JPEG of quality 75; the object's picture lives in one
// form only. A picture larger than 800 x 600 is offered a scale-down.

#include "JpegFixtures.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/PictureError.h"
#include "effects/picture/import/PictureImport.h"
#include "support/CollectingReporter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <fstream>
#include <iterator>

namespace glimmora::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Two frames of 4 x 4: first red with its two top-left pixels transparent,
// then all green.
const Bytes kTwoFrameGif{
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf1, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0x00,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x01, 0x0a, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
    0x00, 0x00, 0x04, 0x00, 0x04, 0x00, 0x00, 0x02, 0x0a, 0x04, 0x98, 0x30, 0x61, 0xc2, 0x84, 0x09, 0x13, 0x26,
    0x05, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04,
    0x00, 0x00, 0x02, 0x0a, 0x94, 0x28, 0x51, 0xa2, 0x44, 0x89, 0x12, 0x25, 0x4a, 0x05, 0x00, 0x3b};

// A picture opaque white left of column `edge` and clear black from there.
QImage HalfClear(int width, int height, int edge)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, x < edge ? qRgba(255, 255, 255, 255) : qRgba(0, 0, 0, 0));
    return image;
}

QImage Opaque(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(30, 160, 90));
    return image;
}

class TransparentImport : public ::testing::Test {
protected:
    TransparentImport()
    {
        WriteFile(jpeg, {'o', 'l', 'd', 'j'});
        WriteFile(png, {'o', 'l', 'd', 'p'});
    }

    std::filesystem::path Save(const QImage& image, const std::string& name, const char* format, int quality = -1)
    {
        const auto file = dir / name;
        EXPECT_TRUE(image.save(QString::fromStdString(file.string()), format, quality)) << name;
        return file;
    }
    std::optional<StoredPicture> Import(const std::filesystem::path& source)
    {
        return ImportPicture(source, {jpeg, png}, reporter);
    }
    QImage Stored(const std::filesystem::path& file) const
    {
        return QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGBA8888);
    }

    TempDir dir;
    std::filesystem::path jpeg = dir / "Pic_1.jpg";
    std::filesystem::path png = dir / "Pic_1.png";
    CollectingReporter reporter;
};

struct FormatCase {
    const char* name;
    const char* file;
    const char* format;
    int quality;
};

class TransparentSource : public TransparentImport, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(TransparentSource, IsStoredLosslessAsPngAndTheJpegGoes)
{
    const FormatCase& c = GetParam();
    const QImage source = HalfClear(40, 10, 20);
    const auto stored = Import(Save(source, c.file, c.format, c.quality));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->file, png);
    EXPECT_TRUE(stored->transparent);
    EXPECT_EQ(stored->width, 40);
    EXPECT_EQ(stored->height, 10);
    EXPECT_EQ(Stored(png), source) << "every pixel and its alpha as chosen";
    EXPECT_FALSE(std::filesystem::exists(jpeg)) << "the picture is found in one form only";
    EXPECT_TRUE(reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, TransparentSource,
                         ::testing::Values(FormatCase{"Png", "logo.png", "PNG", -1},
                                           FormatCase{"WebpLossless", "logo.WEBP", "WEBP", 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransparentImport, OpaquePngIsStoredAsTheJpegAndThePngGoes)
{
    const auto stored = Import(Save(Opaque(64, 48), "flat.png", "PNG"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->file, jpeg);
    EXPECT_FALSE(stored->transparent);
    const Bytes bytes = ReadFile(jpeg);
    EXPECT_EQ(LuminanceQuantDc(bytes), 8) << "quality 75";
    const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(image.width, 64);
    EXPECT_NEAR(image.Row(20)[3 * 30 + 1], 160, 4);
    EXPECT_FALSE(std::filesystem::exists(png));
}

TEST_F(TransparentImport, GifGivesItsFirstFrameWithItsTransparentColour)
{
    WriteFile(dir / "blink.gif", kTwoFrameGif);
    const auto stored = Import(dir / "blink.gif");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->file, png);
    const QImage image = Stored(png);
    ASSERT_EQ(image.size(), QSize(4, 4));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(3, 3), qRgba(255, 0, 0, 255)) << "the first frame, not the green second";
}

TEST_F(TransparentImport, SourceThatIsTheOtherFormIsNeverRemoved)
{
    // The user's own opaque Pic_1.png beside the project becomes Pic_1.jpg.
    const QImage opaque = Opaque(8, 8);
    Save(opaque, "Pic_1.png", "PNG");
    const auto stored = Import(png);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->file, jpeg);
    EXPECT_EQ(Stored(png), opaque.convertToFormat(QImage::Format_RGBA8888));
}

struct ScaleCase {
    const char* name;
    int width, height;
    bool yes;
    int storedWidth, storedHeight;  // 0: nothing stored
};

class ScaleDown : public TransparentImport, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleDown, LargerPictureIsOfferedAFitKeepingItsAspect)
{
    const ScaleCase& c = GetParam();
    reporter.answers = {c.yes};
    const auto source = Save(Opaque(c.width, c.height), "big.png", "PNG");
    const auto stored = Import(source);
    ASSERT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(reporter.questions[0], ScaleDownQuestion(c.width, c.height));
    if (c.storedWidth == 0) {
        EXPECT_FALSE(stored);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{kPictureTooLarge});
        EXPECT_EQ(ReadFile(jpeg), (Bytes{'o', 'l', 'd', 'j'}));
        EXPECT_EQ(ReadFile(png), (Bytes{'o', 'l', 'd', 'p'}));
        return;
    }
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->width, c.storedWidth);
    EXPECT_EQ(stored->height, c.storedHeight);
    EXPECT_TRUE(reporter.messages.empty());
    const Bytes bytes = ReadFile(jpeg);
    const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
    EXPECT_EQ(image.width, c.storedWidth);
    EXPECT_EQ(image.height, c.storedHeight);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaleDown,
                         ::testing::Values(ScaleCase{"FourThirds", 1600, 1200, true, 800, 600},
                                           ScaleCase{"Wide", 2000, 300, true, 800, 120},
                                           ScaleCase{"TallByOnePixel", 100, 601, true, 100, 600},
                                           ScaleCase{"NoKeepsTheRefusal", 801, 100, false, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScaleDownQuestion, NamesBothSizes)
{
    EXPECT_EQ(ScaleDownQuestion(1024, 1024),
              "The picture is 1024 x 1024 pixels, larger than 800 x 600.\nScale it down to 600 x 600?");
}

TEST_F(TransparentImport, ScalingDownKeepsClearPixelsFromDarkeningTheEdge)
{
    reporter.answers = {true};
    // The edge falls inside pixel 400 of the scaled picture.
    const auto stored = Import(Save(HalfClear(1600, 1200, 801), "edge.png", "PNG"));
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->width, 800);
    const QImage image = Stored(png);
    EXPECT_NEAR(qAlpha(image.pixel(400, 300)), 128, 8);
    // Every pixel that is not clear is still white, the edge's too.
    for (int x = 395; x < 405; ++x) {
        const QRgb p = image.pixel(x, 300);
        if (qAlpha(p) == 0) continue;
        EXPECT_GE(qRed(p), 250) << x;
        EXPECT_GE(qBlue(p), 250) << x;
    }
    EXPECT_EQ(qAlpha(image.pixel(100, 300)), 255);
    EXPECT_EQ(qAlpha(image.pixel(700, 300)), 0);
}

struct DamagedCase {
    const char* name;
    const char* file;
    std::function<Bytes()> bytes;
};

class DamagedSource : public TransparentImport, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedSource, IsAnErrorNamingTheFileAndKeepsBothTargets)
{
    const auto source = dir / GetParam().file;
    WriteFile(source, GetParam().bytes());
    try {
        Import(source);
        FAIL() << "no error";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find(source.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadFile(jpeg), (Bytes{'o', 'l', 'd', 'j'}));
    EXPECT_EQ(ReadFile(png), (Bytes{'o', 'l', 'd', 'p'}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSource,
    ::testing::Values(DamagedCase{"JpegNamedPng", "photo.png", [] { return WriteTestJpeg({}); }},
                      DamagedCase{"TruncatedGif", "cut.gif",
                                  [] { return Bytes(kTwoFrameGif.begin(), kTwoFrameGif.begin() + 30); }},
                      DamagedCase{"TextNamedWebp", "notes.webp", [] { return Bytes{'R', 'I', 'F', 'F', 0, 0}; }},
                      DamagedCase{"EmptyPng", "empty.png", [] { return Bytes{}; }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
