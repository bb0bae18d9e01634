// The files of a project and the working copy through which it is edited.

#include "DocumentFixture.h"

#include "document/ProjectFiles.h"

#include <cstdlib>
#include <optional>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

// Sets or clears TEMP for one test and puts the old value back.
class TempVariable {
public:
    explicit TempVariable(const char* value)
    {
        if (const char* old = std::getenv("TEMP"))
            saved_ = old;
        if (value)
            setenv("TEMP", value, 1);
        else
            unsetenv("TEMP");
    }
    ~TempVariable()
    {
        if (saved_)
            setenv("TEMP", saved_->c_str(), 1);
        else
            unsetenv("TEMP");
    }

private:
    std::optional<std::string> saved_;
};

TEST(ProjectPaths, TempFolderIsTheTempVariableWhenSet)
{
    {
        TempVariable temp("/some/where");
        EXPECT_EQ(TempFolder(), fs::path("/some/where"));
        EXPECT_EQ(DefaultUntitledBase(), fs::path("/some/where/Untitled"));
    }
    {
        TempVariable temp(nullptr);
        EXPECT_EQ(TempFolder(), fs::temp_directory_path());
        EXPECT_EQ(DefaultUntitledBase(), fs::temp_directory_path() / "Untitled");
    }
    {
        // Set but empty counts as unset, and still gives a usable folder.
        TempVariable temp("");
        EXPECT_TRUE(fs::is_directory(TempFolder())) << TempFolder();
        EXPECT_EQ(DefaultUntitledBase(), TempFolder() / "Untitled");
    }
}

TEST(ProjectPaths, FilesAreNamedAfterTheBasePath)
{
    const fs::path base = "/home/u/movies/my.show";
    EXPECT_EQ(FolderOfBase(base), fs::path("/home/u/movies"));
    EXPECT_EQ(ProjectFileOf(base), fs::path("/home/u/movies/my.show.gmr"));
    EXPECT_EQ(MovieFileOf(base), fs::path("/home/u/movies/my.show.swf"));
    EXPECT_EQ(PictureFileOf(base, "Pic_1"), fs::path("/home/u/movies/Pic_1.jpg"));
    EXPECT_EQ(SoundFileOf(base, "Sound_2"), fs::path("/home/u/movies/Sound_2.wav"));
    EXPECT_EQ(PictureFileOf(base, "a.b c"), fs::path("/home/u/movies/a.b c.jpg"));
}

TEST(ProjectPaths, ObjectNamesThatLeaveTheFolderAreRefused)
{
    const fs::path base = "/home/u/movies/show";
    const std::string names[] = {"../escape", "sub/dir", "..", ".", "a\\b", std::string("a\0b", 3)};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_THROW(PictureFileOf(base, name), DocumentError);
        EXPECT_THROW(SoundFileOf(base, name), DocumentError);
        EXPECT_TRUE(MediaNameProblem(name).has_value());
    }
    EXPECT_FALSE(MediaNameProblem("Title 1").has_value());
    EXPECT_FALSE(MediaNameProblem("标题").has_value());
}

// A line break (or any control character) never reaches a file name, and the
// message shows it escaped.
TEST(ProjectPaths, NamesWithControlCharactersAreRefusedAndShownEscaped)
{
    for (const std::string name : {"Two\nLines", "Tab\tbed", "Bell\x07", "Del\x7F"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(PictureFileOf("/p/show", name), DocumentError);
        const auto problem = MediaNameProblem(name);
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->find_first_of("\n\t\x07\x7F"), std::string::npos) << *problem;
    }
    EXPECT_EQ(*MediaNameProblem("Two\nLines"), "'Two\\x0ALines' cannot be used as a file name (it holds a control character)");
}

class ProjectFilesTest : public ::testing::Test {
protected:
    fs::path Working() const { return dir_ / "Untitled.gmr"; }

    TempDir dir_;
    TXMLDocument doc_;
};

TEST(ProjectPaths, EachKindHasItsMediaFiles)
{
    const fs::path base = "/m/show";
    EXPECT_EQ(MediaFilesOf(base, "Pic_1", "Pic"), (std::vector<fs::path>{"/m/Pic_1.jpg", "/m/Pic_1.png"}));
    EXPECT_EQ(MediaFilesOf(base, "Sound_1", "Sound"), (std::vector<fs::path>{"/m/Sound_1.wav"}));
    EXPECT_TRUE(MediaFilesOf(base, "Text_1", "Text").empty());
    EXPECT_THROW(MediaFilesOf(base, "../x", "Pic"), DocumentError);
}

TEST(ProjectPaths, StoredPictureIsThePngOnlyWhenNoJpegExists)
{
    TempDir dir;
    const fs::path base = dir / "show";
    const struct {
        bool jpeg, png;
        const char* shown;
    } cases[] = {{false, false, "Pic_1.jpg"}, {true, false, "Pic_1.jpg"}, {false, true, "Pic_1.png"},
                 {true, true, "Pic_1.jpg"}};
    for (const auto& c : cases) {
        fs::remove(dir / "Pic_1.jpg");
        fs::remove(dir / "Pic_1.png");
        if (c.jpeg) WriteBytes(dir / "Pic_1.jpg", "j");
        if (c.png) WriteBytes(dir / "Pic_1.png", "p");
        EXPECT_EQ(StoredPictureOf(base, "Pic_1"), dir / c.shown) << c.jpeg << c.png;
    }
}

