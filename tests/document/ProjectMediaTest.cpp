// The session record of pictures and sounds: where an object's media is read
// from, and Save writing all of it or nothing.

#include "document/ConversionError.h"
#include "document/ProjectMedia.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace glimmora::test {
namespace {

std::set<std::string> FileNames(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

class ProjectMediaTest : public ::testing::Test {
protected:
    ProjectMediaTest()
    {
        std::filesystem::create_directories(project);
        WriteFile(project / "A.jpg", "picture of A");
        WriteFile(project / "B.jpg", "picture of B");
    }
    // The file Find gives for `name` now, read.
    std::string Current(const std::string& name) { return ReadFile(media.Find(base, MediaKind::Picture, name).file); }
    std::string Staged(const std::string& bytes, const char* extension = ".jpg")
    {
        const auto file = std::filesystem::path(media.NewStagedName()).concat(extension);
        WriteFile(file, bytes);
        return file.string();
    }
    std::vector<std::pair<MediaKind, std::string>> Pictures(std::initializer_list<const char*> names)
    {
        std::vector<std::pair<MediaKind, std::string>> objects;
        for (const char* name : names) objects.emplace_back(MediaKind::Picture, name);
        return objects;
    }

    TempDir dir;
    std::filesystem::path project = dir / "p";
    std::filesystem::path base = project / "show";
    ProjectMedia media{dir / "Untitled.media"};
};

TEST_F(ProjectMediaTest, AnObjectWithoutARecordUsesItsOwnFile)
{
    EXPECT_EQ(media.Find(base, MediaKind::Picture, "A").file, project / "A.jpg");
    EXPECT_EQ(media.Find(base, MediaKind::Sound, "A").file, project / "A.wav");
    EXPECT_FALSE(media.Pending());
}

TEST_F(ProjectMediaTest, RecordsLeadToTheFileOfAnotherNameToAStagedFileOrToNone)
{
    media.Set(MediaKind::Picture, "Logo", MediaSource{{}, "A"});
    media.Set(MediaKind::Picture, "A", std::nullopt);
    const std::string staged = Staged("new picture");
    media.Set(MediaKind::Picture, "B", MediaSource{staged, {}});
    EXPECT_EQ(Current("Logo"), "picture of A");
    EXPECT_EQ(Current("B"), "new picture");
    const MediaFile gone = media.Find(base, MediaKind::Picture, "A");
    EXPECT_FALSE(gone);
    EXPECT_FALSE(gone.problem.empty());
    EXPECT_TRUE(media.Pending());
    // Back to its own file: nothing left to save for it.
    media.Set(MediaKind::Picture, "Logo", MediaSource{{}, "Logo"});
    media.Set(MediaKind::Picture, "B", MediaSource{{}, "B"});
    EXPECT_FALSE(media.Pending());
}

TEST_F(ProjectMediaTest, SaveSwapsTwoFilesThroughRecords)
{
    media.Set(MediaKind::Picture, "A", MediaSource{{}, "B"});
    media.Set(MediaKind::Picture, "B", MediaSource{{}, "A"});
    int written = 0;
    media.Save(base, base, Pictures({"A", "B"}), [&] { ++written; });
    EXPECT_EQ(written, 1);
    EXPECT_EQ(ReadFile(project / "A.jpg"), "picture of B");
    EXPECT_EQ(ReadFile(project / "B.jpg"), "picture of A");
    EXPECT_FALSE(media.Pending());
    EXPECT_EQ(Current("A"), "picture of B");
}

TEST_F(ProjectMediaTest, AFailedProjectWriteReplacesNoMediaFileAndLeavesNothingBehind)
{
    media.Set(MediaKind::Picture, "A", MediaSource{Staged("new A"), {}});
    media.Set(MediaKind::Picture, "Logo", MediaSource{{}, "B"});
    const auto before = FileNames(project);
    EXPECT_THROW(media.Save(base, base, Pictures({"A", "Logo"}), [] { throw std::runtime_error("disk full"); }),
                 std::runtime_error);
    EXPECT_EQ(FileNames(project), before);
    EXPECT_EQ(ReadFile(project / "A.jpg"), "picture of A");
    EXPECT_EQ(Current("A"), "new A");  // still pending: a later save can carry it
}

TEST_F(ProjectMediaTest, SaveIntoAnotherFolderTakesEveryObjectsFileAndSkipsWhatIsMissing)
{
    const auto other = dir / "q";
    std::filesystem::create_directories(other);
    media.Save(base, other / "copy", Pictures({"A", "B", "NoFile", "../out"}), [] {});
    EXPECT_EQ(FileNames(other), (std::set<std::string>{"A.jpg", "B.jpg"}));
    EXPECT_EQ(ReadFile(project / "A.jpg"), "picture of A");
}

TEST_F(ProjectMediaTest, StagedFilesGoWithTheSessionAndAtSave)
{
    std::filesystem::path staged;
    {
        ProjectMedia session(dir / "other.media");
        staged = std::filesystem::path(session.NewStagedName()).concat(".wav");
        WriteFile(staged, "wave");
    }
    EXPECT_FALSE(std::filesystem::exists(staged));
    EXPECT_FALSE(std::filesystem::exists(dir / "other.media"));

    media.Set(MediaKind::Picture, "A", MediaSource{Staged("new A"), {}});
    media.Save(base, base, Pictures({"A"}), [] {});
    EXPECT_EQ(ReadFile(project / "A.jpg"), "new A");
    EXPECT_FALSE(std::filesystem::exists(dir / "Untitled.media"));
}

TEST_F(ProjectMediaTest, AStagedNameNeverReusesAFileLeftBehind)
{
    std::filesystem::create_directories(dir / "Untitled.media");
    WriteFile(dir / "Untitled.media" / "media-1.jpg", "left by a crashed run");
    WriteFile(dir / "Untitled.media" / "media-2.wav", "left by a crashed run");
    const auto name = media.NewStagedName();
    EXPECT_EQ(name.filename(), "media-3") << "no form of a name left behind is given out";
    EXPECT_EQ(ReadFile(dir / "Untitled.media" / "media-1.jpg"), "left by a crashed run");
}

TEST_F(ProjectMediaTest, ARecordWrittenOutIsTakenOverByAnotherSession)
{
    media.Set(MediaKind::Picture, "Logo", MediaSource{{}, "A"});
    media.Set(MediaKind::Picture, "A", std::nullopt);
    media.Set(MediaKind::Sound, "Tune", MediaSource{Staged("new tune", ".wav"), {}});
    const std::string text = media.RecordText();

    ProjectMedia next(dir / "next.media");
    next.TakeOver(text + "Picture\tbroken line\n\nSound\tx\tstaged\tgone.wav\nPicture\t..\tnone\n",
                  dir / "Untitled.media");
    EXPECT_EQ(ReadFile(next.Find(base, MediaKind::Picture, "Logo").file), "picture of A");
    EXPECT_FALSE(next.Find(base, MediaKind::Picture, "A"));
    const MediaFile tune = next.Find(base, MediaKind::Sound, "Tune");
    EXPECT_EQ(ReadFile(tune.file), "new tune");
    EXPECT_EQ(tune.file.parent_path(), dir / "next.media") << "moved into the new session's folder";
    EXPECT_EQ(next.Find(base, MediaKind::Sound, "x").file, project / "x.wav") << "a staged file that is gone";
    EXPECT_EQ(next.RecordText(), text.substr(0, text.find("staged")) + "staged\t" + tune.file.filename().string() + "\n");
}

TEST_F(ProjectMediaTest, APictureSavedInTheOtherFormReplacesTheFormerOne)
{
    // A picture with transparency is kept as a PNG; one without as a JPEG.
    // The form written takes the place of the other one, which would be read
    // first (a JPEG) or be a stale copy (a PNG).
    WriteFile(project / "B.png", "transparent B");
    std::filesystem::remove(project / "B.jpg");
    media.Set(MediaKind::Picture, "A", MediaSource{Staged("transparent A", ".png"), {}});
    media.Set(MediaKind::Picture, "B", MediaSource{Staged("opaque B"), {}});
    media.Save(base, base, Pictures({"A", "B"}), [] {});
    EXPECT_EQ(FileNames(project), (std::set<std::string>{"A.png", "B.jpg"}));
    EXPECT_EQ(Current("A"), "transparent A");
    EXPECT_EQ(Current("B"), "opaque B");
}

TEST_F(ProjectMediaTest, TwoPicturesOfDifferentFormsSwapNames)
{
    WriteFile(project / "B.png", "transparent B");
    std::filesystem::remove(project / "B.jpg");
    media.Set(MediaKind::Picture, "A", MediaSource{{}, "B"});
    media.Set(MediaKind::Picture, "B", MediaSource{{}, "A"});
    media.Save(base, base, Pictures({"A", "B"}), [] {});
    EXPECT_EQ(FileNames(project), (std::set<std::string>{"A.png", "B.jpg"}));
    EXPECT_EQ(Current("A"), "transparent B");
    EXPECT_EQ(Current("B"), "picture of A");
}

// The undo history's records name media as they were before a save; after it
// each must still lead to the same bytes, whatever the save replaced.
TEST_F(ProjectMediaTest, EarlierRecordsLeadToTheSameMediaAfterASave)
{
    WriteFile(project / "Old.png", "transparent Old");
    const std::string newA = Staged("new A");
    const std::string unused = Staged("picture chosen and taken back");
    media.Set(MediaKind::Picture, "A", MediaSource{newA, {}});          // a new picture for A
    media.Set(MediaKind::Picture, "Old", MediaSource{Staged("opaque Old"), {}});  // a JPEG in place of the PNG
    ProjectMedia::Record original;  // the state as loaded: every object its own file
    ProjectMedia::Record renamed{{{MediaKind::Picture, "Logo"}, MediaSource{{}, "B"}},
                                 {{MediaKind::Picture, "B"}, std::nullopt}};
    ProjectMedia::Record current = media.Entries();
    const auto read = [&](const ProjectMedia::Record& record, const std::string& name) {
        ProjectMedia view(dir / "view.media");
        view.RestoreEntries(record);
        const MediaFile file = view.Find(base, MediaKind::Picture, name);
        return file ? ReadFile(file.file) : "(none)";
    };

    media.Save(base, base, Pictures({"A", "B", "Old"}), [] {}, {&original, &renamed, &current});

    EXPECT_EQ(ReadFile(project / "A.jpg"), "new A");
    EXPECT_EQ(read(original, "A"), "picture of A") << "kept aside before the save replaced it";
    EXPECT_EQ(read(original, "B"), "picture of B") << "B.jpg did not change";
    EXPECT_EQ(read(original, "Old"), "transparent Old") << "the PNG the save removed";
    EXPECT_EQ(read(renamed, "Logo"), "picture of B");
    EXPECT_EQ(read(renamed, "B"), "(none)");
    EXPECT_TRUE(current.empty()) << "the state saved is the project folder's";
    EXPECT_EQ(original.count({MediaKind::Picture, "B"}), 0u);
    EXPECT_EQ(renamed.at({MediaKind::Picture, "Logo"}), MediaEntry(MediaSource{{}, "B"}));
    EXPECT_FALSE(std::filesystem::exists(unused)) << "a staged file no record names goes";
    EXPECT_FALSE(std::filesystem::exists(newA)) << "now in the project folder";

    // Saved again into another folder: the first folder's files stay where
    // they are, and the records still lead to the same bytes.
    const auto other = dir / "q";
    std::filesystem::create_directories(other);
    media.Save(base, other / "copy", Pictures({"A", "B", "Old"}), [] {}, {&original, &renamed, &current});
    const std::filesystem::path otherBase = other / "copy";
    const auto readThere = [&](const ProjectMedia::Record& record, const std::string& name) {
        ProjectMedia view(dir / "view.media");
        view.RestoreEntries(record);
        const MediaFile file = view.Find(otherBase, MediaKind::Picture, name);
        return file ? ReadFile(file.file) : "(none)";
    };
    EXPECT_EQ(readThere(current, "A"), "new A");
    EXPECT_EQ(readThere(original, "A"), "picture of A");
    EXPECT_EQ(readThere(original, "Old"), "transparent Old");
    EXPECT_EQ(readThere(renamed, "Logo"), "picture of B");
}

}  // namespace
}  // namespace glimmora::test
