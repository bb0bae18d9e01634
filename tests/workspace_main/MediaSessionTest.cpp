// Pictures and sounds while a project is edited: imports, renames and deletes
// change nothing in the project folder until Save, the movie shows them at
// once, and Save (or Save As) carries them out.
#include "MainWindowFixture.h"

#include "document/ProjectFiles.h"
#include "generation/TVuzozUzev.h"
#include "support/ProjectFixtures.h"
#include "swf/reader/DecodedMovie.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/UnsavedWork.h"

#include <QImage>

namespace glimmora::test {
namespace {

enum class Tint { None, Red, Blue, Green };

Tint TintOf(const QImage& image) {
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.red() > 150 && c.green() < 80 && c.blue() < 80) return Tint::Red;
    if (c.blue() > 150 && c.red() < 80 && c.green() < 80) return Tint::Blue;
    if (c.green() > 150 && c.red() < 80 && c.blue() < 80) return Tint::Green;
    return Tint::None;
}

Tint TintOfFile(const std::filesystem::path& file) {
    QImage image;
    if (!image.load(QString::fromStdString(file.string()))) return Tint::None;
    return TintOf(image);
}

class MediaSessionTest : public MainWindowTest {
protected:
    // A project p/pics.gmr with pictures named after `pictures`, each with its
    // file: A red, B blue.
    void OpenPictures(const std::vector<std::string>& pictures = {"A", "B"}) {
        std::string objects;
        const Tint tints[] = {Tint::Red, Tint::Blue};
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            objects += StaticPictureXml(pictures[i], 0, 0, 10, 10);
            WriteJpeg(folder / (pictures[i] + ".jpg"), tints[i % 2]);
        }
        project = WriteProject("p/pics.gmr", MovieXml(objects));
        Start(QString::fromStdString(project.string()));
        saved = Snapshot(folder);
    }
    void WriteJpeg(const std::filesystem::path& file, Tint tint) {
        std::filesystem::create_directories(file.parent_path());
        WriteSolidJpeg(file, 10, 10, tint == Tint::Red ? 200 : 0, tint == Tint::Green ? 200 : 0,
                       tint == Tint::Blue ? 200 : 0);
    }
    std::filesystem::path Picture(Tint tint) {
        const auto file = dir / "chosen" / (std::to_string(int(tint)) + ".jpg");
        WriteJpeg(file, tint);
        return file;
    }
    TObjListForm& List() { return *window->ObjListForm(); }
    void Import(const std::string& object, Tint tint) {
        SelectEntry(object);
        ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString(Picture(tint).string())));
    }
    // Every file of a folder with its bytes.
    static std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file()) files[entry.path().filename().string()] = ReadFile(entry.path());
        return files;
    }
    // The colour of each picture of the movie the editor builds now, in the
    // order of the movie's dictionary.
    std::vector<Tint> MovieTints() {
        const auto out = dir / "out" / "check.swf";
        std::filesystem::create_directories(out.parent_path());
        EXPECT_TRUE(window->ExportTo(QString::fromStdString(out.string())));
        std::vector<Tint> tints;
        for (const auto& [id, character] : swf::DecodeMovieFile(out.string()).dictionary)
            if (const auto* bitmap = std::get_if<swf::Bitmap>(character.get()))
                tints.push_back(TintOf(QImage::fromData(bitmap->data.data(), int(bitmap->data.size()))));
        return tints;
    }
    void Save() {
        window->Action("FileSave")->trigger();
        for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    }
    void CloseWithoutSaving() {
        answers = {QMessageBox::No};
        ASSERT_TRUE(window->FileClose());
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }

    std::filesystem::path folder = dir / "p";
    std::filesystem::path project;
    std::map<std::string, std::string> saved;
};

TEST_F(MediaSessionTest, ADiscardedRenameLeavesTheFolderAndTheSavedProjectWorks) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("A", "Logo"));
    EXPECT_EQ(Snapshot(folder), saved);
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Blue}));  // still found under its new name
    CloseWithoutSaving();
    EXPECT_EQ(Snapshot(folder), saved);

    boxes.clear();
    window->OpenFile(QString::fromStdString(project.string()));
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Blue}));
}

