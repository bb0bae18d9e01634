// What AddObject, RemoveObject and GotoFrame mean for the frames shown,
// through the planned display list.

#include "EncoderFixture.h"

#include <cmath>
#include <limits>

namespace glimmora::test {
namespace {

using Kind = swf::PlanEvent::Kind;
using Shown = std::vector<uint32_t>;

class TimelineSemantics : public EncoderFixture {};

TEST_F(TimelineSemantics, FractionalFramesGoToTheNearestHalvesToEven)
{
    const struct {
        double frame;
        int32_t expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.49, 2}, {2.51, 3}, {7.0, 7}, {-0.4, 0}};
    auto& holder = NewRectangle();
    for (const auto& c : cases) {
        movie.GotoFrame(c.frame);
        movie.AddObject(holder);
        EXPECT_EQ(Placements().back().start, c.expected) << c.frame;
    }
}

TEST_F(TimelineSemantics, FramesOutsideTheMovieAreErrors)
{
    const double bad[] = {-1, -0.6, 65535, 1e12, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()};
    for (double frame : bad) {
        EXPECT_THROW(movie.GotoFrame(frame), SwfError) << frame;
    }
    movie.GotoFrame(3);
    EXPECT_THROW(movie.GotoFrame(-2), SwfError);
    EXPECT_EQ(movie.GetTimeline().CurrentFrame(), 3) << "a refused frame keeps the current one";
    EXPECT_NO_THROW(movie.GotoFrame(65534));
}

TEST_F(TimelineSemantics, PlacementsNeverDisplaceOneAnother)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);
    holder.Translate(500, 500);
    movie.AddObject(holder);
    EXPECT_EQ(VisibleAt(0), (Shown{0, 1}));
    EXPECT_EQ(Plan().depthCount, 2u);
}

TEST_F(TimelineSemantics, RemoveEndsTheLatestPlacementFromTheCurrentFrame)
{
    auto& holder = NewRectangle();
    movie.GotoFrame(2);
    movie.AddObject(holder);
    movie.GotoFrame(5);
    movie.RemoveObject(holder);
    EXPECT_EQ(VisibleAt(1), Shown{});
    EXPECT_EQ(VisibleAt(2), Shown{0});
    EXPECT_EQ(VisibleAt(4), Shown{0});
    EXPECT_EQ(VisibleAt(5), Shown{});
    EXPECT_EQ(movie.GetTimeline().FrameCount(), 6);
}

TEST_F(TimelineSemantics, RemoveTakesOnlyTheLatestAndOnlyOnce)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);  // 0: stays, an earlier placement
    movie.GotoFrame(1);
    movie.AddObject(holder);  // 1: the latest
    movie.GotoFrame(4);
    movie.RemoveObject(holder);
    movie.GotoFrame(8);
    movie.RemoveObject(holder);  // the latest is gone already: nothing happens
    EXPECT_EQ(Placements()[1].end, 4);
    EXPECT_EQ(Placements()[0].end, swf::Placement::kOpen);
    EXPECT_EQ(VisibleAt(3), (Shown{0, 1}));
    EXPECT_EQ(VisibleAt(8), Shown{0});
}

TEST_F(TimelineSemantics, RemoveWithoutPlacementDoesNothing)
{
    auto& fresh = NewRectangle();
    movie.GotoFrame(3);
    EXPECT_NO_THROW(movie.RemoveObject(fresh));
    EXPECT_TRUE(Placements().empty());
}

TEST_F(TimelineSemantics, RemovalAtOrBeforeTheStartShowsNothing)
{
    auto& holder = NewRectangle();
    movie.GotoFrame(5);
    movie.AddObject(holder);
    movie.RemoveObject(holder);
    auto& other = NewRectangle();
    movie.GotoFrame(9);
    movie.AddObject(other);
    movie.GotoFrame(2);
    movie.RemoveObject(other);
    for (int frame = 0; frame <= 10; ++frame) {
        EXPECT_EQ(VisibleAt(frame), Shown{}) << frame;
    }
}

TEST_F(TimelineSemantics, DepthClassesThenPlacementOrderDecideTheDrawingOrder)
{
    auto& text = NewRectangle();
    text.SetDepth(2);
    auto& picture = NewRectangle();
    picture.SetDepth(1);
    auto& overlay = NewRectangle();  // no class: between 1 and 2
    auto& picture2 = NewRectangle();
    picture2.SetDepth(1);
    movie.AddObject(text);      // 0
    movie.AddObject(overlay);   // 1
    movie.AddObject(picture);   // 2
    movie.AddObject(picture2);  // 3
    movie.AddObject(text);      // 4: a second text, above the first
    EXPECT_EQ(VisibleAt(0), (Shown{2, 3, 1, 0, 4}));
}

