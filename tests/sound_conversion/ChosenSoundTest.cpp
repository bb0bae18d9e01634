#include "effects/sound/conversion/ChosenSound.h"

#include "support/ProjectFixtures.h"
#include "support/SoundFixtures.h"
#include "support/TempDir.h"

#include "swf/encoder/WaveInspector.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace glimmora {
namespace {

// A project folder and a temporary folder, both with blanks in their names;
// TEMP points at the latter for the test's duration.
class ChosenSoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("TEMP")) oldTemp_ = old;
        std::filesystem::create_directory(tempFolder);
        std::filesystem::create_directory(projectFolder);
        setenv("TEMP", tempFolder.c_str(), 1);
    }
    void TearDown() override
    {
        if (oldTemp_) setenv("TEMP", oldTemp_->c_str(), 1);
        else unsetenv("TEMP");
    }

    SoundConversionResult Choose(const std::filesystem::path& source)
    {
        return ConvertChosenSound(source.string(), objectWave, [&](std::uint64_t cur, std::uint64_t num, bool&) {
            percents.push_back(WaveProgressPercent(cur, num));
        });
    }

    void ExpectObjectSound(int bits, double seconds)
    {
        const test::WrittenWave w = test::InspectWritten(objectWave);
        EXPECT_EQ(w.tag, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.bits, bits);
        const std::vector<float> samples = test::ReadMonoSamples(objectWave);
        EXPECT_NEAR(double(samples.size()), seconds * 22050, 2.0);
        EXPECT_NEAR(test::CountZeroCrossings(samples), 2000 * seconds, 3);
    }

    test::TempDir dir;
    std::filesystem::path tempFolder = dir / "temp folder";
    std::filesystem::path projectFolder = dir / "my project";
    std::filesystem::path objectWave = projectFolder / "Sound_1.wav";
    std::vector<int> percents;

private:
    std::optional<std::string> oldTemp_;
};

test::SineSpec Sine(int rate, int channels, int bits)
{
    test::SineSpec s;
    s.rate = rate;
    s.channels = channels;
    s.bits = bits;
    return s;
}

TEST_F(ChosenSoundTest, APcmChoiceIsInstalledAndRecordedUnderItsOwnName)
{
    const auto source = dir / "my sounds" / "ring tone.wav";
    std::filesystem::create_directory(source.parent_path());
    test::WriteSineWave(source, Sine(44100, 2, 16));

    const SoundConversionResult result = Choose(source);
    ASSERT_EQ(result.status, SoundConversionStatus::Converted) << result.message;
    EXPECT_EQ(result.content, source.string());
    ExpectObjectSound(16, 1.0);
    EXPECT_FALSE(std::filesystem::exists(TemporarySoundFile())) << "the converted file is moved, not copied";
    EXPECT_TRUE(std::filesystem::exists(source)) << "the chosen file is left alone";

    ASSERT_FALSE(percents.empty());
    for (std::size_t i = 1; i < percents.size(); ++i) EXPECT_GE(percents[i], percents[i - 1]);
    EXPECT_EQ(percents.back(), 100);
}

TEST_F(ChosenSoundTest, ANewChoiceReplacesTheObjectsEarlierSound)
{
    test::WriteSineWave(dir / "first.wav", Sine(11025, 1, 8));
    test::WriteSineWave(dir / "second.wav", Sine(48000, 2, 24));
    ASSERT_TRUE(Choose(dir / "first.wav").Converted());
    ExpectObjectSound(16, 1.0);

    const SoundConversionResult result = Choose(dir / "second.wav");
    ASSERT_TRUE(result.Converted()) << result.message;
    EXPECT_EQ(result.content, (dir / "second.wav").string());
    ExpectObjectSound(16, 1.0);
}

// The movie takes only 16-bit sounds: a choice of any sample size becomes
// one that every later build can use.
TEST_F(ChosenSoundTest, EverySampleSizeBecomesASoundTheMovieTakes)
{
    for (int bits : {8, 16, 24, 32}) {
        SCOPED_TRACE(bits);
        const auto source = dir / ("tone" + std::to_string(bits) + ".wav");
        test::WriteSineWave(source, Sine(48000, 1, bits));
        ASSERT_TRUE(Choose(source).Converted());
        ExpectObjectSound(16, 1.0);
        const std::string bytes = test::ReadFile(objectWave);
        EXPECT_NO_THROW(swf::ParseWave(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "Sound_1.wav"));
    }
}

TEST_F(ChosenSoundTest, AnMp3IsDecodedAndRecordedAsTheTemporaryWave)
{
    test::WriteSineWave(dir / "for lame.wav", Sine(44100, 2, 16));
    const auto mp3 = dir / "LOUD SONG.MP3";
    if (!test::MakeMp3WithLame(dir / "for lame.wav", mp3))
        GTEST_SKIP() << "the lame program is not installed (scripts/install-deps.sh installs it)";

    const SoundConversionResult result = Choose(mp3);
    ASSERT_EQ(result.status, SoundConversionStatus::Converted) << result.message;
    EXPECT_EQ(result.content, (tempFolder / "test.wav").string());
    EXPECT_EQ(result.content, TemporarySoundFile().string());
    // MP3 decoders may add or drop a few milliseconds at the ends.
    const test::WrittenWave w = test::InspectWritten(objectWave);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050u);
    EXPECT_EQ(w.bits, 16);
    const std::vector<float> samples = test::ReadMonoSamples(objectWave);
    EXPECT_NEAR(double(samples.size()), 22050, 22050 * 0.06);
    EXPECT_NEAR(test::CountZeroCrossings(samples), 2000, 2000 * 0.06);
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);
}

