#include "swf/reader/DecodedMovie.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

#include <optional>

namespace glimmora::swf {
namespace {

using test::BitWriter;
using test::ByteVector;
using test::Bytes;

const Shape& ShapeOf(const DecodedMovie& movie, uint16_t id) {
    return std::get<Shape>(*movie.dictionary.at(id));
}

DecodedMovie Decode(const ByteVector& file) { return DecodeMovie(file.data(), file.size()); }

// DefineShape3: fill 1 solid semi-transparent green, fill 2 linear gradient,
// line 1 (20 twips blue). Records: move to (100, 200) with fill0 = 2, fill1 = 1,
// line 1; a horizontal line +300; a curve (+50,+50)(-50,+50); a general line
// back to the start; a vertical line 0 (kept); end.
ByteVector TwoFillShape() {
    Bytes styles;
    styles.U8(2);
    styles.Add({0x00, 0, 255, 0, 128});
    BitWriter gm;  // gradient matrix: scale 0.5 both ways, translate (10, -10)
    gm.UB(1, 1).UB(5, 17).SB(17, 32768).SB(17, 32768).UB(1, 0).UB(5, 6).SB(6, 10).SB(6, -10);
    styles.U8(0x10).Add(gm.Bytes()).U8(0x02).Add({0, 255, 0, 0, 255}).Add({255, 0, 0, 255, 64});
    styles.U8(1).U16(20).Add({0, 0, 255, 255});

    BitWriter r;
    r.UB(4, 2).UB(4, 1);
    r.UB(1, 0).UB(5, 0x01 | 0x02 | 0x04 | 0x08).UB(5, 10).SB(10, 100).SB(10, 200).UB(2, 2).UB(2, 1).UB(1, 1);
    r.UB(1, 1).UB(1, 1).UB(4, 8).UB(1, 0).UB(1, 0).SB(10, 300);                       // horizontal
    r.UB(1, 1).UB(1, 0).UB(4, 6).SB(8, 50).SB(8, 50).SB(8, -50).SB(8, 50);            // curve
    r.UB(1, 1).UB(1, 1).UB(4, 8).UB(1, 1).SB(10, -300).SB(10, -100);                  // general
    r.UB(1, 1).UB(1, 1).UB(4, 0).UB(1, 0).UB(1, 1).SB(2, 0);                          // vertical 0
    r.UB(1, 0).UB(5, 0);
    Bytes body;
    body.U16(1).Add(test::RectBytes(90, 410, 190, 310)).Add(styles).Add(r.Bytes());
    return test::Tag(32, body);
}

TEST(ShapeTest, DefineShape3WithCurveAndTwoFills) {
    DecodedMovie movie = Decode(test::Movie({TwoFillShape(), test::ShowFrame()}));
    const Shape& shape = ShapeOf(movie, 1);
    EXPECT_EQ(shape.version, 3);
    EXPECT_EQ(shape.bounds, (Rect{90, 410, 190, 310}));

    ASSERT_EQ(shape.fillStyles.size(), 2u);
    EXPECT_EQ(shape.fillStyles[0].type, FillStyle::Type::Solid);
    EXPECT_EQ(shape.fillStyles[0].color, (Rgba{0, 255, 0, 128}));
    const FillStyle& gradient = shape.fillStyles[1];
    EXPECT_EQ(gradient.type, FillStyle::Type::Linear);
    EXPECT_EQ(gradient.matrix.scaleX, 32768);
    EXPECT_EQ(gradient.matrix.translateY, -10);
    ASSERT_EQ(gradient.stops.size(), 2u);
    EXPECT_EQ(gradient.stops[1].ratio, 255);
    EXPECT_EQ(gradient.stops[1].color, (Rgba{0, 0, 255, 64}));
    ASSERT_EQ(shape.lineStyles.size(), 1u);
    EXPECT_EQ(shape.lineStyles[0].width, 20);
    EXPECT_EQ(shape.lineStyles[0].color, (Rgba{0, 0, 255, 255}));

    ASSERT_EQ(shape.records.size(), 5u);
    const ShapeRecord& start = shape.records[0];
    EXPECT_EQ(start.kind, ShapeRecord::Kind::StyleChange);
    ASSERT_TRUE(start.moveTo);
    EXPECT_EQ(*start.moveTo, std::make_pair(100, 200));
    EXPECT_EQ(start.fillStyle0, 2u);
    EXPECT_EQ(start.fillStyle1, 1u);
    EXPECT_EQ(start.lineStyle, 1u);

    const ShapeRecord& line = shape.records[1];
    EXPECT_EQ(line.kind, ShapeRecord::Kind::Line);
    EXPECT_EQ(line.toX, 400);
    EXPECT_EQ(line.toY, 200);
    const ShapeRecord& curve = shape.records[2];
    EXPECT_EQ(curve.kind, ShapeRecord::Kind::Curve);
    EXPECT_EQ(curve.controlX, 450);
    EXPECT_EQ(curve.controlY, 250);
    EXPECT_EQ(curve.toX, 400);
    EXPECT_EQ(curve.toY, 300);
    EXPECT_EQ(shape.records[3].toX, 100);
    EXPECT_EQ(shape.records[3].toY, 200);
    EXPECT_EQ(shape.records[4].toY, 200);
}

TEST(ShapeTest, NewStylesResetTheBitCountsAndShapeOneColorsAreOpaque) {
    // DefineShape (1): one RGB fill; a NewStyles record brings two fills and
    // 2 fill bits, after which fill1 = 2 is read with the new width.
    BitWriter r;
    r.UB(4, 1).UB(4, 0);
    r.UB(1, 0).UB(5, 0x04).UB(1, 1);  // fill1 = 1 with one bit
    r.UB(1, 0).UB(5, 0x10);           // NewStyles
    Bytes newStyles;
    newStyles.U8(2).Add({0x00, 1, 2, 3}).Add({0x00, 4, 5, 6}).U8(0);
    ByteVector head = r.Bytes();
    BitWriter tail;
    tail.UB(4, 2).UB(4, 0).UB(1, 0).UB(5, 0x04).UB(2, 2).UB(1, 0).UB(5, 0);
    Bytes body;
    body.U16(7).Add(test::RectBytes(0, 10, 0, 10)).Add({1, 0x00, 9, 9, 9, 0}).Add(head).Add(newStyles).Add(tail.Bytes());
    DecodedMovie movie = Decode(test::Movie({test::Tag(2, body), test::ShowFrame()}, 1, false, 1));
    const Shape& shape = ShapeOf(movie, 7);
    EXPECT_EQ(shape.fillStyles[0].color, (Rgba{9, 9, 9, 255}));
    ASSERT_EQ(shape.records.size(), 3u);
    ASSERT_TRUE(shape.records[1].newStyles);
    EXPECT_EQ(shape.records[1].newStyles->first[1].color, (Rgba{4, 5, 6, 255}));
    EXPECT_EQ(shape.records[2].fillStyle1, 2u);
}

TEST(ShapeTest, DefineShape4ReadsWindingAndFilledLineStyles) {
    Bytes styles;
    styles.U8(0xFF).U16(1).Add({0x00, 1, 2, 3, 4});        // extended fill count
    styles.U8(1).U16(40).U8(0x28).U8(0x00).U16(0x0300);    // miter join, HasFill, miter limit
    styles.U8(0x00).Add({5, 6, 7, 8});                      // the line's solid fill
    BitWriter r;
    r.UB(4, 1).UB(4, 1).UB(1, 0).UB(5, 0);
    Bytes body;
    body.U16(3).Add(test::RectBytes(0, 20, 0, 20)).Add(test::RectBytes(1, 19, 1, 19)).U8(0x04).Add(styles).Add(r.Bytes());
    DecodedMovie movie = Decode(test::Movie({test::Tag(83, body), test::ShowFrame()}));
    const Shape& shape = ShapeOf(movie, 3);
    EXPECT_EQ(shape.version, 4);
    EXPECT_TRUE(shape.nonZeroWinding);
    ASSERT_EQ(shape.fillStyles.size(), 1u);
    ASSERT_EQ(shape.lineStyles.size(), 1u);
    EXPECT_EQ(shape.lineStyles[0].width, 40);
    ASSERT_TRUE(shape.lineStyles[0].fill);
    EXPECT_EQ(shape.lineStyles[0].fill->color, (Rgba{5, 6, 7, 8}));
}

TEST(ShapeTest, DefineShape4LineStylesReadCapsJoinsAndScaling) {
    using Cap = LineStyle::Cap;
    using Join = LineStyle::Join;
    struct Case {
        const char* name;
        uint8_t first, second;
        std::optional<uint16_t> miter;
        Cap startCap, endCap;
        Join join;
        double miterLimit;
        bool noHScale, noVScale, noClose;
    };
    const Case cases[] = {
        {"miter join with its limit", 0x20, 0x00, 0x0280, Cap::Round, Cap::Round, Join::Miter, 2.5, false, false, false},
        {"no caps, keeps its width, not closed", 0x46, 0x06, {}, Cap::None, Cap::Square, Join::Round, 3, true, true, true},
        {"square start, bevel, keeps its vertical width", 0x92, 0x01, {}, Cap::Square, Cap::None, Join::Bevel, 3, false,
         true, false},
        {"values past the known ones are round", 0xF0, 0x03, {}, Cap::Round, Cap::Round, Join::Round, 3, false, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes styles;
        styles.U8(0).U8(1).U16(60).U8(c.first).U8(c.second);
        if (c.miter) styles.U16(*c.miter);
        styles.Add({1, 2, 3, 255});
        BitWriter r;
        r.UB(4, 0).UB(4, 1).UB(1, 0).UB(5, 0);
        Bytes body;
        body.U16(3).Add(test::RectBytes(0, 20, 0, 20)).Add(test::RectBytes(0, 20, 0, 20)).U8(0).Add(styles).Add(r.Bytes());
        DecodedMovie movie = Decode(test::Movie({test::Tag(83, body), test::ShowFrame()}));
        ASSERT_EQ(ShapeOf(movie, 3).lineStyles.size(), 1u);
        const LineStyle& line = ShapeOf(movie, 3).lineStyles[0];
        EXPECT_EQ(line.width, 60);
        EXPECT_EQ(line.color, (Rgba{1, 2, 3, 255}));
        EXPECT_EQ(line.startCap, c.startCap);
        EXPECT_EQ(line.endCap, c.endCap);
        EXPECT_EQ(line.join, c.join);
        EXPECT_DOUBLE_EQ(line.miterLimit, c.miterLimit);
        EXPECT_EQ(line.noHScale, c.noHScale);
        EXPECT_EQ(line.noVScale, c.noVScale);
        EXPECT_EQ(line.noClose, c.noClose);
    }
}

TEST(ShapeTest, BitmapAndFocalFillsAreRead) {
    Bytes styles;
    styles.U8(2);
    styles.U8(0x41).U16(9).Add(ByteVector{0x00});
    styles.U8(0x13).Add(ByteVector{0x00}).U8(0x51).Add({0, 1, 2, 3, 4}).U16(uint16_t(int16_t(-128)));
    BitWriter r;
    r.UB(4, 2).UB(4, 0).UB(1, 0).UB(5, 0);
    Bytes body;
    body.U16(4).Add(test::RectBytes(0, 20, 0, 20)).Add(test::RectBytes(0, 20, 0, 20)).U8(0).Add(styles).U8(0).Add(r.Bytes());
    DecodedMovie movie = Decode(test::Movie({test::Tag(83, body), test::ShowFrame()}));
    const Shape& shape = ShapeOf(movie, 4);
    EXPECT_EQ(shape.fillStyles[0].type, FillStyle::Type::ClippedBitmap);
    EXPECT_EQ(shape.fillStyles[0].bitmapId, 9);
    const FillStyle& focal = shape.fillStyles[1];
    EXPECT_EQ(focal.type, FillStyle::Type::Focal);
    EXPECT_EQ(focal.spread, 1);
    EXPECT_EQ(focal.interpolation, 1);
    EXPECT_EQ(focal.stops.size(), 1u);
    EXPECT_DOUBLE_EQ(focal.focalPoint, -0.5);
}

TEST(ShapeTest, DamagedShapesAreErrors) {
    struct Case {
        const char* name;
        ByteVector body;
    };
    BitWriter unterminated;
    unterminated.UB(4, 0).UB(4, 0).UB(1, 1).UB(1, 1).UB(4, 15);  // an edge cut short
    const Case cases[] = {
        {"unknown fill type", Bytes().U16(1).Add(test::RectBytes(0, 1, 0, 1)).U8(1).U8(0x77).U8(0).U8(0)},
        {"fill count beyond the tag", Bytes().U16(1).Add(test::RectBytes(0, 1, 0, 1)).U8(200).U8(0)},
        {"records without End", Bytes().U16(1).Add(test::RectBytes(0, 1, 0, 1)).U8(0).U8(0).Add(unterminated.Bytes())},
    };
    for (const Case& c : cases) {
        ByteVector file = test::Movie({test::Tag(32, c.body), test::ShowFrame()});
        EXPECT_THROW(Decode(file), DecodeError) << c.name;
    }
}

}  // namespace
}  // namespace glimmora::swf
