// Project files in the character set their XML declaration names: read in
// it, saved in it while every character fits, else saved in UTF-8 with the
// declaration changed; never an invalid file, never a replaced character.

#include "DocumentFixture.h"

namespace glimmora::test {
namespace {

using DeclaredEncodingTest = DocumentTest;

// 中文 and 你好 in GB2312 and in UTF-8; 镕 is in GBK but not in GB2312.
const std::string kChineseGb = "\xD6\xD0\xCE\xC4";
const std::string kChinese = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kHelloGb = "\xC4\xE3\xBA\xC3";
const std::string kHello = "\xE4\xBD\xA0\xE5\xA5\xBD";
const std::string kRongGbk = "\xE9\x46";
const std::string kRong = "\xE9\x95\x95";
const std::string kGrinning = "\xF0\x9F\x98\x80";  // in no legacy character set

std::string Project(const std::string& encoding, const std::string& content)
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<Movie><Obj><ObjType><ObjText><Content>" +
           content + "</Content></ObjText></ObjType></Obj></Movie>\n";
}

IXMLObjText FirstText(const IXMLMovie& movie) { return movie.Obj().Items(0).ObjType().ObjText(); }

TEST_F(DeclaredEncodingTest, Gb2312ProjectIsReadEditedAndSavedInGb2312)
{
    IXMLMovie movie = Load(Project("GB2312", kChineseGb));
    EXPECT_EQ(FirstText(movie).Content(), kChinese);
    EXPECT_EQ(SaveAndRead(), Project("GB2312", kChineseGb)) << "an unchanged file is written back as it was";

    FirstText(movie).SetContent(kHello + kChinese);
    EXPECT_EQ(SaveAndRead(), Project("GB2312", kHelloGb + kChineseGb));

    TXMLDocument reloaded;
    reloaded.SetFileName(file_);
    EXPECT_EQ(FirstText(GetMovie(reloaded)).Content(), kHello + kChinese);
}

struct Overflow {
    const char* encoding;
    std::string content;  // as stored in that encoding
    std::string added;    // UTF-8 text the encoding cannot hold
};

class DeclaredEncodingOverflow : public DocumentTest, public ::testing::WithParamInterface<Overflow> {};

TEST_P(DeclaredEncodingOverflow, ACharacterThatDoesNotFitTurnsTheFileIntoUtf8)
{
    IXMLMovie movie = Load(Project(GetParam().encoding, GetParam().content));
    const std::string text = FirstText(movie).Content() + GetParam().added;
    FirstText(movie).SetContent(text);
    EXPECT_EQ(SaveAndRead(), Project("UTF-8", text)) << "UTF-8, with a declaration that says so";

    TXMLDocument reloaded;
    reloaded.SetFileName(file_);
    EXPECT_EQ(FirstText(GetMovie(reloaded)).Content(), text) << "no character replaced";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeclaredEncodingOverflow,
    ::testing::Values(Overflow{"GB2312", kChineseGb, kGrinning}, Overflow{"GB2312", kChineseGb, "\xE2\x82\xAC"},
                      Overflow{"windows-1252", "caf\xE9 \x80", kChinese}, Overflow{"ISO-8859-1", "caf\xE9", kChinese},
                      Overflow{"US-ASCII", "cafe", "\xC3\xA9"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(DeclaredEncodingTest, Windows1252IsReadAsWindows1252)
{
    IXMLMovie movie = Load(Project("windows-1252", "caf\xE9 \x80"));
    EXPECT_EQ(FirstText(movie).Content(), "caf\xC3\xA9 \xE2\x82\xAC");
    FirstText(movie).SetContent("\xE2\x82\xAC 5");
    EXPECT_EQ(SaveAndRead(), Project("windows-1252", "\x80 5"));
}

TEST_F(DeclaredEncodingTest, Gb2312LabelReadsGbkCharactersAndKeepsThemInUtf8)
{
    // Files labelled GB2312 commonly hold GBK characters; they are read, and
    // since GB2312 cannot hold them, saved as UTF-8.
    IXMLMovie movie = Load(Project("gb2312", kRongGbk));
    EXPECT_EQ(FirstText(movie).Content(), kRong);
    EXPECT_EQ(SaveAndRead(), Project("UTF-8", kRong));
}

struct Unreadable {
    std::string bytes;
    const char* message;
};

class UnreadableEncoding : public DocumentTest, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableEncoding, IsAClearErrorNamingFileAndLine)
{
    try {
        Load(GetParam().bytes);
        ADD_FAILURE() << "loaded";
    } catch (const DocumentError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(file_.string()), std::string::npos) << message;
        EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableEncoding,
    ::testing::Values(Unreadable{"<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<Movie>\n<Content>\xFF\xFF</Content>"
                                 "</Movie>",
                                 "not valid GB2312 text (line 3"},
                      Unreadable{Project("x-no-such-set", "caf\xE9"), "encoding \"x-no-such-set\""},
                      // iconv would take this name as GB2312, but it is no encoding
                      // name a file can declare: a save could not be read back.
                      Unreadable{Project("G\x01"
                                         "B2312",
                                         "\xD6\xD0"),
                                 "encoding \"G"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(DeclaredEncodingTest, UnknownEncodingOfPlainAsciiLoadsAndKeepsItsDeclaration)
{
    IXMLMovie movie = Load(Project("x-no-such-set", "plain"));
    EXPECT_EQ(FirstText(movie).Content(), "plain");
    EXPECT_EQ(SaveAndRead(), Project("x-no-such-set", "plain"));
    FirstText(movie).SetContent(kChinese);
    EXPECT_EQ(SaveAndRead(), Project("UTF-8", kChinese));
}

TEST_F(DeclaredEncodingTest, DeclarationThatMisnamesAUnicodeFileIsCorrected)
{
    // UTF-8 bytes under a UTF-16 label, and UTF-16 under a legacy label.
    Load(Project("UTF-16", kChinese));
    EXPECT_EQ(SaveAndRead(), Project("UTF-8", kChinese));

    std::string utf16 = "\xFF\xFE";
    for (char c : Project("GB2312", "a")) utf16 += {c, '\0'};
    Load(utf16);
    std::string expected = "\xFF\xFE";
    for (char c : Project("UTF-16", "a")) expected += {c, '\0'};
    EXPECT_EQ(SaveAndRead(), expected);
}

TEST_F(DeclaredEncodingTest, AbsurdNestingHasAMessageOfItsOwn)
{
    const int depth = 100000;
    std::string xml = "<Movie>";
    for (int i = 0; i < depth; ++i) xml += "<a>";
    for (int i = 0; i < depth; ++i) xml += "</a>";
    xml += "</Movie>";
    try {
        Load(xml);
        ADD_FAILURE() << "loaded";
    } catch (const DocumentError& e) {
        EXPECT_NE(std::string(e.what()).find("nested more than 1000 deep"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace glimmora::test
