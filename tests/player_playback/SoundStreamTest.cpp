// Streaming sound: a timeline's SoundStreamBlocks decoded frame by frame and
// queued as the playhead enters their frames; Stop pauses the stream, every
// seek ends it and playing on starts it again from the new frame's block.
// Damaged blocks give what they sanely hold, or nothing.

#include "FakeTime.h"
#include "MovieFixtures.h"

#include "player/playback/Mp3Decoder.h"
#include "player/playback/PlaybackController.h"
#include "player/playback/SoundDecoding.h"
#include "player/playback/SoundMixer.h"
#include "player/playback/SoundStream.h"
#include "support/FrameScripts.h"
#include "support/ProcessRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace glimmora::test {
namespace {

using player::SoundMixer;
using player::StreamDecoder;
using Bytes = std::vector<uint8_t>;

Bytes Pcm16(const std::vector<int16_t>& samples)
{
    Bytes bytes;
    for (int16_t s : samples) {
        bytes.push_back(uint8_t(uint16_t(s) & 0xff));
        bytes.push_back(uint8_t(uint16_t(s) >> 8));
    }
    return bytes;
}

swf::SoundStreamHead Head(uint8_t format = 3, uint32_t rate = 44100, bool is16Bit = true, bool stereo = false,
                         uint16_t samplesPerBlock = 0)
{
    swf::SoundStreamHead head;
    head.samplesPerBlock = samplesPerBlock;
    head.format = format;
    head.rate = rate;
    head.is16Bit = is16Bit;
    head.stereo = stereo;
    return head;
}

// `frames` frames with the head in frame `headFrame` and these blocks.
std::shared_ptr<swf::DecodedMovie> StreamMovie(int frames, const swf::SoundStreamHead& head,
                                               const std::map<int, std::vector<Bytes>>& blocks,
                                               int headFrame = 0)
{
    auto movie = CountingMovie(frames);
    movie->frames[size_t(headFrame)].streamHead = head;
    for (const auto& [frame, list] : blocks) movie->frames[size_t(frame)].streamBlocks = list;
    return movie;
}

// Frame f of six holds the 16-bit samples f*100+1, +2, +3; frames 3 and 5
// hold no block.
std::shared_ptr<swf::DecodedMovie> SixFrameStream()
{
    std::map<int, std::vector<Bytes>> blocks;
    for (int f : {0, 1, 2, 4}) {
        blocks[f] = {Pcm16({int16_t(f * 100 + 1), int16_t(f * 100 + 2), int16_t(f * 100 + 3)})};
    }
    return StreamMovie(6, Head(), blocks);
}

std::vector<int> Left(SoundMixer& mixer, size_t frames)
{
    std::vector<int16_t> buffer(frames * 2, 12345);
    mixer.Mix(buffer.data(), frames);
    std::vector<int> left;
    for (size_t i = 0; i < frames; ++i) left.push_back(buffer[2 * i]);
    return left;
}

// The left channel of all that `frames` decode in order.
std::vector<int> Decoded(StreamDecoder& decoder, std::initializer_list<int> frames)
{
    std::vector<int> left;
    for (int frame : frames) {
        const std::vector<int16_t> samples = decoder.Frame(frame, SoundMixer::kMaxStreamFrames);
        for (size_t i = 0; i < samples.size(); i += 2) left.push_back(samples[i]);
    }
    return left;
}

struct StreamFixture {
    explicit StreamFixture(std::shared_ptr<swf::DecodedMovie> m = SixFrameStream())
        : movie(std::move(m)), mixer(movie), controller(movie, time, time, &mixer)
    {
    }
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            time.AdvanceBy(1'000'000 / 12 + 1);
            controller.Tick();
        }
    }
    FakeTime time;
    std::shared_ptr<swf::DecodedMovie> movie;
    SoundMixer mixer;
    player::PlaybackController controller;
};

TEST(SoundStream, BlocksAreQueuedAsTheirFramesAreEnteredAndTheStreamEndsWithThem)
{
    StreamFixture f;
    EXPECT_TRUE(f.mixer.HasSounds()) << "a stream is a sound";
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u) << "nothing before playing";
    f.controller.Play();
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 3u);
    f.Frames(1);
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 6u);
    EXPECT_EQ(Left(f.mixer, 6), (std::vector<int>{1, 2, 3, 101, 102, 103}));
    f.Frames(2);
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 3u) << "frame 3 has no block";
    f.Frames(2);
    EXPECT_EQ(Left(f.mixer, 8), (std::vector<int>{201, 202, 203, 401, 402, 403, 0, 0}));
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u);
}

