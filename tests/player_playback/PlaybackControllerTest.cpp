// The playback controller on a fake clock: frame timing, stop actions, loop,
// stepping at the ends and seeking.

#include "FakeTime.h"
#include "MovieFixtures.h"

#include "player/playback/PlaybackController.h"
#include "support/FrameScripts.h"
#include "support/SameDisplayList.h"

#include <gtest/gtest.h>

#include <random>

namespace glimmora::test {
namespace {

using player::PlaybackController;

// The first microsecond at which frame k of a 12 fps movie is due.
int64_t DueAt(int64_t start, int k) { return start + (k * 1'000'000 + 11) / 12; }

struct Fixture {
    explicit Fixture(std::shared_ptr<swf::DecodedMovie> m) : movie(std::move(m)), controller(movie, time, time) {}
    FakeTime time;
    std::shared_ptr<swf::DecodedMovie> movie;
    PlaybackController controller;
};

TEST(PlaybackTiming, TwelveFpsShowsEachFrameOnTimeOverAThousandFramesWithoutDrift)
{
    Fixture f(CountingMovie(1200));
    const int64_t start = f.time.NowMicros();
    f.controller.Play();
    for (int k = 1; k <= 1000; ++k) {
        f.time.AdvanceTo(DueAt(start, k) - 1);
        f.controller.Tick();
        ASSERT_EQ(f.controller.Frame(), k - 1) << "frame " << k << " came early";
        f.time.AdvanceTo(DueAt(start, k));
        f.controller.Tick();
        ASSERT_EQ(f.controller.Frame(), k) << "frame " << k << " is late";
    }
}

TEST(PlaybackTiming, OneSecondOfFakeTimeIsTwelveFramesWhateverTheTicks)
{
    Fixture f(CountingMovie(1200));
    f.controller.Play();
    // Only the timer's own ticks: ten seconds are 120 frames.
    f.time.AdvanceBy(10'000'000);
    f.controller.Tick();  // the wake-up that lands on the ten-second mark
    EXPECT_EQ(f.controller.Frame(), 120);

    // Irregular extra wake-ups change nothing.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> gap(1, 130'000);
    const int64_t start = f.time.NowMicros();
    while (f.time.NowMicros() < start + 10'000'000) {
        f.time.AdvanceTo(std::min<int64_t>(start + 10'000'000, f.time.NowMicros() + gap(random)));
        f.controller.Tick();
    }
    EXPECT_EQ(f.controller.Frame(), 240);
}

TEST(PlaybackTiming, AStallDoesNotRaceThroughTheMovie)
{
    Fixture f(CountingMovie(1200));
    f.controller.Play();
    f.time.Stop();  // no wake-ups for a while, as under a blocked event loop
    f.time.AdvanceBy(5'000'000);
    f.controller.Tick();
    EXPECT_EQ(f.controller.Frame(), 12) << "at most one second is made up";
}

TEST(PlaybackControl, AStopActionEndsPlaybackOnItsFrameAndPlayGoesOn)
{
    auto movie = CountingMovie(20);
    movie->frames[5].scripts.push_back(StopScript());
    Fixture f(movie);
    f.controller.Play();
    f.time.AdvanceBy(2'000'000);
    EXPECT_EQ(f.controller.Frame(), 5);
    EXPECT_FALSE(f.controller.Playing());
    f.controller.Play();
    f.time.AdvanceBy(1'000'000 / 12 + 1);
    f.controller.Tick();
    EXPECT_EQ(f.controller.Frame(), 6);
    EXPECT_TRUE(f.controller.Playing());
}

TEST(PlaybackControl, LoopOnWrapsToTheFirstFrameLoopOffStopsOnTheLast)
{
    struct Case {
        bool loop;
        int frameAfter;
        bool playingAfter;
    };
    for (const Case c : {Case{true, 2, true}, Case{false, 9, false}}) {
        Fixture f(CountingMovie(10));
        f.controller.SetLoop(c.loop);
        f.controller.Play();
        f.time.AdvanceTo(DueAt(f.time.NowMicros(), 12));  // twelve frame periods
        f.controller.Tick();
        EXPECT_EQ(f.controller.Frame(), c.frameAfter) << "loop " << c.loop;
        EXPECT_EQ(f.controller.Playing(), c.playingAfter) << "loop " << c.loop;
        EXPECT_EQ(f.controller.DisplayList().at(1).matrix.translateX, c.frameAfter);
    }
}

TEST(PlaybackControl, PlayAtTheEndOfAMovieThatDoesNotLoopStartsOver)
{
    Fixture f(CountingMovie(10));
    f.controller.SetLoop(false);
    f.controller.GotoFrame(9);
    f.controller.Play();
    EXPECT_EQ(f.controller.Frame(), 0);
    EXPECT_TRUE(f.controller.Playing());
}

TEST(PlaybackControl, BackAndForwardStepOneFrameStopAndDoNotPassTheEnds)
{
    Fixture f(CountingMovie(3));
    f.controller.Back();
    EXPECT_EQ(f.controller.Frame(), 0);
    f.controller.Play();
    f.controller.Forward();
    EXPECT_FALSE(f.controller.Playing());
    EXPECT_EQ(f.controller.Frame(), 1);
    f.controller.Forward();
    f.controller.Forward();
    EXPECT_EQ(f.controller.Frame(), 2);
    EXPECT_EQ(f.controller.DisplayList().at(1).matrix.translateX, 2);
    f.controller.Back();
    EXPECT_EQ(f.controller.Frame(), 1);
    EXPECT_EQ(f.controller.DisplayList().at(1).matrix.translateX, 1);
}

TEST(PlaybackControl, GotoFrameClampsAndKeepsPlayingFromTheNewFrame)
{
    Fixture f(CountingMovie(100));
    f.controller.GotoFrame(1000);
    EXPECT_EQ(f.controller.Frame(), 99);
    f.controller.GotoFrame(-5);
    EXPECT_EQ(f.controller.Frame(), 0);

    f.controller.Play();
    f.time.AdvanceBy(500'000);
    f.controller.GotoFrame(40);
    EXPECT_TRUE(f.controller.Playing());
    EXPECT_EQ(f.controller.Frame(), 40);
    f.time.AdvanceBy(1'000'000 / 12 + 1);
    f.controller.Tick();
    EXPECT_EQ(f.controller.Frame(), 41) << "the frame period starts again at the seek";
}

TEST(PlaybackControl, AnEmptyOrOneFrameMovieStandsStill)
{
    Fixture empty(std::make_shared<swf::DecodedMovie>());
    empty.controller.Play();
    empty.controller.Forward();
    empty.controller.GotoFrame(3);
    EXPECT_EQ(empty.controller.Frame(), 0);
    EXPECT_TRUE(empty.controller.DisplayList().empty());

    Fixture single(CountingMovie(1));
    single.controller.Play();
    single.time.AdvanceBy(1'000'000);
    EXPECT_EQ(single.controller.Frame(), 0);
}

// ---- Seeking --------------------------------------------------------------

// Three hundred frames of places, moves, replacements and removals over a
// handful of depths, so that seeks cross many snapshots.
std::shared_ptr<swf::DecodedMovie> BusyTimeline()
{
    auto movie = CountingMovie(300);
    std::mt19937 random(11);
    for (int f = 1; f < 300; ++f) {
        for (int n = 0; n < 6; ++n) {
            swf::DisplayOp op;
            op.depth = uint16_t(2 + random() % 8);
            switch (random() % 4) {
            case 0: op.kind = swf::DisplayOp::Kind::Place; op.characterId = 1; break;
            case 1: op.kind = swf::DisplayOp::Kind::Modify; break;
            case 2: op.kind = swf::DisplayOp::Kind::Replace; op.characterId = 1; break;
            default: op.kind = swf::DisplayOp::Kind::Remove; break;
            }
            swf::Matrix m;
            m.translateX = int32_t(random() % 1000);
            op.matrix = m;
            movie->frames[size_t(f)].ops.push_back(op);
        }
    }
    return movie;
}

TEST(PlaybackSeeking, EverySeekShowsExactlyTheDisplayListOfItsFrame)
{
    Fixture f(BusyTimeline());
    for (int target : {299, 0, 299, 150, 149, 151, 10, 298, 1, 200, 200, 37}) {
        f.controller.GotoFrame(target);
        EXPECT_TRUE(SameDisplayList(f.controller.DisplayList(), f.movie->DisplayListAt(target)))
            << "frame " << target;
    }
    // And frame by frame while playing through the end and round again.
    f.controller.GotoFrame(290);
    f.controller.Play();
    for (int k = 1; k <= 20; ++k) {
        f.time.AdvanceBy(1'000'000 / 12 + 1);
        f.controller.Tick();
        ASSERT_TRUE(SameDisplayList(f.controller.DisplayList(), f.movie->DisplayListAt(f.controller.Frame())))
            << "frame " << f.controller.Frame();
    }
    EXPECT_LT(f.controller.Frame(), 20) << "wrapped round";
}

}  // namespace
}  // namespace glimmora::test
