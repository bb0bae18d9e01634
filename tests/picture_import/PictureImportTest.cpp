// The picture import of opaque pictures: BMP and JPEG files become the stored
// JPEG at quality 75, at most 800 x 600; anything else leaves the target as
// it was.

#include "BmpBuilder.h"
#include "JpegFixtures.h"
#include "effects/picture/import/PictureImport.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/PictureError.h"
#include "support/CollectingReporter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace glimmora::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<std::uint8_t, 3>;

void WriteFile(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

Rgb Gradient(int x, int y) { return {std::uint8_t(x % 256), std::uint8_t(y % 256), 128}; }

// A folder with a target that already holds an earlier picture.
class Import : public ::testing::Test {
protected:
    Import() { WriteFile(target, earlier); }

    bool Convert(const std::filesystem::path& source)
    {
        const std::optional<StoredPicture> stored = ImportPicture(source, {target, dir / "Pic_1.png"}, reporter);
        if (!stored) return false;
        EXPECT_EQ(stored->file, target);
        width = stored->width;
        height = stored->height;
        return true;
    }
    // Only the target and the files the test made: no temporary file is left.
    size_t FilesInFolder() const
    {
        return size_t(std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
    }

    TempDir dir;
    std::filesystem::path target = dir / "Pic_1.jpg";
    const Bytes earlier{'e', 'a', 'r', 'l', 'i', 'e', 'r'};
    CollectingReporter reporter;
    int width = -1;
    int height = -1;
};

TEST_F(Import, BitmapBecomesAJpegOfItsSize)
{
    const auto source = dir / "photo.bmp";
    WriteFile(source, BuildBmp24(640, 480, Gradient));
    ASSERT_TRUE(Convert(source));
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_TRUE(reporter.messages.empty());
    const Bytes stored = ReadFile(target);
    EXPECT_EQ(LuminanceQuantDc(stored), 8);  // quality 75
    const RgbImage image = DecodeJpeg(stored.data(), stored.size());
    ASSERT_EQ(image.width, 640);
    ASSERT_EQ(image.height, 480);
    const std::uint8_t* p = image.Row(100) + 3 * 200;
    EXPECT_NEAR(p[0], 200, 8);
    EXPECT_NEAR(p[1], 100, 8);
    EXPECT_NEAR(p[2], 128, 8);
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(Import, JpegOfHigherQualityIsStoredAgainAtQuality75)
{
    const auto source = dir / "Holiday.JPEG";
    const Bytes original = WriteTestJpeg({.width = 320, .height = 200, .quality = 95, .colour = Gradient});
    ASSERT_EQ(LuminanceQuantDc(original), 2);
    WriteFile(source, original);
    ASSERT_TRUE(Convert(source));
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 200);
    const Bytes stored = ReadFile(target);
    EXPECT_NE(stored, original);
    EXPECT_EQ(LuminanceQuantDc(stored), 8);
    EXPECT_EQ(ReadFile(source), original);
}

struct SizeCase {
    const char* name;
    const char* extension;
    int width, height;
    bool fits;
};

class ImportSize : public Import, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(ImportSize, OnlyPicturesUpTo800By600AreStored)
{
    const SizeCase& c = GetParam();
    const auto source = dir / (std::string("picture") + c.extension);
    if (std::string(c.extension) == ".bmp")
        WriteFile(source, BuildBmp24(c.width, c.height, Gradient));
    else
        WriteFile(source, WriteTestJpeg({.width = c.width, .height = c.height, .quality = 50, .colour = Gradient}));

    EXPECT_EQ(Convert(source), c.fits);
    if (c.fits) {
        EXPECT_TRUE(reporter.messages.empty());
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    } else {
        EXPECT_EQ(reporter.messages, std::vector<std::string>{"The picture width>800 or height>600!"});
        EXPECT_EQ(ReadFile(target), earlier);
        EXPECT_EQ(width, -1);
        EXPECT_EQ(height, -1);
    }
    EXPECT_EQ(FilesInFolder(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ImportSize,
                         ::testing::Values(SizeCase{"Bmp800x600", ".bmp", 800, 600, true},
                                           SizeCase{"Jpeg800x600", ".jpg", 800, 600, true},
                                           SizeCase{"Jpeg801x100", ".jpg", 801, 100, false},
                                           SizeCase{"Bmp100x601", ".bmp", 100, 601, false},
                                           SizeCase{"Bmp801x100", ".bmp", 801, 100, false},
                                           SizeCase{"Jpeg100x601", ".jpg", 100, 601, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadFileCase {
    const char* name;
    const char* file;
    std::function<Bytes()> bytes;
};

class ImportBadFile : public Import, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(ImportBadFile, RaisesAnErrorNamingTheFileAndKeepsTheTarget)
{
    const auto source = dir / GetParam().file;
    WriteFile(source, GetParam().bytes());
    try {
        Convert(source);
        FAIL() << "no error";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find(source.string()), std::string::npos) << e.what();
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(ReadFile(target), earlier);
    EXPECT_EQ(FilesInFolder(), 2u);
}

Bytes SmallJpeg() { return WriteTestJpeg({.width = 40, .height = 30}); }

INSTANTIATE_TEST_SUITE_P(
    Files, ImportBadFile,
    ::testing::Values(
        BadFileCase{"JpegNamedBmp", "photo.bmp", SmallJpeg},
        BadFileCase{"TextNamedJpg", "notes.jpg", [] { return Bytes{'n', 'o', 't', 'e', 's'}; }},
        BadFileCase{"BmpNamedJpeg", "photo.jpeg", [] { return BuildBmp24(4, 4, Gradient); }},
        BadFileCase{"TruncatedJpeg", "cut.jpg",
                    [] {
                        Bytes b = SmallJpeg();
                        b.resize(b.size() * 2 / 3);
                        return b;
                    }},
        BadFileCase{"TruncatedBmp", "cut.bmp",
                    [] {
                        Bytes b = BuildBmp24(40, 30, Gradient);
                        b.resize(b.size() / 2);
                        return b;
                    }},
        BadFileCase{"EmptyBmp", "empty.BMP", [] { return Bytes{}; }},
        BadFileCase{"UnknownExtension", "picture.txt", SmallJpeg},
        BadFileCase{"NoExtension", "picture", SmallJpeg}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Import, MissingSourceIsAnError)
{
    EXPECT_THROW(Convert(dir / "gone.jpg"), PictureError);
    EXPECT_EQ(ReadFile(target), earlier);
}

TEST_F(Import, OtherPictureFormatsAreDeclinedWithoutAMessage)
{
    for (const char* name : {"app.ico", "clip.wmf", "clip.emf", "scan.tif"}) {
        WriteFile(dir / name, SmallJpeg());
        EXPECT_FALSE(Convert(dir / name)) << name;
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(ReadFile(target), earlier);
    EXPECT_EQ(width, -1);
}

TEST_F(Import, ExtensionLetterCaseDoesNotMatter)
{
    for (const char* name : {"a.JPG", "b.Jpeg", "c.BmP"}) {
        const std::filesystem::path source = dir / name;
        WriteFile(source, name[0] == 'c' ? BuildBmp24(5, 3, Gradient) : SmallJpeg());
        EXPECT_TRUE(Convert(source)) << name;
    }
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 3);
}

TEST_F(Import, SourceThatIsTheTargetItselfConvertsInPlace)
{
    const Bytes original = WriteTestJpeg({.width = 50, .height = 20, .quality = 100, .colour = Gradient});
    WriteFile(target, original);
    ASSERT_TRUE(Convert(target));
    const Bytes stored = ReadFile(target);
    EXPECT_NE(stored, original);
    const RgbImage image = DecodeJpeg(stored.data(), stored.size());
    EXPECT_EQ(image.width, 50);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(Import, UnwritableTargetIsAnErrorAndLeavesNothingBehind)
{
    const auto source = dir / "photo.bmp";
    WriteFile(source, BuildBmp24(8, 8, Gradient));
    const auto missingFolder = dir / "no-such-folder" / "Pic_1.jpg";
    try {
        ImportPicture(source, {missingFolder, missingFolder.parent_path() / "Pic_1.png"}, reporter);
        FAIL() << "no error";
    } catch (const PictureError& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(width, -1);
    EXPECT_EQ(FilesInFolder(), 2u);
}

}  // namespace
}  // namespace glimmora::test
