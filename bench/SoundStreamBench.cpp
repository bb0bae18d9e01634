// The player's sound work per frame and per audio pull: decoding one frame's
// streaming-sound block (ADPCM and 16-bit PCM at 22050 Hz, 12 frames per
// second) into the mix format, and mixing event sounds with and without an
// envelope.

#if GLIMMORA_HAS_PLAYER

#include "player/playback/SoundMixer.h"
#include "player/playback/SoundStream.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace glimmora::bench {
namespace {

constexpr int kFrames = 120;
constexpr int kBlockSamples = 22050 / 12;

int16_t Tone(int i) { return int16_t(12000 * std::sin(2 * std::numbers::pi * 440.0 * i / 22050)); }

// 4-bit mono ADPCM of a tone: one packet per block, codes chosen to follow
// the tone roughly (the cost does not depend on the values).
std::vector<uint8_t> AdpcmBlock(int first)
{
    std::vector<uint8_t> bytes;
    int count = 0;
    uint32_t buffer = 0;
    auto put = [&](uint32_t value, int bits) {
        for (int b = bits - 1; b >= 0; --b) {
            buffer = (buffer << 1) | ((value >> b) & 1u);
            if (++count == 8) {
                bytes.push_back(uint8_t(buffer));
                buffer = 0;
                count = 0;
            }
        }
    };
    put(2, 2);
    put(uint16_t(Tone(first)), 16);
    put(20, 6);
    for (int i = 1; i < kBlockSamples; ++i) put(Tone(first + i) > Tone(first + i - 1) ? 0b0011 : 0b1011, 4);
    if (count > 0) bytes.push_back(uint8_t(buffer << (8 - count)));
    return bytes;
}

std::shared_ptr<swf::DecodedMovie> StreamMovie(uint8_t format)
{
    auto movie = std::make_shared<swf::DecodedMovie>();
    movie->header.frameRate = 12 * 256;
    movie->frames.resize(kFrames);
    swf::SoundStreamHead head;
    head.format = format;
    head.rate = 22050;
    head.is16Bit = true;
    head.samplesPerBlock = kBlockSamples;
    movie->frames[0].streamHead = head;
    for (int f = 0; f < kFrames; ++f) {
        const int first = f * kBlockSamples;
        std::vector<uint8_t> block;
        if (format == 1) {
            block = AdpcmBlock(first);
        } else {
            for (int i = 0; i < kBlockSamples; ++i) {
                const uint16_t s = uint16_t(Tone(first + i));
                block.push_back(uint8_t(s & 0xff));
                block.push_back(uint8_t(s >> 8));
            }
        }
        movie->frames[size_t(f)].streamBlocks.push_back(std::move(block));
    }
    return movie;
}

// One frame's block decoded to 44.1 kHz stereo; Arg is the stream format.
void BM_StreamFrameDecode(benchmark::State& state)
{
    player::StreamDecoder decoder(StreamMovie(uint8_t(state.range(0))));
    int frame = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decoder.Frame(frame, player::SoundMixer::kMaxStreamFrames));
        frame = (frame + 1) % kFrames;
    }
    state.SetLabel(state.range(0) == 1 ? "ADPCM 4-bit" : "PCM 16-bit");
}
BENCHMARK(BM_StreamFrameDecode)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// One 1024-frame audio pull with eight event sounds playing; Arg 1 gives each
// an eight-point envelope.
void BM_MixEventSounds(benchmark::State& state)
{
    auto movie = std::make_shared<swf::DecodedMovie>();
    swf::Sound sound;
    sound.format = 3;
    sound.rate = 22050;
    sound.is16Bit = true;
    sound.sampleCount = 22050 * 10;
    for (uint32_t i = 0; i < sound.sampleCount; ++i) {
        const uint16_t s = uint16_t(Tone(int(i)));
        sound.data.push_back(uint8_t(s & 0xff));
        sound.data.push_back(uint8_t(s >> 8));
    }
    movie->dictionary[1] = std::make_shared<const swf::Character>(sound);
    player::SoundMixer mixer(movie);
    swf::SoundInfo info;
    info.loopCount = 1000;
    if (state.range(0) == 1) {
        for (uint32_t p = 0; p < 8; ++p) {
            info.envelope.push_back({p * 44100, uint16_t(p % 2 ? 32768 : 4096), uint16_t(p % 2 ? 4096 : 32768)});
        }
    }
    for (int i = 0; i < 8; ++i) mixer.StartSound(1, info);
    std::vector<int16_t> out(2 * 1024);
    for (auto _ : state) {
        mixer.Mix(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(state.range(0) == 1 ? "with envelopes" : "plain");
}
BENCHMARK(BM_MixEventSounds)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glimmora::bench

#endif
