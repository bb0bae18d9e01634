// Objects on the clipboard: base64 for the media bytes, and the packed text
// read back exactly, or refused with the reason when it is not ours.

#include "document/Base64.h"
#include "document/ClippedObjects.h"
#include "document/ConversionError.h"

#include <gtest/gtest.h>

#include <string>

namespace glimmora::test {
namespace {

struct Base64Case {
    std::string bytes;
    std::string text;
};

class Base64Vectors : public ::testing::TestWithParam<Base64Case> {};

TEST_P(Base64Vectors, EncodeAndDecodeAsTheStandardSays)
{
    EXPECT_EQ(EncodeBase64(GetParam().bytes), GetParam().text);
    EXPECT_EQ(DecodeBase64(GetParam().text), GetParam().bytes);
}

// RFC 4648's test vectors, and bytes of every value.
INSTANTIATE_TEST_SUITE_P(Rfc4648, Base64Vectors,
                         ::testing::Values(Base64Case{"", ""}, Base64Case{"f", "Zg=="}, Base64Case{"fo", "Zm8="},
                                           Base64Case{"foo", "Zm9v"}, Base64Case{"foob", "Zm9vYg=="},
                                           Base64Case{"fooba", "Zm9vYmE="}, Base64Case{"foobar", "Zm9vYmFy"},
                                           Base64Case{std::string("\0\xff\x80\x7f", 4), "AP+Afw=="}));

TEST(Base64, EveryByteValueComesBackAndLineBreaksArePassedOver)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += char(i);
    std::string text = EncodeBase64(bytes);
    text.insert(76, "\r\n");
    EXPECT_EQ(DecodeBase64(text), bytes);
}

class Base64Damaged : public ::testing::TestWithParam<const char*> {};

TEST_P(Base64Damaged, IsRefused)
{
    EXPECT_EQ(DecodeBase64(GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, Base64Damaged,
                         ::testing::Values("Zg=", "Zg", "Z===", "=Zg=", "Zm9v!AAA", "Zg==Zg==", "Zg==x", "Zm=v",
                                           "Zm9vY"));

std::string Obj(const std::string& name, const std::string& kind)
{
    return "<Obj><ObjName>" + name + "</ObjName><StartTime>3</StartTime><EndTime>9</EndTime><ObjTypeName>" + kind +
           "</ObjTypeName><ObjType>\n  <ObjText><Content>Hi &amp; \xe4\xbd\xa0</Content></ObjText>\n</ObjType></Obj>";
}

TEST(ClippedObjects, ComeBackExactlyWithTheirMedia)
{
    const std::vector<ClippedObject> objects{
        {Obj("Title", "Text"), "", ""},
        {Obj("Logo", "Pic"), ".png", std::string("\x89PNG\r\n\x1a\n\0\0", 10)},
        {Obj("Tune", "Sound"), ".wav", "RIFF"},
        {Obj("Photo", "Pic"), ".jpg", ""},
    };
    const std::string packed = PackClippedObjects(objects);
    EXPECT_NE(packed.find("<GlimmoraObjects Version=\"1\">"), std::string::npos) << packed;
    EXPECT_EQ(UnpackClippedObjects(packed), objects);
}

struct DamagedCase {
    const char* label;
    std::string text;
    const char* reason;
};

class ClippedObjectsDamaged : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(ClippedObjectsDamaged, AreRefusedSayingWhy)
{
    try {
        UnpackClippedObjects(GetParam().text);
        FAIL() << "taken";
    } catch (const DocumentError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().reason), std::string::npos) << error.what();
        EXPECT_EQ(std::string(error.what()).rfind("The clipboard's objects cannot be pasted: ", 0), 0u) << error.what();
    }
}

std::string Packed(const std::string& items) { return "<GlimmoraObjects Version=\"1\">" + items + "</GlimmoraObjects>"; }

INSTANTIATE_TEST_SUITE_P(
    Texts, ClippedObjectsDamaged,
    ::testing::Values(
        DamagedCase{"notXml", "<GlimmoraObjects Version=\"1\"><Item>", "not readable XML"},
        DamagedCase{"otherRoot", "<Movie><Obj/></Movie>", "not written by Glimmora"},
        DamagedCase{"otherVersion", "<GlimmoraObjects Version=\"2\"/>", "another version"},
        DamagedCase{"empty", Packed(""), "there are none"},
        DamagedCase{"itemWithoutObj", Packed("<Item><Media Extension=\".jpg\">AA==</Media></Item>"), "no single object"},
        DamagedCase{"twoObjsInAnItem", Packed("<Item>" + Obj("A", "Text") + Obj("B", "Text") + "</Item>"),
                    "no single object"},
        DamagedCase{"unknownKind", Packed("<Item>" + Obj("A", "Movie") + "</Item>"), "\"Movie\" is no kind"},
        DamagedCase{"noName", Packed("<Item><Obj><ObjTypeName>Text</ObjTypeName></Obj></Item>"), "has no name"},
        DamagedCase{"soundForAPicture",
                    Packed("<Item>" + Obj("A", "Pic") + "<Media Extension=\".wav\">AA==</Media></Item>"),
                    "a picture cannot have a \".wav\" file"},
        DamagedCase{"mediaForAText",
                    Packed("<Item>" + Obj("A", "Text") + "<Media Extension=\".jpg\">AA==</Media></Item>"),
                    "a text cannot have"},
        DamagedCase{"damagedBytes",
                    Packed("<Item>" + Obj("Logo", "Pic") + "<Media Extension=\".png\">AA=A</Media></Item>"),
                    "the file of Logo is damaged"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace glimmora::test
