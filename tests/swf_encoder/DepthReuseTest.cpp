// Depths of objects that have left the stage are used again, so a movie needs
// about as many depths as it shows objects at once, however long it is; the
// written display list still draws every frame in the promised order.

#include "EncoderFixture.h"
#include "swf/encoder/ChainPlan.h"
#include "support/DrawingOrder.h"

#include "swf/reader/DecodedMovie.h"

#include <algorithm>
#include <deque>

namespace glimmora::test {
namespace {

// Rectangles placed one after another: `perFrame` begin in each frame, each
// shows for `length` frames; the depth classes cycle through `classes` (0: no
// class: the holder never gets one). `under`: one more, placed first in class 1 and never removed.
struct Schedule {
    const char* what;
    int count;
    int perFrame;
    int length;
    std::vector<int> classes;
    bool under = false;
    uint32_t mostDepths;  // distinct depths the movie may use
    bool stretches;       // whether the depths run out of levels and objects move
};

void PrintTo(const Schedule& s, std::ostream* os) { *os << s.what; }

class DepthReuse : public EncoderFixture, public ::testing::WithParamInterface<Schedule> {
protected:
    void Place(const Schedule& s)
    {
        if (s.under) {
            auto& below = NewRectangle(100, 100);
            below.SetDepth(1);
            movie.AddObject(below);
        }
        // Enough holders that each one's placement has ended before it is used
        // again; each keeps one class, and those of class 0 never get one.
        const int cycle = int(s.classes.size());
        const int pool = (s.perFrame * (s.length + 1) + cycle - 1) / cycle * cycle;
        for (int i = 0; i < pool; ++i) NewRectangle();
        std::deque<std::pair<int, swf::EncoderObject*>> ends;  // (frame, holder), in frame order
        for (int i = 0; i < s.count; ++i) {
            const int frame = i / s.perFrame;
            movie.GotoFrame(frame);
            for (; !ends.empty() && ends.front().first <= frame; ends.pop_front()) movie.RemoveObject(*ends.front().second);
            auto& holder = dynamic_cast<swf::EncoderObject&>(*holders[size_t((s.under ? 1 : 0) + i % pool)]);
            if (const int depthClass = s.classes[size_t(i) % s.classes.size()]) holder.SetDepth(depthClass);
            holder.Translate(20 * (i % 997), 20 * (i % 89));  // a transform of its own among those shown with it
            holder.SetSolidFill(i % 251, 0, 0, 255);
            movie.AddObject(holder);
            ends.emplace_back(frame + s.length, &holder);
        }
        for (; !ends.empty(); ends.pop_front()) {
            movie.GotoFrame(ends.front().first);
            movie.RemoveObject(*ends.front().second);
        }
    }
};

TEST_P(DepthReuse, LongMoviesFitAndDrawInOrderAtEveryFrame)
{
    const Schedule& s = GetParam();
    Place(s);
    const std::vector<uint8_t> bytes = movie.EncodeMovie();
    swf::DecodeLimits limits;
    limits.maxRecords = 16u << 20;
    const swf::DecodedMovie decoded = swf::DecodeMovie(bytes.data(), bytes.size(), limits);
    EXPECT_TRUE(DrawsAsPlaced(movie.GetTimeline(), decoded));
    const swf::ChainPlan plan = swf::PlanChains(movie.GetTimeline());
    EXPECT_LE(plan.depthCount, s.mostDepths);
    EXPECT_EQ(!plan.moves.empty(), s.stretches) << plan.depthCount << " depths, " << plan.moves.size() << " moves";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DepthReuse,
    ::testing::Values(
        // More objects than a movie has depths, never more than two at once.
        Schedule{"one frame each", 70000, 2, 1, {2}, false, 2, false},
        // Each overlaps those begun just before it: ranked by their start,
        // they climb past 65535 levels, and the movie is cut into stretches.
        Schedule{"overlapping", 70000, 2, 3, {2}, false, 65535, true},
        Schedule{"overlapping over one that stays", 70000, 2, 3, {2}, true, 65535, true},
        // Classes drawn apart, whatever the order of their placements.
        Schedule{"three classes", 3000, 3, 20, {2, 1, 0}, false, 3000, false},
        Schedule{"three classes past the levels", 120000, 2, 4, {2, 1, 2, 2, 0}, true, 65535, true}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

class TooManyAtOnce : public EncoderFixture {};

TEST_F(TooManyAtOnce, MoreObjectsAtOnceThanAMovieHoldsIsAnErrorNamingTheFrame)
{
    auto& holder = NewRectangle();
    movie.GotoFrame(3);
    for (int i = 0; i < 65535; ++i) movie.AddObject(holder);
    EXPECT_NO_THROW(movie.EncodeMovie()) << "65535 at once fit";
    movie.AddObject(holder);
    try {
        movie.EncodeMovie();
        ADD_FAILURE() << "encoded";
    } catch (const SwfError& e) {
        EXPECT_NE(std::string(e.what()).find("frame 4"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace glimmora::test
