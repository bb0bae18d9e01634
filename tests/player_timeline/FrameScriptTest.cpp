// Frame scripts of hand-made SWF files: read by the decoder and run by the
// timeline runner. Sprite 20 ("clip", six frames labelled "f1" to "f6")
// stands on a ten-frame main timeline from its first frame; each case puts
// scripts into frames of either and follows the play heads tick by tick.

#include "TimelineFixture.h"

#include "player/timeline/StageCursor.h"
#include "support/ActionBytes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace glimmora::test {
namespace {

using Scripts = std::map<int, ActionBytes>;

std::shared_ptr<swf::DecodedMovie> ScriptedMovie(const Scripts& clip, const Scripts& main, uint8_t version = 8)
{
    Bytes sprite;
    sprite.U16(20).U16(6);
    for (int frame = 0; frame < 6; ++frame) {
        sprite.Add(Tag(43, Bytes().Str("f" + std::to_string(frame + 1))));
        if (clip.count(frame)) sprite.Add(clip.at(frame).Tag());
        sprite.Add(ShowFrame());
    }
    sprite.Add(EndTag());
    std::vector<ByteVector> tags{Tag(39, sprite)};
    for (int frame = 0; frame < 10; ++frame) {
        if (frame == 0) tags.push_back(PlaceNew(1, 20, {}, {}, "clip"));
        if (main.count(frame)) tags.push_back(main.at(frame).Tag());
        tags.push_back(ShowFrame());
    }
    const ByteVector file = Movie(tags, 10, false, version);
    return std::make_shared<swf::DecodedMovie>(swf::DecodeMovie(file.data(), file.size()));
}

// The clip's frame after 0, 1, ... 9 ticks of playing.
std::vector<int> ClipFrames(const std::shared_ptr<swf::DecodedMovie>& movie)
{
    std::vector<int> frames;
    for (int ticks = 0; ticks < 10; ++ticks) frames.push_back(FrameAt(Played(movie, ticks), {1}));
    return frames;
}

// A loop that counts "i" to 4 and stops the clip when it got there.
ActionBytes CountingLoop()
{
    ActionBytes a;
    a.ConstantPool({"i"}).PushConstant(0).PushInt(0).Code(0x1D);  // i = 0
    const size_t loop = a.Size();
    a.PushConstant(0).PushConstant(0).Code(0x1C).PushInt(1).Code(0x47).Code(0x1D);  // i = i + 1
    a.PushConstant(0).Code(0x1C).PushInt(4).Code(0x48);                             // i < 4
    a.If(int16_t(int(loop) - int(a.Size() + 5)));
    a.PushConstant(0).Code(0x1C).PushInt(4).Code(0x49).Code(0x12);  // !(i == 4)
    a.If(1);                                                        // skips the stop
    a.Stop();
    return a;
}

TEST(FrameScripts, MoveTheClipsPlayHead)
{
    struct Case {
        const char* name;
        Scripts clip;
        Scripts main;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {"no script", {}, {}, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3}},
        {"stop", {{2, ActionBytes().Stop()}}, {}, {0, 1, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"gotoAndPlay(1)", {{3, ActionBytes().GotoFrame(0).Play()}}, {}, {0, 1, 2, 0, 1, 2, 0, 1, 2, 0}},
        {"gotoAndStop by label, any letter case", {{1, ActionBytes().GotoLabel("F5").Stop()}}, {},
         {0, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {"a goto to an unknown label does nothing", {{1, ActionBytes().GotoLabel("nowhere")}}, {},
         {0, 1, 2, 3, 4, 5, 0, 1, 2, 3}},
        {"GotoFrame2 to a number, playing (frame 1 jumps again each time round)",
         {{1, ActionBytes().PushInt(5).GotoFrame2(true)}}, {}, {0, 4, 5, 0, 4, 5, 0, 4, 5, 0}},
        {"GotoFrame2 to a label, stopped", {{1, ActionBytes().PushString("f3").GotoFrame2(false)}}, {},
         {0, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"GotoFrame2 to path:frame", {{1, ActionBytes().PushString("/clip:6").GotoFrame2(false)}}, {},
         {0, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
        {"nextFrame stops on the next frame", {{1, ActionBytes().NextFrame()}}, {}, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"prevFrame stops on the previous frame", {{2, ActionBytes().PreviousFrame()}}, {},
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"WaitForFrame of a frame that never comes skips", {{1, ActionBytes().WaitForFrame(100, 1).Stop()}}, {},
         {0, 1, 2, 3, 4, 5, 0, 1, 2, 3}},
        {"WaitForFrame of a loaded frame runs on", {{1, ActionBytes().WaitForFrame(3, 1).Stop()}}, {},
         {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"a loop with variables and branches", {{1, CountingLoop()}}, {}, {0, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"an endless loop ends with the step", {{1, ActionBytes().Jump(-5)}}, {}, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3}},
        {"tellTarget from the main timeline", {}, {{2, ActionBytes().SetTarget("/clip").Stop().SetTarget("")}},
         {0, 1, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"tellTarget of a missing clip acts on nothing", {},
         {{2, ActionBytes().SetTarget("/nothing").Stop().SetTarget("")}}, {0, 1, 2, 3, 4, 5, 0, 1, 2, 3}},
        {"SetTarget2 with a dot path", {},
         {{2, ActionBytes().PushString("_root.clip").Code(0x20).GotoFrame(4).SetTarget("")}},
         {0, 1, 4, 4, 4, 4, 4, 4, 4, 4}},
        {"clip.stop() as a method call", {},
         {{2, ActionBytes().PushInt(0).PushString("clip").Code(0x1C).PushString("stop").Code(0x52).Code(0x17)}},
         {0, 1, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"_root.clip.gotoAndStop(4) from inside",
         {{1, ActionBytes()
                  .PushInt(4)
                  .PushInt(1)
                  .PushString("_root.clip")
                  .Code(0x1C)
                  .PushString("gotoAndStop")
                  .Code(0x52)
                  .Code(0x17)}},
         {},
         {0, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClipFrames(ScriptedMovie(c.clip, c.main)), c.frames) << c.name;
    }
}

TEST(FrameScripts, AStoppedMainTimelineStaysWhileItsClipsPlayOnButASeekMovesIt)
{
    const auto movie = ScriptedMovie({}, {{3, ActionBytes().Stop()}});
    const player::Stage played = Played(movie, 7);
    EXPECT_EQ(played.Root().frame, 3);
    EXPECT_FALSE(played.Root().playing);
    EXPECT_EQ(FrameAt(played, {1}), 7 % 6);

    player::StageCursor cursor(movie);
    EXPECT_EQ(cursor.Seek(7).Root().frame, 7);
    EXPECT_EQ(FrameAt(cursor.Seek(7), {1}), 7 % 6);
    EXPECT_TRUE(cursor.Seek(3).mainStopAsked) << "the frame's own stop is noted for a player that plays into it";
    EXPECT_FALSE(cursor.Seek(4).mainStopAsked);
}

TEST(FrameScripts, AScriptsGotoOfTheMainTimelinePlaysButNeverMovesASeek)
{
    // Frame 2 jumps the main timeline to frame 7 and stops it there.
    const auto movie = ScriptedMovie({}, {{2, ActionBytes().GotoFrame(7)}});
    const player::Stage played = Played(movie, 5);
    EXPECT_EQ(played.Root().frame, 7);
    EXPECT_FALSE(played.Root().playing);

    player::StageCursor cursor(movie);
    EXPECT_EQ(cursor.Seek(5).Root().frame, 5);
}

TEST(FrameScripts, PropertiesAndVariablesByPath)
{
    // Frame 1 of the main timeline: f = clip's _currentframe ("/clip:_currentframe"),
    // then clip._x = 50 and clip._visible = false.
    ActionBytes main;
    main.PushString("f").PushString("/clip:_currentframe").Code(0x1C).Code(0x1D);
    main.PushString("/clip").PushInt(0).PushInt(50).Code(0x23);
    main.PushString("clip").PushInt(7).PushBool(false).Code(0x23);
    const auto movie = ScriptedMovie({}, {{1, main}});
    const player::Stage stage = Played(movie, 2);
    const auto& variables = stage.Root().variables;
    ASSERT_TRUE(variables.count("f"));
    EXPECT_EQ(ToNumber(variables.at("f"), 8), 2) << "the clip stood on its frame 2 (from 1)";
    const player::DisplayObject& clip = stage.Root().children.at(1);
    EXPECT_EQ(clip.matrix.translateX, 1000);
    EXPECT_FALSE(clip.visible);
}

TEST(FrameScripts, TheQualityIsTheWholeMoviesWhicheverClipSetsIt)
{
    using player::StageQuality;
    struct Case {
        const char* name;
        ActionBytes script;  // in frame 1 of the main timeline
        std::optional<StageQuality> quality;
    };
    const Case cases[] = {
        {"_quality on the main timeline, any case", ActionBytes().PushString("").PushInt(19).PushString("low").Code(0x23),
         StageQuality::Low},
        {"_quality on a clip", ActionBytes().PushString("clip").PushInt(19).PushString("MEDIUM").Code(0x23),
         StageQuality::Medium},
        {"_quality as a variable", ActionBytes().PushString("_quality").PushString("Best").Code(0x1D),
         StageQuality::Best},
        {"_highquality 0", ActionBytes().PushString("").PushInt(16).PushInt(0).Code(0x23), StageQuality::Low},
        {"_highquality 2", ActionBytes().PushString("").PushInt(16).PushInt(2).Code(0x23), StageQuality::Best},
        {"ToggleQuality", ActionBytes().Code(0x08), StageQuality::Low},
        {"ToggleQuality twice", ActionBytes().Code(0x08).Code(0x08), StageQuality::High},
        {"a name that is no quality", ActionBytes().PushString("").PushInt(19).PushString("ultra").Code(0x23),
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Then q = _quality, read back.
        ActionBytes script = c.script;
        script.PushString("q").PushString("").PushInt(19).Code(0x22).Code(0x1D);
        const player::Stage stage = Played(ScriptedMovie({}, {{1, script}}), 2);
        EXPECT_EQ(stage.quality, c.quality);
        const char* const names[] = {"LOW", "MEDIUM", "HIGH", "BEST"};
        EXPECT_EQ(ToString(stage.Root().variables.at("q"), 8), names[int(c.quality.value_or(StageQuality::High))]);
    }
}

TEST(FrameScripts, ScriptsReadTheEmbeddingsQualityUntilOneChooses)
{
    using player::StageQuality;
    // Frame 0: q = _quality, h = _highquality; frame 1: ToggleQuality, t = _quality.
    const auto movie = ScriptedMovie(
        {}, {{0, ActionBytes()
                     .PushString("q").PushString("").PushInt(19).Code(0x22).Code(0x1D)
                     .PushString("h").PushString("").PushInt(16).Code(0x22).Code(0x1D)},
             {1, ActionBytes().Code(0x08).PushString("t").PushString("").PushInt(19).Code(0x22).Code(0x1D)}});
    const struct {
        StageQuality embedding;
        const char *q, *h, *t;
    } cases[] = {
        {StageQuality::Low, "LOW", "0", "HIGH"},
        {StageQuality::Medium, "MEDIUM", "1", "LOW"},
        {StageQuality::Best, "BEST", "2", "LOW"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.q);
        player::TimelineRunner runner(movie);
        runner.SetEmbeddingQuality(c.embedding);
        player::Stage stage = runner.Start(player::RunMode::Play);
        EXPECT_EQ(stage.quality, std::nullopt);
        EXPECT_EQ(stage.Quality(), c.embedding);
        runner.Tick(stage, player::RunMode::Play);
        EXPECT_EQ(ToString(stage.Root().variables.at("q"), 8), c.q);
        EXPECT_EQ(ToString(stage.Root().variables.at("h"), 8), c.h);
        EXPECT_EQ(ToString(stage.Root().variables.at("t"), 8), c.t);

        // A cursor that already replayed with the default replays again.
        player::StageCursor cursor(movie);
        EXPECT_EQ(ToString(cursor.Seek(1).Root().variables.at("q"), 8), "HIGH");
        cursor.SetEmbeddingQuality(c.embedding);
        const player::Stage& seeked = cursor.Seek(1);
        EXPECT_EQ(ToString(seeked.Root().variables.at("q"), 8), c.q);
        EXPECT_EQ(ToString(seeked.Root().variables.at("t"), 8), c.t);
    }
}

TEST(FrameScripts, ReplaysGiveTheSameRandomNumbers)
{
    // Every frame of the main timeline stores random(1000) in "r".
    std::map<int, ActionBytes> main;
    for (int frame = 0; frame < 10; ++frame) {
        main[frame] = ActionBytes().PushString("r").PushInt(1000).Code(0x30).Code(0x1D);
    }
    const auto movie = ScriptedMovie({}, main);
    player::StageCursor cursor(movie, 1);
    std::vector<double> first, again;
    for (int frame = 0; frame < 10; ++frame) first.push_back(cursor.Seek(frame).Root().variables.at("r").number);
    for (int frame = 9; frame >= 0; --frame) again.insert(again.begin(), cursor.Seek(frame).Root().variables.at("r").number);
    EXPECT_EQ(first, again);
    EXPECT_NE(first[1], first[2]);
}

}  // namespace
}  // namespace glimmora::test
