// Objects taken out of a movie with their media and put into another: names
// of their own, times moved to the frame asked for, positions moved by the
// offset, media staged for Save, and nothing changed when one cannot go in.

#include "DocumentFixture.h"
#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "objects/ObjectClipboard.h"

#include <fstream>

namespace glimmora::test {
namespace {

class ObjectClipboardTest : public DocumentTest {
protected:
    ObjectClipboardTest()
    {
        std::ofstream(dir / "Logo.png", std::ios::binary) << "png bytes of Logo";
        std::ofstream(dir / "Tune.wav", std::ios::binary) << "wav bytes of Tune";
    }
    ClippedObject Clip(int index) { return ClipObject(root.Obj().Items(index), media, dir / "Untitled"); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const IXMLObj& obj : root.Obj().All()) names.push_back(obj.ObjName());
        return names;
    }
    std::string MediaBytes(MediaKind kind, const std::string& name)
    {
        const MediaFile file = media.Find(dir / "Untitled", kind, name);
        return file ? ReadFileBytes(file.file).value_or("(unreadable)") : "(none: " + file.problem + ")";
    }

    ProjectMedia media{dir / "staging"};
};

TEST_F(ObjectClipboardTest, CopiesCarryTheirMediaAndPasteUnderFreeNamesWithTheMediaStaged)
{
    Load(MovieXml(TextObjXml({}) + PicObjXml("Logo") + SoundObjXml("Tune") + PicObjXml("Pic_1")));
    const std::vector<ClippedObject> clipped{Clip(0), Clip(1), Clip(2)};
    EXPECT_EQ(clipped[0].mediaExtension, "");
    EXPECT_EQ(clipped[1].mediaExtension, ".png");
    EXPECT_EQ(clipped[1].mediaBytes, "png bytes of Logo");
    EXPECT_EQ(clipped[2].mediaExtension, ".wav");

    // Into the same movie: every name is taken, so Insert's scan names them.
    EXPECT_EQ(PasteObjects(root, media, clipped, {}), (std::vector<std::string>{"Text_2", "Pic_3", "Sound_1"}));
    EXPECT_EQ(MediaBytes(MediaKind::Picture, "Pic_3"), "png bytes of Logo");
    EXPECT_EQ(MediaBytes(MediaKind::Sound, "Sound_1"), "wav bytes of Tune");
    EXPECT_EQ(media.Find(dir / "Untitled", MediaKind::Picture, "Pic_3").file.parent_path(), dir / "staging")
        << "a pasted picture waits for Save";
    EXPECT_EQ(ObjXml(5).substr(ObjXml(5).find("<StartTime>")), ObjXml(1).substr(ObjXml(1).find("<StartTime>")))
        << "all but the name as copied";

    // Into a movie without them: a cut object pasted back keeps its name.
    Load(MovieXml(PicObjXml("Other")));
    EXPECT_EQ(PasteObjects(root, media, {clipped[1], clipped[1]}, {}), (std::vector<std::string>{"Logo", "Pic_1"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Other", "Logo", "Pic_1"}));
    EXPECT_EQ(MediaBytes(MediaKind::Picture, "Logo"), "png bytes of Logo");
}

TEST_F(ObjectClipboardTest, APictureWithoutAFileIsPastedWithoutOneRatherThanTakingAStrayFile)
{
    Load(MovieXml(PicObjXml("Gone")));
    const ClippedObject clipped = Clip(0);
    EXPECT_EQ(clipped.mediaExtension, "") << "Gone.jpg does not exist";
    std::ofstream(dir / "Pic_1.jpg", std::ios::binary) << "a stray file";
    Load(MovieXml(PicObjXml("Gone")));
    ASSERT_EQ(PasteObjects(root, media, {clipped}, {}), (std::vector<std::string>{"Pic_1"}));
    EXPECT_FALSE(media.Find(dir / "Untitled", MediaKind::Picture, "Pic_1"));
}

struct PlacementCase {
    const char* label;
    PastePlacement placement;
    std::vector<int> starts, ends;
    int textX, picX;
};

class PasteAt : public ObjectClipboardTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(PasteAt, MovesTimesTogetherAndPositionsByTheOffset)
{
    // Text_1 runs 4..13, Logo 5..20, Tune 5..9; the text sits at 50, the picture at 10.
    Load(MovieXml(TextObjXml({.start = 4}) + PicObjXml("Logo") + SoundObjXml("Tune")));
    const std::vector<ClippedObject> clipped{Clip(0), Clip(1), Clip(2)};
    Load(MovieXml());
    PasteObjects(root, media, clipped, GetParam().placement);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(root.Obj().Items(i).StartTime(), GetParam().starts[i]) << i;
        EXPECT_EQ(root.Obj().Items(i).EndTime(), GetParam().ends[i]) << i;
    }
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjText().PositionX(), GetParam().textX);
    EXPECT_EQ(root.Obj().Items(0).ObjType().ObjText().PositionY(), GetParam().textX);
    EXPECT_EQ(root.Obj().Items(1).ObjType().ObjPic().PositionX(), GetParam().picX);
    EXPECT_EQ(root.Obj().Items(1).ObjType().ObjPic().PositionY(), GetParam().picX + 10);
    EXPECT_EQ(ObjXml(2).find("Position"), std::string::npos) << "a sound has no position";
}

INSTANTIATE_TEST_SUITE_P(
    Placements, PasteAt,
    ::testing::Values(PlacementCase{"asCopied", {}, {4, 5, 5}, {13, 20, 9}, 50, 10},
                      PlacementCase{"atFrame30", {30, 0}, {30, 31, 31}, {39, 46, 35}, 50, 10},
                      PlacementCase{"atFrame0", {0, 0}, {0, 1, 1}, {9, 16, 5}, 50, 10},
                      PlacementCase{"offset", {std::nullopt, 10}, {4, 5, 5}, {13, 20, 9}, 60, 20}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ObjectClipboardTest, AnObjectWithANumberThatIsNoneLeavesTheMovieAndTheMediaAsTheyWere)
{
    Load(MovieXml(PicObjXml("Logo")));
    ClippedObject good = Clip(0);
    ClippedObject bad = good;
    bad.element.replace(bad.element.find("<PositionX>10<"), 14, "<PositionX>ten<");
    Load(MovieXml(TextObjXml({})));
    const std::string before = RootXml();
    try {
        PasteObjects(root, media, {good, bad}, {std::nullopt, 10});
        FAIL() << "pasted";
    } catch (const DocumentError& error) {
        EXPECT_NE(std::string(error.what()).find("The object Logo on the clipboard cannot be pasted"),
                  std::string::npos) << error.what();
    }
    EXPECT_EQ(RootXml(), before);
    EXPECT_TRUE(media.Entries().empty());
}

}  // namespace
}  // namespace glimmora::test
