// Basic records and tag framing against expected bytes, including the worked
// examples of our format notes.

#include "swf/writer/ControlTags.h"
#include "swf/writer/DisplayListTags.h"
#include "swf/writer/RecordWriter.h"
#include "swf/writer/SoundTags.h"
#include "swf/writer/TagHeader.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace glimmora::swf {
namespace {

using Bytes = std::vector<uint8_t>;

struct RecordCase {
    const char* name;
    std::function<void(BitWriter&)> write;
    Bytes expected;
};

void ExpectCases(const std::vector<RecordCase>& cases)
{
    for (const RecordCase& c : cases) {
        BitWriter writer;
        c.write(writer);
        EXPECT_EQ(writer.Data(), c.expected) << c.name;
    }
}

Matrix Translate(Twips x, Twips y)
{
    Matrix m;
    m.translateX = x;
    m.translateY = y;
    return m;
}

TEST(RecordWriter, Rects)
{
    ExpectCases({
        {"550 x 400 px stage", [](BitWriter& w) { WriteRect(w, Rect{0, 11000, 0, 8000}); },
         {0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00}},
        {"empty rect is one byte", [](BitWriter& w) { WriteRect(w, Rect{}); }, {0x00}},
        {"negative corners", [](BitWriter& w) { WriteRect(w, Rect{-20, 100, 0, -1}); },
         {0x47, 0x63, 0x20, 0x07, 0xF8}},
    });
}

TEST(RecordWriter, Matrices)
{
    Matrix turned;
    turned.scaleX = 131072;
    turned.scaleY = 196608;
    turned.rotateSkew0 = -65536;
    turned.rotateSkew1 = 32768;
    turned.translateX = -20;
    turned.translateY = 40;
    ExpectCases({
        {"identity", [](BitWriter& w) { WriteMatrix(w, Matrix{}); }, {0x00}},
        {"translate (2000, 1000)", [](BitWriter& w) { WriteMatrix(w, Translate(2000, 1000)); },
         {0x18, 0xFA, 0x07, 0xD0}},
        {"scale, skew and translate", [turned](BitWriter& w) { WriteMatrix(w, turned); },
         {0xCD, 0x00, 0x00, 0x30, 0x00, 0x0C, 0x60, 0x00, 0x08, 0x00, 0x03, 0xEC, 0x50}},
    });
}

TEST(RecordWriter, ColorTransforms)
{
    ColorTransform half;
    half.multA = 128;
    ColorTransform fill;
    fill.multR = fill.multG = fill.multB = fill.multA = 0;
    fill.addR = 255;
    fill.addB = 16;
    fill.addA = 128;
    ExpectCases({
        {"half transparent", [half](BitWriter& w) { WriteColorTransformWithAlpha(w, half); },
         {0x69, 0x00, 0x40, 0x10, 0x02, 0x00}},
        {"colour by add terms only", [fill](BitWriter& w) { WriteColorTransformWithAlpha(w, fill); },
         {0xE4, 0x00, 0x00, 0x00, 0x00, 0x1F, 0xE0, 0x00, 0x82, 0x00}},
        {"identity", [](BitWriter& w) { WriteColorTransformWithAlpha(w, ColorTransform{}); }, {0x00}},
    });
}

TEST(RecordWriter, ValuesBeyondTheFieldWidthAreClamped)
{
    BitWriter writer;
    WriteMatrix(writer, Translate(INT32_MAX, INT32_MIN));
    // 5-bit width 31, then two 31-bit values: +2^30-1 and -2^30.
    ASSERT_EQ(writer.Size(), 9u);
    EXPECT_EQ((writer.Data()[0] >> 1) & 0x1F, 31);
}

TEST(TagWriter, HeadersShortAndLong)
{
    BitWriter body;
    for (int i = 0; i < 5; ++i) {
        body.UI8(uint8_t(i));
    }
    ExpectCases({
        {"ShowFrame", [](BitWriter& w) { WriteShowFrame(w); }, {0x40, 0x00}},
        {"End", [](BitWriter& w) { WriteEnd(w); }, {0x00, 0x00}},
        {"SetBackgroundColor", [](BitWriter& w) { WriteSetBackgroundColor(w, Rgba{1, 2, 3, 255}); },
         {0x43, 0x02, 0x01, 0x02, 0x03}},
        {"FileAttributes", [](BitWriter& w) { WriteFileAttributes(w, 0); },
         {0x44, 0x11, 0x00, 0x00, 0x00, 0x00}},
        {"62 bytes stay short", [](BitWriter& w) { WriteTagHeader(w, TagCode::PlaceObject2, 62); },
         {0xBE, 0x06}},
        {"63 bytes need the long form",
         [](BitWriter& w) { WriteTagHeader(w, TagCode::PlaceObject2, 63); },
         {0xBF, 0x06, 0x3F, 0x00, 0x00, 0x00}},
        {"long on request", [body](BitWriter& w) { WriteTag(w, TagCode::DefineBitsJPEG2, body, true); },
         {0x7F, 0x05, 0x05, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0x04}},
    });
}

TEST(TagWriter, DisplayListAndSoundTags)
{
    PlaceObject2 place;
    place.depth = 1;
    place.characterId = 1;
    place.matrix = Matrix{};
    PlaceObject2 modify;
    modify.depth = 0x0102;
    modify.move = true;
    modify.matrix = Translate(2000, 1000);
    ExpectCases({
        {"place", [place](BitWriter& w) { BitWriter s; WritePlaceObject2(w, s, place); },
         {0x86, 0x06, 0x06, 0x01, 0x00, 0x01, 0x00, 0x00}},
        {"modify the matrix", [modify](BitWriter& w) { BitWriter s; WritePlaceObject2(w, s, modify); },
         {0x87, 0x06, 0x05, 0x02, 0x01, 0x18, 0xFA, 0x07, 0xD0}},
        {"remove", [](BitWriter& w) { WriteRemoveObject2(w, 7); }, {0x02, 0x07, 0x07, 0x00}},
        {"start sound", [](BitWriter& w) { WriteStartSound(w, 3, false); },
         {0xC3, 0x03, 0x03, 0x00, 0x00}},
        {"stop sound", [](BitWriter& w) { WriteStartSound(w, 3, true); },
         {0xC3, 0x03, 0x03, 0x00, 0x20}},
        {"define sound, long header",
         [](BitWriter& w) { WriteDefineSound(w, 2, PcmFormatByte(2, true, false), 1, {0x10, 0x20}); },
         {0xBF, 0x03, 0x09, 0x00, 0x00, 0x00, 0x02, 0x00, 0x3A, 0x01, 0x00, 0x00, 0x00, 0x10, 0x20}},
    });
}

TEST(TagWriter, SoundFormatBytes)
{
    EXPECT_EQ(PcmFormatByte(2, true, false), 0x3A);  // 22050 Hz, 16-bit, mono
    EXPECT_EQ(PcmFormatByte(0, true, false), 0x32);
    EXPECT_EQ(PcmFormatByte(3, true, false), 0x3E);
    EXPECT_EQ(PcmFormatByte(1, true, false), 0x36);
}

}  // namespace
}  // namespace glimmora::swf
