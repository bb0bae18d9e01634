// The two template documents that new movies start from.

#include "DocumentFixture.h"

#include "document/ColorValue.h"
#include "document/ProjectFiles.h"
#include "support/TestPaths.h"

#include <set>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

fs::path TemplateFile(const char* name)
{
    return fs::path(GLIMMORA_SOURCE_DIR) / "data" / "template" / name;
}

std::vector<std::string> ElementNames(pugi::xml_node parent)
{
    std::vector<std::string> names;
    for (pugi::xml_node child : parent.children(/*all*/))
        if (child.type() == pugi::node_element)
            names.push_back(child.name());
    return names;
}

class TemplateTest : public ::testing::TestWithParam<const char*> {
protected:
    IXMLMovie LoadTemplate() { return LoadProject(doc_, TemplateFile(GetParam()), dir_ / "Untitled.gmr"); }

    TempDir dir_;
    TXMLDocument doc_;
};

TEST_P(TemplateTest, HoldsTheMoviePropertiesThatLoadingReads)
{
    IXMLMovie movie = LoadTemplate();
    EXPECT_EQ(movie.Width(), 550);
    EXPECT_EQ(movie.Height(), 400);
    EXPECT_EQ(movie.Rate(), 12);
    EXPECT_EQ(ParseColorValue(movie.BgColor()), 0xFFFFFF);
    EXPECT_EQ(movie.Loop(), "False");
}

TEST_P(TemplateTest, HasADeclarationAndIsWrittenBackUnchanged)
{
    const std::string original = BytesOf(TemplateFile(GetParam()));
    EXPECT_EQ(original.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
    IXMLMovie movie = LoadTemplate();
    movie.Width();
    movie.BgColor();
    doc_.SaveToFile();
    EXPECT_EQ(BytesOf(dir_ / "Untitled.gmr"), original);
}

INSTANTIATE_TEST_SUITE_P(BothTemplates, TemplateTest, ::testing::Values("blank.gmr", "normal.gmr"));

TEST(BlankTemplate, HoldsNoObjects)
{
    TempDir dir;
    TXMLDocument doc;
    EXPECT_EQ(LoadProject(doc, TemplateFile("blank.gmr"), dir / "Untitled.gmr").Obj().Count(), 0);
}

TEST(NormalTemplate, TextObjectsCarryEveryCreatedElementInCreationOrder)
{
    TempDir dir;
    TXMLDocument doc;
    IXMLMovie movie = LoadProject(doc, TemplateFile("normal.gmr"), dir / "Untitled.gmr");
    const std::vector<std::string> objOrder = {"ObjName", "StartTime", "EndTime", "Layer", "ObjTypeName", "ObjType"};
    const std::vector<std::string> textOrder = {"Content",   "TextUnit",  "FontName",    "FontSize",    "FontColor",
                                                "PositionX", "PositionY", "EffectName",  "EffectValue", "ExScale",
                                                "ExRotate",  "ExShock",   "ExColor",     "ExAlpha",     "ExSpeed"};
    ASSERT_GE(movie.Obj().Count(), 3);
    std::set<std::string> names;
    for (int i = 0; i < movie.Obj().Count(); ++i) {
        IXMLObj obj = movie.Obj().Items(i);
        SCOPED_TRACE(obj.ObjName());
        EXPECT_TRUE(names.insert(obj.ObjName()).second) << "names are unique";
        EXPECT_EQ(ElementNames(obj.Node()), objOrder);
        EXPECT_EQ(ElementNames(obj.ObjType().Node()), std::vector<std::string>{"ObjText"});
        EXPECT_EQ(ElementNames(obj.ObjType().ObjText().Node()), textOrder);
        EXPECT_EQ(obj.ObjTypeName(), "Text");
        EXPECT_LE(obj.StartTime(), obj.EndTime());
        IXMLObjText text = obj.ObjType().ObjText();
        EXPECT_EQ(text.TextUnit(), 1);
        EXPECT_NO_THROW(ParseColorValue(text.FontColor()));
        EXPECT_EQ(text.EffectValue(), "");
        for (int value : {text.ExScale(), text.ExRotate(), text.ExShock(), text.ExColor(), text.ExAlpha()})
            EXPECT_EQ(value, 0);
        EXPECT_EQ(text.ExSpeed(), obj.EndTime() - obj.StartTime());
    }
}

TEST(NormalTemplate, ShowsEntranceAndAnimatedEffectsThatFitTheStage)
{
    TempDir dir;
    TXMLDocument doc;
    IXMLMovie movie = LoadProject(doc, TemplateFile("normal.gmr"), dir / "Untitled.gmr");
    std::set<std::string> effects;
    int fadeInStart = -1;
    for (int i = 0; i < movie.Obj().Count(); ++i) {
        IXMLObj obj = movie.Obj().Items(i);
        IXMLObjText text = obj.ObjType().ObjText();
        SCOPED_TRACE(text.Content());
        effects.insert(text.EffectName());
        if (text.EffectName() == "Fade In")
            fadeInStart = obj.StartTime();
        // A letter is about FontSize x 1.4 x 0.6 pixels wide; the top of the
        // text is 5 pixels below PositionY.
        const double width = text.Content().size() * text.FontSize() * 1.4 * 0.6;
        const double height = text.FontSize() * 1.4;
        EXPECT_FALSE(text.Content().empty());
        EXPECT_GE(text.PositionX(), 0);
        EXPECT_GE(text.PositionY(), 0);
        EXPECT_LE(text.PositionX() + width, movie.Width());
        EXPECT_LE(text.PositionY() + 5 + height, movie.Height());
    }
    EXPECT_TRUE(effects.count("Come In"));
    EXPECT_TRUE(effects.count("Fade In"));
    EXPECT_TRUE(effects.count("Sin") || effects.count("Rainbow"));
    EXPECT_GT(fadeInStart, 0) << "the second line starts later";
}

}  // namespace
}  // namespace glimmora::test
