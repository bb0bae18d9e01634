// How finely frames are drawn: low quality without anti-aliasing (chosen by
// the player or by the movie's scripts), and no background showing where
// two fills of a shape meet.

#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"

#include <optional>

namespace glimmora::test {
namespace {

using player::StageQuality;

// A red triangle with a slanted edge over white.
MovieFixture TriangleMovie()
{
    MovieFixture fixture;
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {Solid(kRed)};
    AddContour(shape.records, {{10, 10}, {90, 30}, {20, 90}}, 0, 1);
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1);
    return fixture;
}

// Pixels neither red nor white: the anti-aliased edge.
int BlendedPixels(const QImage& image)
{
    int blended = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            blended += p != qRgb(255, 0, 0) && p != qRgb(255, 255, 255);
        }
    }
    return blended;
}

TEST(Quality, LowQualityDrawsEdgesWithoutAntiAliasingUnlessTheScriptsSayOtherwise)
{
    struct Case {
        const char* name;
        std::optional<StageQuality> player, script;
        bool antialiased;
    };
    const Case cases[] = {
        {"the default", {}, {}, true},
        {"the player asks for low", StageQuality::Low, {}, false},
        {"the player asks for medium", StageQuality::Medium, {}, true},
        {"a script asks for low", {}, StageQuality::Low, false},
        {"a script asks for high over the player's low", StageQuality::Low, StageQuality::High, true},
    };
    const auto movie = TriangleMovie().Movie();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player::StageCursor cursor(movie);
        player::Stage stage = cursor.Seek(0);
        stage.quality = c.script;
        player::FrameRenderer renderer(movie);
        if (c.player) renderer.SetQuality(*c.player);
        const QImage image = renderer.Render(stage, QSize(100, 100));
        EXPECT_EQ(BlendedPixels(image) > 0, c.antialiased) << BlendedPixels(image) << " blended pixels";
        EXPECT_PIXEL(image, 40, 40, Q(kRed));
        EXPECT_PIXEL(image, 80, 80, Q(kWhite));
    }
}

TEST(Seams, TouchingFillsShowNoBackgroundBetweenThem)
{
    // Red and blue squares meeting on a pixel's middle (x = 30.5 on the
    // device): that column is half red and half blue, with nothing of the
    // white background. Through a translucent fill the cover would show, so
    // there the edge stays as drawn: the column right of an edge on a pixel
    // boundary is the translucent fill alone.
    struct Case {
        const char* name;
        swf::Rgba right;
        double shift;  // of the shape, in pixels
        int column;
        QColor expected;
    };
    const Case cases[] = {
        {"opaque, meeting mid-pixel", kBlue, 10.5, 30, QColor(128, 0, 127)},
        {"opaque, on a pixel boundary", kBlue, 10, 30, Q(kBlue)},
        {"translucent, on a pixel boundary", {0, 0, 255, 128}, 10, 30, QColor(127, 127, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture;
        fixture.Define(1, TwoSquares(Solid(kRed), Solid(c.right)));
        fixture.Place(0, 1, 1, Translate(c.shift, 10));
        const QImage image = fixture.Render();
        for (int y : {12, 20, 27}) EXPECT_PIXEL_NEAR(image, c.column, y, c.expected, 4);
        EXPECT_PIXEL(image, c.column - 3, 20, Q(kRed));
    }
}

}  // namespace
}  // namespace glimmora::test
