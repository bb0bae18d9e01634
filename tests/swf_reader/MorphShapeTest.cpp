// DefineMorphShape and DefineMorphShape2: paired styles and the start and end edges.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::BitWriter;
using test::ByteVector;
using test::Bytes;

const MorphShape& MorphOf(const DecodedMovie& movie, uint16_t id) {
    return std::get<MorphShape>(*movie.dictionary.at(id));
}

// Start: move to (10, 20) with fill 1 and line 1, then 200 twips right.
ByteVector StartEdges() {
    BitWriter r;
    r.UB(4, 1).UB(4, 1);
    r.UB(1, 0).UB(5, 0x01 | 0x04 | 0x08).UB(5, 6).SB(6, 10).SB(6, 20).UB(1, 1).UB(1, 1);
    r.UB(1, 1).UB(1, 1).UB(4, 7).UB(1, 0).UB(1, 0).SB(9, 200);
    r.UB(1, 0).UB(5, 0);
    return r.Bytes();
}

// End: move to (100, 100), then a curve through (150, 50) to (200, 100).
ByteVector EndEdges() {
    BitWriter r;
    r.UB(4, 0).UB(4, 0);
    r.UB(1, 0).UB(5, 0x01).UB(5, 8).SB(8, 100).SB(8, 100);
    r.UB(1, 1).UB(1, 0).UB(4, 6).SB(8, 50).SB(8, -50).SB(8, 50).SB(8, 50);
    r.UB(1, 0).UB(5, 0);
    return r.Bytes();
}

void ExpectEdges(const MorphShape& morph) {
    ASSERT_EQ(morph.startRecords.size(), 2u);
    EXPECT_EQ(morph.startRecords[0].moveTo, std::make_pair(Twips(10), Twips(20)));
    EXPECT_EQ(morph.startRecords[0].fillStyle1, 1u);
    EXPECT_EQ(morph.startRecords[0].lineStyle, 1u);
    EXPECT_EQ(morph.startRecords[1].kind, ShapeRecord::Kind::Line);
    EXPECT_EQ(morph.startRecords[1].toX, 210);
    ASSERT_EQ(morph.endRecords.size(), 2u);
    EXPECT_EQ(morph.endRecords[0].moveTo, std::make_pair(Twips(100), Twips(100)));
    EXPECT_EQ(morph.endRecords[1].kind, ShapeRecord::Kind::Curve);
    EXPECT_EQ(morph.endRecords[1].controlX, 150);
    EXPECT_EQ(morph.endRecords[1].controlY, 50);
    EXPECT_EQ(morph.endRecords[1].toX, 200);
    EXPECT_EQ(morph.endRecords[1].toY, 100);
}

TEST(MorphShapeTest, DefineMorphShapeReadsPairedStylesAndBothEdges) {
    Bytes styles;
    styles.U8(1).U8(0x00).Add({255, 0, 0, 255}).Add({0, 0, 255, 128});
    styles.U8(1).U16(20).U16(60).Add({0, 0, 0, 255}).Add({0, 255, 0, 255});
    const ByteVector start = StartEdges();
    // The offset to the end edges, exact or pointing past the tag (then
    // they follow the start's).
    for (uint32_t offset : {uint32_t(styles.Get().size() + start.size()), 0xFFFFFFu}) {
        SCOPED_TRACE(offset);
        Bytes body;
        body.U16(7).Add(test::RectBytes(0, 200, 0, 200)).Add(test::RectBytes(100, 400, 100, 400)).U32(offset);
        body.Add(styles).Add(start).Add(EndEdges());
        const DecodedMovie movie = test::Decode(test::Movie({test::Tag(46, body), test::ShowFrame()}));
        const MorphShape& morph = MorphOf(movie, 7);
        EXPECT_EQ(morph.version, 1);
        EXPECT_EQ(morph.startBounds, (Rect{0, 200, 0, 200}));
        EXPECT_EQ(morph.endBounds, (Rect{100, 400, 100, 400}));
        ASSERT_EQ(morph.fillStyles.size(), 1u);
        EXPECT_EQ(morph.fillStyles[0].start.type, FillStyle::Type::Solid);
        EXPECT_EQ(morph.fillStyles[0].start.color, (Rgba{255, 0, 0, 255}));
        EXPECT_EQ(morph.fillStyles[0].end.color, (Rgba{0, 0, 255, 128}));
        ASSERT_EQ(morph.lineStyles.size(), 1u);
        EXPECT_EQ(morph.lineStyles[0].start.width, 20);
        EXPECT_EQ(morph.lineStyles[0].end.width, 60);
        EXPECT_EQ(morph.lineStyles[0].end.color, (Rgba{0, 255, 0, 255}));
        ExpectEdges(morph);
    }
}

