// The stage cursor's snapshots and stepping give exactly the main timeline's
// display list that a replay from the first frame gives, in whatever order
// frames are visited, and its snapshots share what did not change.

#include "TimelineFixture.h"

#include "player/timeline/StageCursor.h"
#include "support/SameDisplayList.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace glimmora::test {
namespace {

// A movie of place, modify, replace and remove operations on a few depths.
std::shared_ptr<swf::DecodedMovie> RandomMovie(unsigned seed, int frames)
{
    std::mt19937 random(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    std::vector<swf::FrameRecord> records(static_cast<size_t>(frames));
    for (swf::FrameRecord& record : records) {
        const int ops = pick(0, 6);
        for (int i = 0; i < ops; ++i) {
            swf::DisplayOp op;
            op.kind = swf::DisplayOp::Kind(pick(0, 3));
            op.depth = uint16_t(pick(1, 12));
            if (op.kind == swf::DisplayOp::Kind::Place || pick(0, 2) == 0) op.characterId = uint16_t(pick(1, 5));
            if (pick(0, 1)) {
                swf::Matrix m;
                m.translateX = pick(0, 1800);
                m.translateY = pick(0, 1800);
                op.matrix = m;
            }
            if (pick(0, 3) == 0) {
                swf::ColorTransform cx;
                cx.multA = int16_t(pick(0, 256));
                op.colorTransform = cx;
            }
            if (pick(0, 7) == 0) op.clipDepth = uint16_t(pick(1, 12));
            if (pick(0, 7) == 0) op.name = "n" + std::to_string(pick(0, 3));
            record.ops.push_back(op);
        }
    }
    TimelineMovie movie(std::move(records));
    for (uint16_t id = 1; id <= 5; ++id) movie.Shape(id);
    return movie.movie;
}

TEST(StageCursor, RandomSeeksEqualReplay)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto movie = RandomMovie(seed, 300);
        player::StageCursor cursor(movie, 7);
        EXPECT_EQ(cursor.SnapshotCount(), 0u);  // nothing replayed before the first seek
        cursor.Seek(299);
        ASSERT_GT(cursor.SnapshotCount(), 10u);
        std::mt19937 random(seed * 77);
        std::vector<int> frames = {0, 299, 0, 298, 299, 150, 150, 149, 151, 7, 6, 8};
        for (int i = 0; i < 150; ++i) frames.push_back(std::uniform_int_distribution<int>(0, 299)(random));
        for (int frame : frames) {
            EXPECT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, movie->DisplayListAt(frame)))
                << "frame " << frame;
            EXPECT_EQ(cursor.Frame(), frame);
        }
    }
}

TEST(StageCursor, StepsThroughEveryFrameBothWays)
{
    const auto movie = RandomMovie(9, 120);
    player::StageCursor cursor(movie, 16);
    for (int frame = 0; frame < 120; ++frame) {
        ASSERT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, movie->DisplayListAt(frame)))
            << "frame " << frame;
    }
    for (int frame = 119; frame >= 0; --frame) {
        ASSERT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, movie->DisplayListAt(frame)))
            << "frame " << frame;
    }
}

TEST(StageCursor, FramesOutsideTheMovieAreClamped)
{
    const auto movie = RandomMovie(4, 20);
    player::StageCursor cursor(movie);
    EXPECT_TRUE(SameDisplayList(cursor.Seek(-5).Root().children, movie->DisplayListAt(0)));
    EXPECT_EQ(cursor.Frame(), 0);
    EXPECT_TRUE(SameDisplayList(cursor.Seek(500).Root().children, movie->DisplayListAt(19)));
    EXPECT_EQ(cursor.Frame(), 19);

    TimelineMovie empty({});
    player::StageCursor none(empty.movie);
    EXPECT_TRUE(none.Seek(3).Root().children.empty());
}

// A fresh cursor explores lazily: a first seek into the middle, back before
// any snapshot and on past the explored part must all equal a replay; and
// indexing everything at once changes nothing either.
TEST(StageCursor, LazyOrIndexedSnapshotsFromAFirstSeekIntoTheMiddle)
{
    const auto movie = RandomMovie(5, 200);
    for (bool indexed : {false, true}) {
        SCOPED_TRACE(indexed ? "indexed" : "lazy");
        player::StageCursor cursor(movie, 5);
        if (indexed) cursor.Index();
        for (int frame : {120, 3, 121, 60, 199, 119, 0, 200}) {
            const int shown = std::min(frame, 199);
            ASSERT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, movie->DisplayListAt(shown)))
                << "frame " << frame;
            EXPECT_EQ(cursor.Frame(), shown);
        }
    }
}

