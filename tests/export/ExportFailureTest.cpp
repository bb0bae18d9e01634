// A cancelled or failed export leaves no file behind, and an earlier file of
// the same name as it was; progress counts every step.

#include "ExportFixtures.h"

#include "export/ExportError.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

const char* const kTargets[] = {"a.mp4", "a.webm", "a.gif", "a.webp", "a.apng", "f%d.png", "a.html"};

TEST(ExportCancel, LeavesNothingAndKeepsTheEarlierFile)
{
    for (const char* name : kTargets) {
        TempDir dir;
        const bool sequence = std::string(name).find("%d") != std::string::npos;
        const auto earlier = dir / (sequence ? "f0.png" : name);
        WriteFile(earlier, "earlier");
        CountingProgress progress(2);
        EXPECT_THROW(Export(Movie(MovingBoxMovie(8)), dir / name, [](auto&) {}, &progress),
                     exporting::ExportCancelled)
            << name;
        EXPECT_EQ(FileNames(dir.Path()), std::vector<std::string>{earlier.filename().string()}) << name;
        EXPECT_EQ(ReadFile(earlier), "earlier") << name;
    }
}

TEST(ExportProgress, CountsEveryStepUpToTheTotal)
{
    const struct {
        const char* name;
        int total;
    } cases[] = {{"a.mp4", 9}, {"a.gif", 17}, {"a.webp", 9}, {"f%d.png", 9}};
    for (const auto& c : cases) {
        TempDir dir;
        CountingProgress progress;
        Export(Movie(MovingBoxMovie(8)), dir / c.name, [](auto&) {}, &progress);
        EXPECT_EQ(progress.total, c.total) << c.name;
        std::vector<int> expected(size_t(c.total) + 1);
        for (int i = 0; i <= c.total; ++i) expected[size_t(i)] = i;
        EXPECT_EQ(progress.steps, expected) << c.name;
    }
}

TEST(ExportFailure, UnwritableFolderNamesTheFile)
{
    for (const char* name : kTargets) {
        const std::filesystem::path target = std::filesystem::path("/nonexistent-folder") / name;
        try {
            Export(Movie(MovingBoxMovie(2)), target, [](auto&) {});
            ADD_FAILURE() << name << " was written";
        } catch (const exporting::ExportError& e) {
            EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/"), std::string::npos) << e.what();
        }
    }
}

TEST(ExportFailure, WebPageWithoutThePlayerSaysWhatIsMissing)
{
    TempDir dir;
    auto movie = Movie(MovingBoxMovie(2));
    movie.swf = {'F', 'W', 'S'};
    exporting::ExportSettings settings;
    settings.format = exporting::ExportFormat::Html;
    settings.target = dir / "a.html";
    try {
        exporting::ExportMovieFile(movie, settings, nullptr, dir / "no-player");
        ADD_FAILURE() << "written without a player";
    } catch (const exporting::ExportError& e) {
        EXPECT_NE(std::string(e.what()).find("no-player"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(FileNames(dir.Path()).empty());
}

}  // namespace
}  // namespace glimmora::test
