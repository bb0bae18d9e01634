// Pictures and sounds from files: what is accepted, what is refused with a
// clear message, and the check cache.

#include "EncoderFixture.h"
#include "TestMedia.h"

#include "support/TempDir.h"
#include "swf/encoder/WaveInspector.h"

#include <filesystem>
#include <functional>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;
using Kind = swf::PlanEvent::Kind;

class Media : public EncoderFixture {
protected:
    TempDir dir;

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        WriteBytes(dir / name, bytes);
        return (dir / name).string();
    }
};

TEST_F(Media, PictureTakesTheRectangleAndTheImagesRealSize)
{
    const std::string file = Write("pic.jpg", MakeJpeg(32, 24));
    auto& holder = NewHolder();
    holder.MakePicture(200, 400, 6600, 5200, 999, 999, file);
    const auto& content = holder.CurrentContent();
    ASSERT_TRUE(content);
    EXPECT_EQ(content->kind, swf::ContentKind::Picture);
    EXPECT_EQ(content->width, 6400);
    EXPECT_EQ(content->height, 4800);
    EXPECT_EQ(content->image->width, 32);
    EXPECT_EQ(content->image->height, 24);
    EXPECT_EQ(swf::Quantise(holder.CurrentMatrix()), (swf::Matrix{65536, 65536, 0, 0, 200, 400}));
}

