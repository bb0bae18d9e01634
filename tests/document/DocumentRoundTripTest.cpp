// Loading and saving keeps a file as it was written, apart from the changes.

#include "DocumentFixture.h"

namespace glimmora::test {
namespace {

using DocumentRoundTripTest = DocumentTest;

struct RoundTripCase {
    const char* name;
    std::string xml;
};

const RoundTripCase kUnchangedFiles[] = {
    {"indented with declaration",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<Movie>\n"
     "  <BgColor>16777215</BgColor>\n"
     "\t<Width>550</Width>\n"
     "  <Obj>\n"
     "    <ObjType>\n"
     "      <ObjText>\n"
     "        <Content>  two  blanks  </Content>\n"
     "        <EffectValue></EffectValue>\n"
     "      </ObjText>\n"
     "    </ObjType>\n"
     "  </Obj>\n"
     "</Movie>\n"},
    {"Windows line ends", "<?xml version=\"1.0\"?>\r\n<Movie>\r\n  <Width>550</Width>\r\n</Movie>\r\n"},
    {"no declaration, no final line end", "<Movie><Width>550</Width></Movie>"},
    {"comments, instruction and doctype",
     "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
     "<!DOCTYPE Movie>\n<!-- saved by hand -->\n<?app keep?>\n"
     "<Movie><!-- inside --><Loop>True</Loop></Movie>\n\n"},
    {"byte order mark", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie>\n</Movie>\n"},
    {"escaped and CDATA text", "<Movie><Content>a &amp; &lt;b&gt;</Content><Author><![CDATA[<x>]]></Author></Movie>"},
    {"Chinese text", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie><Content>\xE4\xBD\xA0\xE5\xA5\xBD</Content></Movie>\n"},
};

TEST_F(DocumentRoundTripTest, UnchangedFileIsWrittenBackByteForByte)
{
    for (const auto& c : kUnchangedFiles) {
        SCOPED_TRACE(c.name);
        Load(c.xml);
        EXPECT_EQ(SaveAndRead(), c.xml);
    }
}

TEST_F(DocumentRoundTripTest, ReadingExistingPropertiesChangesNothing)
{
    const std::string xml = kUnchangedFiles[0].xml;
    IXMLMovie movie = Load(xml);
    EXPECT_EQ(movie.Width(), 550);
    EXPECT_EQ(movie.BgColor(), "16777215");
    EXPECT_EQ(movie.Obj().Items(0).ObjType().ObjText().Content(), "  two  blanks  ");
    EXPECT_EQ(SaveAndRead(), xml);
}

TEST_F(DocumentRoundTripTest, SelfClosedEmptyElementIsWrittenWithAnEndTag)
{
    // The one spelling not kept: both forms mean the same empty element.
    Load("<Movie><BgPic/><Author /></Movie>");
    EXPECT_EQ(SaveAndRead(), "<Movie><BgPic></BgPic><Author></Author></Movie>");
}

TEST_F(DocumentRoundTripTest, ChineseContentSurvivesSaveAndReload)
{
    const std::string chinese = "\xE6\xAC\xA2\xE8\xBF\x8E\xE5\x85\x89\xE4\xB8\xB4";  // 欢迎光临
    IXMLMovie movie = Load("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Movie>\n</Movie>\n");
    IXMLObj obj = movie.Obj().Add();
    obj.ObjType().ObjText().SetContent(chinese);
    obj.SetObjName(chinese + "_1");
    doc_.SaveToFile();

    TXMLDocument reloaded;
    reloaded.SetFileName(file_);
    IXMLObj back = GetMovie(reloaded).Obj().Items(0);
    EXPECT_EQ(back.ObjType().ObjText().Content(), chinese);
    EXPECT_EQ(back.ObjName(), chinese + "_1");
    EXPECT_NE(BytesOf(file_).find(chinese), std::string::npos) << "stored as UTF-8, not as references";
}

TEST_F(DocumentRoundTripTest, Utf16FileIsReadAndWrittenBackInUtf16)
{
    // "<Movie><Content>中</Content></Movie>" in UTF-16 little endian with a mark.
    std::string xml = "\xFF\xFE";
    for (char c : std::string("<Movie><Content>")) xml += {c, '\0'};
    xml += "\x2D\x4E";
    for (char c : std::string("</Content></Movie>")) xml += {c, '\0'};
    IXMLMovie movie = Load(xml);
    EXPECT_EQ(movie.Obj().Count(), 0);
    EXPECT_EQ(SaveAndRead(), xml);
}

TEST_F(DocumentRoundTripTest, LoadedFileWithoutDeclarationGetsNone)
{
    IXMLMovie movie = Load("<Movie>\n</Movie>");
    movie.SetWidth(550);
    EXPECT_EQ(SaveAndRead(), "<Movie>\n<Width>550</Width></Movie>");
}

TEST_F(DocumentRoundTripTest, NewDocumentGetsAnEmptyMovieAndADeclaration)
{
    // No file: a new document, without a root element until it is bound.
    IXMLMovie movie = GetMovie(doc_);
    ASSERT_TRUE(movie);
    EXPECT_STREQ(movie.Node().name(), "Movie");
    EXPECT_EQ(movie.Obj().Count(), 0);
    movie.SetWidth(550);
    const auto file = dir_ / "new.gmr";
    doc_.SaveToFile(file);
    EXPECT_EQ(BytesOf(file), "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Movie><Width>550</Width></Movie>");
}

TEST_F(DocumentRoundTripTest, EmptiedTreeGetsANewMovieRoot)
{
    Load("<Movie><Width>1</Width></Movie>");
    doc_.Dom().remove_children();
    IXMLMovie movie = GetMovie(doc_);
    EXPECT_STREQ(movie.Node().name(), "Movie");
    EXPECT_EQ(movie.Obj().Count(), 0);
}

TEST_F(DocumentRoundTripTest, SavingReplacesTheFileWithoutLeavingTemporaries)
{
    IXMLMovie movie = Load("<Movie></Movie>");
    movie.SetRate(12);
    doc_.SaveToFile();
    movie.SetRate(24);
    doc_.SaveToFile();
    EXPECT_EQ(BytesOf(file_), "<Movie><Rate>24</Rate></Movie>");
    EXPECT_EQ(FolderEntries(dir_.Path()), std::vector<std::string>{"movie.gmr"});
}

TEST_F(DocumentRoundTripTest, SavingWithoutAFileNameFails)
{
    GetMovie(doc_);
    EXPECT_THROW(doc_.SaveToFile(), DocumentError);
}

}  // namespace
}  // namespace glimmora::test
