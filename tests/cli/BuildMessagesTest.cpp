// What glimmora-cli build says: one line per problem, each naming the project
// and the object; what is left out of the movie is said (exit code 3); what
// stops the build names the file, the object and the element (exit code 1).

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <variant>

namespace glimmora::test {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string SoundXml(const std::string& name)
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
           "<ObjType><ObjSound><Content>tune.wav</Content></ObjSound></ObjType></Obj>";
}

// A RIFF WAVE file of PCM silence.
std::string Wave(uint32_t rate, uint16_t channels, uint16_t bits)
{
    const auto u16 = [](uint16_t v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
    const auto u32 = [&](uint32_t v) { return u16(uint16_t(v & 0xFFFF)) + u16(uint16_t(v >> 16)); };
    const std::string data(400, '\0');
    const uint16_t block = uint16_t(channels * bits / 8);
    return "RIFF" + u32(uint32_t(36 + data.size())) + "WAVEfmt " + u32(16) + u16(1) + u16(channels) + u32(rate) +
           u32(rate * block) + u16(block) + u16(bits) + "data" + u32(uint32_t(data.size())) + data;
}

std::string WithStart(std::string xml, int start)
{
    return std::regex_replace(xml, std::regex("<StartTime>0</StartTime>"),
                              "<StartTime>" + std::to_string(start) + "</StartTime>");
}

int CountTexts(const swf::DecodedMovie& movie)
{
    int n = 0;
    for (const auto& [id, ch] : movie.dictionary) n += std::holds_alternative<swf::Text>(*ch) ? 1 : 0;
    return n;
}

TEST(CliBuildMessages, OneLinePerProblemNamingTheProjectAndTheObject)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(dir / "Sound_2.wav", "ID3\x03 this is an MP3 file");
    WriteFile(dir / "Sound_3.wav", Wave(48000, 1, 16));
    WriteFile(dir / "Sound_4.wav", "");
    WriteFile(project, MovieXml(StaticPictureXml("Pic_1", 0, 0, 10, 10) + StaticPictureXml("Pic_2", 0, 0, 10, 10) +
                                StaticTextXml("Long", std::string(130, 'a'), 0, 0) +
                                StaticTextXml("Odd", "odd", 0, 0, "255", "Spin Around") + SoundXml("Sound_1") +
                                SoundXml("Sound_2") + SoundXml("Sound_3") + SoundXml("Sound_4") +
                                StaticTextXml("Shown", "shown", 0, 0)));
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 3) << run.err;

    const std::string at = "glimmora-cli: " + project.string() + ": ";
    const std::string folder = dir.Path().string() + "/";
    const std::vector<std::string> expected = {
        at + "Pic_1: Sorry, can not use the picture! (Picture file \"" + folder + "Pic_1.jpg\" does not exist)",
        at + "Pic_2: Sorry, can not use the picture! (Picture file \"" + folder + "Pic_2.jpg\" does not exist)",
        at + "Long: Texts longer than 127 characters are not shown",
        at + "Odd: The effect \"Spin Around\" is not a text effect, so the text is not shown",
        at + "Sound_1: The sound file is missing (" + folder + "Sound_1.wav)",
        at + "Sound_2: Please select a sound file with 16Bits mono format! (Sound file \"" + folder +
            "Sound_2.wav\" is an MP3 file, not a WAV file)",
        at + "Sound_3: Please select a sound file with 16Bits mono format! (Sound file \"" + folder +
            "Sound_3.wav\" has a sample rate of 48000 Hz; only 5512, 11025, 22050 and 44100 Hz can be used)",
        at + "Sound_4: Please select a sound file with 16Bits mono format! (Sound file \"" + folder +
            "Sound_4.wav\" is empty)",
    };
    EXPECT_EQ(Lines(run.err), expected);
    EXPECT_NE(run.out.find("Movie written with 8 problem(s)"), std::string::npos) << run.out;
    EXPECT_EQ(CountTexts(swf::DecodeMovieFile((dir / "show.swf").string())), 1) << "the shown text is in the movie";
}