// Choices that convert nothing: the object keeps its sound, nothing is to be
// recorded, and whatever lay under the temporary name stays there.
struct RefusedCase {
    const char* name;
    void (*make)(const std::filesystem::path& file);
    const char* fileName;
    SoundConversionStatus status;
    const char* message;  // exact for NotPcm; else a part that must appear
};

class ChosenSoundRefusedTest : public ChosenSoundTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(ChosenSoundRefusedTest, NothingIsInstalledAndTheCallerIsToldWhy)
{
    const RefusedCase& c = GetParam();
    const auto source = dir / c.fileName;
    c.make(source);
    const std::vector<std::uint8_t> earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
    const std::vector<std::uint8_t> stale = {'s', 't', 'a', 'l', 'e'};
    test::WriteBytes(objectWave, earlier);
    test::WriteBytes(TemporarySoundFile(), stale);

    const SoundConversionResult result = Choose(source);
    EXPECT_EQ(result.status, c.status);
    EXPECT_FALSE(result.Converted());
    EXPECT_TRUE(result.content.empty());
    if (c.status == SoundConversionStatus::NotPcm)
        EXPECT_EQ(result.message, "Something error!");
    else {
        EXPECT_NE(result.message.find(source.string()), std::string::npos) << result.message;
        EXPECT_NE(result.message.find(c.message), std::string::npos) << result.message;
    }
    EXPECT_EQ(test::ReadBytes(objectWave), earlier);
    EXPECT_EQ(test::ReadBytes(TemporarySoundFile()), stale);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tempFolder), {}), 1) << "a scratch file was left";
}

void MakeAdpcm(const std::filesystem::path& f) { test::WriteAdpcmWave(f); }
void MakeTag2(const std::filesystem::path& f)
{
    test::WriteBytes(f, test::RiffBytes()
                            .Chunk("fmt ", test::FormatBody(2, 1, 22050, 4, {2, 0, 0xF4, 0x07}))
                            .Chunk("data", std::vector<std::uint8_t>(1024, 0x77))
                            .Bytes());
}
void MakeFloat(const std::filesystem::path& f)
{
    test::WriteBytes(f, test::RiffBytes()
                            .Chunk("fmt ", test::FormatBody(3, 1, 44100, 32))
                            .Chunk("data", std::vector<std::uint8_t>(1024, 0))
                            .Bytes());
}
void MakeCutHeader(const std::filesystem::path& f)
{
    test::WriteSineWave(f, Sine(44100, 2, 16));
    std::vector<std::uint8_t> bytes = test::ReadBytes(f);
    bytes.resize(30);
    test::WriteBytes(f, bytes);
}
void MakeText(const std::filesystem::path& f)
{
    const std::string text = "This is a shopping list, not a sound.\n";
    test::WriteBytes(f, std::vector<std::uint8_t>(text.begin(), text.end()));
}
void MakeNothing(const std::filesystem::path&) {}

INSTANTIATE_TEST_SUITE_P(
    Refused, ChosenSoundRefusedTest,
    testing::Values(
        RefusedCase{"ImaAdpcm", MakeAdpcm, "adpcm.wav", SoundConversionStatus::NotPcm, ""},
        RefusedCase{"HandMadeTag2", MakeTag2, "ms adpcm.wav", SoundConversionStatus::NotPcm, ""},
        RefusedCase{"FloatSamples", MakeFloat, "float.wav", SoundConversionStatus::NotPcm, ""},
        RefusedCase{"HeaderCutOff", MakeCutHeader, "cut.wav", SoundConversionStatus::Failed, "damaged format"},
        RefusedCase{"TextAsWav", MakeText, "list.wav", SoundConversionStatus::Failed, "not a RIFF WAVE"},
        RefusedCase{"TextAsMp3", MakeText, "list.mp3", SoundConversionStatus::Failed, "Cannot read"},
        RefusedCase{"Missing", MakeNothing, "missing.wav", SoundConversionStatus::Failed, "Cannot open"},
        RefusedCase{"MissingMp3", MakeNothing, "missing.mp3", SoundConversionStatus::Failed, "Cannot read"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST_F(ChosenSoundTest, AnObjectFileThatCannotBeWrittenIsReportedAndNothingRecorded)
{
    test::WriteSineWave(dir / "fine.wav", Sine(44100, 2, 16));
    objectWave = dir / "no such folder" / "Sound_1.wav";
    const SoundConversionResult result = Choose(dir / "fine.wav");
    EXPECT_EQ(result.status, SoundConversionStatus::Failed);
    EXPECT_TRUE(result.content.empty());
    EXPECT_NE(result.message.find("Sound_1.wav"), std::string::npos) << result.message;
}

TEST_F(ChosenSoundTest, ACancelledConversionInstallsNothing)
{
    test::WriteSineWave(dir / "fine.wav", Sine(44100, 2, 16));
    const std::vector<std::uint8_t> earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
    test::WriteBytes(objectWave, earlier);
    const SoundConversionResult result =
        ConvertChosenSound((dir / "fine.wav").string(), objectWave, [](std::uint64_t, std::uint64_t, bool& cancel) {
            cancel = true;
        });
    EXPECT_EQ(result.status, SoundConversionStatus::Cancelled);
    EXPECT_TRUE(result.content.empty());
    EXPECT_EQ(test::ReadBytes(objectWave), earlier);
}

}  // namespace
}  // namespace glimmora
