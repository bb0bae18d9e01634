// Files dragged onto the main window from a file manager: projects and movies
// open, pictures and sounds become objects, other files are named and left out.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "support/SoundFixtures.h"
#include "workspace/DroppedFiles.h"
#include "workspace/RecentProjects.h"
#include "workspace/TObjListForm.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>

namespace glimmora::test {
namespace {

QUrl Local(const std::filesystem::path& file) { return QUrl::fromLocalFile(QString::fromStdString(file.string())); }

TEST(DroppedFilesTest, SortsByExtensionInAnyCaseAndKeepsTheFirstProjectOnly)
{
    const DroppedFiles sorted = DroppedFiles::Sort({QUrl("https://example.org/a.png"), QUrl::fromLocalFile("/d/a.JPG"),
                                                    QUrl::fromLocalFile("/d/b.gmr"), QUrl::fromLocalFile("/d/c.swf"),
                                                    QUrl::fromLocalFile("/d/s.Mp3"), QUrl::fromLocalFile("/d/t.txt"),
                                                    QUrl::fromLocalFile("/d/b.webp"), QUrl::fromLocalFile("/d/w.wav")});
    EXPECT_EQ(sorted.opened, "/d/b.gmr");
    EXPECT_EQ(sorted.pictures, QStringList({"/d/a.JPG", "/d/b.webp"}));
    EXPECT_EQ(sorted.sounds, QStringList({"/d/s.Mp3", "/d/w.wav"}));
    EXPECT_EQ(sorted.refused, QStringList({"/d/t.txt"}));
    EXPECT_TRUE(DroppedFiles::Sort({QUrl("https://example.org/a.gmr")}).Empty());
}

class FileDropTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Start(QString::fromStdString(WriteProject("p/drop.gmr", TextsProject({{"T", 0}})).string()));
        window->show();
        ProcessEventsFor(50);
    }
    // A real drag entering at `at` on `target` and, when it was accepted,
    // dropped there; the window does the work once the drag has ended.
    bool Drop(QWidget* target, const QList<QUrl>& urls, QPoint at)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(target->mapTo(window.get(), at)), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        ProcessEventsFor(20);
        return drop.isAccepted();
    }
    IXMLObj Obj(int index) const { return window->ObjListForm()->Movie().Obj().Items(index); }
    // Where the movie takes the picture or sound of object `index` from now.
    std::filesystem::path MediaOf(int index, MediaKind kind) const
    {
        const TVuzozUzev& builder = *window->Builder();
        return builder.Media.Find(builder.BasePath, kind, Obj(index).ObjName()).file;
    }
    int Count() const { return window->ObjListForm()->Movie().Obj().Count(); }
};

TEST_F(FileDropTest, PicturesDroppedOnThePreviewAreCentredWhereTheyFell)
{
    WriteSolidJpeg(dir / "red.jpg", 40, 20, 255, 0, 0);
    WriteSolidBmp(dir / "blue.bmp", 10, 30, 0, 0, 255);
    const QPoint at(100, 80);
    ASSERT_EQ(window->Flash().StagePoint(at), at) << "the window fits the movie";
    ASSERT_TRUE(Drop(&window->Flash(), {Local(dir / "red.jpg"), Local(dir / "blue.bmp")}, at));

    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Obj(1).ObjTypeName(), "Pic");
    EXPECT_EQ(Field(1, "PositionX"), "80");  // 100 - 40 / 2
    EXPECT_EQ(Field(1, "PositionY"), "70");  // 80 - 20 / 2
    EXPECT_EQ(Field(1, "Width"), "40");
    EXPECT_EQ(Field(2, "PositionX"), std::to_string(100 + 16 - 5));
    EXPECT_EQ(Field(2, "PositionY"), std::to_string(80 + 16 - 15));
    EXPECT_TRUE(std::filesystem::exists(MediaOf(1, MediaKind::Picture)));
    EXPECT_TRUE(std::filesystem::exists(MediaOf(2, MediaKind::Picture)));
    EXPECT_TRUE(window->Modified());
    ASSERT_TRUE(window->FileSave());  // the project folder takes them at Save
    EXPECT_TRUE(std::filesystem::exists(dir / "p" / (Obj(1).ObjName() + ".jpg")));
    EXPECT_TRUE(std::filesystem::exists(dir / "p" / (Obj(2).ObjName() + ".jpg")));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FileDropTest, PicturesDroppedBesideThePreviewGoWhereInsertPicturePutsThem)
{
    WriteSolidJpeg(dir / "red.jpg", 40, 20, 255, 0, 0);
    ASSERT_TRUE(Drop(window->ObjListForm(), {Local(dir / "red.jpg")}, QPoint(5, 5)));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Field(1, "PositionX"), "0");
    EXPECT_EQ(Field(1, "PositionY"), "0");
    EXPECT_EQ(Field(1, "Width"), "40");
}