TEST(SoundStream, StopPausesTheStreamAndPlayGoesOnWithoutQueueingAgain)
{
    StreamFixture f;
    f.controller.Play();
    f.Frames(1);
    EXPECT_EQ(Left(f.mixer, 2), (std::vector<int>{1, 2}));
    f.controller.Stop();
    EXPECT_TRUE(f.mixer.StreamPaused());
    EXPECT_EQ(Left(f.mixer, 2), (std::vector<int>{0, 0})) << "a paused stream is silent";
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 4u) << "and keeps its place";
    f.controller.Play();
    EXPECT_FALSE(f.mixer.StreamPaused());
    EXPECT_EQ(Left(f.mixer, 5), (std::vector<int>{3, 101, 102, 103, 0}));
}

TEST(SoundStream, AStopActionPausesTheStreamOfItsFrame)
{
    auto movie = SixFrameStream();
    movie->frames[1].scripts.push_back(StopScript());
    StreamFixture f(movie);
    f.controller.Play();
    f.Frames(3);
    EXPECT_FALSE(f.controller.Playing());
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 6u) << "frame 1's block is queued, then the stream holds";
    EXPECT_EQ(Left(f.mixer, 1), (std::vector<int>{0}));
}

TEST(SoundStream, SeeksEndTheStreamAndPlayingStartsItAtTheNewFramesBlock)
{
    StreamFixture f;
    f.controller.GotoFrame(2);
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u) << "a seek while stopped queues nothing";
    f.controller.Play();
    EXPECT_EQ(Left(f.mixer, 1), (std::vector<int>{201}));

    f.controller.GotoFrame(4);
    EXPECT_EQ(Left(f.mixer, 4), (std::vector<int>{401, 402, 403, 0}))
        << "a seek while playing drops the rest of frame 2 and queues frame 4 at once";

    f.controller.GotoFrame(0);
    f.controller.GotoFrame(0);
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u) << "going to the same frame ends the stream too";
    f.Frames(1);
    EXPECT_EQ(Left(f.mixer, 3), (std::vector<int>{101, 102, 103})) << "and the next frame starts it again";

    f.controller.Forward();
    EXPECT_FALSE(f.controller.Playing());
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u) << "a step ends the stream";
    f.controller.Play();
    EXPECT_EQ(Left(f.mixer, 3), (std::vector<int>{201, 202, 203}));

    f.controller.Back();
    EXPECT_EQ(f.mixer.StreamQueuedFrames(), 0u);
    f.controller.Play();
    EXPECT_EQ(Left(f.mixer, 3), (std::vector<int>{101, 102, 103}));
}

TEST(SoundStream, PlayFromTheEndStartsAtTheFirstBlockAndLoopingQueuesItAfterTheLast)
{
    StreamFixture f;
    f.controller.SetLoop(false);
    f.controller.GotoFrame(5);
    f.controller.Play();
    EXPECT_EQ(f.controller.Frame(), 0);
    EXPECT_EQ(Left(f.mixer, 3), (std::vector<int>{1, 2, 3}));

    f.controller.SetLoop(true);
    f.Frames(6);  // round to frame 0 again, mixing nothing meanwhile
    EXPECT_EQ(f.controller.Frame(), 0);
    EXPECT_EQ(Left(f.mixer, 12), (std::vector<int>{101, 102, 103, 201, 202, 203, 401, 402, 403, 1, 2, 3}));
}

TEST(SoundStream, TheQueueKeepsTheNewestSecondsWhenNothingDrainsIt)
{
    std::map<int, std::vector<Bytes>> blocks;
    for (int f = 0; f < 10; ++f) blocks[f] = {Pcm16(std::vector<int16_t>(44100, int16_t(f + 1)))};
    StreamFixture f(StreamMovie(10, Head(), blocks));
    f.controller.Play();
    f.Frames(9);
    ASSERT_EQ(f.mixer.StreamQueuedFrames(), SoundMixer::kMaxStreamFrames);
    const std::vector<int> first = Left(f.mixer, 1);
    EXPECT_EQ(first[0], 10 - int(SoundMixer::kMaxStreamFrames / 44100) + 1) << "the oldest gave way";
}

