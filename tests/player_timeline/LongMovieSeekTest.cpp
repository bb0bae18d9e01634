// On long movies as the editor builds them (runs of letters coming and
// going, pictures one after the other), a seek to any frame, in any order,
// with the snapshots taken lazily or in the background, gives exactly the
// stage that playing the movie to that frame gives.

#include "TimelineFixture.h"

#include "projects/LongMovies.h"
#include "support/BuiltMovie.h"
#include "support/SameDisplayList.h"
#include "support/TempDir.h"

#include "player/timeline/StageCursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace glimmora::test {
namespace {

struct LongMovieCase {
    const char* name;
    std::function<std::filesystem::path(const std::filesystem::path& folder)> write;
};

class LongMovieSeek : public ::testing::TestWithParam<LongMovieCase> {};

TEST_P(LongMovieSeek, AnyFrameInAnyOrderIsTheFramePlayedTo)
{
    TempDir dir;
    const auto movie = BuiltMovie(GetParam().write(dir.Path()));
    const int count = movie->FrameCount();
    ASSERT_GT(count, 200);

    std::vector<player::Stage> played;  // copies share what did not change
    const player::TimelineRunner runner(movie);
    played.push_back(runner.Start(player::RunMode::Play));
    while (int(played.size()) < count) {
        played.push_back(played.back());
        runner.Tick(played.back(), player::RunMode::Play, false);
    }

    std::vector<int> frames(size_t(count), 0);
    for (int f = 0; f < count; ++f) frames[size_t(f)] = f;
    std::shuffle(frames.begin(), frames.end(), std::mt19937(7));
    for (bool background : {false, true}) {
        SCOPED_TRACE(background ? "snapshots taken in the background" : "snapshots taken lazily");
        player::StageCursor cursor(movie, 256);
        if (background) cursor.IndexInBackground();
        auto seekAll = [&] {
            for (int frame : frames) {
                ASSERT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, played[size_t(frame)].Root().children))
                    << "frame " << frame;
            }
        };
        seekAll();  // in the background case, while the snapshots are being taken
        if (background) {
            for (int wait = 0; wait < 10000 && !cursor.BackgroundIndexDone(); ++wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            ASSERT_TRUE(cursor.BackgroundIndexDone());
            seekAll();  // from the background's snapshots
        }
        EXPECT_GT(cursor.SnapshotCount(), 5u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generated, LongMovieSeek,
    ::testing::Values(
        LongMovieCase{"letter_runs",
                      [](const std::filesystem::path& folder) {
                          return bench::WriteTextMovie(folder, "texts",
                                                       bench::TextMovieShape{.texts = 90, .effects = {}});
                      }},
        LongMovieCase{"pictures",
                      [](const std::filesystem::path& folder) {
                          return bench::WritePictureMovie(folder, "pictures", 40);
                      }}),
    [](const ::testing::TestParamInfo<LongMovieCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
