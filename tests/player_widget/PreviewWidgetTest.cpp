// The preview widget's members in their published meaning, on the offscreen
// platform with a fake clock.

#include "../player_playback/FakeTime.h"
#include "TestMovies.h"

#include "player/widget/TShockwaveFlash.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>

namespace glimmora::test {
namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "player_widget_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

constexpr int64_t kFrame = 1'000'000 / 12 + 1;

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App();
        widget = std::make_unique<TShockwaveFlash>(time, time);
        widget->SetAudioEnabled(false);
        widget->resize(275, 300);
        movieFile = dir / "square.swf";
        WriteSquareMovie(movieFile, 30);
    }
    void LoadSquare() { widget->SetMovie(QString::fromStdString(movieFile.string())); }
    QImage Shot() { return widget->grab().toImage(); }

    TempDir dir;
    FakeTime time;
    std::unique_ptr<TShockwaveFlash> widget;
    std::filesystem::path movieFile;
};

TEST_F(PreviewTest, WithoutAMovieEverythingIsAtRest)
{
    EXPECT_EQ(widget->Movie(), QStringLiteral("http://"));
    EXPECT_EQ(widget->TotalFrames(), 0);
    EXPECT_EQ(widget->FrameNum(), 0);
    widget->Play();
    widget->Forward();
    widget->GotoFrame(5);
    EXPECT_FALSE(widget->Playing());
    EXPECT_EQ(widget->CurrentFrame(), 0);
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::white));
}

TEST_F(PreviewTest, TheQualityChosenIsDrawnAndKeptAcrossLoads)
{
    // 550 x 400 in 270 x 300: the square's right edge falls at x 49.1, in
    // pixel 49, which anti-aliasing mixes and low quality does not.
    widget->resize(270, 300);
    LoadSquare();
    const auto pure = [](const QColor& c) { return c == QColor(255, 0, 0) || c == QColor(0, 0, 255); };
    EXPECT_EQ(widget->Quality(), player::StageQuality::High);
    EXPECT_FALSE(pure(Shot().pixelColor(49, 75))) << "high quality smooths the edge";
    widget->SetQuality(player::StageQuality::Low);
    EXPECT_TRUE(pure(Shot().pixelColor(49, 75)));
    LoadSquare();
    EXPECT_TRUE(pure(Shot().pixelColor(49, 75))) << "a new movie keeps the quality";
    widget->SetQuality(player::StageQuality::Best);
    EXPECT_FALSE(pure(Shot().pixelColor(49, 75)));
}

TEST_F(PreviewTest, ALoadedMovieShowsItsFramesCountedFromZero)
{
    QSignalSpy loaded(widget.get(), &TShockwaveFlash::movieLoaded);
    LoadSquare();
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(widget->Movie(), QString::fromStdString(movieFile.string()));
    EXPECT_EQ(widget->TotalFrames(), 30);
    EXPECT_EQ(widget->FrameNum(), 0);
    EXPECT_FALSE(widget->Playing()) << "loading does not start playback";
    EXPECT_EQ(widget->MovieSize(), QSize(550, 400));

    // 550 x 400 in 275 x 300: half size, centred, with bars above and below.
    const QImage shot = Shot();
    EXPECT_EQ(shot.pixelColor(137, 10), QColor(0, 0, 255)) << "bar in the background colour";
    EXPECT_EQ(shot.pixelColor(10, 60), QColor(255, 0, 0)) << "the square, half size, at the stage corner";
    EXPECT_EQ(shot.pixelColor(60, 60), QColor(0, 0, 255)) << "beside the square";

    widget->SetMovie(QStringLiteral("http://"));
    EXPECT_EQ(widget->TotalFrames(), 0);
    EXPECT_EQ(widget->Movie(), QStringLiteral("http://"));
}

TEST_F(PreviewTest, FrameNumSetsAndGetsTheFrameAndSignalsTheChange)
{
    LoadSquare();
    QSignalSpy changed(widget.get(), &TShockwaveFlash::frameChanged);
    widget->SetFrameNum(17);
    EXPECT_EQ(widget->FrameNum(), 17);
    EXPECT_EQ(widget->CurrentFrame(), 17);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().front().toInt(), 17);
    widget->SetFrameNum(500);
    EXPECT_EQ(widget->FrameNum(), 29);
}

TEST_F(PreviewTest, PlayPauseStepAndGoToEnd)
{
    LoadSquare();
    widget->Play();
    EXPECT_TRUE(widget->Playing());
    time.AdvanceBy(12 * kFrame);
    EXPECT_GE(widget->FrameNum(), 11);
    EXPECT_LE(widget->FrameNum(), 12);

    // Pause toggles Playing; the frame stays.
    widget->SetPlaying(false);
    const int paused = widget->FrameNum();
    time.AdvanceBy(24 * kFrame);
    EXPECT_EQ(widget->FrameNum(), paused);

    widget->Forward();
    EXPECT_EQ(widget->FrameNum(), paused + 1);
    widget->Back();
    widget->Back();
    EXPECT_EQ(widget->FrameNum(), paused - 1);

    // Go To End: Stop, then the last frame.
    widget->Play();
    widget->Stop();
    widget->GotoFrame(widget->TotalFrames() - 1);
    EXPECT_EQ(widget->FrameNum(), 29);
    EXPECT_FALSE(widget->Playing());
    widget->Forward();
    EXPECT_EQ(widget->FrameNum(), 29);
}

