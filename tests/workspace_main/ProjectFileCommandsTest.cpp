// Save, Save As, Open and Export through the main window.
#include "MainWindowFixture.h"

#include "document/ProjectFiles.h"
#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"

#include <QImage>

namespace glimmora::test {
namespace {

TEST_F(MainWindowTest, SaveOpenRoundTripKeepsDocumentAndMovie) {
    Start();
    window->Action("InsertText")->trigger();
    window->Action("InsertText")->trigger();
    std::filesystem::create_directories(dir / "out");
    files = {QString::fromStdString((dir / "out" / "show.gmr").string())};
    window->Action("FileSave")->trigger();
    ASSERT_TRUE(std::filesystem::exists(dir / "out" / "show.gmr"));
    ASSERT_TRUE(std::filesystem::exists(dir / "out" / "show.swf"));
    EXPECT_FALSE(window->Modified());
    const std::string document = ReadFile(dir / "out" / "show.gmr");
    const std::string movie = ReadFile(dir / "out" / "show.swf");

    window->Action("FileSave")->trigger();  // second save asks nothing
    EXPECT_TRUE(files.empty());
    EXPECT_TRUE(boxes.empty());

    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString((dir / "out" / "show.gmr").string()));
    ASSERT_NE(window->Builder(), nullptr);
    EXPECT_EQ(ObjectListTexts(), (std::vector<std::string>{"Text_1", "Text_2"}));
    EXPECT_FALSE(window->Modified());
    window->Action("FileSave")->trigger();
    EXPECT_EQ(ReadFile(dir / "out" / "show.gmr"), document);
    EXPECT_EQ(ReadFile(dir / "out" / "show.swf"), movie);
}

TEST_F(MainWindowTest, SaveAsIntoAnotherFolderCarriesThePictures) {
    // Pic_2 has transparency: its picture is a PNG.
    const auto project = WriteProject("a/pics.gmr", MovieXml(StaticPictureXml("Pic_1", 0, 0, 10, 10) +
                                                             StaticPictureXml("Pic_2", 0, 0, 10, 10)));
    WriteSolidJpeg(dir / "a" / "Pic_1.jpg", 10, 10, 0, 200, 0);
    QImage clear(10, 10, QImage::Format_RGBA8888);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(QString::fromStdString((dir / "a" / "Pic_2.png").string()), "PNG"));
    Start(QString::fromStdString(project.string()));
    std::filesystem::create_directories(dir / "b");
    files = {QString::fromStdString((dir / "b" / "pics.gmr").string())};
    window->Action("FileSaveAs")->trigger();
    EXPECT_EQ(ReadFile(dir / "b" / "Pic_1.jpg"), ReadFile(dir / "a" / "Pic_1.jpg"));
    EXPECT_EQ(ReadFile(dir / "b" / "Pic_2.png"), ReadFile(dir / "a" / "Pic_2.png"));
    EXPECT_TRUE(std::filesystem::exists(dir / "b" / "pics.swf"));
    EXPECT_EQ(window->Builder()->BasePath, dir / "b" / "pics");
}

// An object whose name cannot be a file name has no file to carry: Save As
// writes the project and its movie all the same.
TEST_F(MainWindowTest, SaveAsWorksWithAnObjectNamedLikeAPath) {
    const auto project = WriteProject("a/odd.gmr", MovieXml(StaticPictureXml("../Pic_1", 0, 0, 10, 10) +
                                                            StaticTextXml("Text_1", "Hi", 10, 10)));
    Start(QString::fromStdString(project.string()));
    const size_t shown = boxes.size();  // the picture's own message at the build
    std::filesystem::create_directories(dir / "b");
    files = {QString::fromStdString((dir / "b" / "odd.gmr").string())};
    ASSERT_TRUE(window->FileSaveAs());
    EXPECT_TRUE(std::filesystem::exists(dir / "b" / "odd.gmr"));
    EXPECT_TRUE(std::filesystem::exists(dir / "b" / "odd.swf"));
    EXPECT_EQ(window->Builder()->BasePath, dir / "b" / "odd");
    for (size_t i = shown; i < boxes.size(); ++i)
        EXPECT_EQ(boxes[i].text.indexOf("cannot be used as a file name"), -1) << "Save As refused";
}

