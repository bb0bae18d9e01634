// glimmora-cli build with several projects at once, and with a template
// filled from the rows of a CSV table: each movie in a process and working
// copy of its own, one failure stopping nothing else.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"
#include "swf/reader/DecodedMovie.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliBatchBuild, BuildsEveryProjectAndSaysWhichFailed)
{
    TempDir dir;
    WriteFile(dir / "one.gmr", MovieXml(StaticTextXml("Text_1", "One", 0, 0)));
    WriteFile(dir / "two.gmr", MovieXml(StaticTextXml("Text_1", "Two", 0, 0) + StaticPictureXml("Pic_1", 0, 0, 4, 4)));
    WriteFile(dir / "bad.gmr", "not a project");
    WriteFile(dir / "three.gmr", MovieXml(StaticTextXml("Text_1", "Three", 0, 0)));

    const ProcessResult run = RunCli({"build", (dir / "one.gmr").string(), (dir / "two.gmr").string(),
                                      (dir / "bad.gmr").string(), (dir / "three.gmr").string(), "-j", "2"});
    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    for (const char* movie : {"one.swf", "two.swf", "three.swf"}) {
        EXPECT_TRUE(fs::exists(dir / movie)) << movie;
        EXPECT_TRUE(Contains(run.out, (dir / movie).string())) << run.out;
        EXPECT_GT(swf::DecodeMovieFile((dir / movie).string()).FrameCount(), 0) << movie;
    }
    EXPECT_FALSE(fs::exists(dir / "bad.swf"));
    EXPECT_TRUE(Contains(run.err, "bad.gmr")) << run.err;
    EXPECT_TRUE(Contains(run.err, "Sorry, can not use the picture!")) << run.err;
    EXPECT_TRUE(Contains(run.out, "3 of 4 movies written, 1 with problems; 1 failed")) << run.out;
}

TEST(CliBatchBuild, GoodProjectsEndWithZeroAndTheirMoviesCanGoIntoOneFolder)
{
    TempDir dir;
    fs::create_directories(dir / "a");
    fs::create_directories(dir / "b");
    fs::create_directories(dir / "out");
    WriteFile(dir / "a/x.gmr", MovieXml(StaticTextXml("Text_1", "A", 0, 0)));
    WriteFile(dir / "b/y.gmr", MovieXml(StaticTextXml("Text_1", "B", 0, 0)));
    const ProcessResult run = RunCli({"build", (dir / "a/x.gmr").string(), (dir / "b/y.gmr").string(), "--output-dir",
                                      (dir / "out").string(), "--jobs=1"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(dir / "out/x.swf") && fs::exists(dir / "out/y.swf"));
    EXPECT_FALSE(fs::exists(dir / "a/x.swf"));
    EXPECT_TRUE(Contains(run.out, "2 of 2 movies written\n")) << run.out;
}

TEST(CliBatchBuild, RefusesCommandLinesThatWouldMixMoviesUp)
{
    TempDir dir;
    fs::create_directories(dir / "a");
    WriteFile(dir / "x.gmr", MovieXml(""));
    WriteFile(dir / "a/x.gmr", MovieXml(""));
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::string x = (dir / "x.gmr").string(), ax = (dir / "a/x.gmr").string();
    const Case cases[] = {
        {{"build", x, ax, "-o", (dir / "m.swf").string()}, "-o names one movie"},
        {{"build", x, ax, "--output-dir", dir.Path().string()}, "would both write " + (dir / "x.swf").string()},
        {{"build", x, x}, "would both write"},
        {{"build", x, ax, "-j", "0"}, "-j takes a number from 1 to 256, not '0'"},
        {{"build", x, "--output-dir", (dir / "none").string()}, "is no folder"},
        {{"build", x, "--row", "1"}, "--row goes with --data"},
    };
    for (const Case& c : cases) {
        const ProcessResult run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
    EXPECT_FALSE(fs::exists(dir / "x.swf") || fs::exists(dir / "a/x.swf"));
}

// A card with a title and a greeting, filled per guest.
class CliDataMerge : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteFile(card, MovieXml(StaticTextXml("Title", "Title", 10, 10) + StaticTextXml("Greeting", "Hi", 10, 60)));
        fs::create_directories(dir / "cards");
    }
    // The movie of the card with these texts, through set and build.
    std::string CardMovie(const std::string& title, const std::string& greeting)
    {
        const auto project = dir / "by-hand.gmr";
        WriteFile(project, ReadFile(card));
        EXPECT_EQ(RunCli({"set", project.string(), "Title", "Content", title}).exitCode, 0);
        EXPECT_EQ(RunCli({"set", project.string(), "Greeting", "Content", greeting}).exitCode, 0);
        EXPECT_EQ(RunCli({"build", project.string()}).exitCode, 0);
        return ReadFile(dir / "by-hand.swf");
    }
    TempDir dir;
    fs::path card = dir / "card.gmr";
};

