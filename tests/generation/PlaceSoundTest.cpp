// PlaceSound: the five service calls and their one guard.

#include "effects/sound/SoundPlacement.h"
#include "generation/TFlashSoundF.h"
#include "support/CollectingReporter.h"
#include "support/ProjectFixtures.h"
#include "support/RecordingSwfService.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

class PlaceSoundTest : public ::testing::Test {
protected:
    PlaceSoundTest()
    {
        sound.ObjName = "Sound_1";
        sound.Content = "C:\\tune.wav";
        sound.WavePath = (dir / "Sound_1.wav").string();
        WriteFile(dir / "Sound_1.wav", "RIFF");
        sound.StartTime = 3;
        sound.EndTime = 8;
    }
    TempDir dir;
    RecordingSwfService service;
    SwfHolders holders = SwfHolders::Create(service);
    CollectingReporter errors;
    GenerationContext context{&holders, &errors, nullptr, {}};
    TFlashSoundF sound;
};

std::vector<std::string> Sequence(const std::string& wave)
{
    return {"media.MakeSound(\"" + wave + "\")", "movie.GotoFrame(3)", "movie.AddObject(media)", "movie.GotoFrame(8)",
            "movie.RemoveObject(media)"};
}

TEST_F(PlaceSoundTest, StartsAtStartTimeAndEndsAtEndTime)
{
    PlaceSound(sound, context);
    EXPECT_EQ(service.Calls(), Sequence(sound.WavePath));
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(PlaceSoundTest, EmptyContentAddsNothingAndReportsNothing)
{
    sound.Content.clear();
    PlaceSound(sound, context);
    EXPECT_TRUE(service.Calls().empty());
    EXPECT_TRUE(errors.messages.empty());
}

class FailingSoundCall : public PlaceSoundTest, public ::testing::WithParamInterface<std::pair<const char*, size_t>> {};

TEST_P(FailingSoundCall, EndsTheBlockWithOneMessage)
{
    service.Log().failing = {GetParam().first};
    EXPECT_NO_THROW(PlaceSound(sound, context));
    const std::vector<std::string> sequence = Sequence(sound.WavePath);
    const std::vector<std::string> made(sequence.begin(), sequence.begin() + GetParam().second);
    EXPECT_EQ(service.Calls(), made);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Please select a sound file with 16Bits mono format!"});
    ASSERT_EQ(errors.problems.size(), 1u);
    EXPECT_EQ(errors.problems[0].object, "Sound_1");
    EXPECT_EQ(errors.problems[0].reason, "recorded failure of " + std::string(GetParam().first));
}

TEST_F(PlaceSoundTest, AMissingWaveFileIsCalledMissing)
{
    std::filesystem::remove(sound.WavePath);
    service.Log().failing = {"MakeSound"};
    PlaceSound(sound, context);
    EXPECT_EQ(errors.problems, (std::vector<ObjectProblem>{{"Sound_1", "The sound file is missing", sound.WavePath}}));
}

// The failing call is logged, then nothing after it.
INSTANTIATE_TEST_SUITE_P(Cases, FailingSoundCall,
                         ::testing::Values(std::make_pair("MakeSound", size_t(1)), std::make_pair("GotoFrame", size_t(2)),
                                           std::make_pair("AddObject", size_t(3)),
                                           std::make_pair("RemoveObject", size_t(5))));

}  // namespace
}  // namespace glimmora::test
