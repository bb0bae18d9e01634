// Objects drawn unchanged frame after frame go through layers: the frames must
// come out pixel for pixel as when every object is drawn directly, and a layer
// must never outlive a change of the object's place, scale or colours.

#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/LayerCache.h"
#include "player/timeline/StageCursor.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <cmath>
#include <functional>
#include <numbers>

namespace glimmora::test {
namespace {

using Type = swf::FillStyle::Type;

// One renderer showing frames in turn, as a playing preview does.
struct Playback {
    explicit Playback(const MovieFixture& fixture) : cursor(fixture.Movie()), renderer(fixture.Movie()) {}
    QImage Show(int frame) { return renderer.Render(cursor.Seek(frame), size); }

    player::StageCursor cursor;
    player::FrameRenderer renderer;
    QSize size{120, 120};
};

// Where two images differ, for a readable failure.
::testing::AssertionResult SamePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) {
        return ::testing::AssertionFailure() << "sizes differ";
    }
    int count = 0, worst = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (d > 0 && count++ == 0) {
                firstX = x;
                firstY = y;
            }
            worst = std::max(worst, d);
        }
    }
    if (count == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " pixels differ, by up to " << worst
                                         << ", the first at (" << firstX << ", " << firstY << ")";
}

struct PixelCase {
    int x, y;
    swf::Rgba expected;
};

swf::Matrix Rotation(double degrees, double scale, double txPx, double tyPx)
{
    const double r = degrees * std::numbers::pi / 180;
    return Affine(scale * std::cos(r), scale * std::sin(r), -scale * std::sin(r), scale * std::cos(r), txPx,
                  tyPx);
}

// A `size` x `size` lossless picture with a colour ramp and a translucent corner.
swf::Bitmap Ramp(int size)
{
    std::vector<uint8_t> pixels;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int a = x + y < size / 2 ? 128 : 255;
            const int r = x * 255 / (size - 1), g = y * 255 / (size - 1), bl = (x * y) % 256;
            pixels.insert(pixels.end(), {uint8_t(a), uint8_t(r * a / 255), uint8_t(g * a / 255),
                                         uint8_t(bl * a / 255)});
        }
    }
    return ArgbPicture(size, size, std::move(pixels));
}

// A ring of quadratic curves, as glyph outlines are drawn: 1024 units to the em.
swf::Glyph RingGlyph()
{
    swf::Glyph glyph;
    auto contour = [&](double radius, bool reverse) {
        constexpr int kArcs = 8;
        auto point = [&](double angle) {
            return std::make_pair(int(std::lround(512 + radius * std::cos(angle))),
                                  int(std::lround(-512 + radius * std::sin(angle))));
        };
        swf::ShapeRecord start;
        start.moveTo = point(0);
        start.fillStyle0 = 1;
        glyph.records.push_back(start);
        for (int i = 1; i <= kArcs; ++i) {
            const double step = (reverse ? -2 : 2) * std::numbers::pi / kArcs;
            const auto control = point((i - 0.5) * step);
            const double stretch = 1 / std::cos(std::numbers::pi / kArcs);
            swf::ShapeRecord curve;
            curve.kind = swf::ShapeRecord::Kind::Curve;
            curve.controlX = int(std::lround(512 + (control.first - 512) * stretch));
            curve.controlY = int(std::lround(-512 + (control.second + 512) * stretch));
            std::tie(curve.toX, curve.toY) = point(i * step);
            glyph.records.push_back(curve);
        }
    };
    contour(480, false);
    contour(260, true);
    return glyph;
}

// Two rings in one text, the second overlapping the first.
void DefineRingText(MovieFixture& fixture, uint16_t fontId, uint16_t textId, swf::Rgba color)
{
    swf::Font font;
    font.version = 2;
    font.glyphs = {RingGlyph()};
    fixture.Define(fontId, font);
    swf::Text text;
    text.version = 2;
    swf::TextRecord record;
    record.fontId = fontId;
    record.height = 700;  // 35 px
    record.color = color;
    record.xOffset = 0;
    record.yOffset = 0;
    record.glyphs = {{0, 510}, {0, 0}};
    text.records = {record};
    fixture.Define(textId, text);
}

swf::ColorTransform AlphaOnly(int16_t multA)
{
    swf::ColorTransform cx;
    cx.multA = multA;
    return cx;
}

