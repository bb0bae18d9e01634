// The object list: only `Obj` children of `Movie`, in document order.

#include "DocumentFixture.h"

#include <stdexcept>

namespace glimmora::test {
namespace {

// Objects A, B, C with other elements, text and a comment between them.
const char* const kMixedMovie =
    "<Movie>\n"
    "  <Width>550</Width>\n"
    "  <Obj><ObjName>A</ObjName></Obj>\n"
    "  <!-- Obj -->\n"
    "  <Rate>12</Rate>\n"
    "  <Obj><ObjName>B</ObjName><Obj><ObjName>nested</ObjName></Obj></Obj>\n"
    "  <obj><ObjName>lower case</ObjName></obj>\n"
    "  <Obj><ObjName>C</ObjName></Obj>\n"
    "</Movie>";

class ObjListTest : public DocumentTest {
protected:
    IXMLObjList List() { return Load(kMixedMovie).Obj(); }

    static std::string Names(const IXMLObjList& list)
    {
        std::string names;
        for (int i = 0; i < list.Count(); ++i)
            names += list.Items(i).ObjName() + ";";
        return names;
    }
};

TEST_F(ObjListTest, CountsAndIndexesOnlyObjChildren)
{
    IXMLObjList list = List();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(Names(list), "A;B;C;");
}

TEST_F(ObjListTest, BadIndexesThrowOutOfRange)
{
    IXMLObjList list = List();
    for (int index : {-1, 3, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(list.Items(index), std::out_of_range);
        EXPECT_THROW(list.Delete(index), std::out_of_range);
    }
    EXPECT_THROW(list.Insert(-1), std::out_of_range);
    EXPECT_THROW(list.Insert(4), std::out_of_range);
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(ObjListTest, AddAppendsAnEmptyObjAsLastChildOfMovie)
{
    IXMLObjList list = List();
    list.Add().SetObjName("D");
    EXPECT_EQ(Names(list), "A;B;C;D;");
    const std::string saved = SaveAndRead();
    EXPECT_NE(saved.find("<Obj><ObjName>C</ObjName></Obj>\n<Obj><ObjName>D</ObjName></Obj></Movie>"),
              std::string::npos)
        << saved;
}

TEST_F(ObjListTest, InsertGoesBeforeTheIndexedObj)
{
    IXMLObjList list = List();
    list.Insert(0).SetObjName("first");
    list.Insert(2).SetObjName("beforeB");
    list.Insert(list.Count()).SetObjName("last");  // at the count: appended
    EXPECT_EQ(Names(list), "first;A;beforeB;B;C;last;");
    // The new object before B sits right before B, after the other elements.
    const std::string saved = SaveAndRead();
    EXPECT_NE(saved.find("<Rate>12</Rate>\n  <Obj><ObjName>beforeB</ObjName></Obj><Obj><ObjName>B</ObjName>"),
              std::string::npos)
        << saved;
}

TEST_F(ObjListTest, DeleteRemovesTheObjWithItsSubtree)
{
    IXMLObjList list = List();
    list.Delete(1);
    EXPECT_EQ(Names(list), "A;C;");
    const std::string saved = SaveAndRead();
    EXPECT_EQ(saved.find("nested"), std::string::npos);
    EXPECT_NE(saved.find("lower case"), std::string::npos);
    EXPECT_NE(saved.find("<Rate>12</Rate>"), std::string::npos);
}

TEST_F(ObjListTest, RemoveTakesOnlyAnObjOfThisMovie)
{
    IXMLObjList list = List();
    IXMLObj nested(list.Items(1).Node().child("Obj"));
    list.Remove(nested);  // not a child of Movie: nothing happens
    list.Remove(IXMLObj());
    EXPECT_EQ(Names(list), "A;B;C;");
    EXPECT_NE(SaveAndRead().find("nested"), std::string::npos);

    list.Remove(list.Items(2));
    EXPECT_EQ(Names(list), "A;B;");
}

TEST_F(ObjListTest, ClearKeepsEverythingButTheObjs)
{
    IXMLObjList list = List();
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    const std::string saved = SaveAndRead();
    EXPECT_EQ(saved.find("<Obj>"), std::string::npos);
    EXPECT_NE(saved.find("<Width>550</Width>"), std::string::npos);
    EXPECT_NE(saved.find("<obj>"), std::string::npos);
    EXPECT_NE(saved.find("<!-- Obj -->"), std::string::npos);
}

}  // namespace
}  // namespace glimmora::test