TEST_F(MediaSessionTest, SaveCarriesARenamedPictureAlongAndKeepsTheOldFile) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("A", "Mid"));
    ASSERT_TRUE(List().RenameObj("Mid", "Logo"));  // twice: only the last name counts
    Save();
    EXPECT_EQ(TintOfFile(folder / "Logo.jpg"), Tint::Red);
    EXPECT_FALSE(Exists("Mid.jpg"));
    EXPECT_EQ(ReadFile(folder / "A.jpg"), saved["A.jpg"]);  // another project may use it
    EXPECT_FALSE(window->Modified());

    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString(project.string()));
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Blue}));
}

TEST_F(MediaSessionTest, TwoPicturesSwapNamesThroughAThirdName) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("A", "T"));
    ASSERT_TRUE(List().RenameObj("B", "A"));
    ASSERT_TRUE(List().RenameObj("T", "B"));
    EXPECT_EQ(Snapshot(folder), saved);
    // Each object keeps its own picture, though either now looks like the
    // other did before but for its file.
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Blue}));
    Save();
    EXPECT_EQ(TintOfFile(folder / "A.jpg"), Tint::Blue);
    EXPECT_EQ(TintOfFile(folder / "B.jpg"), Tint::Red);
    EXPECT_FALSE(Exists("T.jpg"));
}

TEST_F(MediaSessionTest, ANewObjectTakingARenamedObjectsOldNameHasNoPicture) {
    OpenPictures({"Pic_1"});
    ASSERT_TRUE(List().RenameObj("Pic_1", "Logo"));
    window->InsertPicture();  // named Pic_1 again
    ASSERT_EQ(List().Movie().Obj().Items(1).ObjName(), "Pic_1");
    EXPECT_FALSE(window->PicForm()->HasImage());
    Import("Pic_1", Tint::Green);
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Green}));
    Save();
    EXPECT_EQ(TintOfFile(folder / "Logo.jpg"), Tint::Red);
    EXPECT_EQ(TintOfFile(folder / "Pic_1.jpg"), Tint::Green);
}

TEST_F(MediaSessionTest, ADeletedObjectsPictureStaysAndIsNotCarriedAnywhere) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("A", "Logo"));
    SelectEntry("Logo");
    List().DeleteObj();
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Blue}));
    Save();
    EXPECT_FALSE(Exists("Logo.jpg"));
    EXPECT_EQ(ReadFile(folder / "A.jpg"), saved["A.jpg"]);  // nothing is deleted from the folder
}

TEST_F(MediaSessionTest, AnImportWaitsForSaveAndIsAskedAboutAtClose) {
    OpenPictures();
    Import("A", Tint::Green);
    EXPECT_EQ(Snapshot(folder), saved);
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Green, Tint::Blue}));
    EXPECT_TRUE(window->Modified());
    CloseWithoutSaving();
    EXPECT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_EQ(Snapshot(folder), saved);
    EXPECT_FALSE(std::filesystem::exists(StagingFolderOf(window->UntitledBase())));  // staged files go
}

TEST_F(MediaSessionTest, AnImportAfterARenameGoesToTheNewName) {
    OpenPictures();
    SelectEntry("A");  // the editor shows A ...
    ASSERT_TRUE(List().RenameObj("A", "Logo"));  // ... then it is renamed
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString(Picture(Tint::Green).string())));
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Green, Tint::Blue}));
    Save();
    EXPECT_EQ(TintOfFile(folder / "Logo.jpg"), Tint::Green);
    EXPECT_EQ(ReadFile(folder / "A.jpg"), saved["A.jpg"]);
}

