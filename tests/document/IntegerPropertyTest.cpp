// Integer properties: decimal text only, with the conversion error naming the
// text; a missing element is appended empty before the error.

#include "DocumentFixture.h"

#include "document/ConversionError.h"
#include "document/IntegerText.h"

#include <optional>

namespace glimmora::test {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<int> value;  // nothing: not an integer
};

const IntegerCase kIntegerCases[] = {
    {"550", 550},
    {"0", 0},
    {"-7", -7},
    {"+5", 5},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"", std::nullopt},
    {"12a", std::nullopt},
    {" 12", std::nullopt},
    {"12 ", std::nullopt},
    {"1 2", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"--1", std::nullopt},
    {"$10", std::nullopt},
    {"0x10", std::nullopt},
    {"1.0", std::nullopt},
    {"1e3", std::nullopt},
};

TEST(IntegerText, ConvertsSignedDecimalTextOnly)
{
    for (const auto& c : kIntegerCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        EXPECT_EQ(TryParseIntegerText(c.text), c.value);
        if (c.value) {
            EXPECT_EQ(ParseIntegerText(c.text), *c.value);
        } else {
            try {
                ParseIntegerText(c.text);
                ADD_FAILURE() << "no ConversionError";
            } catch (const ConversionError& e) {
                EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
            }
        }
    }
}

TEST(IntegerText, MessageNamesTheElementAndShowsALongTextByItsStart)
{
    const std::string digits(5000, '9');
    try {
        ParseIntegerText(digits, "FontSize");
        ADD_FAILURE() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "FontSize: '" + digits.substr(0, 40) + "...' is not a valid integer value");
    }
}

using IntegerPropertyTest = DocumentTest;

TEST_F(IntegerPropertyTest, ReadsElementTextThroughTheBinding)
{
    for (const auto& c : kIntegerCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        IXMLMovie movie = Load(std::string("<Movie><Width>") + c.text + "</Width></Movie>");
        if (c.value)
            EXPECT_EQ(movie.Width(), *c.value);
        else
            EXPECT_THROW(movie.Width(), ConversionError);
    }
}

TEST_F(IntegerPropertyTest, MissingElementIsAppendedEmptyThenFails)
{
    IXMLMovie movie = Load("<Movie><Width>550</Width></Movie>");
    try {
        movie.Height();
        ADD_FAILURE() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "Height: '' is not a valid integer value") << "names the element";
    }
    EXPECT_EQ(SaveAndRead(), "<Movie><Width>550</Width><Height></Height></Movie>");
    // A second read finds the appended element instead of adding another.
    EXPECT_THROW(movie.Height(), ConversionError);
    EXPECT_EQ(SaveAndRead(), "<Movie><Width>550</Width><Height></Height></Movie>");
}

TEST_F(IntegerPropertyTest, WriteStoresDecimalTextThatReadsBack)
{
    IXMLMovie movie = Load("<Movie><Rate>abc</Rate></Movie>");
    movie.SetRate(-2147483647 - 1);
    EXPECT_EQ(movie.Rate(), -2147483647 - 1);
    movie.SetWidth(550);
    EXPECT_EQ(SaveAndRead(), "<Movie><Rate>-2147483648</Rate><Width>550</Width></Movie>");
}

}  // namespace
}  // namespace glimmora::test
