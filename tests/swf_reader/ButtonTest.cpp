// DefineButton and DefineButton2: their character records.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::Bytes;
using test::ByteVector;

TEST(ButtonTest, RecordsAreReadWithTheirStatesDepthsMatricesAndColours) {
    // DefineButton: up+over at depth 2, hit only at depth 1, then the actions (an empty list).
    Bytes one;
    one.U16(4).U8(0x03).U16(1).U16(2).Add(test::TranslateMatrix(100, -40));
    one.U8(0x08).U16(1).U16(1).Add(test::TranslateMatrix(0, 0)).U8(0).U8(0);
    // DefineButton2: a record with a colour transform and a blend mode, one
    // with a filter list (a blur), one after it; then one with an unknown
    // filter, after which nothing more can be read.
    test::BitWriter cx;
    cx.UB(1, 1).UB(1, 0).UB(4, 9).SB(9, 255).SB(9, 0).SB(9, 0).SB(9, 0);  // add red only
    const ByteVector addRed = cx.Bytes();
    const ByteVector blur{1, 1, 0, 0, 5, 0, 0, 0, 5, 0, 0x08};
    Bytes two;
    two.U16(5).U8(0).U16(0);
    two.U8(0x20 | 0x01).U16(1).U16(3).Add(test::TranslateMatrix(20, 20)).Add(addRed).U8(3);
    two.U8(0x10 | 0x20 | 0x04).U16(1).U16(4).Add(test::TranslateMatrix(0, 0)).Add(addRed).Add(blur).U8(4);
    two.U8(0x01).U16(1).U16(5).Add(test::TranslateMatrix(0, 0)).Add(addRed);
    two.U8(0x10 | 0x01).U16(1).U16(6).Add(test::TranslateMatrix(0, 0)).Add(addRed).U8(1).U8(9).U8(7);
    two.U8(0x01).U16(1).U16(7).Add(test::TranslateMatrix(0, 0)).Add(addRed).U8(0);

    const DecodedMovie movie =
        test::Decode(test::Movie({test::Tag(7, one), test::Tag(34, two), test::ShowFrame()}));
    const auto& first = std::get<Button>(*movie.dictionary.at(4));
    EXPECT_EQ(first.version, 1);
    ASSERT_EQ(first.records.size(), 2u);
    EXPECT_EQ(first.records[0].states, ButtonRecord::Up | ButtonRecord::Over);
    EXPECT_EQ(first.records[0].depth, 2);
    EXPECT_EQ(first.records[0].matrix.translateX, 100);
    EXPECT_EQ(first.records[0].matrix.translateY, -40);
    EXPECT_EQ(first.records[1].states, ButtonRecord::HitTest);

    const auto& second = std::get<Button>(*movie.dictionary.at(5));
    EXPECT_EQ(second.version, 2);
    ASSERT_EQ(second.records.size(), 4u);
    EXPECT_EQ(second.records[0].states, ButtonRecord::Up);
    EXPECT_EQ(second.records[0].depth, 3);
    EXPECT_EQ(second.records[0].colorTransform.addR, 255);
    EXPECT_EQ(second.records[0].blendMode, BlendMode::Multiply);
    EXPECT_EQ(second.records[1].states, ButtonRecord::Down);
    EXPECT_EQ(second.records[1].depth, 4);
    ASSERT_EQ(second.records[1].filters.size(), 1u);
    EXPECT_EQ(second.records[1].filters[0].type, Filter::Type::Blur);
    EXPECT_DOUBLE_EQ(second.records[1].filters[0].blurX, 5);
    EXPECT_EQ(second.records[1].blendMode, BlendMode::Screen);
    EXPECT_EQ(second.records[2].depth, 5);
    EXPECT_TRUE(second.records[2].filters.empty());
    EXPECT_EQ(second.records[3].depth, 6);  // its unknown filter ends the reading
}

}  // namespace
}  // namespace glimmora::swf
