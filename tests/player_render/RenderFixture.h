#pragma once
// Hand-built decoded movies for the renderer tests, and pixel checks.

#include "swf/reader/DecodedMovie.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <deque>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace glimmora::test {

constexpr swf::Rgba kWhite{255, 255, 255, 255};
constexpr swf::Rgba kRed{255, 0, 0, 255};
constexpr swf::Rgba kGreen{0, 255, 0, 255};
constexpr swf::Rgba kBlue{0, 0, 255, 255};

swf::Twips Px(double pixels);
// A matrix from pixel-space translation and plain factors.
swf::Matrix Affine(double a, double b, double c, double d, double txPx, double tyPx);
inline swf::Matrix Translate(double xPx, double yPx) { return Affine(1, 0, 0, 1, xPx, yPx); }
swf::ColorTransform Tint(swf::Rgba add);  // multipliers 0, the colour as add terms
swf::FillStyle Solid(swf::Rgba color);
// A bitmap fill of `type` (clipped or repeating, smoothed or not).
swf::FillStyle BitmapFill(swf::FillStyle::Type type, uint16_t id, swf::Matrix matrix);
// A lossless picture with an alpha channel: `pixels` holds premultiplied
// A, R, G, B bytes, row by row.
swf::Bitmap ArgbPicture(int width, int height, std::vector<uint8_t> pixels);

// A closed contour through `points` (pixels) with the given fill sides, as
// one StyleChange (move + styles) and its straight edges back to the start.
void AddContour(std::vector<swf::ShapeRecord>& records, const std::vector<std::pair<double, double>>& points,
                uint32_t fill0, uint32_t fill1, uint32_t line = 0);
// Clockwise on screen, so the inside is fill style 1.
swf::Shape RectShape(double left, double top, double width, double height, swf::FillStyle fill);
// A glyph box `width` x `height` font units standing on the baseline,
// counter-clockwise on screen with fill style 1 on its left, as glyphs are.
swf::Glyph BoxGlyph(int width, int height);
// Two 20 px squares meeting along x = 20 px, the left one fill 1, the right
// one fill 2. Their shared edge is recorded once, running down with a fill
// on each side (fill 1 on its right as recorded, fill 2 on its left); each
// square's other edges are separate runs, so a square is only whole when
// its runs are joined.
swf::Shape TwoSquares(swf::FillStyle left, swf::FillStyle right);

struct MovieFixture {
    explicit MovieFixture(int widthPx = 100, int heightPx = 100, swf::Rgba background = kWhite,
                          int frames = 1);

    void Define(uint16_t id, swf::Character character);
    // An operation to fill in; it joins its frame when the movie is next used.
    swf::DisplayOp& Op(int frame, swf::DisplayOp::Kind kind, uint16_t depth);
    swf::DisplayOp& Place(int frame, uint16_t depth, uint16_t id, swf::Matrix matrix = {});

    // The movie, with every operation added so far in its frames.
    std::shared_ptr<swf::DecodedMovie> Movie() const;

    // Through the stage cursor and the frame renderer, at the stage size by default.
    QImage Render(int frame = 0, QSize size = {}) const;

private:
    std::shared_ptr<swf::DecodedMovie> movie_;
    mutable std::vector<std::deque<swf::DisplayOp>> pending_;  // by frame
};

// The straight (unpremultiplied) colour of a pixel.
QColor Pixel(const QImage& image, int x, int y);
::testing::AssertionResult ColorNear(const QColor& actual, const QColor& expected, int tolerance = 3);
inline QColor Q(swf::Rgba c) { return QColor(c.r, c.g, c.b, c.a); }

#define EXPECT_PIXEL(image, x, y, expected) \
    EXPECT_TRUE(::glimmora::test::ColorNear(::glimmora::test::Pixel(image, x, y), expected)) \
        << "at (" << (x) << ", " << (y) << ")"
#define EXPECT_PIXEL_NEAR(image, x, y, expected, tolerance) \
    EXPECT_TRUE(::glimmora::test::ColorNear(::glimmora::test::Pixel(image, x, y), expected, tolerance)) \
        << "at (" << (x) << ", " << (y) << ")"

}  // namespace glimmora::test
