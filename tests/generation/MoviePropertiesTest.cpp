// LoadMovieProperties and StoreMovieProperties between the document, the
// background editor, the Loop command and the preview.

#include "BuilderFixture.h"
#include "document/ConversionError.h"

namespace glimmora::test {
namespace {

struct LoopCase {
    std::string loopElement;  // the whole element, or nothing
    bool loops;
};

class LoadLoop : public BuilderTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(LoadLoop, OnlyTrueInAnyLetterCaseLoops)
{
    TVuzozUzev& b = Builder(MovieXml("", "0", "<Width>550</Width><Height>400</Height><Rate>12</Rate>",
                                     GetParam().loopElement));
    GlobalVars().LoopPlayback = !GetParam().loops;
    preview.loop = !GetParam().loops;
    mainWindow.loopChecked = !GetParam().loops;
    b.LoadMovieProperties();
    EXPECT_EQ(GlobalVars().LoopPlayback, GetParam().loops);
    EXPECT_EQ(preview.loop, GetParam().loops);
    EXPECT_EQ(mainWindow.loopChecked, GetParam().loops);
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadLoop,
                         ::testing::Values(LoopCase{"<Loop>true</Loop>", true}, LoopCase{"<Loop>TRUE</Loop>", true},
                                           LoopCase{"<Loop>True</Loop>", true}, LoopCase{"<Loop>tRuE</Loop>", true},
                                           LoopCase{"<Loop>yes</Loop>", false}, LoopCase{"<Loop>False</Loop>", false},
                                           LoopCase{"<Loop> true</Loop>", false}, LoopCase{"<Loop></Loop>", false},
                                           LoopCase{"", false}));

TEST_F(BuilderTest, LoadFillsTheBackgroundEditorWhileTheFlagIsSet)
{
    TVuzozUzev& b = Builder(MovieXml("", "$FF", "<Width>320</Width><Height>240</Height><Rate>25</Rate>"));
    b.LoadMovieProperties();
    EXPECT_EQ(background.color, 255);
    EXPECT_EQ(background.width, 320);
    EXPECT_EQ(background.height, 240);
    EXPECT_EQ(background.rate, 25);
    EXPECT_TRUE(background.loadingSeen);
    EXPECT_FALSE(GlobalVars().LoadingMovieProperties);
}

TEST_F(BuilderTest, LoadShowsAnUnreadableBackgroundAsBlack)
{
    background.color = 123;
    Builder(MovieXml("", "white")).LoadMovieProperties();
    EXPECT_EQ(background.color, 0);
    EXPECT_EQ(background.width, 550);
}

TEST_F(BuilderTest, LoadWithAMissingRateFailsAndClearsTheLoadingFlag)
{
    TVuzozUzev& b = Builder(MovieXml("", "0", "<Width>320</Width><Height>240</Height>"));
    EXPECT_THROW(b.LoadMovieProperties(), ConversionError);
    EXPECT_FALSE(GlobalVars().LoadingMovieProperties);
    EXPECT_EQ(background.height, 240);
}

TEST_F(BuilderTest, StoreWritesTheEditorAndTheLoopButNoFrameCountWithoutAMovie)
{
    TVuzozUzev& b = Builder(MovieXml("", "$FF0000"));
    background.color = 0x00FF00;
    background.width = 640;
    background.height = 480;
    background.rate = 24;
    preview.loop = true;
    preview.totalFrames = 77;  // but "http://": no movie
    b.StoreMovieProperties();
    EXPECT_EQ(RootXml(),
              "<Movie><BgColor>65280</BgColor><Width>640</Width><Height>480</Height><Rate>24</Rate>"
              "<Loop>True</Loop></Movie>");
}

TEST_F(BuilderTest, StoreAppendsTheFrameCountOfALoadedMovie)
{
    TVuzozUzev& b = Builder(MovieXml("", "0"));
    background.color = 0;
    background.width = 550;
    background.height = 400;
    background.rate = 12;
    preview.movie = WorkingMovie();
    preview.totalFrames = 77;
    b.StoreMovieProperties();
    EXPECT_EQ(RootXml(),
              "<Movie><BgColor>0</BgColor><Width>550</Width><Height>400</Height><Rate>12</Rate>"
              "<TotalFrames>77</TotalFrames><Loop>False</Loop></Movie>");
}

TEST_F(BuilderTest, StoreIgnoresAFrameCountThatCannotBeRead)
{
    TVuzozUzev& b = Builder(MovieXml("", "0"));
    background.color = 255;
    background.width = 1;
    background.height = 2;
    background.rate = 3;
    preview.movie = WorkingMovie();
    preview.failTotalFrames = true;
    b.StoreMovieProperties();
    EXPECT_EQ(RootXml(),
              "<Movie><BgColor>255</BgColor><Width>1</Width><Height>2</Height><Rate>3</Rate>"
              "<Loop>False</Loop></Movie>");
}

}  // namespace
}  // namespace glimmora::test
