#include "swf/reader/DecodedMovie.h"
#include "support/LzmaBytes.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

std::string ErrorOf(const ByteVector& file, const DecodeLimits& limits = {}) {
    try {
        DecodeMovie(file.data(), file.size(), limits);
    } catch (const DecodeError& e) {
        return e.what();
    }
    return {};
}

ByteVector SampleMovie(bool compressed = false) {
    return test::Movie({test::Tag(9, {255, 255, 255}), test::BoxShape(1),
                        test::PlaceNew(1, 1, test::TranslateMatrix(2000, 1000)), test::ShowFrame(),
                        test::Modify(1, test::TranslateMatrix(0, 0)), test::ShowFrame()},
                       2, compressed);
}

TEST(DamagedFileTest, EveryTruncationIsAnError) {
    ByteVector whole = SampleMovie();
    ASSERT_TRUE(ErrorOf(whole).empty());
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        ByteVector part(whole.begin(), whole.begin() + long(cut));
        EXPECT_FALSE(ErrorOf(part).empty()) << "cut at " << cut;
    }
}

TEST(DamagedFileTest, TruncatedCompressedMovieIsAnErrorUnlessAllItsBytesInflated) {
    // Cutting only the stream's tail (its checksum or end marker, say) can
    // leave every movie byte intact; then the movie must come out whole,
    // never partly.
    for (bool lzma : {false, true}) {
        SCOPED_TRACE(lzma ? "LZMA" : "zlib");
        ByteVector whole = lzma ? test::ZwsFile(SampleMovie()) : SampleMovie(true);
        DecodedMovie reference = DecodeMovie(whole.data(), whole.size());
        int errors = 0;
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            ByteVector part(whole.begin(), whole.begin() + long(cut));
            try {
                DecodedMovie movie = DecodeMovie(part.data(), part.size());
                EXPECT_EQ(movie.FrameCount(), reference.FrameCount()) << "cut at " << cut;
                EXPECT_EQ(movie.DisplayListAt(1).at(1).matrix, reference.DisplayListAt(1).at(1).matrix);
                EXPECT_EQ(movie.tagCounts, reference.tagCounts) << "cut at " << cut;
            } catch (const DecodeError&) {
                ++errors;
            }
        }
        EXPECT_GT(errors, int(whole.size()) - 8);  // only the last few bytes may go
    }
}

TEST(DamagedFileTest, TruncatedTagErrorStatesItsOffset) {
    ByteVector whole = SampleMovie();
    // The file start (8 bytes) and the header (a 9-byte RECT, rate and
    // count) are followed by the 5-byte SetBackgroundColor; the DefineShape3
    // header is at offset 26.
    ByteVector part(whole.begin(), whole.begin() + 40);
    std::string message = ErrorOf(part);
    EXPECT_NE(message.find("DefineShape3"), std::string::npos) << message;
    EXPECT_NE(message.find("offset 26"), std::string::npos) << message;
}

TEST(DamagedFileTest, LyingTagLengths) {
    ByteVector shortPlace = Bytes().U16(uint16_t(26 << 6 | 3)).U8(0x06).U16(1);  // needs id and matrix
    ByteVector longRemove = Bytes().U16(uint16_t(28 << 6 | 6)).U16(1).Add({9, 9, 9, 9});  // 4 extra bytes
    ByteVector hugeLong = Bytes().U16(uint16_t(26 << 6 | 0x3F)).U32(0xFFFFFFF0u).U8(0);
    struct Case {
        const char* name;
        ByteVector tag;
        bool ok;
    };
    const Case cases[] = {
        {"body shorter than its fields", shortPlace, false},
        {"body longer than its fields", longRemove, true},
        {"length beyond the file", hugeLong, false},
    };
    for (const Case& c : cases) {
        ByteVector file = test::Movie({test::BoxShape(1), c.tag, test::ShowFrame()});
        EXPECT_EQ(ErrorOf(file).empty(), c.ok) << c.name << ": " << ErrorOf(file);
    }
}

