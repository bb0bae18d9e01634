// The stage rectangle need not start at (0, 0): its top-left corner is the
// picture's top-left pixel, and its size is the picture's size.

#include "RenderFixture.h"

namespace glimmora::test {
namespace {

TEST(StageRectangle, ItsCornerIsTheTopLeftPixelOfThePicture)
{
    struct Case {
        const char* name;
        double left, top;  // the rectangle's corner in pixels
    };
    for (const Case& c : {Case{"at the origin", 0, 0}, Case{"moved right and down", 10, 20},
                          Case{"moved left and up", -30, -5}}) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture(100, 60);
        fixture.Movie()->header.frameSize = {Px(c.left), Px(c.left + 100), Px(c.top), Px(c.top + 60)};
        // A 20 x 20 box whose corner is 5 px inside the rectangle's.
        fixture.Define(1, RectShape(0, 0, 20, 20, Solid(kRed)));
        fixture.Place(0, 1, 1, Translate(c.left + 5, c.top + 5));
        const QImage image = fixture.Render();
        ASSERT_EQ(image.size(), QSize(100, 60));
        EXPECT_PIXEL(image, 5, 5, Q(kRed));
        EXPECT_PIXEL(image, 24, 24, Q(kRed));
        EXPECT_PIXEL(image, 4, 4, Q(kWhite));
        EXPECT_PIXEL(image, 25, 25, Q(kWhite));
    }
}

}  // namespace
}  // namespace glimmora::test
