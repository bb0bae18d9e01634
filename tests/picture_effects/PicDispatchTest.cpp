// Which picture objects generate at all, and the still placement.

#include "PictureBench.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

TEST(PictureDispatch, StillPictureStandsFromStartToEndFrame)
{
    PictureBench bench;
    bench.picture.StartTime = 5;
    bench.picture.EndTime = 20;
    bench.Run("-- None --");
    EXPECT_EQ(bench.Calls(), (std::vector<std::string>{kBenchMakePicture, "media.SetDepth(1)", "movie.GotoFrame(5)",
                                                       "movie.AddObject(media)", "movie.GotoFrame(20)",
                                                       "movie.RemoveObject(media)"}));
    EXPECT_TRUE(bench.reporter.messages.empty());
}

TEST(PictureDispatch, EmptyContentGeneratesNothingEvenWithAJpeg)
{
    PictureBench bench;
    bench.picture.Content.clear();
    for (const char* effect : {"-- None --", "Zoom In", "Fade In"}) {
        bench.Run(effect);
        EXPECT_TRUE(bench.Calls().empty()) << effect;
    }
    EXPECT_TRUE(bench.reporter.messages.empty());
}

// Names are compared exactly: letter case, blanks and suffixes all count.
class NearMissName : public ::testing::TestWithParam<const char*> {};

TEST_P(NearMissName, PlacesNothingAndSaysNothing)
{
    PictureBench bench;
    bench.Run(GetParam());
    EXPECT_TRUE(bench.Calls().empty());
    EXPECT_TRUE(bench.reporter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, NearMissName,
                         ::testing::Values("move up", "Zoom in", "-- none --", "FADE IN", "Come in x",
                                           "Zoom  In", "Move  Up", "Move Up  -r", "Move Up ", " Move Up",
                                           "Move Up -R", "Come In X", "Come In", "Zoom In Up -s -r", "",
                                           "Move Up l-r"));

TEST(PictureDispatch, PositionMovesAStillPictureButNotAZoom)
{
    PictureBench still;
    still.picture.PositionX = 40;
    still.Run("-- None --");
    EXPECT_EQ(still.Calls()[0], "media.MakePicture(800, 180, 2800, 1180, 100, 50, \"/project/Pic_1.jpg\")");

    PictureBench at0, at40;
    at0.picture.PositionX = 0;
    at40.picture.PositionX = 40;
    at0.Run("Zoom In");
    at40.Run("Zoom In");
    // Only the rectangle differs; the zoom is placed by its own offsets.
    ASSERT_EQ(at0.Calls().size(), at40.Calls().size());
    EXPECT_NE(at0.Calls()[0], at40.Calls()[0]);
    for (size_t i = 1; i < at0.Calls().size(); ++i) EXPECT_EQ(at0.Calls()[i], at40.Calls()[i]);
}

TEST(PictureDispatch, AnimatedPictureStaysOnStageWhateverItsEndTime)
{
    PictureBench bench;
    bench.picture.StartTime = 0;
    bench.picture.EndTime = 10;
    bench.Run("Zoom In Up");
    const auto& calls = bench.Calls();
    EXPECT_EQ(calls.back(), "movie.AddObject(media)");
    EXPECT_EQ(bench.service.Log().Matching("movie.GotoFrame").back(), "movie.GotoFrame(30)");
    EXPECT_EQ(bench.Count("movie.GotoFrame(10)"), 1u);  // only its own step, no removal there
    EXPECT_EQ(bench.Count("movie.RemoveObject(media)"), 30u);
}

TEST(PictureDispatch, OnePlacementAtAnyFrameOfTheRun)
{
    PictureBench bench;
    bench.Run("Move Right");
    int placed = 0;
    for (const auto& call : bench.Calls()) {
        if (call == "movie.AddObject(media)") ++placed;
        if (call == "movie.RemoveObject(media)") --placed;
        EXPECT_LE(placed, 1);
        EXPECT_GE(placed, 0);
    }
    EXPECT_EQ(placed, 1);
}

TEST(PictureDispatch, CentringOffsetsAndFirstZoomFactor)
{
    PictureBench bench;
    bench.Run("Zoom In");
    const auto translates = bench.service.Log().Matching("media.Translate");
    EXPECT_EQ(translates, (std::vector<std::string>{"media.Translate(3200, 1300)"}));
    const auto scales = bench.service.Log().Matching("media.Scale");
    ASSERT_EQ(scales.size(), 31u);
    EXPECT_EQ(scales.front(), "media.Scale(2114.064516, 2114.064516)");
    EXPECT_EQ(scales.back(), "media.Scale(65536, 65536)");
}

TEST(PictureDispatch, PictureWiderThanTheMovieGetsANegativeCentre)
{
    PictureBench bench;
    bench.picture.Width = 500;  // cx = (420 - 500) / 2 * 20
    bench.Run("Move Up");
    EXPECT_EQ(bench.service.Log().Matching("media.Translate").front(), "media.Translate(-800, 3484)");
}

}  // namespace
}  // namespace glimmora::test
