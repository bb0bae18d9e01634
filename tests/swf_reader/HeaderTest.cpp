#include "swf/reader/DecodedMovie.h"
#include "support/TempDir.h"
#include "support/LzmaBytes.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

#include <fstream>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

// The 550 x 400 px, 12 fps, 10 frames example: RECT 78 00 05 5F 00 00 0F A0 00,
// then 00 0C 0A 00, then End.
ByteVector ExampleBody() { return {0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x0C, 0x0A, 0x00, 0x00, 0x00}; }

// How the example is stored: uncompressed, zlib, LZMA with and without the
// stream's end marker.
enum class Storage { Fws, Cws, Zws, ZwsWithoutEndMarker };

ByteVector ExampleFile(Storage storage) {
    ByteVector body = ExampleBody();
    Bytes file;
    file.Add({uint8_t(storage == Storage::Cws ? 'C' : 'F'), 'W', 'S', 8}).U32(uint32_t(body.size() + 8));
    file.Add(storage == Storage::Cws ? test::Deflate(body) : body);
    if (storage == Storage::Zws || storage == Storage::ZwsWithoutEndMarker) {
        return test::ZwsFile(file, storage == Storage::Zws);
    }
    return file;
}

void WriteFile(const std::filesystem::path& path, const ByteVector& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

void ExpectExampleHeader(const Header& h) {
    EXPECT_EQ(h.version, 8);
    EXPECT_EQ(h.frameSize, (Rect{0, 11000, 0, 8000}));
    EXPECT_EQ(h.WidthPixels(), 550);
    EXPECT_EQ(h.HeightPixels(), 400);
    EXPECT_EQ(h.frameRate, 0x0C00);
    EXPECT_DOUBLE_EQ(h.FramesPerSecond(), 12.0);
    EXPECT_EQ(h.frameCount, 10);
}

class HeaderTest : public ::testing::TestWithParam<Storage> {};

TEST_P(HeaderTest, DecodesTheExampleHeader) {
    ByteVector file = ExampleFile(GetParam());
    DecodedMovie movie = DecodeMovie(file.data(), file.size());
    EXPECT_EQ(movie.header.signature, std::string(file.begin(), file.begin() + 3));
    EXPECT_EQ(movie.header.fileLength, ExampleBody().size() + 8);
    ExpectExampleHeader(movie.header);
    EXPECT_EQ(movie.FrameCount(), 0);  // the declared count is not the number of ShowFrames
}

TEST_P(HeaderTest, ReadsTheHeaderFromAFile) {
    test::TempDir dir;
    WriteFile(dir / "movie.swf", ExampleFile(GetParam()));
    ExpectExampleHeader(ReadHeaderFile((dir / "movie.swf").string()));
}

std::string StorageName(const ::testing::TestParamInfo<Storage>& info) {
    static const char* const names[] = {"FWS", "CWS", "ZWS", "ZWSWithoutEndMarker"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryStorage, HeaderTest,
                         ::testing::Values(Storage::Fws, Storage::Cws, Storage::Zws, Storage::ZwsWithoutEndMarker),
                         StorageName);

TEST(HeaderFileTest, CompressedHeaderIsReadWithoutInflatingTheWholeMovie) {
    // A compressed movie whose stream goes on for 8 MB of padding after the
    // header: the header read must not care, with zlib or LZMA.
    ByteVector body = ExampleBody();
    body.resize(8u << 20, 0);
    Bytes cws;
    cws.Add({'C', 'W', 'S', 8}).U32(uint32_t(body.size() + 8)).Add(test::Deflate(body));
    Bytes fws;
    fws.Add({'F', 'W', 'S', 8}).U32(uint32_t(body.size() + 8)).Add(body);
    test::TempDir dir;
    WriteFile(dir / "big.swf", cws);
    ExpectExampleHeader(ReadHeaderFile((dir / "big.swf").string()));
    WriteFile(dir / "big-lzma.swf", test::ZwsFile(fws));
    ExpectExampleHeader(ReadHeaderFile((dir / "big-lzma.swf").string()));
}

TEST(HeaderFileTest, MissingOrForeignFilesAreErrors) {
    test::TempDir dir;
    EXPECT_THROW(ReadHeaderFile((dir / "absent.swf").string()), DecodeError);
    WriteFile(dir / "text.swf", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
    EXPECT_THROW(ReadHeaderFile((dir / "text.swf").string()), DecodeError);
    WriteFile(dir / "short.swf", {'F', 'W', 'S', 8, 30, 0, 0, 0, 0x78});
    EXPECT_THROW(ReadHeaderFile((dir / "short.swf").string()), DecodeError);
}

struct BadStart {
    const char* name;
    ByteVector bytes;
    const char* messagePart;
};

class BadSignatureTest : public ::testing::TestWithParam<BadStart> {};

TEST_P(BadSignatureTest, IsRejectedWithAClearMessage) {
    const BadStart& c = GetParam();
    try {
        DecodeMovie(c.bytes.data(), c.bytes.size());
        FAIL() << "no error";
    } catch (const DecodeError& e) {
        EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSignatureTest,
    ::testing::Values(BadStart{"LzmaCutInItsProperties", {'Z', 'W', 'S', 13, 20, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, "LZMA"},
                      BadStart{"LzmaWithImpossibleProperties", {'Z', 'W', 'S', 13, 20, 0, 0, 0, 1, 2, 3, 4, 225, 0, 0, 1, 0, 0}, "LZMA"},
                      BadStart{"Png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}, "not an SWF"},
                      BadStart{"Empty", {}, "too short"},
                      BadStart{"SevenBytes", {'F', 'W', 'S', 8, 0, 0, 0}, "too short"},
                      BadStart{"HeaderCutInRect", {'F', 'W', 'S', 8, 12, 0, 0, 0, 0x78, 0x00, 0x05, 0x5F}, "header"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StageSizeTest, HugeOrInsideOutStagesAreErrors) {
    struct Case {
        int32_t xMin, xMax, yMin, yMax;
        bool ok;
    };
    const Case cases[] = {{0, 11000, 0, 8000, true},
                          {0, 0, 0, 0, true},
                          {0, 32767 * 20, 0, 20, true},
                          {0, 32768 * 20, 0, 20, false},
                          {0, (1 << 30) - 1, 0, 8000, false},
                          {100, 50, 0, 8000, false},
                          {0, 8000, 0, -20, false}};
    for (const Case& c : cases) {
        Bytes body;
        body.Add(test::RectBytes(c.xMin, c.xMax, c.yMin, c.yMax)).U16(0x0C00).U16(1).Add(test::EndTag());
        ByteVector raw = body;
        Bytes file;
        file.Add({'F', 'W', 'S', 8}).U32(uint32_t(raw.size() + 8)).Add(raw);
        ByteVector bytes = file;
        SCOPED_TRACE(std::to_string(c.xMax) + " x " + std::to_string(c.yMax));
        if (c.ok) {
            EXPECT_NO_THROW(DecodeMovie(bytes.data(), bytes.size()));
        } else {
            EXPECT_THROW(DecodeMovie(bytes.data(), bytes.size()), DecodeError);
        }
    }
}

}  // namespace
}  // namespace glimmora::swf
