#include "RenderFixture.h"

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace glimmora::test {

swf::Twips Px(double pixels)
{
    return swf::Twips(std::lround(pixels * 20));
}

swf::Matrix Affine(double a, double b, double c, double d, double txPx, double tyPx)
{
    swf::Matrix m;
    m.scaleX = int32_t(std::lround(a * 65536));
    m.rotateSkew0 = int32_t(std::lround(b * 65536));
    m.rotateSkew1 = int32_t(std::lround(c * 65536));
    m.scaleY = int32_t(std::lround(d * 65536));
    m.translateX = Px(txPx);
    m.translateY = Px(tyPx);
    return m;
}

swf::Glyph BoxGlyph(int width, int height)
{
    swf::Glyph glyph;
    swf::ShapeRecord start;
    start.moveTo = std::make_pair(0, 0);
    start.fillStyle0 = 1;
    glyph.records.push_back(start);
    for (auto [x, y] : std::vector<std::pair<int, int>>{{width, 0}, {width, -height}, {0, -height}, {0, 0}}) {
        swf::ShapeRecord edge;
        edge.kind = swf::ShapeRecord::Kind::Line;
        edge.toX = x;
        edge.toY = y;
        glyph.records.push_back(edge);
    }
    return glyph;
}

swf::ColorTransform Tint(swf::Rgba add)
{
    swf::ColorTransform cx;
    cx.multR = cx.multG = cx.multB = cx.multA = 0;
    cx.addR = add.r;
    cx.addG = add.g;
    cx.addB = add.b;
    cx.addA = add.a;
    return cx;
}

swf::FillStyle Solid(swf::Rgba color)
{
    swf::FillStyle fill;
    fill.color = color;
    return fill;
}

swf::FillStyle BitmapFill(swf::FillStyle::Type type, uint16_t id, swf::Matrix matrix)
{
    swf::FillStyle fill;
    fill.type = type;
    fill.bitmapId = id;
    fill.matrix = matrix;
    return fill;
}

swf::Bitmap ArgbPicture(int width, int height, std::vector<uint8_t> pixels)
{
    swf::Bitmap b;
    b.kind = swf::Bitmap::Kind::Lossless;
    b.losslessFormat = 5;
    b.losslessAlpha = true;
    b.width = uint16_t(width);
    b.height = uint16_t(height);
    b.data = std::move(pixels);
    return b;
}

void AddContour(std::vector<swf::ShapeRecord>& records,
                const std::vector<std::pair<double, double>>& points, uint32_t fill0,
                uint32_t fill1, uint32_t line)
{
    swf::ShapeRecord start;
    start.moveTo = std::make_pair(Px(points.front().first), Px(points.front().second));
    start.fillStyle0 = fill0;
    start.fillStyle1 = fill1;
    start.lineStyle = line;
    records.push_back(start);
    for (size_t i = 1; i <= points.size(); ++i) {
        const auto& p = points[i % points.size()];
        swf::ShapeRecord edge;
        edge.kind = swf::ShapeRecord::Kind::Line;
        edge.toX = Px(p.first);
        edge.toY = Px(p.second);
        records.push_back(edge);
    }
}

swf::Shape RectShape(double left, double top, double width, double height, swf::FillStyle fill)
{
    swf::Shape shape;
    shape.version = 3;
    shape.bounds = {Px(left), Px(left + width), Px(top), Px(top + height)};
    shape.fillStyles = {std::move(fill)};
    AddContour(shape.records,
               {{left, top}, {left + width, top}, {left + width, top + height}, {left, top + height}},
               0, 1);
    return shape;
}

swf::Shape TwoSquares(swf::FillStyle left, swf::FillStyle right)
{
    swf::Shape shape;
    shape.version = 3;
    shape.fillStyles = {std::move(left), std::move(right)};
    auto style = [&](std::optional<std::pair<double, double>> move, uint32_t fill0, uint32_t fill1) {
        swf::ShapeRecord r;
        if (move) r.moveTo = std::make_pair(Px(move->first), Px(move->second));
        r.fillStyle0 = fill0;
        r.fillStyle1 = fill1;
        shape.records.push_back(r);
    };
    auto line = [&](double x, double y) {
        swf::ShapeRecord r;
        r.kind = swf::ShapeRecord::Kind::Line;
        r.toX = Px(x);
        r.toY = Px(y);
        shape.records.push_back(r);
    };
    style(std::make_pair(0.0, 0.0), 0, 1);
    line(20, 0);
    style(std::nullopt, 2, 1);
    line(20, 20);
    style(std::nullopt, 0, 1);
    line(0, 20);
    line(0, 0);
    style(std::make_pair(20.0, 0.0), 0, 2);
    line(40, 0);
    line(40, 20);
    line(20, 20);
    return shape;
}

MovieFixture::MovieFixture(int widthPx, int heightPx, swf::Rgba background, int frames)
    : movie_(std::make_shared<swf::DecodedMovie>()), pending_(size_t(frames))
{
    movie_->header.signature = "FWS";
    movie_->header.version = 8;
    movie_->header.frameSize = {0, Px(widthPx), 0, Px(heightPx)};
    movie_->header.frameRate = 12 << 8;
    movie_->header.frameCount = uint16_t(frames);
    movie_->background = background;
    movie_->frames.resize(size_t(frames));
}

void MovieFixture::Define(uint16_t id, swf::Character character)
{
    movie_->dictionary[id] = std::make_shared<const swf::Character>(std::move(character));
}

swf::DisplayOp& MovieFixture::Op(int frame, swf::DisplayOp::Kind kind, uint16_t depth)
{
    swf::DisplayOp op;
    op.kind = kind;
    op.depth = depth;
    return pending_.at(size_t(frame)).emplace_back(std::move(op));
}

swf::DisplayOp& MovieFixture::Place(int frame, uint16_t depth, uint16_t id, swf::Matrix matrix)
{
    swf::DisplayOp& op = Op(frame, swf::DisplayOp::Kind::Place, depth);
    op.characterId = id;
    op.matrix = matrix;
    return op;
}

std::shared_ptr<swf::DecodedMovie> MovieFixture::Movie() const
{
    for (size_t frame = 0; frame < pending_.size(); ++frame) {
        for (const swf::DisplayOp& op : pending_[frame]) movie_->frames[frame].ops.push_back(op);
        pending_[frame].clear();
    }
    return movie_;
}

QImage MovieFixture::Render(int frame, QSize size) const
{
    const auto movie = Movie();
    if (size.isEmpty()) {
        size = QSize(movie->header.WidthPixels(), movie->header.HeightPixels());
    }
    player::StageCursor cursor(movie);
    player::FrameRenderer renderer(movie);
    return renderer.Render(cursor.Seek(frame), size);
}

QColor Pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

::testing::AssertionResult ColorNear(const QColor& actual, const QColor& expected, int tolerance)
{
    const int worst = std::max({std::abs(actual.red() - expected.red()),
                                std::abs(actual.green() - expected.green()),
                                std::abs(actual.blue() - expected.blue()),
                                std::abs(actual.alpha() - expected.alpha())});
    if (worst <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "colour (" << actual.red() << ", " << actual.green() << ", " << actual.blue() << ", "
           << actual.alpha() << ") is not (" << expected.red() << ", " << expected.green() << ", "
           << expected.blue() << ", " << expected.alpha() << ") within " << tolerance;
}

}  // namespace glimmora::test
