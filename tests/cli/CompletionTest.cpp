// Shell completion: commands, options, effect names with blanks, the objects
// and properties of the project on the line, files of the kind a command
// takes; and the bash script that asks the program for them.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sstream>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What `__complete` prints, line by line.
std::vector<std::string> Completed(const std::vector<std::string>& words)
{
    std::vector<std::string> args{"__complete"};
    args.insert(args.end(), words.begin(), words.end());
    const ProcessResult run = RunCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Lines(run.out);
}

class CliCompletion : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 0, 0) + StaticPictureXml("Pic_1", 0, 0, 4, 4) +
                                    "<Obj><ObjName>Sound_1</ObjName><ObjTypeName>Sound</ObjTypeName></Obj>"));
    }
    TempDir dir;
    fs::path project = dir / "p.gmr";
};

TEST_F(CliCompletion, OffersWhatFitsTheWordBeingTyped)
{
    const std::string p = project.string();
    using Words = std::vector<std::string>;
    struct Case {
        Words words;
        Words expected;
    };
    const Case cases[] = {
        {{"bu"}, {"words", "build"}},
        {{"im"}, {"words", "import-picture", "import-sound"}},
        {{"__"}, {"words"}},
        {{"help", "ad"}, {"words", "add-text"}},
        {{"add-text", p, "x", "--ef"}, {"words", "--effect"}},
        {{"new", "--h"}, {"words", "--help"}},
        {{"add-text", p, "x", "--effect", "Co"}, {"words", "Come\\ In", "Come\\ Out"}},
        {{"add-text", p, "x", "--effect", "\"Co"}, {"words", "Come In", "Come Out"}},
        {{"add-text", p, "x", "--effect", "Come\\ I"}, {"words", "Come\\ In"}},
        {{"new", "a.gmr", "--template", ""}, {"words", "blank", "normal"}},
        {{"new", "a.gmr", "--template", "=", "n"}, {"words", "normal"}},
        {{"new", "a.gmr", "--template", "="}, {"words", "blank", "normal"}},
        {{"build", ""}, {"files .gmr"}},
        {{"build", p, ""}, {"files .gmr"}},
        {{"build", p, "--data", ""}, {"files .csv"}},
        {{"build", p, "--output-dir", ""}, {"dirs"}},
        {{"render", p, "-o", ""}, {"files"}},
        {{"import-sound", p, ""}, {"words", "Sound_1"}},
        {{"import-sound", p, "Sound_1", ""}, {"files .wav .mp3"}},
        {{"import-picture", p, ""}, {"words", "Pic_1"}},
        {{"set", p, ""}, {"words", "Text_1", "Pic_1", "Sound_1"}},
        {{"set", p, "Text_1", "Ex"}, {"words", "ExScale", "ExRotate", "ExShock", "ExColor", "ExAlpha", "ExSpeed"}},
        {{"set", p, "Text_1", "EffectName", "He"}, {"words", "Heart\\ Beat"}},
        {{"set", p, "Pic_1", "EffectName", "Zoom\\ In\\ Up\\ l\\ -"}, {"words", "Zoom\\ In\\ Up\\ l\\ -r", "Zoom\\ In\\ Up\\ l\\ -s"}},
        {{"set", p, "Pic_1", "EffectName", "Zoom\\ In\\ Up\\ l\\ -r"}, {"words", "Zoom\\ In\\ Up\\ l\\ -r"}},
        {{"set", p, "Text_1", "EffectName", "\"-- N"}, {"words", "-- None --"}},
        {{"set", p, "Pic_1", "EffectName", "--\\ N"}, {"words", "--\\ None\\ --"}},
        {{"set", p, "Text_1", "EffectName", "\"-- None --\"", ""}, {"nothing"}},
        {{"set", p, "Text_1", "FontSize", "7"}, {"words", "72"}},
        {{"set", p, "--movie", "Lo"}, {"words", "Loop"}},
        {{"set", p, "--movie", "Loop", ""}, {"words", "True", "False"}},
        {{"set", p, "Text_1", "PositionX", ""}, {"words"}},
        {{"set", (dir / "none.gmr").string(), ""}, {"words"}},
        {{"frobnicate", ""}, {"nothing"}},
        {{"effects", ""}, {"nothing"}},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const auto& w : c.words) line += "[" + w + "]";
        EXPECT_EQ(Completed(c.words), c.expected) << line;
    }
}

// The installed script, run by bash as it runs on a Tab.
std::vector<std::string> BashCompletes(const fs::path& cwd, const std::string& line)
{
    const fs::path script = fs::path(GLIMMORA_SOURCE_DIR) / "dist/bash-completion/glimmora-cli";
    const std::string program = (fs::path(GLIMMORA_PROGRAM_DIR) / "glimmora-cli").string();
    const std::string command = "cd '" + cwd.string() + "' && source '" + script.string() +
                                "' && COMP_LINE='" + program + " " + line + "' && "
                                "read -ra COMP_WORDS <<< \"$COMP_LINE\" && "
                                "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('') ; "
                                "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && _glimmora_cli && printf '%s\\n' \"${COMPREPLY[@]}\"";
    const ProcessResult run = RunProcess({"bash", "-c", command});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST_F(CliCompletion, TheBashScriptOffersWordsAndFiles)
{
    fs::create_directories(dir / "sub");
    WriteFile(dir / "Loud.MP3", "");
    WriteFile(dir / "quiet.wav", "");
    WriteFile(dir / "notes.txt", "");
    using Words = std::vector<std::string>;
    EXPECT_EQ(BashCompletes(dir.Path(), "add-text p.gmr x --effect Heart"), (Words{"Heart\\ Beat"}));
    EXPECT_EQ(BashCompletes(dir.Path(), "build "), (Words{"p.gmr", "sub"}));
    EXPECT_EQ(BashCompletes(dir.Path(), "import-sound p.gmr Sound_1 "), (Words{"Loud.MP3", "quiet.wav", "sub"}));
    EXPECT_EQ(BashCompletes(dir.Path(), "import-sound p.gmr "), (Words{"Sound_1"}));
}

}  // namespace
}  // namespace glimmora::test