TEST_F(FileDropTest, SoundsBecomeSoundObjectsAndFailuresAndOtherFilesLeaveNothingBehind)
{
    SineSpec sine;
    sine.seconds = 0.2;
    WriteSineWave(dir / "tune.wav", sine);
    WriteFile(dir / "broken.wav", "RIFF, but nothing more");
    WriteFile(dir / "notes.txt", "text");
    ASSERT_TRUE(Drop(&window->Flash(), {Local(dir / "tune.wav"), Local(dir / "broken.wav"), Local(dir / "notes.txt")},
                     QPoint(10, 10)));

    ASSERT_EQ(Count(), 2) << "the sound that could not be converted is not left as an empty object";
    EXPECT_EQ(Obj(1).ObjTypeName(), "Sound");
    EXPECT_TRUE(std::filesystem::exists(MediaOf(1, MediaKind::Sound)));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE((boxes[0].text + boxes[0].details).contains("broken.wav")) << boxes[0].text.toStdString();
    EXPECT_NE(boxes[1].text.indexOf("notes.txt"), -1) << boxes[1].text.toStdString();
}

TEST_F(FileDropTest, AProjectDroppedAsksToSaveChangesFirstAndCancelKeepsTheCurrentOne)
{
    const auto other = WriteProject("q/other.gmr", TextsProject({{"A", 0}, {"B", 1}}));
    const std::string current = window->Builder()->SourceFile.string();
    window->InsertText();
    ASSERT_TRUE(window->Modified());

    answers = {QMessageBox::Cancel};
    ASSERT_TRUE(Drop(window->ObjListForm(), {Local(dir / "notes.txt"), Local(other)}, QPoint(5, 5)));
    ASSERT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_EQ(QuestionsAsked()[0].text, "Save changes?");
    EXPECT_EQ(window->Builder()->SourceFile.string(), current);

    answers = {QMessageBox::No};
    ASSERT_TRUE(Drop(&window->Flash(), {Local(other)}, QPoint(5, 5)));
    EXPECT_EQ(window->Builder()->SourceFile, other);
    EXPECT_EQ(ObjectListTexts(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(window->Recent().Files().front(), QString::fromStdString(other.string()));
}

TEST_F(FileDropTest, WithoutAProjectOnlyProjectsAndMoviesAreTaken)
{
    ASSERT_TRUE(window->FileClose());
    WriteSolidJpeg(dir / "red.jpg", 40, 20, 255, 0, 0);
    EXPECT_FALSE(Drop(&window->Flash(), {Local(dir / "red.jpg")}, QPoint(5, 5)));
    const auto project = WriteProject("q/other.gmr", TextsProject({{"A", 0}}));
    EXPECT_TRUE(Drop(&window->Flash(), {Local(project)}, QPoint(5, 5)));
    ASSERT_NE(window->Builder(), nullptr);
    EXPECT_EQ(ObjectListTexts(), (std::vector<std::string>{"A"}));
}

}  // namespace
}  // namespace glimmora::test
