// Document text to code points and back.

#include "generation/Utf8Text.h"

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

struct DecodeCase {
    std::string bytes;
    std::u32string text;
};

class Utf8Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decode, GivesOneCodePointPerCharacter)
{
    EXPECT_EQ(DecodeUtf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8Decode,
    ::testing::Values(DecodeCase{"", U""}, DecodeCase{"Hi", U"Hi"},
                      DecodeCase{"\xE4\xB8\xAD\xE6\x96\x87", U"\u4E2D\u6587"},
                      DecodeCase{"\xC3\xA9t\xC3\xA9", U"\u00E9t\u00E9"},
                      DecodeCase{"\xF0\x9F\x98\x80", U"\U0001F600"},
                      // Malformed input: each bad sequence becomes U+FFFD.
                      DecodeCase{"a\x80z", U"a\uFFFDz"}, DecodeCase{"\xE4\xB8", U"\uFFFD"},
                      DecodeCase{"\xE4\xB8z", U"\uFFFDz"}, DecodeCase{"\xC0\xAF", U"\uFFFD"},
                      DecodeCase{"\xED\xA0\x80", U"\uFFFD"}, DecodeCase{"\xF4\x90\x80\x80", U"\uFFFD"},
                      DecodeCase{"\xFF", U"\uFFFD"}));

TEST(Utf8Encode, RoundTripsEveryPlane)
{
    const std::u32string text = U"A\u00E9\u4E2D\U0001F600";
    EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
    EXPECT_EQ(EncodeUtf8(std::u32string(1, char32_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(EncodeUtf8(std::u32string(1, char32_t(0x110000))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace glimmora::test
