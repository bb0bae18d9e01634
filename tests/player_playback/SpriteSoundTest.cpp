// The event sounds of sprites on the stage: a sprite shows its frame 0 in
// the main frame where it is placed and one frame more with each main frame,
// looping; the sounds of the frame it reaches start with it.

#include "FakeTime.h"
#include "MovieFixtures.h"

#include "player/playback/PlaybackController.h"
#include "player/playback/SoundChannel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace glimmora::test {
namespace {

class StartLog : public player::SoundChannel {
public:
    void StartSound(uint16_t id, const swf::SoundInfo&) override { log += std::to_string(id) + " "; }
    void StopAllSounds() override { log += "| "; }
    std::string Take() { return std::exchange(log, {}); }
    std::string log;
};

// Six main frames; sprite 20 (sounds 9 in its frame 0 and 10 in its frame 2
// of three) is placed at depth 2 in main frame 1 and removed in frame 5. The
// main timeline starts sound 1 in frame 3.
std::shared_ptr<swf::DecodedMovie> SpriteMovie()
{
    auto movie = CountingMovie(6);
    swf::Sprite sprite;
    sprite.frameCount = 3;
    sprite.frames.resize(3);
    sprite.frames[0].sounds.push_back({9, Info()});
    sprite.frames[2].sounds.push_back({10, Info()});
    movie->dictionary[20] = std::make_shared<const swf::Character>(sprite);
    swf::DisplayOp place;
    place.kind = swf::DisplayOp::Kind::Place;
    place.depth = 2;
    place.characterId = 20;
    movie->frames[1].ops.push_back(place);
    swf::DisplayOp remove;
    remove.kind = swf::DisplayOp::Kind::Remove;
    remove.depth = 2;
    movie->frames[5].ops.push_back(remove);
    movie->frames[3].sounds.push_back({1, Info()});
    return movie;
}

struct Fixture {
    Fixture() : movie(SpriteMovie()), controller(movie, time, time, &log) {}
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            time.AdvanceBy(1'000'000 / 12 + 1);
            controller.Tick();
        }
    }
    FakeTime time;
    StartLog log;
    std::shared_ptr<swf::DecodedMovie> movie;
    player::PlaybackController controller;
};

TEST(SpriteSounds, ASpriteStartsTheSoundsOfTheFramesItReaches)
{
    Fixture f;
    f.controller.Play();
    EXPECT_EQ(f.log.Take(), "");
    const char* expected[] = {
        "9 ",    // main 1: placed, sprite frame 0
        "",      // main 2: sprite frame 1
        "1 10 ", // main 3: the main timeline's sound, then sprite frame 2
        "9 ",    // main 4: the sprite loops to its frame 0
        "",      // main 5: removed
        "",      // main 0 again
    };
    for (const char* heard : expected) {
        f.Frames(1);
        EXPECT_EQ(f.log.Take(), heard) << "main frame " << f.controller.Frame();
    }
}

TEST(SpriteSounds, ASeekStartsTheSpriteFrameOfTheNewFrameWhenPlayed)
{
    Fixture f;
    f.controller.GotoFrame(3);
    EXPECT_EQ(f.log.Take(), "| ");
    f.controller.Play();
    EXPECT_EQ(f.log.Take(), "1 10 ") << "placed in frame 1, the sprite is at its frame 2 in main frame 3";
    f.controller.Stop();
    f.controller.Play();
    EXPECT_EQ(f.log.Take(), "") << "resuming starts nothing again";
}

}  // namespace
}  // namespace glimmora::test