TEST(DamagedFileTest, UnknownTagsAreSkippedByLength) {
    ByteVector file = test::Movie({test::Tag(777 & 0x3FF, ByteVector(100, 0xEE)), test::Tag(1000, {1, 2, 3}),
                                   test::BoxShape(1), test::PlaceNew(1, 1), test::ShowFrame()});
    DecodedMovie movie = DecodeMovie(file.data(), file.size());
    EXPECT_EQ(movie.DisplayListAt(0).size(), 1u);
    EXPECT_EQ(movie.TagCount(TagCode(1000)), 1u);
}

ByteVector CompressedFile(const ByteVector& compressedBody, uint32_t declaredLength) {
    return Bytes().Add({'C', 'W', 'S', 8}).U32(declaredLength).Add(compressedBody);
}

TEST(DamagedFileTest, LzmaMovieWithADamagedStreamIsAnError) {
    ByteVector good = test::ZwsFile(SampleMovie());
    ByteVector garbage = good;
    for (size_t i = 8 + 9; i < garbage.size(); ++i) garbage[i] ^= 0x5A;
    EXPECT_FALSE(ErrorOf(garbage).empty());
}

TEST(DamagedFileTest, CompressedMovieWithBadZlibIsAnError) {
    ByteVector good = SampleMovie(true);
    ByteVector garbage = good;
    for (size_t i = 8; i < garbage.size(); ++i) garbage[i] ^= 0x5A;
    EXPECT_NE(ErrorOf(garbage).find("damaged"), std::string::npos) << ErrorOf(garbage);
    ByteVector wrongHeader = good;
    wrongHeader[8] = 0x00;  // not a zlib header
    EXPECT_FALSE(ErrorOf(wrongHeader).empty());
}

// The header, then ShowFrame tags without end: 2 bytes each, highly compressible.
ByteVector ShowFrameFlood(size_t frames) {
    Bytes body;
    body.Add(test::RectBytes(0, 11000, 0, 8000)).U16(0x0C00).U16(1);
    for (size_t i = 0; i < frames; ++i) body.U16(1 << 6);
    return body;
}

TEST(DamagedFileTest, ZlibBombDeclaringItsSizeStopsAtTheLimit) {
    DecodeLimits limits;
    limits.maxInflatedBytes = 1u << 20;
    ByteVector flood = ShowFrameFlood(8u << 20);  // 16 MB inflated
    ByteVector packed = test::Deflate(flood);
    ASSERT_LT(packed.size(), 64u * 1024);
    std::string message = ErrorOf(CompressedFile(packed, uint32_t(flood.size() + 8)), limits);
    EXPECT_NE(message.find("size limit"), std::string::npos) << message;
}

TEST(DamagedFileTest, BombUnderstatingItsSizeUnpacksOnlyTheDeclaredBytes) {
    // Declares 1000 bytes: unpacking (zlib or LZMA) stops there, cutting the
    // ShowFrame tag that starts at offset 999 (the tags start at the odd offset 21).
    ByteVector flood = ShowFrameFlood(8u << 20);
    Bytes fws;
    fws.Add({'F', 'W', 'S', 8}).U32(1000).Add(flood);
    for (const ByteVector& file : {CompressedFile(test::Deflate(flood), 1000), test::ZwsFile(fws)}) {
        std::string message = ErrorOf(file);
        EXPECT_NE(message.find("offset 999"), std::string::npos) << message;
    }
}

TEST(DamagedFileTest, TooManyRecordsAreAnError) {
    DecodeLimits limits;
    limits.maxRecords = 1000;
    ByteVector flood = ShowFrameFlood(5000);
    Bytes file;
    file.Add({'F', 'W', 'S', 8}).U32(uint32_t(flood.size() + 8)).Add(flood);
    std::string message = ErrorOf(file, limits);
    EXPECT_NE(message.find("records"), std::string::npos) << message;
}

}  // namespace
}  // namespace glimmora::swf
