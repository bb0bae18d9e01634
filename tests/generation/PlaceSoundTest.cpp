// PlaceSound: the five service calls and their one guard.

#include "effects/sound/SoundPlacement.h"
#include "generation/TFlashSoundF.h"
#include "support/CollectingReporter.h"
#include "support/RecordingSwfService.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

class PlaceSoundTest : public ::testing::Test {
protected:
    PlaceSoundTest()
    {
        sound.Content = "C:\\tune.wav";
        sound.WavePath = "/p/Sound_1.wav";
        sound.StartTime = 3;
        sound.EndTime = 8;
    }
    RecordingSwfService service;
    SwfHolders holders = SwfHolders::Create(service);
    CollectingReporter errors;
    GenerationContext context{&holders, &errors, nullptr, {}};
    TFlashSoundF sound;
};

const std::vector<std::string> kSequence = {
    "media.MakeSound(\"/p/Sound_1.wav\")", "movie.GotoFrame(3)", "movie.AddObject(media)", "movie.GotoFrame(8)",
    "movie.RemoveObject(media)"};

TEST_F(PlaceSoundTest, StartsAtStartTimeAndEndsAtEndTime)
{
    PlaceSound(sound, context);
    EXPECT_EQ(service.Calls(), kSequence);
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
    const std::vector<std::string> made(kSequence.begin(), kSequence.begin() + GetParam().second);
    EXPECT_EQ(service.Calls(), made);
    EXPECT_EQ(errors.messages, std::vector<std::string>{"Please select a sound file with 16Bits mono format!"});
}

// The failing call is logged, then nothing after it.
INSTANTIATE_TEST_SUITE_P(Cases, FailingSoundCall,
                         ::testing::Values(std::make_pair("MakeSound", size_t(1)), std::make_pair("GotoFrame", size_t(2)),
                                           std::make_pair("AddObject", size_t(3)),
                                           std::make_pair("RemoveObject", size_t(5))));

}  // namespace
}  // namespace glimmora::test