// Seeks made while a background replay takes the snapshots, and after it
// has taken them all, equal a replay; so do sprites playing by their own
// play heads. A cursor dropped while its replay runs stops it.
TEST(StageCursor, SnapshotsTakenInTheBackgroundGiveTheSameStages)
{
    for (unsigned seed : {11u, 12u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto movie = RandomMovie(seed, 400);
        player::StageCursor cursor(movie, 7);
        cursor.IndexInBackground();
        std::mt19937 random(seed);
        auto check = [&](int frame) {
            ASSERT_TRUE(SameDisplayList(cursor.Seek(frame).Root().children, movie->DisplayListAt(frame)))
                << "frame " << frame;
        };
        for (int i = 0; i < 60; ++i) check(std::uniform_int_distribution<int>(0, 399)(random));
        for (int wait = 0; wait < 5000 && !cursor.BackgroundIndexDone(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ASSERT_TRUE(cursor.BackgroundIndexDone());
        EXPECT_GT(cursor.SnapshotCount(), 30u);
        for (int frame : {399, 0, 398, 200, 199, 201}) check(frame);
        for (int i = 0; i < 60; ++i) check(std::uniform_int_distribution<int>(0, 399)(random));
    }
    {
        // Sprites: each stage a seek gives is the stage the same steps of playing give.
        std::vector<swf::FrameRecord> frames(300);
        frames[0] = Frame({PlaceOp(1, 50), PlaceOp(2, 60), PlaceOp(3, 1), PlaceOp(4, 1), PlaceOp(5, 1), PlaceOp(6, 1), PlaceOp(7, 1)});
        for (int f = 1; f < 300; ++f) frames[size_t(f)] = Frame({MoveOp(3 + f % 5, f)});
        TimelineMovie clips(std::move(frames));
        clips.Shape(1);
        clips.Sprite(50, {Frame({PlaceOp(1, 1)}), Frame({MoveOp(1, 40)}), Frame({MoveOp(1, 80)})});
        clips.Sprite(60, {Frame({PlaceOp(1, 1)}), Frame({PlaceOp(2, 50)}), Frame(), Frame(), Frame({RemoveOp(2)})});
        player::StageCursor cursor(clips.movie, 3);
        cursor.IndexInBackground();
        for (int frame : {250, 17, 299, 3, 120, 121, 0, 298}) {
            const player::Stage& sought = cursor.Seek(frame);
            const player::Stage played = Played(clips.movie, frame, false);
            EXPECT_TRUE(SameDisplayList(sought.Root().children, played.Root().children)) << "frame " << frame;
            EXPECT_EQ(FrameAt(sought, {1}), FrameAt(played, {1})) << "frame " << frame;
            EXPECT_EQ(FrameAt(sought, {2, 2}), FrameAt(played, {2, 2})) << "frame " << frame;
            EXPECT_EQ(XAt(sought, {1}, 1), XAt(played, {1}, 1)) << "frame " << frame;
        }
    }
    {
        const auto movie = RandomMovie(13, 20000);
        player::StageCursor dropped(movie, 7);
        dropped.IndexInBackground();
    }
}

// A thousand objects stand while one of them moves each frame: every
// snapshot shares all chunks but the moving object's with the one before.
TEST(StageCursor, SnapshotsShareWhatDidNotChange)
{
    std::vector<swf::FrameRecord> frames(200);
    for (uint16_t depth = 1; depth <= 1000; ++depth) frames[0].ops.push_back(PlaceOp(depth, 1));
    for (int f = 1; f < 200; ++f) frames[size_t(f)].ops.push_back(MoveOp(uint16_t(1 + (f * 37) % 1000), f));
    TimelineMovie movie(std::move(frames));
    movie.Shape(1);
    player::StageCursor cursor(movie.movie, 1);  // a snapshot after every frame
    cursor.Index();
    ASSERT_GT(cursor.SnapshotCount(), 150u);
    const size_t objectBytes = 1000 * sizeof(player::DepthList::Entry);
    // Copied whole, the snapshots would hold the objects some 200 times;
    // shared, each holds one chunk of 64 of its own.
    EXPECT_LT(cursor.HeldBytes(), 20 * objectBytes);
    EXPECT_GT(cursor.HeldBytes(), objectBytes);
    // The current stage shares all chunks with the snapshot it came from but the one it changed.
    player::Stage copy = cursor.Seek(100);
    copy.Mutable(player::Stage::kRoot)->children.FindMutable(500)->matrix.translateX = 1;
    EXPECT_EQ(copy.Root().children.UnsharedChunks(), 1u);
    EXPECT_EQ(cursor.Seek(100).Root().children.at(500).matrix.translateX, 0);
}

}  // namespace
}  // namespace glimmora::test