TEST(MorphShapeTest, DefineMorphShape2ReadsGradientsFocalPointsAndLineStyle2) {
    Bytes styles;
    styles.U8(1).U8(0x13).Add(test::TranslateMatrix(0, 0)).Add(test::TranslateMatrix(40, -40)).U8(0x42);
    styles.U8(0).Add({255, 0, 0, 255}).U8(10).Add({0, 255, 0, 255});
    styles.U8(255).Add({0, 0, 255, 255}).U8(200).Add({9, 9, 9, 9});
    styles.U16(uint16_t(int16_t(-128))).U16(128);
    styles.U8(1).U16(40).U16(80).U8(0x20 | 0x08).U8(0x01).U16(0x0200);  // miter join, filled, no end cap
    styles.U8(0x00).Add({1, 2, 3, 4}).Add({5, 6, 7, 8});
    const ByteVector start = StartEdges();
    Bytes body;
    body.U16(8).Add(test::RectBytes(0, 200, 0, 200)).Add(test::RectBytes(100, 400, 100, 400));
    body.Add(test::RectBytes(0, 200, 0, 200)).Add(test::RectBytes(100, 400, 100, 400)).U8(0x01);
    body.U32(uint32_t(styles.Get().size() + start.size())).Add(styles).Add(start).Add(EndEdges());
    const DecodedMovie movie = test::Decode(test::Movie({test::Tag(84, body), test::ShowFrame()}));
    const MorphShape& morph = MorphOf(movie, 8);
    EXPECT_EQ(morph.version, 2);
    ASSERT_EQ(morph.fillStyles.size(), 1u);
    const MorphFillStyle& fill = morph.fillStyles[0];
    EXPECT_EQ(fill.start.type, FillStyle::Type::Focal);
    EXPECT_EQ(fill.end.type, FillStyle::Type::Focal);
    EXPECT_EQ(fill.end.matrix.translateX, 40);
    EXPECT_EQ(fill.start.spread, 1);
    ASSERT_EQ(fill.start.stops.size(), 2u);
    ASSERT_EQ(fill.end.stops.size(), 2u);
    EXPECT_EQ(fill.start.stops[1].ratio, 255);
    EXPECT_EQ(fill.end.stops[0].ratio, 10);
    EXPECT_EQ(fill.end.stops[0].color, (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(fill.end.stops[1].color, (Rgba{9, 9, 9, 9}));
    EXPECT_DOUBLE_EQ(fill.start.focalPoint, -0.5);
    EXPECT_DOUBLE_EQ(fill.end.focalPoint, 0.5);
    ASSERT_EQ(morph.lineStyles.size(), 1u);
    const MorphLineStyle& line = morph.lineStyles[0];
    EXPECT_EQ(line.end.width, 80);
    EXPECT_EQ(line.start.join, LineStyle::Join::Miter);
    EXPECT_EQ(line.end.join, LineStyle::Join::Miter);
    EXPECT_DOUBLE_EQ(line.end.miterLimit, 2);
    EXPECT_EQ(line.start.endCap, LineStyle::Cap::None);
    ASSERT_TRUE(line.start.fill && line.end.fill);
    EXPECT_EQ(line.start.color, (Rgba{1, 2, 3, 4}));
    EXPECT_EQ(line.end.color, (Rgba{5, 6, 7, 8}));
    ExpectEdges(morph);
}

TEST(MorphShapeTest, AMorphShapeCutOffOrOfAnUnknownFillIsAnError) {
    Bytes head;
    head.U16(7).Add(test::RectBytes(0, 200, 0, 200)).Add(test::RectBytes(0, 200, 0, 200)).U32(0);
    Bytes cut = head;
    cut.U8(1).U8(0x00).Add({255, 0, 0, 255}).U8(0).Add(StartEdges());  // no end edges
    Bytes unknown = head;
    unknown.U8(1).U8(0x07).Add({255, 0, 0, 255});
    for (const Bytes& body : {cut, unknown}) {
        EXPECT_NE(test::ErrorOfDecoding(test::Movie({test::Tag(46, body), test::ShowFrame()})), "");
    }
}

}  // namespace
}  // namespace glimmora::swf
