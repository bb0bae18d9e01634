// Every sprite instance has its own play head: it moves on one frame per
// step of the movie, honours its own stop, and keeps going while it stands
// on the stage, whatever its parent's timeline does.

#include "TimelineFixture.h"

#include "player/timeline/StageCursor.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

// Sprite 20 moves shape 1 from x = 0 to 100 to 200 over its three frames.
void AddMover(TimelineMovie& movie, bool stopAtEnd = false)
{
    movie.Shape(1);
    movie.Sprite(20, {Frame({PlaceOp(1, 1, 0)}), Frame({MoveOp(1, 100)}),
                      stopAtEnd ? StopFrame({MoveOp(1, 200)}) : Frame({MoveOp(1, 200)})});
}

TEST(SpritePlayHeads, AClipInsideAOneFrameClipPlays)
{
    // The main timeline and sprite 10 have one frame each; sprite 10 holds the mover.
    TimelineMovie movie({Frame({PlaceOp(1, 10)})});
    AddMover(movie);
    movie.Sprite(10, {Frame({PlaceOp(1, 20)})});
    for (int ticks = 0; ticks < 7; ++ticks) {
        const player::Stage stage = Played(movie.movie, ticks);
        EXPECT_EQ(FrameAt(stage, {1}), 0) << ticks << " ticks";
        EXPECT_EQ(FrameAt(stage, {1, 1}), ticks % 3) << ticks << " ticks";
        EXPECT_EQ(XAt(stage, {1, 1}, 1), 100 * (ticks % 3)) << ticks << " ticks";
    }
}

TEST(SpritePlayHeads, AStopInsideAClipHoldsItWhileTheMainTimelinePlaysOn)
{
    std::vector<swf::FrameRecord> frames(10);
    frames[2] = Frame({PlaceOp(1, 20)});
    TimelineMovie movie(std::move(frames));
    AddMover(movie, true);
    const int expected[] = {-2, -2, 0, 1, 2, 2, 2, 2, 2, 2};
    player::StageCursor cursor(movie.movie);
    for (int frame = 0; frame < 10; ++frame) {
        EXPECT_EQ(FrameAt(Played(movie.movie, frame), {1}), expected[frame]) << "played to " << frame;
        EXPECT_EQ(FrameAt(cursor.Seek(frame), {1}), expected[frame]) << "seek to " << frame;
    }
    const player::Stage stage = Played(movie.movie, 6);
    EXPECT_FALSE(TimelineAt(stage, {1})->playing);
    EXPECT_TRUE(stage.Root().playing);
}

// Without scripts, a sprite placed in main frame p shows its frame
// (N - p) mod length in main frame N, however the frame is reached.
TEST(SpritePlayHeads, WithoutScriptsASpriteFollowsTheFramesSinceItsPlacement)
{
    std::vector<swf::FrameRecord> frames(40);
    frames[3] = Frame({PlaceOp(1, 20), PlaceOp(2, 30)});
    frames[17] = Frame({RemoveOp(2)});
    frames[22] = Frame({PlaceOp(2, 30)});
    TimelineMovie movie(std::move(frames));
    AddMover(movie);
    movie.Sprite(30, std::vector<swf::FrameRecord>(7));
    player::StageCursor cursor(movie.movie, 3);
    for (int frame : {39, 0, 3, 4, 16, 17, 21, 22, 23, 30, 5, 38}) {
        const player::Stage& stage = cursor.Seek(frame);
        EXPECT_EQ(FrameAt(stage, {1}), frame >= 3 ? (frame - 3) % 3 : -2) << "frame " << frame;
        const int placed = frame >= 22 ? 22 : frame >= 17 ? -1 : frame >= 3 ? 3 : -1;
        EXPECT_EQ(FrameAt(stage, {2}), placed < 0 ? -2 : (frame - placed) % 7) << "frame " << frame;
        EXPECT_EQ(FrameAt(Played(movie.movie, frame), {2}), FrameAt(stage, {2})) << "frame " << frame;
    }
}

// When the main timeline goes back to its first frame, an object that was
// placed there and stood all along stays (a sprite keeps its play head);
// what came later goes and comes back new.
TEST(SpritePlayHeads, LoopingKeepsWhatStandsFromTheFirstFrame)
{
    TimelineMovie movie({Frame({PlaceOp(1, 20)}), Frame(), Frame({PlaceOp(2, 30)}), Frame()});
    AddMover(movie);
    movie.Sprite(30, std::vector<swf::FrameRecord>(5));
    struct Case {
        int ticks, main, first, second;
    };
    for (const Case& c : {Case{3, 3, 0, 1}, Case{4, 0, 1, -2}, Case{5, 1, 2, -2}, Case{6, 2, 0, 0},
                          Case{7, 3, 1, 1}}) {
        const player::Stage stage = Played(movie.movie, c.ticks);
        EXPECT_EQ(stage.Root().frame, c.main) << c.ticks << " ticks";
        EXPECT_EQ(FrameAt(stage, {1}), c.first) << c.ticks << " ticks";
        EXPECT_EQ(FrameAt(stage, {2}), c.second) << c.ticks << " ticks";
    }
    // Without looping, the main timeline stops at its end and the sprites play on.
    const player::Stage held = Played(movie.movie, 5, false);
    EXPECT_EQ(held.Root().frame, 3);
    EXPECT_FALSE(held.Root().playing);
    EXPECT_EQ(FrameAt(held, {1}), 2);
}

TEST(SpritePlayHeads, ReplacingBySameSpriteKeepsItsPlayHeadByAnotherStartsIt)
{
    TimelineMovie movie({Frame({PlaceOp(1, 20), PlaceOp(2, 20)}), Frame(), Frame(),
                         Frame({ReplaceOp(1, 20), ReplaceOp(2, 21)}), Frame()});
    AddMover(movie);
    movie.Sprite(21, std::vector<swf::FrameRecord>(4));
    const player::Stage stage = Played(movie.movie, 4);
    EXPECT_EQ(FrameAt(stage, {1}), 4 % 3);
    EXPECT_EQ(TimelineAt(stage, {1})->characterId, 20);
    EXPECT_EQ(FrameAt(stage, {2}), 1) << "sprite 21 started in main frame 3";
    EXPECT_EQ(TimelineAt(stage, {2})->characterId, 21);
    EXPECT_EQ(stage.TimelineCount(), 3u) << "the replaced instance's timeline is gone";
}

TEST(SpritePlayHeads, SpritesPlacingThemselvesStayBounded)
{
    // Sprite 5 places two copies of itself: without limits, 2^n instances.
    TimelineMovie movie({Frame({PlaceOp(1, 5)})});
    movie.Sprite(5, {Frame({PlaceOp(1, 5), PlaceOp(2, 5)}), Frame()});
    player::RunLimits limits;
    limits.maxTimelines = 300;
    const player::TimelineRunner runner(movie.movie, limits);
    player::Stage stage = runner.Start(player::RunMode::Play);
    for (int i = 0; i < 5; ++i) runner.Tick(stage, player::RunMode::Play);
    EXPECT_LE(stage.TimelineCount(), 301u);
    EXPECT_GT(stage.TimelineCount(), 30u);
    int deepest = 0;
    stage.ForEachTimeline([&](const player::Timeline& t) { deepest = std::max(deepest, t.level); });
    EXPECT_LE(deepest, limits.maxNesting);
}

}  // namespace
}  // namespace glimmora::test