TEST(SoundStream, RatesAndSampleSizesBecome44100StereoJoinedAcrossBlocks)
{
    struct Case {
        const char* name;
        swf::SoundStreamHead head;
        std::vector<Bytes> blocks;  // frames 0, 1, ...
        std::vector<int> left;
    };
    const Case cases[] = {
        {"44.1 kHz passes through", Head(), {Pcm16({5, -5}), Pcm16({7})}, {5, -5, 7}},
        // The last sample of a block waits for the next block's first.
        {"22 kHz interpolates across the block boundary", Head(3, 22050), {Pcm16({0, 1000}), Pcm16({2000, 3000})},
         {0, 500, 1000, 1500, 2000, 2500}},
        {"5.5 kHz is an eighth of 44.1", Head(3, 5512), {Pcm16({0, 800}), Pcm16({1600})},
         {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500}},
        {"8-bit is unsigned", Head(0, 44100, false), {{128, 129, 0}}, {0, 256, -32768}},
        {"an ADPCM block is a stream of its own", Head(1),
         {/* 4-bit codes; 0 at step 7; +11, -2 */ {0x80, 0x00, 0x00, 0x78},
          /* 100 at step 7; +11, -2 */ {0x80, 0x19, 0x00, 0x78}},
         {0, 11, 9, 100, 111, 109}},
    };
    for (const Case& c : cases) {
        std::map<int, std::vector<Bytes>> blocks;
        for (size_t i = 0; i < c.blocks.size(); ++i) blocks[int(i)] = {c.blocks[i]};
        StreamDecoder decoder(StreamMovie(int(c.blocks.size()), c.head, blocks));
        std::vector<int> left;
        for (size_t i = 0; i < c.blocks.size(); ++i) {
            const auto more = Decoded(decoder, {int(i)});
            left.insert(left.end(), more.begin(), more.end());
        }
        EXPECT_EQ(left, c.left) << c.name;
    }
}

TEST(SoundStream, StereoBlocksKeepTheirChannels)
{
    StreamDecoder decoder(StreamMovie(1, Head(3, 44100, true, true), {{0, {Pcm16({100, -100, 200, -200})}}}));
    EXPECT_EQ(decoder.Frame(0, 10), (std::vector<int16_t>{100, -100, 200, -200}));
}