TEST_F(CliDataMerge, EachRowFillsTheTextsOfItsOwnMovie)
{
    WriteFile(dir / "guests.csv", "file,Title,Greeting\r\nanna,Dear Anna,\"Hello, Anna!\"\r\nbo,Dear Bo,Hi Bo\r\n");
    const std::string before = ReadFile(card);
    const ProcessResult run = RunCli({"build", card.string(), "--data", (dir / "guests.csv").string(), "--output-dir",
                                      (dir / "cards").string(), "-j", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "2 of 2 movies written")) << run.out;
    EXPECT_EQ(ReadFile(card), before) << "the template is not changed";
    EXPECT_EQ(ReadFile(dir / "cards/anna.swf"), CardMovie("Dear Anna", "Hello, Anna!"));
    EXPECT_EQ(ReadFile(dir / "cards/bo.swf"), CardMovie("Dear Bo", "Hi Bo"));
}

TEST_F(CliDataMerge, OneRowIsOneJobAsASchedulerHandsItOut)
{
    WriteFile(dir / "guests.csv", "Title,Greeting\nann,Hi Ann\nbo,Hi Bo\ncy,Hi Cy\n");
    const ProcessResult run = RunCli({"build", card.string(), "--data", (dir / "guests.csv").string(), "--row", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Movie written to " + (dir / "bo.swf").string() + "\n");
    EXPECT_FALSE(fs::exists(dir / "ann.swf") || fs::exists(dir / "cy.swf"));
    EXPECT_EQ(ReadFile(dir / "bo.swf"), CardMovie("bo", "Hi Bo")) << "the name column may be a text too";

    const ProcessResult range = RunCli({"build", card.string(), "--data", (dir / "guests.csv").string(), "--row",
                                        "2-3", "--output-dir", (dir / "cards").string()});
    ASSERT_EQ(range.exitCode, 0) << range.err;
    EXPECT_TRUE(fs::exists(dir / "cards/bo.swf") && fs::exists(dir / "cards/cy.swf"));
    EXPECT_FALSE(fs::exists(dir / "cards/ann.swf"));
}

TEST_F(CliDataMerge, ABadRowFailsAloneAndNamesItsLine)
{
    WriteFile(dir / "guests.csv", "file,Title\nok,Fine\nlong," + std::string(130, 'x') + "\nalso,Fine too\n");
    const ProcessResult run = RunCli({"build", card.string(), "--data", (dir / "guests.csv").string()});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(Contains(run.err, "row 2 (long.swf), Title: the text has 130 characters")) << run.err;
    EXPECT_TRUE(fs::exists(dir / "ok.swf") && fs::exists(dir / "also.swf"));
    EXPECT_FALSE(fs::exists(dir / "long.swf"));
    EXPECT_TRUE(Contains(run.out, "2 of 3 movies written; 1 failed")) << run.out;
}

TEST_F(CliDataMerge, TablesThatDoNotFitTheTemplateAreRefusedBeforeAnyBuild)
{
    struct Case {
        std::string csv;
        std::vector<std::string> extra;
        std::string message;
    };
    const Case cases[] = {
        {"file,Title,Subtitle\na,b,c\n", {}, "guests.csv: the column Subtitle names no text of card.gmr (its texts: Title, Greeting)"},
        {"file,Title\na,b\n", {"--name-column", "name"}, "guests.csv has no column 'name' (its columns: file, Title)"},
        {"file,Title\na,b\na,c\n", {}, "guests.csv: rows 1 and 2 both make a.swf"},
        {"file,Title\n../a,b\n", {}, "row 1 (line 2): '../a' in column file cannot name a movie file"},
        {"file,Title\na,b\n", {"--row", "2"}, "there is 1 row below the column names; row 2 does not exist"},
        {"file,Title\na,b\n", {"--row", "x"}, "--row takes a row number N or a range A-B"},
        {"file,Title\n", {}, "guests.csv has no rows below the column names"},
        {"file,Title\na,b\nc,d\n", {"-o", "x.swf"}, "-o names one movie; choose one row with --row N"},
    };
    for (const Case& c : cases) {
        WriteFile(dir / "guests.csv", c.csv);
        std::vector<std::string> args{"build", card.string(), "--data", (dir / "guests.csv").string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const ProcessResult run = RunCli(args);
        EXPECT_EQ(run.exitCode, 2) << c.message << ": " << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << run.err;
    }
    WriteFile(dir / "guests.csv", "file,Title\n\"a,b\n");
    const ProcessResult broken = RunCli({"build", card.string(), "--data", (dir / "guests.csv").string()});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(Contains(broken.err, "guests.csv: line 2: a quoted field is not closed")) << broken.err;
    for (const auto& entry : fs::directory_iterator(dir.Path())) EXPECT_NE(entry.path().extension(), ".swf") << entry.path();
}

}  // namespace
}  // namespace glimmora::test
