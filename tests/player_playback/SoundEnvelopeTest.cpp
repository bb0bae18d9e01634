// Envelopes and in/out points as the mixer plays them: a constant sound
// comes out scaled by each channel's level, point to point, counted in
// 44.1 kHz samples from the start of the play through all its loops.

#include "MovieFixtures.h"

#include "player/playback/SoundMixer.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

using player::SoundMixer;

struct Heard {
    std::vector<int> left, right;
};

Heard Pull(SoundMixer& mixer, size_t frames)
{
    std::vector<int16_t> buffer(frames * 2, 12345);
    mixer.Mix(buffer.data(), frames);
    Heard heard;
    for (size_t i = 0; i < frames; ++i) {
        heard.left.push_back(buffer[2 * i]);
        heard.right.push_back(buffer[2 * i + 1]);
    }
    return heard;
}

swf::SoundInfo WithEnvelope(std::vector<swf::SoundEnvelopePoint> points, std::optional<uint16_t> loops = {},
                            std::optional<uint32_t> in = {}, std::optional<uint32_t> out = {})
{
    swf::SoundInfo info = Info(false, false, loops);
    info.envelope = std::move(points);
    info.inPoint = in;
    info.outPoint = out;
    return info;
}

TEST(SoundEnvelope, LevelsScaleEachChannelAsTheEnvelopeSays)
{
    struct Case {
        const char* name;
        size_t soundLength;  // of a constant 16384
        swf::SoundInfo info;
        std::vector<int> left, right;  // 8 frames
    };
    const Case cases[] = {
        {"left fades in while right fades out", 8, WithEnvelope({{0, 0, 32768}, {4, 32768, 0}}),
         {0, 4096, 8192, 12288, 16384, 16384, 16384, 16384},
         {16384, 12288, 8192, 4096, 0, 0, 0, 0}},
        {"the first point's levels hold before it", 8, WithEnvelope({{2, 16384, 16384}, {6, 32768, 0}}),
         {8192, 8192, 8192, 10240, 12288, 14336, 16384, 16384},
         {8192, 8192, 8192, 6144, 4096, 2048, 0, 0}},
        {"positions run on through the loops", 4, WithEnvelope({{0, 32768, 32768}, {8, 0, 0}}, 2),
         {16384, 14336, 12288, 10240, 8192, 6144, 4096, 2048},
         {16384, 14336, 12288, 10240, 8192, 6144, 4096, 2048}},
        {"positions count from the in point", 8, WithEnvelope({{0, 0, 0}, {4, 32768, 32768}}, {}, 2, 6),
         {0, 4096, 8192, 12288, 0, 0, 0, 0},
         {0, 4096, 8192, 12288, 0, 0, 0, 0}},
        {"levels above full are full, points back in time are taken where reached", 8,
         WithEnvelope({{0, 65535, 40000}, {4, 0, 0}, {2, 32768, 32768}}),
         {16384, 12288, 8192, 4096, 16384, 16384, 16384, 16384},
         {16384, 12288, 8192, 4096, 16384, 16384, 16384, 16384}},
        {"a silent envelope silences", 8, WithEnvelope({{0, 0, 0}}), std::vector<int>(8, 0),
         std::vector<int>(8, 0)},
        {"a single point holds throughout", 8, WithEnvelope({{100, 8192, 24576}}), std::vector<int>(8, 4096),
         std::vector<int>(8, 12288)},
    };
    for (const Case& c : cases) {
        auto movie = CountingMovie(1);
        AddSound(*movie, 5, Pcm16Sound(std::vector<int16_t>(c.soundLength, 16384)));
        SoundMixer mixer(movie);
        mixer.StartSound(5, c.info);
        const Heard heard = Pull(mixer, 8);
        EXPECT_EQ(heard.left, c.left) << c.name;
        EXPECT_EQ(heard.right, c.right) << c.name;
    }
}

TEST(SoundEnvelope, AnEnvelopeCarriesOverFromPullToPullAndNegativeSamplesScaleToo)
{
    auto movie = CountingMovie(1);
    AddSound(*movie, 5, Pcm16Sound(std::vector<int16_t>(8, -16384)));
    SoundMixer mixer(movie);
    mixer.StartSound(5, WithEnvelope({{0, 0, 32768}, {8, 32768, 0}}));
    EXPECT_EQ(Pull(mixer, 3).left, (std::vector<int>{0, -2048, -4096}));
    const Heard rest = Pull(mixer, 6);
    EXPECT_EQ(rest.left, (std::vector<int>{-6144, -8192, -10240, -12288, -14336, 0}));
    EXPECT_EQ(rest.right, (std::vector<int>{-10240, -8192, -6144, -4096, -2048, 0}));
}

TEST(SoundEnvelope, EachStartKeepsItsOwnEnvelope)
{
    auto movie = CountingMovie(1);
    AddSound(*movie, 5, Pcm16Sound(std::vector<int16_t>(4, 16384)));
    SoundMixer mixer(movie);
    mixer.StartSound(5, WithEnvelope({{0, 0, 0}}));
    mixer.StartSound(5, Info());
    mixer.StartSound(5, WithEnvelope({{0, 16384, 16384}}));
    EXPECT_EQ(Pull(mixer, 4).left, (std::vector<int>{24576, 24576, 24576, 24576}));
}

}  // namespace
}  // namespace glimmora::test
