#include "swf/reader/DecodedMovie.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::ByteVector;

DecodedMovie Decode(const ByteVector& file) { return DecodeMovie(file.data(), file.size()); }

ByteVector HalfAlpha() { return {0x69, 0x00, 0x40, 0x10, 0x02, 0x00}; }

// Frame 0: box 1 at depth 1 (translated), box 2 at depth 5 named "b".
// Frame 1: modify depth 1's matrix; place at the occupied depth 5 (ignored);
//          modify the empty depth 9 (no-op).
// Frame 2: replace depth 1 with character 2 and only a colour transform.
// Frame 3: remove depth 5; remove the empty depth 7.
// Frame 4: nothing.
ByteVector TimelineMovie() {
    return test::Movie({test::BoxShape(1), test::BoxShape(2),
                        test::PlaceNew(1, 1, test::TranslateMatrix(2000, 1000)),
                        test::PlaceNew(5, 2, {}, {}, "b"), test::ShowFrame(),
                        test::Modify(1, test::TranslateMatrix(40, 60)),
                        test::PlaceNew(5, 1, test::TranslateMatrix(99, 99)),
                        test::Modify(9, test::TranslateMatrix(1, 1)), test::ShowFrame(),
                        test::Replace(1, 2, {}, HalfAlpha()), test::ShowFrame(),
                        test::RemoveObject2(5), test::RemoveObject2(7), test::ShowFrame(), test::ShowFrame()},
                       5);
}

TEST(DisplayListTest, FramesHoldTheirOperations) {
    DecodedMovie movie = Decode(TimelineMovie());
    ASSERT_EQ(movie.FrameCount(), 5);
    EXPECT_EQ(movie.frames[0].ops.size(), 2u);
    EXPECT_EQ(movie.frames[1].ops.size(), 3u);
    EXPECT_EQ(movie.frames[2].ops[0].kind, DisplayOp::Kind::Replace);
    EXPECT_EQ(movie.frames[1].ops[0].kind, DisplayOp::Kind::Modify);
    EXPECT_EQ(movie.frames[3].ops[0].kind, DisplayOp::Kind::Remove);
    EXPECT_TRUE(movie.frames[4].ops.empty());
}

TEST(DisplayListTest, PlaceCreatesItemsAtTheirDepths) {
    DisplayList list = Decode(TimelineMovie()).DisplayListAt(0);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(1).characterId, 1);
    EXPECT_EQ(list.at(1).matrix.translateX, 2000);
    EXPECT_EQ(list.at(1).matrix.translateY, 1000);
    EXPECT_EQ(list.at(5).characterId, 2);
    EXPECT_EQ(list.at(5).name, "b");
    EXPECT_EQ(list.at(5).placedAtFrame, 0);
}

TEST(DisplayListTest, ModifyChangesOnlyGivenFieldsAndPlaceAtOccupiedDepthIsIgnored) {
    DisplayList list = Decode(TimelineMovie()).DisplayListAt(1);
    ASSERT_EQ(list.size(), 2u);  // depth 9 stayed empty
    EXPECT_EQ(list.at(1).characterId, 1);
    EXPECT_EQ(list.at(1).matrix.translateX, 40);  // replaced, not composed
    EXPECT_EQ(list.at(1).matrix.translateY, 60);
    EXPECT_EQ(list.at(5).characterId, 2);  // the second placement was refused
    EXPECT_EQ(list.at(5).matrix, Matrix{});
    EXPECT_EQ(list.at(5).name, "b");
}

TEST(DisplayListTest, ReplaceKeepsAbsentFieldsAndRestartsThePlacement) {
    DisplayList list = Decode(TimelineMovie()).DisplayListAt(2);
    const DisplayItem& item = list.at(1);
    EXPECT_EQ(item.characterId, 2);
    EXPECT_EQ(item.matrix.translateX, 40);  // kept from frame 1
    EXPECT_EQ(item.colorTransform.multA, 128);
    EXPECT_EQ(item.placedAtFrame, 2);
}

