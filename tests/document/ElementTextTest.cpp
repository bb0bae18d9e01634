// An element's text is all of its text nodes: a comment or a CDATA section
// inside it splits the text, but reading gives all of it and writing replaces
// all of it.

#include "DocumentFixture.h"

namespace glimmora::test {
namespace {

using ElementTextTest = DocumentTest;

struct SplitText {
    const char* content;  // the inside of <Content>
    const char* read;     // what the property reads
    const char* written;  // the inside of <Content> after writing "new"
};

const SplitText kSplitTexts[] = {
    {"Tom <![CDATA[&]]> Jerry", "Tom & Jerry", "new"},
    {"Tom<!-- and -->Jerry", "TomJerry", "new<!-- and -->"},
    {"<![CDATA[<b>]]>", "<b>", "new"},
    {"<!-- note --><![CDATA[a]]>b", "ab", "<!-- note -->new"},
    {"", "", "new"},
};

TEST_F(ElementTextTest, SplitTextIsReadAndReplacedWhole)
{
    for (const SplitText& c : kSplitTexts) {
        SCOPED_TRACE(c.content);
        IXMLMovie movie = Load(std::string("<Movie><Obj><ObjType><ObjText><Content>") + c.content +
                               "</Content></ObjText></ObjType></Obj></Movie>");
        const IXMLObjText text = movie.Obj().Items(0).ObjType().ObjText();
        EXPECT_EQ(text.Content(), c.read);
        text.SetContent("new");
        EXPECT_EQ(text.Content(), "new");
        EXPECT_EQ(SaveAndRead(), std::string("<Movie><Obj><ObjType><ObjText><Content>") + c.written +
                                     "</Content></ObjText></ObjType></Obj></Movie>");
    }
}

TEST_F(ElementTextTest, SplitIntegerIsReadWhole)
{
    IXMLMovie movie = Load("<Movie><Width>5<!-- hundred -->50</Width><Height><![CDATA[4]]>00</Height></Movie>");
    EXPECT_EQ(movie.Width(), 550);
    EXPECT_EQ(movie.Height(), 400);
    movie.SetWidth(640);
    EXPECT_EQ(SaveAndRead(), "<Movie><Width>640<!-- hundred --></Width><Height><![CDATA[4]]>00</Height></Movie>");
}

TEST_F(ElementTextTest, FindTextNeitherAppendsNorFails)
{
    IXMLMovie movie = Load("<Movie><Width>a<!-- b -->c</Width></Movie>");
    EXPECT_EQ(movie.FindText("Width"), std::optional<std::string>("ac"));
    EXPECT_EQ(movie.FindText("Height"), std::nullopt);
    EXPECT_EQ(SaveAndRead(), "<Movie><Width>a<!-- b -->c</Width></Movie>");
}

}  // namespace
}  // namespace glimmora::test