TEST_F(ProjectFilesTest, LoadCopiesTheSourceOverTheWorkingProjectAndBindsIt)
{
    const std::string source = "<Movie>\n  <Width>320</Width>\n</Movie>\n";
    WriteBytes(dir_ / "template.gmr", source);
    WriteBytes(Working(), "<Movie><Width>999</Width></Movie>");

    IXMLMovie movie = LoadProject(doc_, dir_ / "template.gmr", Working());
    EXPECT_EQ(movie.Width(), 320);
    EXPECT_EQ(doc_.FileName(), Working());
    EXPECT_EQ(BytesOf(Working()), source);
    EXPECT_EQ(BytesOf(dir_ / "template.gmr"), source) << "the source is never edited";
}

TEST_F(ProjectFilesTest, MissingSourceIsReportedNotTheOlderWorkingProject)
{
    const std::string older = "<Movie><Width>999</Width></Movie>";
    WriteBytes(Working(), older);
    const fs::path source = dir_ / "gone.gmr";
    try {
        LoadProject(doc_, source, Working());
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open " + source.string());
    }
    EXPECT_FALSE(doc_.Active());
    EXPECT_EQ(BytesOf(Working()), older);
}

TEST_F(ProjectFilesTest, UnparsableSourceIsReportedUnderItsOwnName)
{
    // The parse error of the working copy, with the position in the chosen file.
    WriteBytes(dir_ / "broken.gmr", "<Movie>\n<Width>");
    try {
        LoadProject(doc_, dir_ / "broken.gmr", Working());
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot read " + (dir_ / "broken.gmr").string() + ": Start-end tags mismatch (line 2, offset 14)");
    }
    EXPECT_FALSE(doc_.Active());
}

TEST_F(ProjectFilesTest, SourceWithAnotherRootIsRefusedUnderItsOwnName)
{
    WriteBytes(dir_ / "other.gmr", "<Project></Project>");
    try {
        LoadProject(doc_, dir_ / "other.gmr", Working());
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()).rfind((dir_ / "other.gmr").string() + " is not a movie document", 0), 0u)
            << e.what();
    }
}

TEST_F(ProjectFilesTest, LoadingTheWorkingProjectItselfKeepsIt)
{
    WriteBytes(Working(), "<Movie><Rate>12</Rate></Movie>");
    EXPECT_EQ(LoadProject(doc_, Working(), Working()).Rate(), 12);
}

TEST_F(ProjectFilesTest, SaveWritesTheWorkingProjectAndCopiesItOut)
{
    WriteBytes(dir_ / "template.gmr", "<Movie>\n</Movie>");
    IXMLMovie movie = LoadProject(doc_, dir_ / "template.gmr", Working());
    movie.SetWidth(550);
    fs::create_directory(dir_ / "out");
    const fs::path base = dir_ / "out" / "Show";

    SaveProject(doc_, Working(), base);
    const std::string expected = "<Movie>\n<Width>550</Width></Movie>";
    EXPECT_EQ(BytesOf(Working()), expected);
    EXPECT_EQ(BytesOf(dir_ / "out" / "Show.gmr"), expected);
    EXPECT_EQ(BytesOf(dir_ / "template.gmr"), "<Movie>\n</Movie>");

    // A later save replaces the project file; the document stays editable.
    movie.SetWidth(640);
    SaveProject(doc_, Working(), base);
    EXPECT_EQ(BytesOf(dir_ / "out" / "Show.gmr"), "<Movie>\n<Width>640</Width></Movie>");
    EXPECT_EQ(FolderEntries(dir_ / "out"), std::vector<std::string>{"Show.gmr"});
}

TEST_F(ProjectFilesTest, SavedProjectReopensWithItsObjects)
{
    WriteBytes(dir_ / "template.gmr", "<Movie></Movie>");
    IXMLMovie movie = LoadProject(doc_, dir_ / "template.gmr", Working());
    movie.Obj().Add().SetObjName("Text_1");
    const fs::path base = dir_ / "Show";
    SaveProject(doc_, Working(), base);

    TXMLDocument reopened;
    IXMLMovie again = LoadProject(reopened, ProjectFileOf(base), dir_ / "Second.gmr");
    ASSERT_EQ(again.Obj().Count(), 1);
    EXPECT_EQ(again.Obj().Items(0).ObjName(), "Text_1");
}

TEST_F(ProjectFilesTest, ReplaceFileFromAMissingFileKeepsTheTarget)
{
    WriteBytes(dir_ / "target", "old");
    EXPECT_THROW(ReplaceFile(dir_ / "missing", dir_ / "target"), DocumentError);
    EXPECT_EQ(BytesOf(dir_ / "target"), "old");
    ReplaceFile(dir_ / "target", dir_ / "copy");
    EXPECT_EQ(BytesOf(dir_ / "copy"), "old");
    EXPECT_EQ(FolderEntries(dir_.Path()), (std::vector<std::string>{"copy", "target"}));
}

}  // namespace
}  // namespace glimmora::test
