// Files that are not movie documents: a clear DocumentError, never a crash.

#include "DocumentFixture.h"

#include <string>

namespace glimmora::test {
namespace {

using DocumentLoadErrorTest = DocumentTest;

struct BadFileCase {
    const char* name;
    std::string bytes;
    const char* expected;  // part of the message
};

const BadFileCase kBadFiles[] = {
    {"empty file", "", "No document element found"},
    {"blanks only", "  \n\t\n", "No document element found"},
    {"declaration only", "<?xml version=\"1.0\"?>\n", "No document element found"},
    {"plain text", "Width=550\nHeight=400\n", "Text outside the root element"},
    {"text after the root", "<Movie></Movie>\ntrailing", "Text outside the root element"},
    {"two roots", "<Movie></Movie>\n<Movie></Movie>", "More than one root element"},
    {"unclosed root", "<Movie>\n<Width>550</Width>\n", "line 2"},
    {"mismatched tags", "<Movie>\n  <Width>550</Height>\n</Movie>", "line 2"},
    {"bad attribute", "<Movie\n a=1></Movie>", "line 2"},
    {"unclosed comment", "<Movie><!-- </Movie>", "offset"},
    {"binary", std::string("\x00\x01\x02\xFF\xFE\x00<", 7), "Cannot read"},
};

TEST_F(DocumentLoadErrorTest, NotAMovieDocumentGivesADocumentError)
{
    for (const auto& c : kBadFiles) {
        SCOPED_TRACE(c.name);
        try {
            Load(c.bytes);
            ADD_FAILURE() << "no DocumentError";
        } catch (const DocumentError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.expected), std::string::npos) << message;
            EXPECT_NE(message.find(file_.string()), std::string::npos) << message;
        }
        EXPECT_FALSE(doc_.Active());
    }
}

TEST_F(DocumentLoadErrorTest, ParserDescriptionAndPositionAreReported)
{
    try {
        Load("<Movie>\n  <Width>550</Height>\n</Movie>");
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot read " + file_.string() + ": Start-end tags mismatch (line 2, offset 22)");
    }
}

TEST_F(DocumentLoadErrorTest, MissingFileGivesCannotOpen)
{
    doc_.SetFileName(dir_ / "absent.gmr");
    try {
        GetMovie(doc_);
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open " + (dir_ / "absent.gmr").string());
    }
}

TEST_F(DocumentLoadErrorTest, FolderInsteadOfFileGivesCannotOpen)
{
    doc_.SetFileName(dir_.Path());
    EXPECT_THROW(GetMovie(doc_), DocumentError);
}

TEST_F(DocumentLoadErrorTest, RootOtherThanMovieIsRefusedAndLeftUnchanged)
{
    const std::string xml = "<Project><Movie><Width>550</Width></Movie></Project>";
    try {
        Load(xml);
        ADD_FAILURE() << "no DocumentError";
    } catch (const DocumentError& e) {
        EXPECT_NE(std::string(e.what()).find("root element is <Project>"), std::string::npos) << e.what();
    }
    EXPECT_EQ(BytesOf(file_), xml);
}

TEST_F(DocumentLoadErrorTest, FailedReloadLeavesNoStaleTree)
{
    Load("<Movie><Width>550</Width></Movie>");
    WriteBytes(file_, "<Movie>");
    EXPECT_THROW(doc_.Activate(), DocumentError);
    EXPECT_FALSE(doc_.Active());
    EXPECT_FALSE(doc_.Dom().first_child());
}

}  // namespace
}  // namespace glimmora::test