TEST_F(Media, UnusablePicturesAreRefusedNamingTheFile)
{
    const std::vector<uint8_t> jpeg = MakeJpeg(64, 48);
    const struct {
        const char* name;
        std::function<std::string()> make;
        const char* says;
    } cases[] = {
        {"missing", [&] { return (dir / "none.jpg").string(); }, "does not exist"},
        {"empty", [&] { return Write("empty.jpg", {}); }, "not a JPEG"},
        {"text", [&] { return Write("text.jpg", {'h', 'e', 'l', 'l', 'o'}); }, "not a JPEG"},
        {"PNG", [&] { return Write("png.jpg", {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0}); },
         "not a JPEG"},
        {"truncated",
         [&] { return Write("cut.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)); },
         "damaged"},
        {"header only",
         [&] { return Write("head.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 20)); },
         "damaged"},
        {"a folder", [&] { fs::create_directory(dir / "folder.jpg"); return (dir / "folder.jpg").string(); },
         "not a file"},
    };
    for (const auto& c : cases) {
        const std::string path = c.make();
        auto& holder = NewHolder();
        try {
            holder.MakePicture(0, 0, 100, 100, 10, 10, path);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const SwfError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(path), std::string::npos) << c.name << ": " << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << c.name << ": " << message;
        }
        EXPECT_FALSE(holder.CurrentContent()) << c.name << ": a failed Make changes nothing";
    }
}

TEST_F(Media, PictureCheckIsCachedByPathSizeAndTime)
{
    const std::vector<uint8_t> jpeg = MakeJpeg(16, 16);
    const std::string path = Write("pic.jpg", jpeg);
    auto& holder = NewHolder();
    holder.MakePicture(0, 0, 100, 100, 16, 16, path);
    const auto first = holder.CurrentContent();
    const auto stamp = fs::last_write_time(path);

    // Same size and time: taken from the cache, the file is not read again.
    std::vector<uint8_t> garbage(jpeg.size(), 0x55);
    WriteBytes(path, garbage);
    fs::last_write_time(path, stamp);
    holder.MakePicture(0, 0, 100, 100, 16, 16, path);
    EXPECT_EQ(holder.CurrentContent(), first);

    // A new time: checked again, and refused.
    fs::last_write_time(path, stamp + std::chrono::seconds(5));
    EXPECT_THROW(holder.MakePicture(0, 0, 100, 100, 16, 16, path), SwfError);
}

TEST_F(Media, EqualPictureFilesShareOneContent)
{
    const std::vector<uint8_t> jpeg = MakeJpeg(16, 16);
    auto& a = NewHolder();
    auto& b = NewHolder();
    a.MakePicture(0, 0, 320, 320, 16, 16, Write("a.jpg", jpeg));
    b.MakePicture(500, 500, 820, 820, 16, 16, Write("b.jpg", jpeg));
    EXPECT_EQ(a.CurrentContent(), b.CurrentContent());
    b.MakePicture(500, 500, 900, 820, 16, 16, Write("b.jpg", jpeg));
    EXPECT_NE(a.CurrentContent(), b.CurrentContent()) << "another size is another shape";
    EXPECT_EQ(a.CurrentContent()->image, b.CurrentContent()->image) << "but the same bitmap";
}

TEST_F(Media, OnlySixteenBitMonoPcmSoundsAreAccepted)
{
    const struct {
        const char* name;
        WaveSpec fixture;
        const char* says;
    } refused[] = {
        {"stereo", {1, 2, 22050, 16, 10}, "2 channels"},
        {"8-bit", {1, 1, 22050, 8, 10}, "8-bit"},
        {"ADPCM", {2, 1, 22050, 4, 10}, "compressed"},
        {"float", {3, 1, 22050, 32, 10}, "compressed"},
        {"8 kHz", {1, 1, 8000, 16, 10}, "8000 Hz"},
    };
    for (const auto& c : refused) {
        const std::string path = Write(std::string(c.name) + ".wav", MakeWave(c.fixture));
        auto& holder = NewHolder();
        try {
            holder.MakeSound(path);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const SwfError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.says), std::string::npos) << c.name << ": " << message;
            EXPECT_NE(message.find(path), std::string::npos) << c.name << ": " << message;
        }
    }
    for (uint32_t rate : {5512u, 11025u, 22050u, 44100u}) {
        auto& holder = NewHolder();
        holder.MakeSound(Write("ok.wav", MakeWave({1, 1, rate, 16, 10})));
        ASSERT_TRUE(holder.CurrentContent());
        EXPECT_EQ(holder.CurrentContent()->sound->rate, rate);
        EXPECT_EQ(holder.CurrentContent()->sound->samples.size(), 20u);
    }
}

TEST(WaveParsing, DamagedFilesNeverReadOutOfBounds)
{
    const std::vector<uint8_t> good = MakeWave({1, 1, 22050, 16, 50});
    auto parse = [](std::vector<uint8_t> bytes) {
        return swf::ParseWave(bytes.data(), bytes.size(), "x.wav");
    };
    // The data chunk claims more than the file holds: the samples that are there.
    std::vector<uint8_t> longData = good;
    longData[40] = 0xFF;
    longData[41] = 0xFF;
    longData[42] = 0xFF;
    longData[43] = 0x7F;
    EXPECT_EQ(parse(longData).samples.size(), 100u);
    // Cut in the middle of the data, on an odd byte: whole samples only.
    std::vector<uint8_t> cut(good.begin(), good.begin() + 44 + 33);
    EXPECT_EQ(parse(cut).samples.size(), 32u);
    // A format chunk that claims to run past the end.
    std::vector<uint8_t> hugeFormat = good;
    hugeFormat[16] = 0xF0;
    hugeFormat[19] = 0xF0;
    EXPECT_THROW(parse(hugeFormat), SwfError);
    // Cut inside the format chunk, and not a WAVE at all.
    EXPECT_THROW(parse(std::vector<uint8_t>(good.begin(), good.begin() + 30)), SwfError);
    EXPECT_THROW(parse(std::vector<uint8_t>(good.begin(), good.begin() + 11)), SwfError);
    std::vector<uint8_t> riffOnly = good;
    riffOnly[8] = 'X';
    EXPECT_THROW(parse(riffOnly), SwfError);
    // No data chunk.
    EXPECT_THROW(parse(std::vector<uint8_t>(good.begin(), good.begin() + 36)), SwfError);
}

TEST_F(Media, SoundPlacedAndRemovedInOneFramePlaysToItsEnd)
{
    const std::string path = Write("s.wav", MakeWave({}));
    const struct {
        int add, remove;
        size_t stops;
    } cases[] = {{0, 0, 0}, {3, 3, 0}, {2, 7, 1}, {5, 1, 0}};
    for (const auto& c : cases) {
        movie.SetSize(2000, 2000);
        auto& sound = NewHolder();
        sound.MakeSound(path);
        movie.GotoFrame(c.add);
        movie.AddObject(sound);
        movie.GotoFrame(c.remove);
        movie.RemoveObject(sound);
        const auto plan = Plan();
        EXPECT_EQ(CountEvents(Kind::StartSound), 1u) << c.add << "-" << c.remove;
        EXPECT_EQ(CountEvents(Kind::StopSound), c.stops) << c.add << "-" << c.remove;
        EXPECT_EQ(plan.depthCount, 0u) << "sounds take no depth";
        for (const auto& e : plan.events) {
            if (e.kind == Kind::StartSound) { EXPECT_EQ(e.frame, c.add); }
            if (e.kind == Kind::StopSound) { EXPECT_EQ(e.frame, c.remove); }
        }
    }
}

}  // namespace
}  // namespace glimmora::test