TEST(DisplayListTest, RemoveEmptiesTheDepthAndLaterFramesKeepTheState) {
    DecodedMovie movie = Decode(TimelineMovie());
    for (int frame : {3, 4, 100}) {
        DisplayList list = movie.DisplayListAt(frame);
        ASSERT_EQ(list.size(), 1u) << frame;
        EXPECT_EQ(list.count(5), 0u);
        EXPECT_EQ(list.at(1).characterId, 2);
    }
}

TEST(DisplayListTest, ReplaceAtAnEmptyDepthDoesNothing) {
    DisplayList list;
    DisplayOp replace;
    replace.kind = DisplayOp::Kind::Replace;
    replace.depth = 3;
    replace.characterId = 4;
    ApplyDisplayOp(list, replace, 0);
    EXPECT_TRUE(list.empty());
}

TEST(DisplayListTest, PlaceObjectOneAlwaysPlacesWithOptionalColorTransform) {
    // PlaceObject (4): id 1, depth 2, matrix, CXFORM with add terms only.
    test::BitWriter cx;
    cx.UB(1, 1).UB(1, 0).UB(4, 9).SB(9, 255).SB(9, -10).SB(9, 0);
    ByteVector withCx = test::Bytes().U16(1).U16(2).Add(test::TranslateMatrix(20, 40)).Add(cx.Bytes());
    ByteVector without = test::Bytes().U16(1).U16(3).Add(test::TranslateMatrix(0, 0));
    DecodedMovie movie = Decode(test::Movie(
        {test::BoxShape(1), test::Tag(4, withCx), test::Tag(4, without), test::ShowFrame(),
         test::Tag(5, test::Bytes().U16(1).U16(2)), test::ShowFrame()},
        2, false, 3));
    DisplayList first = movie.DisplayListAt(0);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first.at(2).colorTransform.addR, 255);
    EXPECT_EQ(first.at(2).colorTransform.addG, -10);
    EXPECT_EQ(first.at(2).colorTransform.multR, 256);
    EXPECT_EQ(first.at(3).colorTransform, ColorTransform{});
    EXPECT_EQ(movie.DisplayListAt(1).count(2), 0u);
}

TEST(DisplayListTest, ClipDepthAndPlaceObject3AreRead) {
    // PlaceObject3 with a class name (HasClassName), a character, a matrix,
    // clip depth, a blur filter and a blend mode, which must all be skipped right.
    test::Bytes po3;
    po3.U8(0x02 | 0x04 | 0x40).U8(0x08 | 0x01 | 0x02).U16(4).Str("Cls").U16(1).Add(test::TranslateMatrix(100, 0));
    po3.U16(6);                                // clip depth
    po3.U8(1).U8(1).Add(ByteVector(9, 0x11));  // one blur filter
    po3.U8(3);                                 // blend mode
    DecodedMovie movie = Decode(test::Movie({test::BoxShape(1), test::Tag(70, po3), test::ShowFrame()}));
    DisplayList list = movie.DisplayListAt(0);
    ASSERT_EQ(list.count(4), 1u);
    EXPECT_EQ(list.at(4).characterId, 1);
    EXPECT_EQ(list.at(4).clipDepth, 6);
    EXPECT_EQ(list.at(4).matrix.translateX, 100);
}

TEST(DisplayListTest, PlaceObject3WithTruncatedFilterListIsAnError) {
    test::Bytes po3;
    po3.U8(0x02).U8(0x01).U16(4).U16(1).U8(1).U8(0).Add(ByteVector(5, 0));  // drop shadow needs 23 bytes
    ByteVector file = test::Movie({test::BoxShape(1), test::Tag(70, po3), test::ShowFrame()});
    EXPECT_THROW(Decode(file), DecodeError);
}

TEST(DisplayListTest, NoFramesGiveAnEmptyList) {
    DecodedMovie movie = Decode(test::Movie({test::BoxShape(1), test::PlaceNew(1, 1)}));
    EXPECT_EQ(movie.FrameCount(), 0);  // operations without a ShowFrame are never shown
    EXPECT_TRUE(movie.DisplayListAt(0).empty());
}

}  // namespace
}  // namespace glimmora::swf
