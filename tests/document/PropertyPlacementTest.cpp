// Property reads and writes: the first child of that name is used; a missing
// one is appended as the parent's last child, without added whitespace.

#include "DocumentFixture.h"

#include "document/ConversionError.h"

namespace glimmora::test {
namespace {

using PropertyPlacementTest = DocumentTest;

const char* const kIndentedMovie =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Movie>\n"
    "  <Width>550</Width>\n"
    "  <Obj>\n"
    "    <ObjName>Text_1</ObjName>\n"
    "  </Obj>\n"
    "</Movie>\n";

TEST_F(PropertyPlacementTest, MissingElementLandsAsLastChildWithoutWhitespace)
{
    IXMLMovie movie = Load(kIndentedMovie);
    movie.SetTotalFrames(25);
    EXPECT_EQ(movie.Author(), "");  // a text read appends too, and never fails
    EXPECT_EQ(SaveAndRead(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Movie>\n"
              "  <Width>550</Width>\n"
              "  <Obj>\n"
              "    <ObjName>Text_1</ObjName>\n"
              "  </Obj>\n"
              "<TotalFrames>25</TotalFrames><Author></Author></Movie>\n");
}

TEST_F(PropertyPlacementTest, NestedElementsAreCreatedInTheOrderTheyAreTouched)
{
    IXMLMovie movie = Load("<Movie></Movie>");
    IXMLObj obj = movie.Obj().Add();
    obj.SetObjName("Text_1");
    obj.SetObjTypeName("Text");
    IXMLObjText text = obj.ObjType().ObjText();
    text.SetContent("Hi");
    text.SetFontSize(18);
    EXPECT_EQ(SaveAndRead(),
              "<Movie><Obj><ObjName>Text_1</ObjName><ObjTypeName>Text</ObjTypeName>"
              "<ObjType><ObjText><Content>Hi</Content><FontSize>18</FontSize></ObjText></ObjType></Obj></Movie>");
}

TEST_F(PropertyPlacementTest, FirstOfDuplicateElementsIsReadAndWritten)
{
    IXMLMovie movie = Load("<Movie><Loop>True</Loop><Loop>False</Loop></Movie>");
    EXPECT_EQ(movie.Loop(), "True");
    movie.SetLoop("False");
    EXPECT_EQ(SaveAndRead(), "<Movie><Loop>False</Loop><Loop>False</Loop></Movie>");
}

TEST_F(PropertyPlacementTest, OnlyElementsMatchAPropertyName)
{
    // A processing instruction and a nested grandchild of the same name are
    // not the property.
    IXMLMovie movie = Load("<Movie><?Width 1?><Obj><Width>7</Width></Obj></Movie>");
    movie.SetWidth(550);
    EXPECT_EQ(SaveAndRead(), "<Movie><?Width 1?><Obj><Width>7</Width></Obj><Width>550</Width></Movie>");
}

TEST_F(PropertyPlacementTest, TextIsReturnedUnchanged)
{
    IXMLMovie movie = Load("<Movie><MovieName>  a &amp; b &lt;c&gt; </MovieName>"
                           "<Author><![CDATA[x<y]]></Author><BgPic></BgPic></Movie>");
    EXPECT_EQ(movie.MovieName(), "  a & b <c> ");
    EXPECT_EQ(movie.Author(), "x<y");
    EXPECT_EQ(movie.BgPic(), "");
}

TEST_F(PropertyPlacementTest, WrittenTextIsEscapedAndReadsBack)
{
    IXMLMovie movie = Load("<Movie><MovieName>old</MovieName></Movie>");
    movie.SetMovieName("a<b>&\"c\"");
    movie.SetAuthor("");
    EXPECT_EQ(SaveAndRead(), "<Movie><MovieName>a&lt;b&gt;&amp;\"c\"</MovieName><Author></Author></Movie>");
    TXMLDocument again;
    again.SetFileName(file_);
    EXPECT_EQ(GetMovie(again).MovieName(), "a<b>&\"c\"");
}

TEST(UnboundHandle, ReportsAnErrorInsteadOfCrashing)
{
    IXMLMovie movie;
    EXPECT_FALSE(movie);
    EXPECT_THROW(movie.Width(), DocumentError);
    EXPECT_THROW(movie.SetLoop("True"), DocumentError);
    EXPECT_THROW(movie.Obj().Add(), DocumentError);
    EXPECT_EQ(movie.Obj().Count(), 0);
    EXPECT_THROW(movie.Obj().Items(0), std::out_of_range);
}

}  // namespace
}  // namespace glimmora::test