TEST_F(MainWindowTest, CancelledSaveAsKeepsTheProjectWhereItWas) {
    const auto project = WriteProject("a/keep.gmr", TextsProject({{"T", 0}}));
    Start(QString::fromStdString(project.string()));
    window->Action("FileSaveAs")->trigger();  // dialog cancelled
    EXPECT_EQ(window->Builder()->BasePath, dir / "a" / "keep");
}

TEST_F(MainWindowTest, ExportWritesTheChosenFileAndShowsIt) {
    Start();
    window->Action("InsertText")->trigger();
    files = {QString::fromStdString((dir / "export.bin").string())};
    window->Action("FileExportAsSwf")->trigger();
    ASSERT_TRUE(std::filesystem::exists(dir / "export.swf"));
    EXPECT_EQ(window->Flash().Movie().toStdString(), (dir / "export.swf").string());
    EXPECT_EQ(ReadFile(dir / "export.swf").substr(0, 3) == "FWS" || ReadFile(dir / "export.swf").substr(0, 3) == "CWS",
              true);
}

TEST_F(MainWindowTest, AFailedSaveShowsTheErrorAndKeepsThePreviousBase) {
    Start();
    files = {QString::fromStdString((dir / "missing" / "folder" / "x.gmr").string())};
    window->Action("FileSave")->trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Error);
    EXPECT_EQ(window->Builder()->BasePath, window->UntitledBase());
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

// A project named on the command line that cannot be loaded: its error is
// shown, then the untitled blank movie, with every command as after a start
// without argument.
TEST_F(MainWindowTest, AStartWithAProjectThatCannotBeLoadedGivesTheBlankMovie)
{
    for (const std::string name : {"missing.gmr", "broken.gmr"}) {
        boxes.clear();
        const auto project = dir / name;
        if (name == "broken.gmr") WriteProject(name, "<Movie><Obj>");  // not well-formed
        Start(QString::fromStdString(project.string()));
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_NE(boxes[0].text.indexOf(QString::fromStdString(name)), -1) << boxes[0].text.toStdString();
        ASSERT_NE(window->ObjListForm(), nullptr) << name;
        EXPECT_TRUE(window->ObjListForm()->XMLDoc().Active()) << name;
        EXPECT_TRUE(ObjectListTexts().empty()) << name;
        EXPECT_TRUE(Enabled("InsertText")) << name;
        EXPECT_NE(window->Builder()->BasePath, std::filesystem::path(project).replace_extension()) << name;
        window->Action("InsertText")->trigger();  // works on the blank movie, no "No movie document" box
        EXPECT_EQ(boxes.size(), 1u) << name;
        EXPECT_EQ(ObjectListTexts().size(), 1u) << name;
    }
}

}  // namespace
}  // namespace glimmora::test

namespace glimmora::test {
namespace {

// File > Close, then Open of a project with a coloured background: the
// background editor and the preview show the project's colour, as at start-up.
TEST_F(MainWindowTest, CloseThenOpenKeepsTheBackgroundColour)
{
    const auto project = WriteProject(
        "c/coloured.gmr", MovieXml(StaticTextXml("Text_1", "Hi", 10, 10),
                                   "<BgColor>255</BgColor><Width>320</Width><Height>240</Height><Rate>12</Rate>"));
    Start(QString::fromStdString(project.string()));
    window->show();
    ProcessEventsFor(20);
    ASSERT_EQ(window->BackgroundForm()->Color(), 255);
    const QImage atStart = window->Flash().grab().toImage();
    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString(project.string()));
    ProcessEventsFor(20);
    EXPECT_EQ(window->BackgroundForm()->Color(), 255);
    const QImage reopened = window->Flash().grab().toImage();
    EXPECT_EQ(reopened.pixelColor(2, 2), atStart.pixelColor(2, 2));
    EXPECT_EQ(reopened.pixelColor(2, 2), QColor(255, 0, 0));
}

}  // namespace
}  // namespace glimmora::test
