// The frame cursor's snapshots and stepping give exactly the display list that
// a replay from the first frame gives, in whatever order frames are visited.

#include "RenderFixture.h"

#include "player/FrameCursor.h"

#include <random>

namespace glimmora::test {
namespace {

::testing::AssertionResult SameList(const swf::DisplayList& actual, const swf::DisplayList& expected)
{
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure() << actual.size() << " items instead of " << expected.size();
    }
    for (auto a = actual.begin(), e = expected.begin(); a != actual.end(); ++a, ++e) {
        const swf::DisplayItem& x = a->second;
        const swf::DisplayItem& y = e->second;
        if (a->first != e->first || x.characterId != y.characterId || !(x.matrix == y.matrix) ||
            !(x.colorTransform == y.colorTransform) || x.ratio != y.ratio ||
            x.clipDepth != y.clipDepth || x.name != y.name || x.placedAtFrame != y.placedAtFrame) {
            return ::testing::AssertionFailure() << "the item at depth " << a->first << " differs";
        }
    }
    return ::testing::AssertionSuccess();
}

// A movie of place, modify, replace and remove operations on a few depths.
std::shared_ptr<swf::DecodedMovie> RandomMovie(unsigned seed, int frames)
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    MovieFixture fixture(100, 100, kWhite, frames);
    for (int frame = 0; frame < frames; ++frame) {
        const int ops = pick(0, 6);
        for (int i = 0; i < ops; ++i) {
            auto& op = fixture.Op(frame, swf::DisplayOp::Kind(pick(0, 3)), uint16_t(pick(1, 12)));
            if (op.kind == swf::DisplayOp::Kind::Place || pick(0, 2) == 0) {
                op.characterId = uint16_t(pick(1, 5));
            }
            if (pick(0, 1)) op.matrix = Translate(pick(0, 90), pick(0, 90));
            if (pick(0, 3) == 0) {
                swf::ColorTransform cx;
                cx.multA = int16_t(pick(0, 256));
                op.colorTransform = cx;
            }
            if (pick(0, 7) == 0) op.clipDepth = uint16_t(pick(1, 12));
            if (pick(0, 7) == 0) op.name = "n" + std::to_string(pick(0, 3));
        }
    }
    return fixture.movie;
}

TEST(FrameCursor, RandomSeeksEqualReplay)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto movie = RandomMovie(seed, 300);
        player::FrameCursor cursor(movie, 7);
        EXPECT_EQ(cursor.SnapshotCount(), 1u);  // nothing replayed before the first seek
        cursor.Seek(299);
        ASSERT_GT(cursor.SnapshotCount(), 10u);
        std::mt19937 random(seed * 77);
        std::vector<int> frames = {0, 299, 0, 298, 299, 150, 150, 149, 151, 7, 6, 8};
        for (int i = 0; i < 150; ++i) frames.push_back(std::uniform_int_distribution<int>(0, 299)(random));
        for (int frame : frames) {
            EXPECT_TRUE(SameList(cursor.Seek(frame), movie->DisplayListAt(frame))) << "frame " << frame;
            EXPECT_EQ(cursor.Frame(), frame);
        }
    }
}

TEST(FrameCursor, StepsThroughEveryFrameBothWays)
{
    const auto movie = RandomMovie(9, 120);
    player::FrameCursor cursor(movie, 16);
    for (int frame = 0; frame < 120; ++frame) {
        ASSERT_TRUE(SameList(cursor.Seek(frame), movie->DisplayListAt(frame))) << "frame " << frame;
    }
    for (int frame = 119; frame >= 0; --frame) {
        ASSERT_TRUE(SameList(cursor.Seek(frame), movie->DisplayListAt(frame))) << "frame " << frame;
    }
}

TEST(FrameCursor, FramesOutsideTheMovieAreClamped)
{
    const auto movie = RandomMovie(4, 20);
    player::FrameCursor cursor(movie);
    EXPECT_TRUE(SameList(cursor.Seek(-5), movie->DisplayListAt(0)));
    EXPECT_EQ(cursor.Frame(), 0);
    EXPECT_TRUE(SameList(cursor.Seek(500), movie->DisplayListAt(19)));
    EXPECT_EQ(cursor.Frame(), 19);

    MovieFixture empty(10, 10, kWhite, 0);
    player::FrameCursor none(empty.movie);
    EXPECT_TRUE(none.Seek(3).empty());
}

// A fresh cursor explores lazily: a first seek into the middle, back before
// any snapshot and on past the explored part must all equal a replay.
TEST(FrameCursor, LazySnapshotsFromAFirstSeekIntoTheMiddle)
{
    const auto movie = RandomMovie(5, 200);
    player::FrameCursor cursor(movie, 5);
    for (int frame : {120, 3, 121, 60, 199, 119, 0, 200}) {
        const int shown = std::min(frame, 199);
        ASSERT_TRUE(SameList(cursor.Seek(frame), movie->DisplayListAt(shown))) << "frame " << frame;
        EXPECT_EQ(cursor.Frame(), shown);
    }
}

}  // namespace
}  // namespace glimmora::test