TEST(LayeredObjects, DrawTheSamePixelsAsDirectDrawing)
{
    struct Case {
        const char* name;
        std::function<void(MovieFixture&)> build;
    };
    const swf::Rgba translucentBlue{0, 0, 255, 140};
    const std::vector<Case> cases = {
        {"translucent square at 30 degrees over another",
         [&](MovieFixture& f) {
             f.Define(1, RectShape(0, 0, 50, 50, Solid(kRed)));
             f.Define(2, RectShape(-20, -20, 40, 40, Solid(translucentBlue)));
             f.Place(0, 1, 1, Translate(10.35, 12.65));
             f.Place(0, 2, 2, Rotation(30, 1, 55.15, 50.55));
         }},
        {"picture at a rotation",
         [](MovieFixture& f) {
             f.Define(5, Ramp(16));
             f.Define(1, RectShape(0, 0, 64, 48, BitmapFill(Type::ClippedBitmap, 5, Affine(80, 0, 0, 60, 0, 0))));
             f.Place(0, 1, 1, Rotation(-17, 1, 30.4, 40.85));
         }},
        {"picture scaled unevenly, unsmoothed",
         [](MovieFixture& f) {
             f.Define(5, Ramp(16));
             f.Define(1, RectShape(0, 0, 32, 32, BitmapFill(Type::ClippedBitmapHard, 5, Affine(40, 0, 0, 40, 0, 0))));
             f.Place(0, 1, 1, Affine(3.13, 0, 0, 1.71, 6.55, 20.2));
         }},
        {"small picture whose edges stretch far over its shape",
         [](MovieFixture& f) {
             f.Define(5, Ramp(4));
             f.Define(1, RectShape(0, 0, 80, 60, BitmapFill(Type::ClippedBitmapHard, 5, Affine(100, 0, 0, 100, 30, 20))));
             f.Place(0, 1, 1, Rotation(-6, 1.1, 12.3, 25.45)).colorTransform = AlphaOnly(170);
         }},
        {"picture through a colour transform",
         [](MovieFixture& f) {
             f.Define(5, Ramp(16));
             f.Define(1, RectShape(0, 0, 64, 64, BitmapFill(Type::ClippedBitmap, 5, Affine(80, 0, 0, 80, 0, 0))));
             swf::ColorTransform cx;
             cx.multR = 90;
             cx.addG = 60;
             cx.multA = 200;
             f.Place(0, 1, 1, Rotation(8, 1.2, 20.3, 10.9)).colorTransform = cx;
         }},
        {"partially transparent picture",
         [](MovieFixture& f) {
             f.Define(3, RectShape(30, 30, 60, 60, Solid(kGreen)));
             f.Place(0, 1, 3);
             f.Define(5, Ramp(16));
             f.Define(1, RectShape(0, 0, 64, 64, BitmapFill(Type::ClippedBitmap, 5, Affine(80, 0, 0, 80, 0, 0))));
             f.Place(0, 2, 1, Rotation(25, 0.9, 40.45, 5.35)).colorTransform = AlphaOnly(100);
         }},
        {"repeating picture",
         [](MovieFixture& f) {
             f.Define(5, Ramp(16));
             f.Define(1, RectShape(0, 0, 90, 70, BitmapFill(Type::RepeatingBitmap, 5, Rotation(12, 35, 3, 4))));
             f.Place(0, 1, 1, Translate(7.45, 9.05));
         }},
        {"gradient",
         [](MovieFixture& f) {
             swf::FillStyle fill;
             fill.type = Type::Radial;
             fill.matrix = Affine(0.004, 0, 0, 0.003, 50, 50);
             fill.stops = {{0, kRed}, {128, {0, 255, 0, 100}}, {255, kBlue}};
             f.Define(1, RectShape(0, 0, 100, 100, fill));
             f.Place(0, 1, 1, Rotation(5, 0.95, 8.7, 3.3));
         }},
        {"wide lines",
         [](MovieFixture& f) {
             swf::Shape shape;
             shape.version = 3;
             shape.fillStyles = {Solid({255, 200, 0, 255})};
             shape.lineStyles = {{50, {0, 0, 0, 255}, {}}, {85, {0, 0, 200, 180}, {}}};
             AddContour(shape.records, {{0, 0}, {60, 5}, {50, 40}}, 0, 1, 1);
             AddContour(shape.records, {{10, 50}, {80, 70}, {20, 90}}, 0, 0, 2);
             f.Define(1, shape);
             f.Place(0, 1, 1, Rotation(3, 1, 10.6, 8.15));
         }},
        {"adjacent translucent fills of one shape",
         [](MovieFixture& f) {
             swf::Shape shape;
             shape.version = 3;
             shape.fillStyles = {Solid({255, 0, 0, 160}), Solid({0, 0, 255, 160})};
             // The shared edge at x 40.35 has a fill on each side.
             AddContour(shape.records, {{0, 0}, {40.35, 0}, {40.35, 60}, {0, 60}}, 0, 1);
             AddContour(shape.records, {{40.35, 0}, {80, 0}, {80, 60}, {40.35, 60}}, 0, 2);
             f.Define(1, shape);
             f.Place(0, 1, 1, Rotation(-9, 1, 15.25, 30.75));
         }},
        {"curved overlapping glyphs at a fractional scale",
         [](MovieFixture& f) {
             DefineRingText(f, 7, 1, {20, 40, 180, 255});
             f.Place(0, 1, 1, Rotation(11, 1.37, 12.35, 70.15)).colorTransform = AlphaOnly(190);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture(120, 120);
        c.build(fixture);
        Playback playback(fixture);
        const QImage direct = playback.Show(0);
        playback.Show(0);  // the second showing makes the layers
        const QImage layered = playback.Show(0);
        EXPECT_TRUE(SamePixels(direct, fixture.Render()));
        EXPECT_TRUE(SamePixels(layered, direct));
        const auto& tally = playback.renderer.Layers().Tally();
        EXPECT_GT(tally.made, 0u);
        EXPECT_EQ(tally.blended, tally.made);
        EXPECT_EQ(tally.direct, tally.made);
    }
}

// Lines up to a pixel wide are drawn segment by segment, where the pixels at
// the joins are blended twice: such a line is drawn directly in every frame.
TEST(LayeredObjects, ThinLinesAreDrawnDirectly)
{
    MovieFixture fixture(120, 120);
    swf::Shape shape;
    shape.version = 3;
    shape.lineStyles = {{0, {0, 0, 0, 200}, {}}, {20, {200, 0, 0, 255}, {}}, {60, {0, 0, 200, 180}, {}}};
    AddContour(shape.records, {{0, 0}, {60, 5}, {50, 40}}, 0, 0, 1);
    AddContour(shape.records, {{5, 50}, {70, 55}, {60, 90}}, 0, 0, 2);
    AddContour(shape.records, {{10, 100}, {80, 70}, {90, 110}}, 0, 0, 3);
    fixture.Define(1, shape);
    fixture.Place(0, 1, 1, Rotation(3, 1, 10.6, 8.15));
    Playback playback(fixture);
    const QImage direct = playback.Show(0);
    playback.Show(0);
    EXPECT_TRUE(SamePixels(playback.Show(0), direct));
    // Only the three-pixel line gets a layer.
    const auto& tally = playback.renderer.Layers().Tally();
    EXPECT_EQ(tally.made, 1u);
    EXPECT_EQ(tally.blended, 1u);
}

TEST(LayeredObjects, FollowChangesOfPlaceScaleAndColour)
{
    // Frames 0 and 1 alike; 2 scales and turns both objects; 3 moves them by a
    // fraction of a pixel; 4 changes their colours; 5 is frame 3 again.
    MovieFixture fixture(120, 120, kWhite, 6);
    DefineRingText(fixture, 7, 1, {200, 30, 30, 255});
    fixture.Define(5, Ramp(16));
    fixture.Define(2, RectShape(0, 0, 40, 30, BitmapFill(Type::ClippedBitmap, 5, Affine(50, 0, 0, 37.5, 0, 0))));
    const swf::Matrix textAt = Affine(1, 0, 0, 1, 10.35, 50.4), pictureAt = Rotation(10, 1, 50.2, 60.7);
    fixture.Place(0, 1, 1, textAt);
    fixture.Place(0, 2, 2, pictureAt);
    auto modify = [&](int frame, std::optional<swf::Matrix> text, std::optional<swf::Matrix> picture,
                      std::optional<swf::ColorTransform> cx) {
        for (auto [depth, matrix] : {std::pair{uint16_t(1), text}, std::pair{uint16_t(2), picture}}) {
            swf::DisplayOp& op = fixture.Op(frame, swf::DisplayOp::Kind::Modify, depth);
            op.matrix = matrix;
            op.colorTransform = cx;
        }
    };
    modify(2, Rotation(20, 1.3, 10.35, 50.4), Rotation(25, 1.15, 50.2, 60.7), std::nullopt);
    modify(3, Rotation(20, 1.3, 10.6, 50.55), Rotation(25, 1.15, 50.45, 60.85), std::nullopt);
    swf::ColorTransform bluer;
    bluer.multR = 100;
    bluer.addB = 90;
    modify(4, std::nullopt, std::nullopt, bluer);
    modify(5, std::nullopt, std::nullopt, swf::ColorTransform{});

    Playback playback(fixture);
    for (int frame : {0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5, 5, 0}) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        EXPECT_TRUE(SamePixels(playback.Show(frame), fixture.Render(frame)));
    }
    // The changes are visible at all: no frame from 2 on looks like frame 0 or 1.
    for (int frame : {2, 3, 4}) {
        EXPECT_FALSE(SamePixels(fixture.Render(frame), fixture.Render(frame - 1))) << "frame " << frame;
    }
    EXPECT_TRUE(SamePixels(fixture.Render(5), fixture.Render(3)));
    EXPECT_GT(playback.renderer.Layers().Tally().blended, 0u);
}

TEST(LayeredObjects, OnlyWhatIsShownKeepsItsLayers)
{
    MovieFixture fixture(120, 120, kWhite, 2);
    fixture.Define(1, RectShape(10, 10, 30, 30, Solid(kRed)));
    fixture.Define(2, RectShape(50, 50, 30, 30, Solid(kBlue)));
    fixture.Place(0, 1, 1);
    fixture.Place(0, 2, 2);
    fixture.Op(1, swf::DisplayOp::Kind::Remove, 2);
    Playback playback(fixture);
    playback.Show(0);
    playback.Show(0);
    EXPECT_EQ(playback.renderer.Layers().LayerCount(), 2u);
    playback.Show(1);
    EXPECT_EQ(playback.renderer.Layers().LayerCount(), 1u);
    EXPECT_EQ(playback.renderer.Layers().PixelCount(), 34 * 34);  // the square and two pixels around
}

TEST(LayeredObjects, HiddenInvisibleAndMaskedObjectsTakeNoLayer)
{
    struct Case {
        const char* name;
        std::function<void(MovieFixture&)> build;
        std::vector<PixelCase> pixels;
    };
    const std::vector<Case> cases = {
        {"outside the stage",
         [](MovieFixture& f) {
             f.Define(1, RectShape(0, 0, 30, 30, Solid(kRed)));
             f.Place(0, 1, 1, Translate(125, 40));
         },
         {{119, 50, kWhite}}},
        {"alpha multiplied by 0",
         [](MovieFixture& f) {
             f.Define(1, RectShape(10, 10, 30, 30, Solid(kRed)));
             f.Place(0, 1, 1).colorTransform = AlphaOnly(0);
         },
         {{20, 20, kWhite}}},
        // Under a clip layer every step is drawn directly.
        {"under a clip layer",
         [](MovieFixture& f) {
             f.Define(1, RectShape(10, 10, 50, 50, Solid({0, 0, 0, 255})));
             f.Define(2, RectShape(0, 0, 100, 100, Solid(kRed)));
             f.Place(0, 1, 1).clipDepth = 3;
             f.Place(0, 2, 2, Rotation(4, 1, 0.5, 0.5));
         },
         {{30, 30, kRed}, {80, 80, kWhite}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MovieFixture fixture(120, 120);
        c.build(fixture);
        Playback playback(fixture);
        for (int i = 0; i < 3; ++i) {
            const QImage shown = playback.Show(0);
            EXPECT_TRUE(SamePixels(shown, fixture.Render()));
            for (const PixelCase& p : c.pixels) {
                EXPECT_PIXEL(shown, p.x, p.y, Q(p.expected));
            }
        }
        const auto& tally = playback.renderer.Layers().Tally();
        EXPECT_EQ(playback.renderer.Layers().LayerCount(), 0u);
        EXPECT_EQ(tally.made + tally.blended + tally.direct, 0u);
    }
}

// Layers are made at one device pixel per pixel and blended at full opacity:
// a painter with its own opacity or a denser device gets every step directly.
TEST(LayeredObjects, PaintersThatCannotTakeLayersDrawDirectly)
{
    MovieFixture fixture(120, 120);
    fixture.Define(1, RectShape(10, 10, 50, 50, Solid(kRed)));
    fixture.Place(0, 1, 1, Rotation(10, 1, 20.5, 5.25));
    player::StageCursor cursor(fixture.Movie());
    const player::Stage& stage = cursor.Seek(0);
    struct Case {
        const char* name;
        double opacity;
        double pixelRatio;
        bool layered;
    };
    for (const Case& c : {Case{"plain", 1, 1, true}, Case{"half opacity", 0.5, 1, false},
                          Case{"two device pixels per pixel", 1, 2, false}}) {
        SCOPED_TRACE(c.name);
        player::FrameRenderer renderer(fixture.Movie());
        QImage first;
        for (int i = 0; i < 3; ++i) {
            QImage image(QSize(120, 120) * c.pixelRatio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(c.pixelRatio);
            QPainter painter(&image);
            painter.setOpacity(c.opacity);
            renderer.Paint(painter, QRectF(0, 0, 120, 120), stage);
            painter.end();
            if (i == 0) {
                first = image;
            } else {
                EXPECT_TRUE(SamePixels(image, first));
            }
        }
        EXPECT_EQ(renderer.Layers().Tally().made > 0, c.layered);
        EXPECT_EQ(renderer.Layers().LayerCount() > 0, c.layered);
    }
}

// The cache on its own: a step gets a layer on its second frame in a row, and
// none beyond the pixel budget or when the painter cannot take layers.
TEST(LayerCache, MakesLayersForStepsSeenTwiceWithinItsBudget)
{
    struct Case {
        const char* name;
        int64_t budget;
        bool enabled;
        std::vector<bool> drawnThroughLayer;  // frame after frame
    };
    const std::vector<Case> cases = {
        {"within the budget", 10000, true, {false, true, true}},
        {"over the budget", 30 * 30 - 1, true, {false, false, false}},
        {"painter without layers", 10000, false, {false, false, false}},
    };
    const swf::ColorTransform none;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player::LayerCache cache(c.budget);
        QImage frame(100, 100, QImage::Format_ARGB32_Premultiplied);
        int drawnDirectly = 0;
        for (size_t i = 0; i < c.drawnThroughLayer.size(); ++i) {
            frame.fill(Qt::white);
            QPainter painter(&frame);
            cache.BeginFrame(c.enabled);
            const player::LayerKey key(1, 0, QTransform::fromTranslate(20, 20), none);
            const bool layered = cache.Draw(painter, key, QRect(20, 20, 30, 30), QRectF(0, 0, 100, 100),
                                            [](QPainter& p) { p.fillRect(QRectF(0, 0, 30, 30), Qt::red); });
            if (!layered) {
                ++drawnDirectly;
                painter.fillRect(QRectF(20, 20, 30, 30), Qt::red);
            }
            cache.EndFrame();
            painter.end();
            EXPECT_EQ(layered, c.drawnThroughLayer[i]) << "frame " << i;
            EXPECT_PIXEL(frame, 35, 35, Q(kRed));
            EXPECT_PIXEL(frame, 19, 19, Q(kWhite));
            EXPECT_PIXEL(frame, 50, 50, Q(kWhite));
        }
        EXPECT_EQ(cache.Tally().direct, uint64_t(drawnDirectly));
    }
}

// A frame comes out the same whichever thread asks for it: from a pool
// thread, from another thread, and while every pool thread is busy. A
// translucent picture at an angle shows it, whose pixels round differently
// where Qt splits its spans among threads.
TEST(FrameRendering, SameFrameFromAnyThread)
{
    MovieFixture fixture(120, 120);
    fixture.Define(3, RectShape(30, 30, 60, 60, Solid(kGreen)));
    fixture.Place(0, 1, 3);
    fixture.Define(5, Ramp(16));
    fixture.Define(1, RectShape(0, 0, 64, 64, BitmapFill(Type::ClippedBitmap, 5, Affine(80, 0, 0, 80, 0, 0))));
    fixture.Place(0, 2, 1, Rotation(25, 0.9, 40.45, 5.35)).colorTransform = AlphaOnly(100);
    const QImage expected = fixture.Render();

    QImage fromPool;
    QSemaphore done;
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->start([&] {
        fromPool = fixture.Render();
        done.release();
    });
    done.acquire();
    EXPECT_TRUE(SamePixels(fromPool, expected));

    // Every pool thread busy: the frame waits for one, and still comes out
    // drawn whole. The busy threads end on their own after a moment.
    QSemaphore started;
    const int threads = pool->maxThreadCount();
    for (int i = 0; i < threads; ++i) {
        pool->start([&] {
            started.release();
            QThread::msleep(300);
        });
    }
    started.acquire(threads);
    const QImage whileBusy = fixture.Render();
    pool->waitForDone();
    EXPECT_TRUE(SamePixels(whileBusy, expected));
}

}  // namespace
}  // namespace glimmora::test
