// Sound starts as the mixer hears them: start, SyncStop, SyncNoMultiple,
// loop counts and in/out points, recorded from the mixed output; and which
// starts the controller sends as it plays, steps and seeks.

#include "FakeTime.h"
#include "MovieFixtures.h"

#include "player/playback/PlaybackController.h"
#include "player/playback/SoundMixer.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::test {
namespace {

using player::SoundMixer;

// Pulls `frames` stereo frames and keeps the left channel (the sounds are mono).
std::vector<int> Record(SoundMixer& mixer, size_t frames)
{
    std::vector<int16_t> buffer(frames * 2, 12345);
    mixer.Mix(buffer.data(), frames);
    std::vector<int> left;
    for (size_t i = 0; i < frames; ++i) {
        EXPECT_EQ(buffer[2 * i], buffer[2 * i + 1]) << "mono sound on both sides";
        left.push_back(buffer[2 * i]);
    }
    return left;
}

std::shared_ptr<swf::DecodedMovie> MovieWithSounds()
{
    auto movie = CountingMovie(10);
    AddSound(*movie, 7, Pcm16Sound({1000, 2000, 3000}));
    AddSound(*movie, 8, Pcm16Sound({1, 1}));
    return movie;
}

TEST(SoundMixing, StartOptionsAsHeard)
{
    struct Case {
        const char* name;
        std::vector<swf::SoundInfo> starts;  // all of sound 7, in order
        std::vector<int> heard;              // 8 frames
    };
    swf::SoundInfo inOut;
    inOut.inPoint = 1;
    inOut.outPoint = 2;
    swf::SoundInfo outOfRange;
    outOfRange.inPoint = 50;
    const Case cases[] = {
        {"one start plays once", {Info()}, {1000, 2000, 3000, 0, 0, 0, 0, 0}},
        {"two starts play twice at once", {Info(), Info()}, {2000, 4000, 6000, 0, 0, 0, 0, 0}},
        {"no-multiple skips the second", {Info(), Info(false, true)}, {1000, 2000, 3000, 0, 0, 0, 0, 0}},
        {"sync stop silences it", {Info(), Info(), Info(true)}, {0, 0, 0, 0, 0, 0, 0, 0}},
        {"loop count is the number of plays", {Info(false, false, 2)},
         {1000, 2000, 3000, 1000, 2000, 3000, 0, 0}},
        {"loop count 0 is one play", {Info(false, false, 0)}, {1000, 2000, 3000, 0, 0, 0, 0, 0}},
        {"in and out points bound every play", {[&] { auto i = inOut; i.loopCount = 3; return i; }()},
         {2000, 2000, 2000, 0, 0, 0, 0, 0}},
        {"an in point past the end plays nothing", {outOfRange}, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SoundMixer mixer(MovieWithSounds());
        for (const auto& info : c.starts) mixer.StartSound(7, info);
        EXPECT_EQ(Record(mixer, 8), c.heard) << c.name;
        EXPECT_EQ(mixer.PlayingCount(), 0u) << c.name << ": finished sounds are let go";
    }
}

TEST(SoundMixing, SoundsMixAcrossPullsAndStopAllSilencesEverything)
{
    SoundMixer mixer(MovieWithSounds());
    mixer.StartSound(7, Info());
    EXPECT_EQ(Record(mixer, 2), (std::vector<int>{1000, 2000}));
    mixer.StartSound(8, Info());
    EXPECT_TRUE(mixer.IsPlaying(7));
    EXPECT_EQ(Record(mixer, 3), (std::vector<int>{3001, 1, 0}));
    mixer.StartSound(7, Info(false, false, 100));
    mixer.StopAllSounds();
    EXPECT_EQ(Record(mixer, 2), (std::vector<int>{0, 0}));
    EXPECT_FALSE(mixer.IsPlaying(7));
}

TEST(SoundMixing, LoudSoundsSaturate)
{
    auto movie = CountingMovie(1);
    AddSound(*movie, 1, Pcm16Sound({30000, -30000}));
    SoundMixer mixer(movie);
    mixer.StartSound(1, Info());
    mixer.StartSound(1, Info());
    EXPECT_EQ(Record(mixer, 2), (std::vector<int>{32767, -32768}));
}

TEST(SoundMixing, MissingOrUndecodableSoundsAreSilent)
{
    auto movie = CountingMovie(1);
    swf::Sound broken;
    broken.format = 2;  // MP3 that is not MP3
    broken.rate = 22050;
    broken.data = {0, 0, 9, 9, 9};
    AddSound(*movie, 3, broken);
    SoundMixer mixer(movie);
    EXPECT_TRUE(mixer.HasSounds());
    mixer.StartSound(3, Info());
    mixer.StartSound(99, Info());
    mixer.StartSound(1, Info());  // a shape, not a sound
    EXPECT_EQ(Record(mixer, 3), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(SoundMixer(CountingMovie(1)).HasSounds());
}

TEST(SoundMixing, VoicesAreBounded)
{
    SoundMixer mixer(MovieWithSounds());
    for (size_t i = 0; i < SoundMixer::kMaxVoices + 10; ++i) mixer.StartSound(8, Info());
    EXPECT_EQ(mixer.PlayingCount(), SoundMixer::kMaxVoices);
}

// ---- What the controller sends ---------------------------------------------

class RecordingChannel : public player::SoundChannel {
public:
    void StartSound(uint16_t id, const swf::SoundInfo& info) override
    {
        log += "start " + std::to_string(id) + (info.syncStop ? " stop" : "") + "; ";
    }
    void StopAllSounds() override { log += "stop all; "; }
    std::string Take() { return std::exchange(log, {}); }
    std::string log;
};

struct SoundFixture {
    SoundFixture()
    {
        movie = CountingMovie(6);
        movie->frames[0].sounds.push_back({1, Info()});
        movie->frames[2].sounds.push_back({2, Info()});
        movie->frames[4].sounds.push_back({1, Info(true)});
        controller = std::make_unique<player::PlaybackController>(movie, time, time, &channel);
    }
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            time.AdvanceBy(1'000'000 / 12 + 1);
            controller->Tick();
        }
    }
    FakeTime time;
    RecordingChannel channel;
    std::shared_ptr<swf::DecodedMovie> movie;
    std::unique_ptr<player::PlaybackController> controller;
};

TEST(PlaybackSounds, FramesStartTheirSoundsWhenPlayedIntoAndLoopingDoesNotStopThem)
{
    SoundFixture f;
    EXPECT_EQ(f.channel.Take(), "") << "a loaded movie is silent until it plays";
    f.controller->Play();
    EXPECT_EQ(f.channel.Take(), "start 1; ") << "the first frame's sound starts with playback";
    f.Frames(4);
    EXPECT_EQ(f.channel.Take(), "start 2; start 1 stop; ");
    f.Frames(2);
    EXPECT_EQ(f.channel.Take(), "start 1; ") << "round to frame 0 again";
}

TEST(PlaybackSounds, SeeksStopAllSoundAndTheNewFrameSoundsWhenPlayed)
{
    SoundFixture f;
    f.controller->GotoFrame(2);
    EXPECT_EQ(f.channel.Take(), "stop all; ");
    f.controller->Play();
    EXPECT_EQ(f.channel.Take(), "start 2; ");
    f.controller->GotoFrame(0);
    EXPECT_EQ(f.channel.Take(), "stop all; start 1; ") << "while playing the new frame sounds at once";
    f.controller->GotoFrame(0);
    EXPECT_EQ(f.channel.Take(), "stop all; ") << "the same frame again starts nothing";
    f.controller->Forward();
    EXPECT_EQ(f.channel.Take(), "stop all; ") << "a step is a seek";
    f.controller->Stop();
    f.controller->Play();
    EXPECT_EQ(f.channel.Take(), "") << "the stepped-to frame has no sound";
}

TEST(PlaybackSounds, PausingLetsStartedSoundsPlayOnAndResumingDoesNotRestartThem)
{
    SoundFixture f;
    f.controller->Play();
    f.Frames(2);
    f.channel.Take();
    f.controller->Stop();
    f.controller->Play();
    EXPECT_EQ(f.channel.Take(), "");
}

}  // namespace
}  // namespace glimmora::test
