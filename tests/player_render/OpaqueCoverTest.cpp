// Objects under one that hides the whole stage are not drawn: their pictures
// are not even decoded, and the frame is the one drawn from the cover up.
// Anything that lets the objects below show through is no cover.

#include "RenderFixture.h"

#include "effects/picture/import/JpegEncoder.h"
#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"

#include <functional>

namespace glimmora::test {
namespace {

using Type = swf::FillStyle::Type;

swf::Bitmap Jpeg(uint8_t r, uint8_t g, uint8_t b)
{
    RgbImage image = AllocateRgbImage(8, 8);
    for (size_t i = 0; i < image.pixels.size(); i += 3) {
        image.pixels[i] = r;
        image.pixels[i + 1] = g;
        image.pixels[i + 2] = b;
    }
    swf::Bitmap bitmap;
    bitmap.data = EncodeJpeg(image, 95);
    return bitmap;
}

// A 2 x 2 picture with an alpha channel, every pixel opaque.
swf::Bitmap OpaqueWithAlphaChannel()
{
    return ArgbPicture(2, 2, {255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255});
}

swf::Shape PictureRect(uint16_t bitmapId, double left, double top, double side)
{
    return RectShape(left, top, side, side, BitmapFill(Type::ClippedBitmap, bitmapId, Affine(side * 20 / 8, 0, 0, side * 20 / 8, left, top)));
}

// Three small pictures and one over the whole stage under the object at
// depth 10 (100 x 100 stage), one small picture above it.
struct Scene {
    MovieFixture fixture{100, 100};
    Scene()
    {
        for (uint16_t i = 0; i < 3; ++i) {
            fixture.Define(uint16_t(101 + i), Jpeg(uint8_t(80 * i), 200, 40));
            fixture.Define(uint16_t(1 + i), PictureRect(uint16_t(101 + i), 10.0 + 20 * i, 10, 40));
            fixture.Place(0, uint16_t(1 + i), uint16_t(1 + i));
        }
        fixture.Define(104, Jpeg(200, 200, 200));
        fixture.Define(4, PictureRect(104, 0, 0, 100));
        fixture.Place(0, 4, 4);
        fixture.Define(120, Jpeg(0, 0, 250));
        fixture.Define(20, PictureRect(120, 60, 60, 20));
        fixture.Place(0, 20, 20);
    }
};

struct CoverCase {
    const char* name;
    std::function<void(Scene&)> cover;  // puts the object at depth 10
    bool hides;
};

void Cover(Scene& s, swf::Character character, swf::ColorTransform cx = {})
{
    s.fixture.Define(10, std::move(character));
    s.fixture.Place(0, 10, 10).colorTransform = cx;
}

swf::ColorTransform HalfAlpha()
{
    swf::ColorTransform cx;
    cx.multA = 128;
    return cx;
}

TEST(OpaqueCover, ObjectsUnderAnObjectHidingTheStageAreNotDrawn)
{
    const std::vector<CoverCase> cases = {
        {"an opaque picture over the stage",
         [](Scene& s) {
             s.fixture.Define(110, Jpeg(250, 250, 0));
             Cover(s, PictureRect(110, -5, -5, 110));
         },
         true},
        {"an opaque picture exactly the stage's size",
         [](Scene& s) {
             s.fixture.Define(110, Jpeg(250, 250, 0));
             Cover(s, PictureRect(110, 0, 0, 100));
         },
         true},
        {"an opaque colour over the stage", [](Scene& s) { Cover(s, RectShape(-5, -5, 110, 110, Solid(kRed))); }, true},
        {"half transparent", [](Scene& s) { Cover(s, RectShape(-5, -5, 110, 110, Solid(kRed)), HalfAlpha()); }, false},
        {"a colour of half alpha",
         [](Scene& s) { Cover(s, RectShape(-5, -5, 110, 110, Solid(swf::Rgba{255, 0, 0, 128}))); }, false},
        {"a picture with an alpha channel",
         [](Scene& s) {
             s.fixture.Define(110, OpaqueWithAlphaChannel());
             Cover(s, PictureRect(110, -5, -5, 110));
         },
         false},
        {"drawn with a blend mode (multiply)",
         [](Scene& s) {
             Cover(s, RectShape(-5, -5, 110, 110, Solid(kRed)));
             s.fixture.Op(0, swf::DisplayOp::Kind::Modify, 10).blendMode = swf::BlendMode::Multiply;
         },
         false},
        {"one column short of the stage", [](Scene& s) { Cover(s, RectShape(0, -5, 99, 110, Solid(kRed))); }, false},
        {"masked by a clip layer under it",
         [](Scene& s) {
             s.fixture.Define(9, RectShape(0, 0, 50, 50, Solid(kGreen)));
             s.fixture.Place(0, 9, 9).clipDepth = 12;
             Cover(s, RectShape(-5, -5, 110, 110, Solid(kRed)));
         },
         false},
    };
    for (const CoverCase& c : cases) {
        SCOPED_TRACE(c.name);
        Scene scene;
        c.cover(scene);
        const auto movie = scene.fixture.Movie();
        player::StageCursor cursor(movie);
        const player::Stage& stage = cursor.Seek(0);
        player::FrameRenderer renderer(movie);
        const QImage frame = renderer.Render(stage, QSize(100, 100));
        // The pictures under a cover are not decoded: with this one none, else
        // those under the whole-stage picture at depth 4, which is a cover itself.
        const size_t above = 1 + (std::string(c.name).find("picture") != std::string::npos ? 1 : 0);
        EXPECT_EQ(renderer.Cache().BitmapCount(), c.hides ? above : above + 1);
        if (!c.hides) continue;
        // The same frame without the objects under the cover.
        player::Stage fromCover = stage;
        auto& children = fromCover.Mutable(player::Stage::kRoot)->children;
        for (uint16_t depth = 1; depth < 10; ++depth) children.Erase(depth);
        EXPECT_EQ(frame, player::FrameRenderer(movie).Render(fromCover, QSize(100, 100)));
        EXPECT_PIXEL_NEAR(frame, 70, 70, QColor(0, 0, 250), 8);  // the picture above the cover shows
    }
}

// Scaled into a target where the stage's edge cuts pixels, the pixels along
// it mix what is under the cover: what reaches them is drawn (the picture
// under the whole stage), what lies inside is not, and the frame is the one
// drawn with everything.
TEST(OpaqueCover, StageEdgesCuttingPixelsKeepWhatReachesThemDrawn)
{
    Scene scene;
    Cover(scene, RectShape(-5, -5, 110, 110, Solid(kRed)));
    const auto movie = scene.fixture.Movie();
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie), everything(movie);
    everything.SetSkipHidden(false);
    EXPECT_EQ(renderer.Render(cursor.Seek(0), QSize(150, 151)), everything.Render(cursor.Seek(0), QSize(150, 151)));
    EXPECT_TRUE(renderer.Cache().HoldsBitmap(104));
    for (uint16_t inside : {101, 102, 103}) EXPECT_FALSE(renderer.Cache().HoldsBitmap(inside)) << inside;
}

// A picture (depth 1) under an object placed over it (depth 5), beside a
// picture nothing covers (depth 2) and under a small one above (depth 8).
struct Stack {
    static constexpr uint16_t kUnder = 101;
    MovieFixture fixture{100, 100};
    swf::DisplayOp* under = nullptr;
    Stack()
    {
        fixture.Define(kUnder, Jpeg(0, 200, 40));
        fixture.Define(1, PictureRect(kUnder, 20, 20, 40));
        under = &fixture.Place(0, 1, 1);
        fixture.Define(102, Jpeg(200, 0, 200));
        fixture.Define(2, PictureRect(102, 70, 70, 20));
        fixture.Place(0, 2, 2);
        fixture.Define(120, Jpeg(0, 0, 250));
        fixture.Define(8, PictureRect(120, 50, 50, 15));
        fixture.Place(0, 8, 8);
    }
    swf::DisplayOp& Over(swf::Character character, swf::Matrix matrix = {})
    {
        fixture.Define(5, std::move(character));
        return fixture.Place(0, 5, 5, matrix);
    }
};

struct StackCase {
    const char* name;
    std::function<void(Stack&)> build;
    bool hides;  // the picture at depth 1
};

swf::Filter Blur()
{
    swf::Filter blur;
    blur.blurX = blur.blurY = 4;
    return blur;
}

// Against drawing every object: the same frame, at the stage's size and
// scaled so that the stage's edges cut pixels; the picture under the object
// over it is decoded only when it may show.
TEST(OpaqueCover, ObjectsWhollyUnderAnOpaqueObjectAreNotDrawn)
{
    const std::vector<StackCase> cases = {
        {"an opaque picture the same size at the same place",
         [](Stack& s) {
             s.fixture.Define(110, Jpeg(250, 250, 0));
             s.Over(PictureRect(110, 20, 20, 40));
         },
         true},
        {"an opaque colour over it", [](Stack& s) { s.Over(RectShape(10, 10, 60, 60, Solid(kRed))); }, true},
        {"scaled to nothing, uncovered", [](Stack& s) { s.under->matrix = Affine(0, 0, 0, 0, 30, 30); }, true},
        {"outside the stage, uncovered", [](Stack& s) { s.under->matrix = Translate(90, 0); }, true},
        {"a cover of half alpha",
         [](Stack& s) { s.Over(RectShape(10, 10, 60, 60, Solid(kRed))).colorTransform = HalfAlpha(); }, false},
        {"a cover lowering alpha by one",
         [](Stack& s) {
             swf::ColorTransform cx;
             cx.addA = -1;
             s.Over(RectShape(10, 10, 60, 60, Solid(kRed))).colorTransform = cx;
         },
         false},
        {"a colour of half alpha",
         [](Stack& s) { s.Over(RectShape(10, 10, 60, 60, Solid(swf::Rgba{255, 0, 0, 128}))); }, false},
        {"a picture with an alpha channel",
         [](Stack& s) {
             s.fixture.Define(110, OpaqueWithAlphaChannel());
             s.Over(PictureRect(110, 10, 10, 60));
         },
         false},
        {"a cover drawn with a blend mode (difference)",
         [](Stack& s) {
             s.Over(RectShape(10, 10, 60, 60, Solid(kRed))).blendMode = swf::BlendMode::Difference;
         },
         false},
        {"a blurred cover",
         [](Stack& s) { s.Over(RectShape(10, 10, 60, 60, Solid(kRed))).filters = swf::FilterList{Blur()}; }, false},
        {"a cover masked by a clip layer",
         [](Stack& s) {
             s.fixture.Define(3, RectShape(0, 0, 50, 50, Solid(kGreen)));
             s.fixture.Place(0, 3, 3).clipDepth = 6;
             s.Over(RectShape(10, 10, 60, 60, Solid(kRed)));
         },
         false},
        {"a rotated cover reaching over it",
         [](Stack& s) {
             // 100 x 100 about its centre, turned 45 degrees, centred on the picture.
             s.Over(RectShape(-50, -50, 100, 100, Solid(kRed)), Affine(0.7071, 0.7071, -0.7071, 0.7071, 40, 40));
         },
         false},
        {"a cover one pixel short", [](Stack& s) { s.Over(RectShape(20, 20, 39, 40, Solid(kRed))); }, false},
        {"both half a pixel off the grid",
         [](Stack& s) {
             s.under->matrix = Translate(0.5, 0.5);
             s.Over(RectShape(20.5, 20.5, 40, 40, Solid(kRed)));
         },
         false},
        {"the picture under it blurred beyond it",
         [](Stack& s) {
             s.under->filters = swf::FilterList{Blur()};
             s.Over(RectShape(20, 20, 40, 40, Solid(kRed)));
         },
         false},
    };
    for (const StackCase& c : cases) {
        SCOPED_TRACE(c.name);
        Stack stack;
        c.build(stack);
        const auto movie = stack.fixture.Movie();
        player::StageCursor cursor(movie);
        const player::Stage& stage = cursor.Seek(0);
        for (const QSize size : {QSize(100, 100), QSize(150, 151)}) {
            player::FrameRenderer renderer(movie), everything(movie);
            everything.SetSkipHidden(false);
            EXPECT_EQ(renderer.Render(stage, size), everything.Render(stage, size)) << size.width();
            if (size.width() == 100) {
                EXPECT_EQ(renderer.Cache().HoldsBitmap(Stack::kUnder), !c.hides);
                EXPECT_TRUE(renderer.Cache().HoldsBitmap(102));
                EXPECT_TRUE(renderer.Cache().HoldsBitmap(120));
            }
        }
    }
}

// Frame by frame, a picture hidden under another comes back, exactly, when
// the one over it moves away: decoded again after its decoded copy was
// dropped (no budget beyond the frame's own pictures).
TEST(OpaqueCover, APictureUncoveredAgainComesBackExactly)
{
    MovieFixture fixture(100, 100, kWhite, 4);
    fixture.Define(101, Jpeg(0, 200, 40));
    fixture.Define(1, PictureRect(101, 20, 20, 40));
    fixture.Place(0, 1, 1);
    fixture.Define(110, Jpeg(250, 250, 0));
    fixture.Define(5, PictureRect(110, 20, 20, 40));
    fixture.Place(0, 5, 5);
    fixture.Op(1, swf::DisplayOp::Kind::Modify, 5).matrix = Translate(30, 0);  // moved away
    fixture.Op(2, swf::DisplayOp::Kind::Modify, 5).matrix = Translate(0, 0);   // back over it
    fixture.Op(3, swf::DisplayOp::Kind::Remove, 5);
    const auto movie = fixture.Movie();
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie, 0), everything(movie, 0);
    everything.SetSkipHidden(false);
    for (int frame = 0; frame < 4; ++frame) {
        SCOPED_TRACE(frame);
        const player::Stage& stage = cursor.Seek(frame);
        EXPECT_EQ(renderer.Render(stage, QSize(100, 100)), everything.Render(stage, QSize(100, 100)));
        EXPECT_EQ(renderer.Cache().HoldsBitmap(101), frame % 2 == 1);
    }
}

}  // namespace
}  // namespace glimmora::test