TEST_F(MediaSessionTest, SaveAsIntoAnotherFolderTakesThePicturesUnderTheirNamesNow) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("B", "Logo"));
    Import("A", Tint::Green);
    std::filesystem::create_directories(dir / "q");
    files = {QString::fromStdString((dir / "q" / "copy.gmr").string())};
    ASSERT_TRUE(window->FileSaveAs());
    EXPECT_EQ(TintOfFile(dir / "q" / "A.jpg"), Tint::Green);
    EXPECT_EQ(TintOfFile(dir / "q" / "Logo.jpg"), Tint::Blue);
    EXPECT_FALSE(std::filesystem::exists(dir / "q" / "B.jpg"));
    EXPECT_EQ(Snapshot(folder), saved);  // the first project is as it was
}

TEST_F(MediaSessionTest, APictureWithTransparencyReplacesTheJpegOfItsNameAtSave) {
    OpenPictures();
    QImage see(10, 10, QImage::Format_ARGB32);
    see.fill(QColor(0, 200, 0, 128));
    const auto chosen = dir / "chosen" / "glass.png";
    std::filesystem::create_directories(chosen.parent_path());
    ASSERT_TRUE(see.save(QString::fromStdString(chosen.string())));
    SelectEntry("A");
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString(chosen.string())));
    EXPECT_EQ(Snapshot(folder), saved);
    Save();
    // The JPEG would be read before the PNG: it goes, the PNG takes its place.
    EXPECT_FALSE(Exists("A.jpg"));
    EXPECT_EQ(TintOfFile(folder / "A.png"), Tint::Green);
    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString(project.string()));
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    EXPECT_EQ(MovieTints().size(), 2u);
}

TEST_F(MediaSessionTest, RecoveredWorkBringsItsRenamesAndImportsBackStillUnsaved) {
    OpenPictures();
    ASSERT_TRUE(List().RenameObj("A", "Logo"));
    Import("B", Tint::Green);
    window->KeepUnsavedWork();
    // What an editor killed now leaves behind, in a working folder of its own.
    const auto own = FolderOfBase(window->UntitledBase());
    const auto left = temp / "Glimmora-Untitled-4242";
    std::filesystem::create_directories(left);
    for (const char* file : {"Unsaved.gmr", "Unsaved.txt", "Unsaved.media"})
        std::filesystem::copy_file(own / file, left / file);
    std::filesystem::copy(StagingFolderOf(window->UntitledBase()), StagingFolderOf(left / "Untitled"));
    CloseWithoutSaving();
    window.reset();

    boxes.clear();
    answers = {QMessageBox::Yes};
    Start();
    ASSERT_EQ(QuestionsAsked().size(), 1u);
    EXPECT_EQ(ObjectListTexts(), (std::vector<std::string>{"Logo", "B"}));
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red, Tint::Green}));
    EXPECT_EQ(Snapshot(folder), saved) << "still nothing changes before a save";
    EXPECT_TRUE(window->Modified());
    EXPECT_FALSE(std::filesystem::exists(StagingFolderOf(left / "Untitled"))) << "taken over, not left behind";
    boxes.clear();
    Save();
    EXPECT_EQ(TintOfFile(folder / "Logo.jpg"), Tint::Red);
    EXPECT_EQ(TintOfFile(folder / "B.jpg"), Tint::Green);
}

TEST_F(MediaSessionTest, AnUntitledProjectsPicturesWaitOutsideTheTemporaryFolder) {
    Start();
    window->InsertPicture();
    Import("Pic_1", Tint::Red);
    EXPECT_FALSE(std::filesystem::exists(temp / "Pic_1.jpg"));  // another editor's untitled project may use it
    EXPECT_EQ(MovieTints(), (std::vector<Tint>{Tint::Red}));
    std::filesystem::create_directories(dir / "out");
    files = {QString::fromStdString((dir / "out" / "show.gmr").string())};
    Save();
    EXPECT_EQ(TintOfFile(dir / "out" / "Pic_1.jpg"), Tint::Red);
    EXPECT_FALSE(window->Modified());
}

}  // namespace
}  // namespace glimmora::test
