// Colour values: decimal or "$" hexadecimal integer text.

#include "document/ColorValue.h"
#include "document/ConversionError.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace glimmora {
namespace {

struct ColorCase {
    const char* text;
    std::optional<int> value;  // nothing: not a colour value
};

const ColorCase kColorCases[] = {
    {"$FF0000", 16711680},  // pure blue
    {"16711680", 16711680},
    {"$ff", 255},           // red, lower-case digits
    {"$Ff00", 0xFF00},
    {"255", 255},
    {"0", 0},
    {"$0", 0},
    {"$00FFFFFF", 0xFFFFFF},
    {"$FFFFFFFF", -1},      // the 32-bit pattern, as integer text always held it
    {"-5", -5},
    {"+5", 5},
    {"$100000000", std::nullopt},
    {"", std::nullopt},
    {"$", std::nullopt},
    {"$G1", std::nullopt},
    {"$ FF", std::nullopt},
    {"$-1", std::nullopt},
    {"-$1", std::nullopt},
    {"red", std::nullopt},
    {"#FF0000", std::nullopt},
    {"0xFF", std::nullopt},
    {" 255", std::nullopt},
    {"2147483648", std::nullopt},
};

TEST(ColorValue, ParsesDecimalAndDollarHexadecimal)
{
    for (const auto& c : kColorCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        if (c.value) {
            EXPECT_EQ(ParseColorValue(c.text), *c.value);
            EXPECT_EQ(ParseColorValueOr(c.text, 42), *c.value);
        } else {
            try {
                ParseColorValue(c.text);
                ADD_FAILURE() << "no ConversionError";
            } catch (const ConversionError& e) {
                EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
            }
            EXPECT_EQ(ParseColorValueOr(c.text, 42), 42);
        }
    }
}

TEST(ColorValue, ChannelsFollowRedLowBlueHigh)
{
    const int blue = ParseColorValue("$FF0000");
    EXPECT_EQ(RedOf(blue), 0);
    EXPECT_EQ(GreenOf(blue), 0);
    EXPECT_EQ(BlueOf(blue), 255);
    const int mixed = ParseColorValue("$123456");
    EXPECT_EQ(RedOf(mixed), 0x56);
    EXPECT_EQ(GreenOf(mixed), 0x34);
    EXPECT_EQ(BlueOf(mixed), 0x12);
    // 255 is red whichever way it is written.
    EXPECT_EQ(RedOf(ParseColorValue("$FF")), 255);
    EXPECT_EQ(RedOf(ParseColorValue("255")), 255);
}

}  // namespace
}  // namespace glimmora
