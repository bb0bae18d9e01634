// Files written beside their target and renamed over it, and the removal of
// what killed writers of the same target left behind.

#include "files/Leftovers.h"
#include "files/ReplacingFile.h"
#include "files/StagedFile.h"
#include "support/DeadProcess.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <unistd.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StagedFile, ReplacesTheTargetOnlyOnCommit)
{
    TempDir dir;
    const fs::path target = dir / "movie.swf";
    WriteFile(target, "old");
    {
        files::StagedFile staged(target);
        EXPECT_EQ(staged.Path().parent_path(), dir.Path());
        EXPECT_NE(staged.Path().filename().string().find(".swf." + std::to_string(::getpid()) + "-"),
                  std::string::npos)
            << "the name carries the writer's process id: " << staged.Path();
        WriteFile(staged.Path(), "abandoned");
    }
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"movie.swf"}) << "an abandoned file is removed";
    EXPECT_EQ(ReadFile(target), "old");

    files::ReplaceFileContents(target, "new");
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"movie.swf"});
}

TEST(StagedFile, AFolderIsNeverReplaced)
{
    TempDir dir;
    fs::create_directory(dir / "movie.swf");
    try {
        files::ReplaceFileContents(dir / "movie.swf", "x");
        ADD_FAILURE() << "written";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), EISDIR);
    }
}

TEST(Leftovers, OnlyThoseOfEndedWritersOfTheSameTargetAreDead)
{
    TempDir dir;
    const fs::path target = dir / "movie.swf";
    const std::string dead = std::to_string(DeadProcessId());
    const std::string alive = std::to_string(::getppid());
    struct Case {
        std::string name;
        bool dead;
    };
    const Case cases[] = {
        {"movie.swf." + dead + "-0badc0de.part", true},
        {"movie.swf." + alive + "-0badc0de.part", false},
        {"movie.swf.writing-" + dead + "-3", true},
        {"movie.swf.writing-" + alive + "-3", false},
        {".movie.swf.saving-" + dead + "-0", true},
        {".movie.swf.saving-" + alive + "-0", false},
        {"other.swf." + dead + "-0badc0de.part", false},
        {"movie.swf2." + dead + "-0badc0de.part", false},
        {"movie.swf." + dead + "-0badc0de.partial", false},
        {"movie.swf", false},
        {"movie.swf.0badc0de.part", false},  // no process id and fresh: perhaps at work
    };
    for (const Case& c : cases) EXPECT_EQ(files::IsDeadLeftover(target, c.name), c.dead) << c.name;

    // Names without a process id count as dead once left alone for long.
    for (const std::string name : {"movie.swf.0badc0de.part", "movie.swf.part77-1", "movie.swf.converting-123"}) {
        WriteFile(dir / name, "x");
        fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
        EXPECT_TRUE(files::IsDeadLeftover(target, name)) << name;
    }
}

TEST(Leftovers, TheNextWriterOfATargetRemovesThem)
{
    TempDir dir;
    const fs::path target = dir / "song.wav";
    const std::string dead = std::to_string(DeadProcessId());
    const std::string alive = std::to_string(::getppid());
    for (const std::string name : {"song.wav." + dead + "-00000001.part", "song.wav.writing-" + dead + "-1",
                                   "song.wav." + alive + "-00000002.part", "other.wav." + dead + "-00000003.part"})
        WriteFile(dir / name, std::string(1000, 'x'));
    files::ReplaceFileContents(target, "new");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"other.wav." + dead + "-00000003.part", "song.wav",
                                                             "song.wav." + alive + "-00000002.part"}));
}

}  // namespace
}  // namespace glimmora::test
