// The drawing fields of PlaceObject3 (blend mode, filters, bitmap cache,
// visibility) follow an object through modifications, seeks and gotos.

#include "TimelineFixture.h"

#include "player/timeline/StageCursor.h"
#include "support/FrameScripts.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

using swf::BlendMode;

swf::FilterList Blur()
{
    swf::Filter blur;
    blur.type = swf::Filter::Type::Blur;
    blur.blurX = blur.blurY = 4;
    return {blur};
}

// Frame 0 places an object; frame 1 moves it, blurs it, caches it and makes
// it multiply; frame 2 makes it screen, hidden and without filters, and
// steps back.
std::shared_ptr<swf::DecodedMovie> Movie()
{
    swf::DisplayOp set = MoveOp(1, 20);
    set.blendMode = BlendMode::Multiply;
    set.filters = Blur();
    set.cacheAsBitmap = true;
    swf::DisplayOp change = MoveOp(1, 40);
    change.blendMode = BlendMode::Screen;
    change.filters = swf::FilterList{};
    change.visible = false;
    swf::FrameRecord last = Frame({change});
    last.scripts.push_back(Script({swf::ActionCode::PreviousFrame}));
    TimelineMovie movie({Frame({PlaceOp(1, 1)}), Frame({set}), last});
    movie.Shape(1);
    return movie.movie;
}

TEST(DrawingFields, FollowTheObjectThroughModifySeekAndGoto)
{
    const auto movie = Movie();
    player::StageCursor cursor(movie);
    const auto object = [](const player::Stage& stage) { return *stage.Root().children.Find(1); };

    for (int frame : {1, 0, 1}) {
        SCOPED_TRACE(frame);
        const player::DisplayObject o = object(cursor.Seek(frame));
        EXPECT_EQ(o.blendMode, frame == 1 ? BlendMode::Multiply : BlendMode::Normal);
        EXPECT_EQ(bool(o.filters), frame == 1);
        if (o.filters) EXPECT_EQ(*o.filters, Blur());
        EXPECT_EQ(o.cacheAsBitmap, frame == 1);
        EXPECT_TRUE(o.visible);
    }
    // Played into frame 2, whose own fields apply before its script runs.
    const player::DisplayObject changed = object(cursor.Seek(2));
    EXPECT_EQ(changed.blendMode, BlendMode::Screen);
    EXPECT_FALSE(changed.filters);  // an empty list takes the filters away
    EXPECT_TRUE(changed.cacheAsBitmap);
    EXPECT_FALSE(changed.visible);

    // Its script steps back to frame 1: the fields the frames up to there set
    // come back.
    const player::DisplayObject back = object(Played(movie, 2));
    EXPECT_EQ(back.blendMode, BlendMode::Multiply);
    ASSERT_TRUE(back.filters);
    EXPECT_EQ(*back.filters, Blur());
    EXPECT_EQ(back.matrix.translateX, 20);
}

}  // namespace
}  // namespace glimmora::test