// A picture or sound named so that its file would lie outside the project's
// folder is a missing file for that object alone: the rest is built, and
// nothing outside the folder is read or written.
TEST(CliBuildMessages, ANameThatCannotBeAFileNameIsAMissingFileForThatObjectOnly)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "in");
    const auto project = dir / "in" / "names.gmr";
    WriteFile(dir / "evil.jpg", "outside");  // what "../evil" would reach
    WriteFile(project, MovieXml(StaticPictureXml("../evil", 0, 0, 10, 10) + StaticPictureXml("..", 0, 0, 10, 10) +
                                SoundXml("a/b") + SoundXml("a\\b") + StaticTextXml("Shown", "shown", 0, 0)));
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    const std::string at = "glimmora-cli: " + project.string() + ": ";
    const std::vector<std::string> expected = {
        at + "../evil: Sorry, can not use the picture! ('../evil' cannot be used as a file name)",
        at + "..: Sorry, can not use the picture! ('..' cannot be used as a file name)",
        at + "a/b: The sound file is missing ('a/b' cannot be used as a file name)",
        at + "a\\b: The sound file is missing ('a\\b' cannot be used as a file name)",
    };
    EXPECT_EQ(Lines(run.err), expected);
    EXPECT_EQ(CountTexts(swf::DecodeMovieFile((dir / "in" / "names.swf").string())), 1) << "the text is in the movie";
    EXPECT_EQ(ReadFile(dir / "evil.jpg"), "outside");
}

TEST(CliBuildMessages, AnObjectBeforeTheFirstFrameIsLeftOutAndSaid)
{
    TempDir dir;
    const auto project = dir / "early.gmr";
    WriteFile(project, MovieXml(WithStart(StaticTextXml("Early", "early", 0, 0), -1) +
                                StaticTextXml("Shown", "shown", 0, 50)));
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("Early: StartTime -1 is before the first frame (0); the object is left out of the movie"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(CountTexts(swf::DecodeMovieFile((dir / "early.swf").string())), 1);
}

struct Stopping {
    const char* what;
    std::string xml;
    const char* message;  // after "<project>: "
};

class CliBuildStops : public ::testing::TestWithParam<Stopping> {};

TEST_P(CliBuildStops, WithTheFileObjectAndElementNamed)
{
    TempDir dir;
    const auto project = dir / "stop.gmr";
    WriteFile(project, GetParam().xml);
    const ProcessResult run = RunCli({"build", project.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "glimmora-cli: " + project.string() + ": " + GetParam().message + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "stop.swf"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliBuildStops,
    ::testing::Values(
        Stopping{"colour", MovieXml(StaticTextXml("Title", "x", 0, 0, "NaN")),
                 "Title: FontColor: 'NaN' is not a valid integer value"},
        Stopping{"rate", MovieXml("", "<BgColor>0</BgColor><Width>10</Width><Height>10</Height><Rate></Rate>"),
                 "Rate: '' is not a valid integer value"},
        Stopping{"stage", MovieXml("", "<BgColor>0</BgColor><Width>100000</Width><Height>10</Height><Rate>1</Rate>"),
                 "Width 100000 is not a movie size: a movie is 0 to 32767 pixels wide"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(CliBuildMessages, AFolderIsNotCalledMissing)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.gmr");
    const ProcessResult run = RunCli({"build", (dir / "folder.gmr").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("it is a folder"), std::string::npos) << run.err;
}

TEST(CliBuildMessages, TheProjectItselfIsNeverTheOutput)
{
    TempDir dir;
    const auto project = dir / "p.gmr";
    const std::string xml = MovieXml(StaticTextXml("T", "t", 0, 0));
    WriteFile(project, xml);
    std::filesystem::create_symlink(project, dir / "link.swf");
    for (const auto& output : {project, dir / "link.swf", dir / "." / "p.gmr"}) {
        const ProcessResult run = RunCli({"build", project.string(), "-o", output.string()});
        EXPECT_EQ(run.exitCode, 1) << output;
        EXPECT_NE(run.err.find("is the project file itself"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(project), xml) << output;
    }
}

}  // namespace
}  // namespace glimmora::test
