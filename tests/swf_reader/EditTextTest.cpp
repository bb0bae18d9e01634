// DefineEditText: each optional field is present exactly when its flag says.

#include "swf/reader/DecodedMovie.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

using test::Bytes;
using test::ByteVector;

TEST(EditTextTest, OptionalFieldsAreReadWhereTheirFlagsAreSet) {
    struct Case {
        const char* name;
        uint8_t flags1, flags2;
        ByteVector fields;  // after the flags
        EditText expected;
    };
    EditText everything;
    everything.fontId = 7;
    everything.fontHeight = 480;
    everything.color = Rgba{1, 2, 3, 4};
    everything.maxLength = 12;
    everything.align = EditText::Align::Center;
    everything.leftMargin = 20;
    everything.rightMargin = 40;
    everything.indent = 60;
    everything.leading = -2;
    everything.variableName = "score";
    everything.initialText = "<b>Hi</b>";
    everything.wordWrap = everything.multiline = everything.password = everything.readOnly = true;
    everything.autoSize = everything.noSelect = everything.border = everything.wasStatic = true;
    everything.html = everything.useOutlines = true;

    EditText bare;
    bare.variableName = "v";

    EditText byClass;
    byClass.fontClass = "Body";
    byClass.fontHeight = 200;
    byClass.initialText = "x";
    byClass.align = EditText::Align::Left;  // an unknown alignment reads as left

    const Case cases[] = {
        {"every field", 0xFF, 0x7F,
         Bytes().U16(7).U16(480).Add({1, 2, 3, 4}).U16(12).U8(2).U16(20).U16(40).U16(60).U16(uint16_t(-2))
             .Str("score").Str("<b>Hi</b>"),
         everything},
        {"no optional field", 0x00, 0x00, Bytes().Str("v"), bare},
        {"font by class name", 0x80, 0xA0,
         Bytes().Str("Body").U16(200).U8(9).U16(0).U16(0).U16(0).U16(0).Str("").Str("x"), byClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes body;
        body.U16(5).Add(test::RectBytes(-40, 2000, 0, 400)).U8(c.flags1).U8(c.flags2).Add(c.fields);
        const DecodedMovie movie = test::Decode(test::Movie({test::Tag(37, body), test::ShowFrame()}));
        const auto* field = std::get_if<EditText>(movie.dictionary.at(5).get());
        ASSERT_NE(field, nullptr);
        const EditText& e = c.expected;
        EXPECT_EQ(field->bounds.xMin, -40);
        EXPECT_EQ(field->bounds.xMax, 2000);
        EXPECT_EQ(field->bounds.yMax, 400);
        EXPECT_EQ(field->fontId, e.fontId);
        EXPECT_EQ(field->fontClass, e.fontClass);
        EXPECT_EQ(field->fontHeight, e.fontHeight);
        EXPECT_EQ(field->color.has_value(), e.color.has_value());
        if (field->color && e.color) {
            EXPECT_EQ(*field->color, *e.color);
        }
        EXPECT_EQ(field->maxLength, e.maxLength);
        EXPECT_EQ(field->align, e.align);
        EXPECT_EQ(field->leftMargin, e.leftMargin);
        EXPECT_EQ(field->rightMargin, e.rightMargin);
        EXPECT_EQ(field->indent, e.indent);
        EXPECT_EQ(field->leading, e.leading);
        EXPECT_EQ(field->variableName, e.variableName);
        EXPECT_EQ(field->initialText, e.initialText);
        const bool flags[] = {field->wordWrap, field->multiline, field->password, field->readOnly, field->autoSize,
                              field->noSelect, field->border, field->wasStatic, field->html, field->useOutlines};
        const bool expectedFlags[] = {e.wordWrap, e.multiline, e.password, e.readOnly, e.autoSize,
                                      e.noSelect, e.border, e.wasStatic, e.html, e.useOutlines};
        for (size_t i = 0; i < std::size(flags); ++i) EXPECT_EQ(flags[i], expectedFlags[i]) << "flag " << i;
    }
}

TEST(EditTextTest, AFieldCutOffInItsFieldsIsAnError) {
    Bytes body;
    body.U16(5).Add(test::RectBytes(0, 2000, 0, 400)).U8(0x81).U8(0x00).U16(7);  // the font height is missing
    EXPECT_NE(test::ErrorOfDecoding(test::Movie({test::Tag(37, body), test::ShowFrame()})), "");
}

}  // namespace
}  // namespace glimmora::swf