TEST_F(TimelineSemantics, RemoveThenAddEveryFrameKeepsOneDepth)
{
    auto& holder = NewRectangle();
    for (int k = 0; k < 10; ++k) {
        movie.GotoFrame(k);
        if (k > 0) {
            movie.RemoveObject(holder);
        }
        holder.Translate(100.0 * k, 0);
        movie.AddObject(holder);
    }
    movie.RemoveObject(holder);  // the last one, in its own frame: never shows
    const auto plan = Plan();
    EXPECT_EQ(plan.depthCount, 1u);
    EXPECT_EQ(CountEvents(Kind::Place), 1u);
    EXPECT_EQ(CountEvents(Kind::Next), 8u);
    EXPECT_EQ(CountEvents(Kind::Remove), 1u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(VisibleAt(k), Shown{uint32_t(k)}) << k;
    }
    EXPECT_EQ(VisibleAt(9), Shown{});
}

TEST_F(TimelineSemantics, InterleavedHoldersKeepLaterPlacementsAbove)
{
    // Two holders of one class taking turns: chaining either one would put it
    // on one side of the other in every frame, which the calls do not say.
    auto& a = NewRectangle();
    auto& b = NewRectangle(100, 100);
    for (int k = 0; k < 4; ++k) {
        movie.GotoFrame(k);
        if (k % 2 == 0) {
            if (k > 0) movie.RemoveObject(a);
            movie.AddObject(a);
            if (k > 0) movie.RemoveObject(b);
            movie.AddObject(b);
        } else {
            movie.RemoveObject(b);
            movie.AddObject(b);
            movie.RemoveObject(a);
            movie.AddObject(a);
        }
    }
    for (int k = 0; k < 4; ++k) {
        const auto shown = VisibleAt(k);
        ASSERT_EQ(shown.size(), 2u) << k;
        EXPECT_LT(shown[0], shown[1]) << "frame " << k << ": the later placement must be on top";
    }
}

TEST_F(TimelineSemantics, EmptyPlacementsInsideAChainAreSkipped)
{
    auto& holder = NewRectangle();
    movie.AddObject(holder);  // 0: frames 0-1
    movie.GotoFrame(2);
    movie.RemoveObject(holder);
    movie.AddObject(holder);  // 1: added and removed in frame 2
    movie.RemoveObject(holder);
    movie.AddObject(holder);  // 2: from frame 2 on
    EXPECT_EQ(Plan().depthCount, 1u);
    EXPECT_EQ(VisibleAt(1), Shown{0});
    EXPECT_EQ(VisibleAt(2), Shown{2});
}

TEST_F(TimelineSemantics, FrameCountCoversTheHighestAddOrRemove)
{
    auto& holder = NewRectangle();
    EXPECT_EQ(movie.GetTimeline().FrameCount(), 1);
    movie.GotoFrame(40);
    EXPECT_EQ(movie.GetTimeline().FrameCount(), 1) << "GotoFrame alone adds no frames";
    movie.AddObject(holder);
    movie.GotoFrame(55);
    movie.RemoveObject(holder);
    EXPECT_EQ(movie.GetTimeline().FrameCount(), 56);
}

TEST_F(TimelineSemantics, SetSizeStartsAnEmptyMovieAndHoldersKeepTheirState)
{
    auto& holder = NewRectangle(300, 400);
    holder.SetSolidFill(1, 2, 3, 4);
    movie.GotoFrame(9);
    movie.AddObject(holder);
    movie.SetSize(4000, 3000);
    EXPECT_TRUE(Placements().empty());
    EXPECT_EQ(movie.GetTimeline().FrameCount(), 1);
    EXPECT_EQ(movie.GetTimeline().CurrentFrame(), 0);
    movie.RemoveObject(holder);  // belongs to the old movie: nothing to remove
    movie.AddObject(holder);
    ASSERT_EQ(Placements().size(), 1u);
    EXPECT_EQ(Placements()[0].fill, (swf::Rgba{1, 2, 3, 4}));
    EXPECT_DOUBLE_EQ(Placements()[0].matrix.tx, 300);
    EXPECT_EQ(Placements()[0].end, swf::Placement::kOpen);
}

}  // namespace
}  // namespace glimmora::test