TEST_F(PreviewTest, LoopDecidesWhatHappensAtTheEndAndSurvivesAReload)
{
    LoadSquare();
    EXPECT_TRUE(widget->Loop());
    widget->GotoFrame(28);
    widget->Play();
    time.AdvanceBy(3 * kFrame);
    EXPECT_TRUE(widget->Playing());
    EXPECT_LE(widget->FrameNum(), 1) << "wrapped to the start";

    widget->SetLoop(false);
    LoadSquare();
    EXPECT_FALSE(widget->Loop());
    widget->GotoFrame(28);
    widget->Play();
    time.AdvanceBy(3 * kFrame);
    EXPECT_FALSE(widget->Playing());
    EXPECT_EQ(widget->FrameNum(), 29);
}

TEST_F(PreviewTest, SeekingWhilePlayingPlaysOnFromTheNewFrame)
{
    LoadSquare();
    widget->Play();
    time.AdvanceBy(5 * kFrame);
    widget->SetFrameNum(20);
    EXPECT_TRUE(widget->Playing());
    EXPECT_EQ(widget->FrameNum(), 20);
    time.AdvanceBy(2 * kFrame);
    EXPECT_GE(widget->FrameNum(), 21);
    EXPECT_LE(widget->FrameNum(), 22);
}

TEST_F(PreviewTest, DamagedFilesAreReportedAndNothingIsShown)
{
    std::vector<uint8_t> truncated = ReadAll(movieFile);
    truncated.resize(truncated.size() / 2);
    WriteAll(dir / "truncated.swf", truncated);
    WriteAll(dir / "garbage.swf", {'n', 'o', 't', ' ', 's', 'w', 'f'});
    const std::filesystem::path files[] = {dir / "truncated.swf", dir / "garbage.swf", dir / "missing.swf"};
    for (const auto& file : files) {
        LoadSquare();
        widget->Play();
        QSignalSpy errors(widget.get(), &TShockwaveFlash::movieError);
        widget->SetMovie(QString::fromStdString(file.string()));
        EXPECT_EQ(errors.count(), 1) << file;
        if (!errors.isEmpty()) {
            EXPECT_TRUE(errors.front().front().toString().contains(QString::fromStdString(file.filename().string())))
                << "the message names the file";
        }
        EXPECT_EQ(widget->Movie(), QStringLiteral("http://")) << file;
        EXPECT_EQ(widget->TotalFrames(), 0) << file;
        EXPECT_FALSE(widget->Playing()) << file;
        EXPECT_EQ(Shot().pixelColor(10, 60), QColor(Qt::white)) << file << ": nothing of the old movie";
    }
}

TEST_F(PreviewTest, LoadBytesShowsAMovieFromMemory)
{
    EXPECT_TRUE(widget->LoadBytes(ReadAll(movieFile), QStringLiteral("fresh.swf")));
    EXPECT_EQ(widget->Movie(), QStringLiteral("fresh.swf"));
    EXPECT_EQ(widget->TotalFrames(), 30);
    QSignalSpy errors(widget.get(), &TShockwaveFlash::movieError);
    EXPECT_FALSE(widget->LoadBytes({}, QStringLiteral("nothing.swf")));
    EXPECT_EQ(errors.count(), 1);
    EXPECT_EQ(widget->TotalFrames(), 0);
}

TEST_F(PreviewTest, BackgroundOverridesInTextAndAsAColourValue)
{
    LoadSquare();
    EXPECT_EQ(widget->BGColor(), QString());
    EXPECT_EQ(widget->BackgroundColor(), -1);

    widget->SetBGColor(QStringLiteral("#00FF00"));
    EXPECT_EQ(widget->BGColor(), QStringLiteral("#00FF00"));
    EXPECT_EQ(widget->BackgroundColor(), 0x00FF00);
    EXPECT_EQ(Shot().pixelColor(137, 10), QColor(0, 255, 0));

    widget->SetBackgroundColor(255);  // red in the low byte
    EXPECT_EQ(widget->BGColor(), QStringLiteral("#FF0000"));
    EXPECT_EQ(Shot().pixelColor(137, 10), QColor(255, 0, 0));

    widget->SetBGColor(QStringLiteral("not a colour"));
    EXPECT_EQ(widget->BGColor(), QStringLiteral("#FF0000")) << "unreadable text changes nothing";

    widget->SetBGColor(QString());
    EXPECT_EQ(widget->BackgroundColor(), -1);
    EXPECT_EQ(Shot().pixelColor(137, 10), QColor(0, 0, 255)) << "the movie's own colour again";

    widget->SetBackgroundColor(16777215);
    widget->SetMovie(QStringLiteral("http://"));
    EXPECT_EQ(Shot().pixelColor(137, 10), QColor(Qt::white));
}

}  // namespace
}  // namespace glimmora::test