TEST(SoundStream, DamagedOrUnplayableBlocksGiveWhatTheySanelyHold)
{
    struct Case {
        const char* name;
        swf::SoundStreamHead head;
        std::vector<Bytes> blocks;  // all in frame 0
        std::vector<int> left;
    };
    const Case cases[] = {
        {"a 16-bit block cut inside a sample", Head(), {{1, 0, 2}}, {1}},
        {"a stereo block cut inside a frame", Head(3, 44100, true, true), {Pcm16({1, 2, 3})}, {1}},
        {"an empty block", Head(), {{}}, {}},
        {"an ADPCM block of one byte", Head(1), {{0x80}}, {}},
        {"an ADPCM block of a lone packet header", Head(1), {{0x80, 0x40, 0x00}}, {256}},
        // 100 at step 7, +11, then four bits of padding that would make a code.
        {"padding after an ADPCM block's last code", Head(1, 44100, true, false, 2), {{0x80, 0x19, 0x00, 0x70}},
         {100, 111}},
        {"a declared block size far below what the block holds", Head(1, 44100, true, false, 1),
         // ten more 0000 codes: + step / 8 each while the step shrinks to 7
         {Bytes{0x80, 0x19, 0x00, 0x78, 0x00, 0x00, 0x00, 0x00, 0x00}},
         {100, 111, 109, 110, 111, 112, 113, 114, 115, 116, 116, 116, 116}},
        {"an MP3 block too short for its counts", Head(2), {{0x40, 0x02, 0x00}}, {}},
        {"an MP3 block of garbage that claims 65535 samples", Head(2),
         {{0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFB, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}}, {}},
        {"Nellymoser is not played", Head(6, 22050), {Pcm16({1, 2})}, {}},
        {"two blocks in one frame play one after the other", Head(), {Pcm16({1}), Pcm16({2, 3})}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        StreamDecoder decoder(StreamMovie(1, c.head, {{0, c.blocks}}));
        EXPECT_EQ(Decoded(decoder, {0}), c.left) << c.name;
    }
}

TEST(SoundStream, BlocksBeforeTheHeadTakeItsFormatAndBlocksWithoutAnyHeadAreSilent)
{
    StreamDecoder early(StreamMovie(2, Head(3, 22050), {{0, {Pcm16({0, 1000})}}, {1, {Pcm16({2000})}}}, 1));
    EXPECT_EQ(Decoded(early, {0, 1}), (std::vector<int>{0, 500, 1000, 1500}));

    auto headless = CountingMovie(2);
    headless->frames[0].streamBlocks = {Pcm16({1, 2, 3})};
    SoundMixer mixer(headless);
    EXPECT_FALSE(mixer.HasSounds());
    mixer.PauseStream(false);
    mixer.StreamFrame(0);
    EXPECT_EQ(mixer.StreamQueuedFrames(), 0u);
}

TEST(SoundStream, AHugeBlockDecodesNoMoreThanTheQueueHolds)
{
    // 5.5 kHz 8-bit stereo grows 16 times on its way to the mix.
    const Bytes block(3'000'000, 128);
    StreamDecoder decoder(StreamMovie(1, Head(0, 5512, false, true), {{0, {block}}}));
    EXPECT_EQ(decoder.Frame(0, SoundMixer::kMaxStreamFrames).size(), SoundMixer::kMaxStreamFrames * 2);
}

// ---- MP3 streams ------------------------------------------------------------

void Put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void Put32(std::ofstream& out, uint32_t v) { Put16(out, uint16_t(v)), Put16(out, uint16_t(v >> 16)); }

// A mono 44.1 kHz tone of `samples` samples, encoded by the LAME command line.
Bytes EncodedTone(const std::filesystem::path& dir, int samples)
{
    const int rate = 44100;
    {
        std::ofstream out(dir / "tone.wav", std::ios::binary);
        out.write("RIFF", 4), Put32(out, uint32_t(36 + samples * 2)), out.write("WAVEfmt ", 8);
        Put32(out, 16), Put16(out, 1), Put16(out, 1), Put32(out, uint32_t(rate)), Put32(out, uint32_t(rate * 2));
        Put16(out, 2), Put16(out, 16), out.write("data", 4), Put32(out, uint32_t(samples * 2));
        for (int i = 0; i < samples; ++i) {
            Put16(out, uint16_t(int16_t(12000 * std::sin(2 * M_PI * 440 * i / rate))));
        }
    }
    const ProcessResult run = RunProcess(
        {"/usr/bin/lame", "--quiet", "-t", "-b", "128", (dir / "tone.wav").string(), (dir / "tone.mp3").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::ifstream in(dir / "tone.mp3", std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The MPEG-1 layer III frames of `mp3`, each whole.
std::vector<Bytes> Mp3Frames(const Bytes& mp3)
{
    static const int kBitrates[16] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int kRates[4] = {44100, 48000, 32000, 0};
    std::vector<Bytes> frames;
    size_t at = 0;
    while (at + 4 <= mp3.size()) {
        if (mp3[at] != 0xFF || (mp3[at + 1] & 0xFE) != 0xFA) {  // MPEG-1 layer III sync
            ++at;
            continue;
        }
        const int bitrate = kBitrates[mp3[at + 2] >> 4];
        const int rate = kRates[(mp3[at + 2] >> 2) & 3];
        if (bitrate == 0 || rate == 0) break;
        const size_t length = size_t(144 * bitrate * 1000 / rate + ((mp3[at + 2] >> 1) & 1));
        if (at + length > mp3.size()) break;
        frames.emplace_back(mp3.begin() + ptrdiff_t(at), mp3.begin() + ptrdiff_t(at + length));
        at += length;
    }
    return frames;
}

// Blocks of `perBlock` MP3 frames each: SampleCount, SeekSamples, frames.
std::vector<Bytes> Mp3Blocks(const std::vector<Bytes>& frames, size_t perBlock, int16_t firstSeek)
{
    std::vector<Bytes> blocks;
    for (size_t i = 0; i < frames.size(); i += perBlock) {
        const size_t count = std::min(perBlock, frames.size() - i) * 1152;
        const int16_t seek = i == 0 ? firstSeek : 0;
        Bytes block{uint8_t(count & 0xff), uint8_t(count >> 8), uint8_t(uint16_t(seek) & 0xff),
                    uint8_t(uint16_t(seek) >> 8)};
        for (size_t k = i; k < std::min(i + perBlock, frames.size()); ++k) {
            block.insert(block.end(), frames[k].begin(), frames[k].end());
        }
        blocks.push_back(std::move(block));
    }
    return blocks;
}

std::shared_ptr<swf::DecodedMovie> Mp3StreamMovie(const std::vector<Bytes>& blocks)
{
    std::map<int, std::vector<Bytes>> byFrame;
    for (size_t i = 0; i < blocks.size(); ++i) byFrame[int(i)] = {blocks[i]};
    return StreamMovie(int(blocks.size()), Head(2), byFrame);
}

// The samples of all of `mp3` decoded at once, as an event sound would be.
std::vector<int> WholeMp3(const Bytes& mp3)
{
    swf::Sound sound;
    sound.format = 2;
    sound.rate = 44100;
    sound.data = {0, 0};
    sound.data.insert(sound.data.end(), mp3.begin(), mp3.end());
    const player::PcmSound pcm = player::DecodeSound(sound);
    return std::vector<int>(pcm.samples.begin(), pcm.samples.end());
}

TEST(SoundStream, Mp3BlocksDecodeAsOneStreamWithTheFirstBlocksSeekDropped)
{
    if (!std::filesystem::exists("/usr/bin/lame")) GTEST_SKIP() << "the lame encoder is not installed";
    TempDir dir;
    const Bytes mp3 = EncodedTone(dir.Path(), 44100 / 2);
    const std::vector<Bytes> frames = Mp3Frames(mp3);
    ASSERT_GT(frames.size(), 10u);
    const std::vector<int> whole = WholeMp3(mp3);
    ASSERT_GT(whole.size(), 10000u);

    // Decoding each block on its own would lose the bits that frames borrow
    // from the frames before them; one stream gives the whole decode exactly.
    StreamDecoder decoder(Mp3StreamMovie(Mp3Blocks(frames, 2, 0)));
    std::vector<int> streamed;
    for (int f = 0; f < int((frames.size() + 1) / 2); ++f) {
        const auto more = Decoded(decoder, {f});
        streamed.insert(streamed.end(), more.begin(), more.end());
    }
    ASSERT_GE(streamed.size(), whole.size() - 1152);
    EXPECT_TRUE(std::equal(streamed.begin(), streamed.end() - 1152, whole.begin()));

    StreamDecoder seeking(Mp3StreamMovie(Mp3Blocks(frames, 2, 300)));
    const std::vector<int> first = Decoded(seeking, {0});
    ASSERT_GT(first.size(), 1152u);
    ASSERT_LE(first.size(), 2u * 1152 - 300);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), whole.begin() + 300));
}

TEST(SoundStream, AnEventMp3DecodesNoMoreThanItsBound)
{
    if (!std::filesystem::exists("/usr/bin/lame")) GTEST_SKIP() << "the lame encoder is not installed";
    TempDir dir;
    const Bytes mp3 = EncodedTone(dir.Path(), 44100);
    swf::Sound sound;
    sound.format = 2;
    sound.rate = 44100;
    sound.data = {0x64, 0x00};  // skip 100
    sound.data.insert(sound.data.end(), mp3.begin(), mp3.end());
    const std::vector<int> whole = WholeMp3(mp3);
    const player::PcmSound bounded = player::DecodeSound(sound, 3000);
    ASSERT_EQ(bounded.FrameCount(), 3000u);
    EXPECT_TRUE(std::equal(bounded.samples.begin(), bounded.samples.end(), whole.begin() + 100));
}

TEST(SoundStream, AnMp3StreamSurvivesGarbageAndSeeks)
{
    if (!std::filesystem::exists("/usr/bin/lame")) GTEST_SKIP() << "the lame encoder is not installed";
    TempDir dir;
    const std::vector<Bytes> frames = Mp3Frames(EncodedTone(dir.Path(), 44100));
    std::vector<Bytes> blocks = Mp3Blocks(frames, 2, 0);
    ASSERT_GT(blocks.size(), 8u);
    Bytes garbage{0xFF, 0xFF, 0, 0};
    for (int i = 0; i < 5000; ++i) garbage.push_back(uint8_t(i * 7 + (i >> 3)));
    blocks[3] = garbage;
    StreamDecoder decoder(Mp3StreamMovie(blocks));
    for (int f = 0; f < int(blocks.size()); ++f) {
        const std::vector<int> left = Decoded(decoder, {f});
        if (f >= 5) { EXPECT_FALSE(left.empty()) << "the stream goes on after the garbage, frame " << f; }
    }
    // A seek starts afresh; the decoder picks up from the new block.
    EXPECT_FALSE(Decoded(decoder, {6, 7}).empty());
    decoder.Reset();
    EXPECT_FALSE(Decoded(decoder, {7}).empty());
}

}  // namespace
}  // namespace glimmora::test
