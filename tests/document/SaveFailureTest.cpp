// A save that cannot complete reports a DocumentError and leaves the old file
// whole, with no temporary file beside it.

#include "DocumentFixture.h"

#include "document/ProjectFiles.h"

#include <csignal>
#include <sys/resource.h>

namespace glimmora::test {
namespace {

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool Active() const { return active_; }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

using SaveFailureTest = DocumentTest;

TEST_F(SaveFailureTest, FailedWriteKeepsTheOldFileWhole)
{
    const std::string original = "<Movie><Width>550</Width></Movie>";
    IXMLMovie movie = Load(original);
    movie.SetMovieName(std::string(100000, 'x'));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Active());
        EXPECT_THROW(doc_.SaveToFile(), DocumentError);
    }
    EXPECT_EQ(BytesOf(file_), original);
    EXPECT_EQ(FolderEntries(dir_.Path()), std::vector<std::string>{"movie.gmr"});
}

TEST_F(SaveFailureTest, MissingTargetFolderIsReported)
{
    Load("<Movie></Movie>");
    const auto target = dir_ / "no such folder" / "movie.gmr";
    try {
        doc_.SaveToFile(target);
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot write " + target.string()), std::string::npos) << e.what();
    }
}

TEST_F(SaveFailureTest, FolderInTheTargetsPlaceIsLeftAlone)
{
    Load("<Movie></Movie>");
    std::filesystem::create_directory(dir_ / "taken.gmr");
    WriteBytes(dir_ / "taken.gmr" / "inside", "keep");
    EXPECT_THROW(doc_.SaveToFile(dir_ / "taken.gmr"), DocumentError);
    EXPECT_EQ(BytesOf(dir_ / "taken.gmr" / "inside"), "keep");
    EXPECT_EQ(FolderEntries(dir_.Path()), (std::vector<std::string>{"movie.gmr", "taken.gmr"}));
}

TEST_F(SaveFailureTest, FailedProjectCopyKeepsTheOldProjectFile)
{
    IXMLMovie movie = Load("<Movie></Movie>", "Untitled.gmr");
    movie.SetAuthor(std::string(100000, 'y'));
    const auto base = dir_ / "Saved";
    WriteBytes(ProjectFileOf(base), "<Movie><Author>old</Author></Movie>");
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Active());
        EXPECT_THROW(SaveProject(doc_, file_, base), DocumentError);
    }
    EXPECT_EQ(BytesOf(ProjectFileOf(base)), "<Movie><Author>old</Author></Movie>");
    EXPECT_EQ(BytesOf(file_), "<Movie></Movie>");
    EXPECT_EQ(FolderEntries(dir_.Path()), (std::vector<std::string>{"Saved.gmr", "Untitled.gmr"}));
}

TEST_F(SaveFailureTest, ReplacedFileKeepsItsAccessRights)
{
    Load("<Movie></Movie>");
    namespace fs = std::filesystem;
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    doc_.SaveToFile();
    EXPECT_EQ(fs::status(file_).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace glimmora::test
