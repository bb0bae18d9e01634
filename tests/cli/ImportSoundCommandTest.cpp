// glimmora-cli import-sound: a sound converted beside the project as the
// sound editor converts it, so that a movie with sound needs no editor.

#include "app/cli/TerminalProgress.h"
#include "support/ProjectFixtures.h"
#include "support/SoundFixtures.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <sstream>
#include <variant>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<swf::Sound> SoundsOf(const fs::path& movieFile)
{
    std::vector<swf::Sound> sounds;
    for (const auto& [id, ch] : swf::DecodeMovieFile(movieFile.string()).dictionary)
        if (const auto* sound = std::get_if<swf::Sound>(ch.get())) sounds.push_back(*sound);
    return sounds;
}

class CliImportSound : public ::testing::Test {
protected:
    void SetUp() override { WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 0, 0))); }
    TempDir dir;
    fs::path project = dir / "song.gmr";
};

TEST_F(CliImportSound, ConvertsToMonoAt22050AndTheMovieHasTheSound)
{
    WriteSineWave(dir / "tune.wav", {.rate = 44100, .channels = 2, .bits = 16, .seconds = 0.5});
    const ProcessResult run = RunCli({"import-sound", project.string(), "Sound_1", (dir / "tune.wav").string(), "--new"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "Sound_1: sound 16-bit mono 22050 Hz, 0.5 seconds, stored as " +
                                      (dir / "Sound_1.wav").string()))
        << run.out;
    EXPECT_FALSE(Contains(run.err, "\r")) << "no progress bar when the output is no terminal";

    const WrittenWave wave = InspectWritten(dir / "Sound_1.wav");
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 22050u);
    EXPECT_EQ(wave.bits, 16);
    EXPECT_TRUE(Contains(ReadFile(project), "<Content>" + (dir / "tune.wav").string() + "</Content>"));

    ASSERT_EQ(RunCli({"build", project.string()}).exitCode, 0);
    const auto sounds = SoundsOf(dir / "song.swf");
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].rate, 22050u);
    EXPECT_FALSE(sounds[0].stereo);

    // A second choice replaces the object's sound.
    WriteSineWave(dir / "short.wav", {.rate = 22050, .channels = 1, .bits = 16, .seconds = 0.1});
    ASSERT_EQ(RunCli({"import-sound", project.string(), "Sound_1", (dir / "short.wav").string()}).exitCode, 0);
    EXPECT_EQ(InspectWritten(dir / "Sound_1.wav").dataSize, 2205u * 2);
}

TEST_F(CliImportSound, AnMp3IsDecodedAndItsOwnNameRecorded)
{
    WriteSineWave(dir / "for lame.wav", {.rate = 44100, .channels = 2, .bits = 16, .seconds = 0.5});
    const auto mp3 = dir / "Loud Song.MP3";
    if (!MakeMp3WithLame(dir / "for lame.wav", mp3))
        GTEST_SKIP() << "the lame program is not installed (scripts/install-deps.sh installs it)";
    const ProcessResult run = RunCli({"import-sound", project.string(), "Music", mp3.string(), "--new"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(InspectWritten(dir / "Music.wav").rate, 22050u);
    EXPECT_TRUE(Contains(ReadFile(project), "<Content>" + mp3.string() + "</Content>"));
    ASSERT_EQ(RunCli({"build", project.string()}).exitCode, 0);
    EXPECT_EQ(SoundsOf(dir / "song.swf").size(), 1u);
}

TEST_F(CliImportSound, RefusedSoundsLeaveTheProjectAndTheObjectsWaveAlone)
{
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 0, 0) +
                                "<Obj><ObjName>Sound_1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime>"
                                "<Layer>2</Layer><ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content>old.wav"
                                "</Content></ObjSound></ObjType></Obj>"));
    WriteFile(dir / "Sound_1.wav", "the earlier sound");
    WriteAdpcmWave(dir / "packed.wav");
    WriteFile(dir / "notes.wav", "not a wave at all");
    WriteFile(dir / "fake.mp3", "ID3 and then nothing that decodes");
    std::filesystem::create_directories(dir / "folder.wav");
    WriteSineWave(dir / "ok.wav", {.rate = 22050, .channels = 1, .bits = 16, .seconds = 0.1});
    const std::string before = ReadFile(project);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string message;
    };
    const std::string p = project.string();
    const Case cases[] = {
        {{p, "Sound_1", (dir / "packed.wav").string()}, 1, "Sound_1: Something error! (packed.wav is not a PCM wave file)"},
        {{p, "Sound_1", (dir / "notes.wav").string()}, 1, "notes.wav"},
        {{p, "Sound_1", (dir / "gone.wav").string()}, 1, "gone.wav\": no such file"},
        {{p, "Sound_1", (dir / "folder.wav").string()}, 1, "folder.wav\": it is a folder"},
        {{p, "Sound_1", (dir / "fake.mp3").string()}, 1, "fake.mp3\": it is not a sound that can be decoded"},
        {{p, "Sound_2", (dir / "ok.wav").string()}, 1, "song.gmr has no object named 'Sound_2' (use --new to create it)"},
        {{p, "Text_1", (dir / "ok.wav").string()}, 1, "'Text_1' in song.gmr is not a sound object"},
        {{p, "a/b", (dir / "ok.wav").string(), "--new"}, 2, "'a/b' cannot name an object"},
        {{p, "Sound_1"}, 2, "import-sound takes a project, an object name and a sound"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"import-sound"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult run = RunCli(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
        EXPECT_EQ(ReadFile(project), before) << c.message;
        EXPECT_EQ(ReadFile(dir / "Sound_1.wav"), "the earlier sound") << c.message;
    }
}

TEST_F(CliImportSound, AnEightBitSoundBecomesSixteenBitAsMoviesTakeIt)
{
    WriteSineWave(dir / "old.wav", {.rate = 11025, .channels = 1, .bits = 8, .seconds = 0.2});
    const ProcessResult run = RunCli({"import-sound", project.string(), "Sound_1", (dir / "old.wav").string(), "--new"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(InspectWritten(dir / "Sound_1.wav").bits, 16);
    ASSERT_EQ(RunCli({"build", project.string()}).exitCode, 0);
    EXPECT_EQ(SoundsOf(dir / "song.swf").size(), 1u);
}

TEST(CliTerminalProgress, DrawsInPlaceOnlyWhenThePercentageChanges)
{
    EXPECT_EQ(cli::TerminalProgress::Line("Sound_1", 0), "Sound_1 [                              ]   0%");
    EXPECT_EQ(cli::TerminalProgress::Line("Sound_1", 50), "Sound_1 [###############               ]  50%");
    EXPECT_EQ(cli::TerminalProgress::Line("Sound_1", 100), "Sound_1 [##############################] 100%");

    std::ostringstream shown;
    {
        cli::TerminalProgress bar(shown, "S", true);
        for (int percent : {0, 0, 1, 1, 1, 100}) bar.Show(percent);
    }
    EXPECT_EQ(shown.str(), "\r" + cli::TerminalProgress::Line("S", 0) + "\r" + cli::TerminalProgress::Line("S", 1) + "\r" +
                               cli::TerminalProgress::Line("S", 100) + "\n");

    std::ostringstream quiet;
    {
        cli::TerminalProgress bar(quiet, "S", false);
        bar.Show(50);
    }
    EXPECT_EQ(quiet.str(), "");
}

}  // namespace
}  // namespace glimmora::test
