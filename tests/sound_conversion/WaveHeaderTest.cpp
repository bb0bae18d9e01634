#include "effects/sound/conversion/ByteSource.h"
#include "effects/sound/conversion/SoundError.h"
#include "effects/sound/conversion/WaveHeader.h"

#include "support/SoundFixtures.h"

#include <gtest/gtest.h>

#include <optional>

namespace glimmora {
namespace {

using test::FormatBody;
using test::RiffBytes;

WaveHeader Read(const std::vector<std::uint8_t>& bytes)
{
    MemoryByteSource source(bytes);
    return ReadWaveHeader(source, "sound.wav");
}

// The extensible format's extra bytes: cbSize 22, valid bits, channel mask,
// then the sub-format GUID whose first two bytes are a format tag.
std::vector<std::uint8_t> ExtensibleExtra(std::uint16_t subTag, bool standardGuid = true)
{
    std::vector<std::uint8_t> extra = {22, 0, 16, 0, 3, 0, 0, 0, std::uint8_t(subTag), std::uint8_t(subTag >> 8)};
    const std::vector<std::uint8_t> tail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                            0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    extra.insert(extra.end(), tail.begin(), tail.end());
    if (!standardGuid) extra.back() = 0x72;
    return extra;
}

const std::vector<std::uint8_t> kSamples(400, 0x11);

struct HeaderCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::uint16_t tag, channels;
    std::uint32_t rate;
    std::uint16_t bits;
    std::uint64_t dataSize;
    bool truncated;
};

class WaveHeaderReadTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(WaveHeaderReadTest, ReadsFormatAndDataWithinTheFile)
{
    const HeaderCase& c = GetParam();
    const WaveHeader h = Read(c.bytes);
    EXPECT_EQ(h.format.formatTag, c.tag);
    EXPECT_EQ(h.format.channels, c.channels);
    EXPECT_EQ(h.format.samplesPerSec, c.rate);
    EXPECT_EQ(h.format.bitsPerSample, c.bits);
    EXPECT_EQ(h.dataSize, c.dataSize);
    EXPECT_EQ(h.dataTruncated, c.truncated);
    EXPECT_LE(h.dataOffset + h.dataSize, c.bytes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveHeaderReadTest,
    testing::Values(
        HeaderCase{"Pcm16Stereo", RiffBytes().Chunk("fmt ", FormatBody(1, 2, 44100, 16)).Chunk("data", kSamples).Bytes(),
                   1, 2, 44100, 16, 400, false},
        HeaderCase{"ExtensiblePcmCountsAsPcm",
                   RiffBytes().Chunk("fmt ", FormatBody(0xFFFE, 2, 48000, 24, ExtensibleExtra(1)))
                       .Chunk("data", kSamples).Bytes(),
                   1, 2, 48000, 24, 400, false},
        HeaderCase{"ExtensibleFloatIsNotPcm",
                   RiffBytes().Chunk("fmt ", FormatBody(0xFFFE, 2, 48000, 32, ExtensibleExtra(3)))
                       .Chunk("data", kSamples).Bytes(),
                   3, 2, 48000, 32, 400, false},
        HeaderCase{"ExtensibleWithForeignGuidStaysExtensible",
                   RiffBytes().Chunk("fmt ", FormatBody(0xFFFE, 2, 48000, 16, ExtensibleExtra(1, false)))
                       .Chunk("data", kSamples).Bytes(),
                   0xFFFE, 2, 48000, 16, 400, false},
        HeaderCase{"CompressedTag", RiffBytes().Chunk("fmt ", FormatBody(2, 1, 22050, 4)).Chunk("data", kSamples).Bytes(),
                   2, 1, 22050, 4, 400, false},
        // An odd-sized chunk before the format is followed by a pad byte.
        HeaderCase{"OddChunkFirst",
                   RiffBytes().Chunk("LIST", {1, 2, 3}).Chunk("fmt ", FormatBody(1, 1, 11025, 8))
                       .Chunk("data", kSamples).Bytes(),
                   1, 1, 11025, 8, 400, false},
        HeaderCase{"DataBeforeFormat",
                   RiffBytes().Chunk("data", kSamples).Chunk("fmt ", FormatBody(1, 1, 8000, 16)).Bytes(),
                   1, 1, 8000, 16, 400, false},
        // The data chunk claims a million bytes; 400 are there.
        HeaderCase{"DataSizeLies",
                   RiffBytes().Chunk("fmt ", FormatBody(1, 1, 22050, 16)).ChunkClaiming("data", 1000000, kSamples).Bytes(),
                   1, 1, 22050, 16, 400, true},
        HeaderCase{"DataSizeAtTheLimit",
                   RiffBytes().Chunk("fmt ", FormatBody(1, 1, 22050, 16)).ChunkClaiming("data", 0xFFFFFFFF, kSamples).Bytes(),
                   1, 1, 22050, 16, 400, true}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

struct BadCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* problem;
};

class WaveHeaderRejectTest : public testing::TestWithParam<BadCase> {};

TEST_P(WaveHeaderRejectTest, NamesTheFileAndTheProblem)
{
    try {
        Read(GetParam().bytes);
        FAIL() << "accepted";
    } catch (const SoundError& e) {
        EXPECT_NE(std::string(e.what()).find("sound.wav"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().problem), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Damage, WaveHeaderRejectTest,
    testing::Values(
        BadCase{"Empty", {}, "not a RIFF WAVE"},
        BadCase{"Text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'}, "not a RIFF WAVE"},
        BadCase{"NotWave", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}, "not a RIFF WAVE"},
        BadCase{"NoChunks", RiffBytes().Bytes(), "no format chunk"},
        BadCase{"ShortFormat", RiffBytes().Chunk("fmt ", {1, 0, 1, 0}).Chunk("data", kSamples).Bytes(), "damaged format"},
        // The format chunk claims 16 bytes but the file ends after 6.
        BadCase{"FormatCutOff", RiffBytes().ChunkClaiming("fmt ", 16, {1, 0, 1, 0, 0x22, 0x56}).Bytes(), "damaged format"},
        BadCase{"NoData", RiffBytes().Chunk("fmt ", FormatBody(1, 1, 22050, 16)).Bytes(), "no sound data"},
        BadCase{"NoChannels", RiffBytes().Chunk("fmt ", FormatBody(1, 0, 22050, 16)).Chunk("data", kSamples).Bytes(), "no channels"},
        BadCase{"NoRate", RiffBytes().Chunk("fmt ", FormatBody(1, 1, 0, 16)).Chunk("data", kSamples).Bytes(), "rate of 0"},
        BadCase{"TooManyBits", RiffBytes().Chunk("fmt ", FormatBody(1, 1, 22050, 40)).Chunk("data", kSamples).Bytes(), "40 bits"},
        // A lying size hides everything after it: the data chunk is not found.
        BadCase{"FormatSizeLies",
                RiffBytes().ChunkClaiming("fmt ", 0x7FFFFFF0, FormatBody(1, 1, 22050, 16)).Chunk("data", kSamples).Bytes(),
                "no sound data"}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(WaveHeaderTruncationTest, EveryPrefixOfAFileIsReadOrRefusedNeverOverrun)
{
    const std::vector<std::uint8_t> whole =
        RiffBytes().Chunk("LIST", {1, 2, 3}).Chunk("fmt ", FormatBody(1, 2, 44100, 16)).Chunk("data", kSamples).Bytes();
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + long(n));
        std::optional<WaveHeader> header;
        try {
            header = Read(prefix);
        } catch (const SoundError&) {
            continue;
        }
        EXPECT_LE(header->dataOffset + header->dataSize, n) << "prefix of " << n << " bytes";
        EXPECT_EQ(header->dataTruncated, n < whole.size()) << "prefix of " << n << " bytes";
    }
}

}  // namespace
}  // namespace glimmora
