// The sound editor in the main window: Insert Sound and the object list open
// it, the other editors and Show/Hide Window close it, the progress window
// outlives the project, and a chosen sound plays in the built movie.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "support/ProjectFixtures.h"
#include "swf/reader/DecodedMovie.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"
#include "workspace/TSoundSelectForm.h"
#include "workspace/TTextForm.h"

#include <QTreeWidget>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace glimmora::test {
namespace {

std::string SoundObjectXml(const std::string& name, const std::string& content)
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
           "<ObjType><ObjSound><Content>" +
           content + "</Content></ObjSound></ObjType></Obj>";
}

// Half a second of a 440 Hz sine, 16-bit stereo at 44100 samples per second.
void WriteStereoSine(const std::filesystem::path& file)
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(file.string().c_str(), SFM_WRITE, &info);
    ASSERT_NE(out, nullptr);
    std::vector<float> samples(44100);
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = float(0.5 * std::sin(2 * 3.14159265 * 440.0 * double(i / 2) / 44100));
    sf_writef_float(out, samples.data(), sf_count_t(samples.size() / 2));
    sf_close(out);
}

class SoundEditorWindowTest : public MainWindowTest {
protected:
    void OpenMixed()
    {
        Start(QString::fromStdString(MixedProject().string()));
        window->show();
    }
    std::filesystem::path MixedProject()
    {
        std::filesystem::create_directories(dir / "p");
        WriteSolidJpeg(dir / "p" / "Logo.jpg", 10, 10, 0, 120, 0);
        return WriteProject(
            "p/mixed.gmr", MovieXml(StaticTextXml("Title", "Hi", 10, 10) + StaticPictureXml("Logo", 0, 0, 10, 10) +
                                    SoundObjectXml("Tune", "chosen.wav")));
    }
    bool Shown(QWidget* editor) const { return editor && editor->isVisible(); }
    std::string SelectedEntry() const
    {
        const QTreeWidgetItem* item = window->ObjListForm()->ObjTree().currentItem();
        return item ? item->text(0).toStdString() : std::string();
    }
    std::string SoundContent(int index) const
    {
        return window->ObjListForm()->Movie().Obj().Items(index).ObjType().ObjSound().Content();
    }
};

TEST_F(SoundEditorWindowTest, InsertSoundSelectsTheNewEntryAndOpensTheSoundEditor)
{
    OpenMixed();
    SelectEntry("Title");
    ASSERT_TRUE(Shown(window->TextForm()));

    window->Action("InsertSound")->trigger();

    const int last = window->ObjListForm()->Movie().Obj().Count() - 1;
    const std::string added = window->ObjListForm()->Movie().Obj().Items(last).ObjName();
    EXPECT_EQ(SelectedEntry(), added);
    EXPECT_TRUE(Shown(window->SoundForm()));
    EXPECT_FALSE(Shown(window->TextForm()));
    EXPECT_FALSE(Shown(window->PicForm()));
    EXPECT_EQ(window->SoundForm()->Content(), "");
    EXPECT_EQ(window->SoundForm()->windowTitle(), "Sound Properties");
    EXPECT_EQ(window->SoundForm()->x(), 3);
    EXPECT_EQ(window->Builder()->CurrentKind, "Sound");
    EXPECT_TRUE(window->Action("InsertSound")->isChecked());
}

TEST_F(SoundEditorWindowTest, TheObjectListSwitchesBetweenTheEditors)
{
    OpenMixed();
    SelectEntry("Tune");
    EXPECT_TRUE(Shown(window->SoundForm()));
    EXPECT_EQ(window->SoundForm()->Content(), "chosen.wav");
    EXPECT_EQ(SoundContent(2), "chosen.wav");

    SelectEntry("Title");
    EXPECT_TRUE(Shown(window->TextForm()));
    EXPECT_FALSE(Shown(window->SoundForm()));

    SelectEntry("Tune");
    EXPECT_FALSE(Shown(window->TextForm()));
    SelectEntry("Logo");
    EXPECT_TRUE(Shown(window->PicForm()));
    EXPECT_FALSE(Shown(window->SoundForm()));
}

TEST_F(SoundEditorWindowTest, ShowHideWindowHidesTheSoundEditor)
{
    OpenMixed();
    SelectEntry("Tune");
    ASSERT_TRUE(Shown(window->SoundForm()));
    window->Action("WindowShow")->trigger();
    EXPECT_FALSE(Shown(window->SoundForm()));
    EXPECT_FALSE(Shown(window->BackgroundForm()));
}

TEST_F(SoundEditorWindowTest, TheProgressWindowOutlivesTheProjectAndIsReused)
{
    const auto wave = dir / "music" / "tune.wav";
    std::filesystem::create_directories(wave.parent_path());
    WriteStereoSine(wave);

    OpenMixed();
    SelectEntry("Tune");
    ASSERT_TRUE(window->SoundForm()->ChooseSound(QString::fromStdString(wave.string())));
    QPointer<TSoundSelectForm> progress = window->SoundForm()->SelectForm();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir / "p" / "Tune.wav"));  // written at Save

    answers = {QMessageBox::No};
    ASSERT_TRUE(window->FileClose());
    EXPECT_FALSE(std::filesystem::exists(dir / "p" / "Tune.wav"));
    EXPECT_EQ(window->SoundForm(), nullptr);
    ASSERT_NE(progress, nullptr);  // kept by the main window

    window->OpenFile(QString::fromStdString(MixedProject().string()));
    SelectEntry("Tune");
    ASSERT_TRUE(window->SoundForm()->ChooseSound(QString::fromStdString(wave.string())));
    EXPECT_EQ(window->SoundForm()->SelectForm(), progress.data());
}

TEST_F(SoundEditorWindowTest, ASoundChosenAfterARenameIsSavedUnderTheNewName)
{
    const auto wave = dir / "music" / "tune.wav";
    std::filesystem::create_directories(wave.parent_path());
    WriteStereoSine(wave);
    OpenMixed();
    SelectEntry("Tune");  // the editor shows Tune ...
    ASSERT_TRUE(window->ObjListForm()->RenameObj("Tune", "Song"));  // ... then it is renamed
    ASSERT_TRUE(window->SoundForm()->ChooseSound(QString::fromStdString(wave.string())));
    EXPECT_EQ(SoundContent(2), wave.string());

    boxes.clear();
    window->Action("FileSave")->trigger();
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();  // the build finds it
    EXPECT_TRUE(std::filesystem::exists(dir / "p" / "Song.wav"));
    EXPECT_FALSE(std::filesystem::exists(dir / "p" / "Tune.wav"));
}

TEST_F(SoundEditorWindowTest, AChosenSoundPlaysInTheExportedMovie)
{
    const auto wave = dir / "music" / "tune.wav";
    std::filesystem::create_directories(wave.parent_path());
    WriteStereoSine(wave);
    OpenMixed();
    // The project names a sound whose wave is not there yet: the box says so.
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The sound file is missing");
    EXPECT_EQ(boxes[0].details.toStdString(), "Tune: " + (dir / "p" / "Tune.wav").string());
    boxes.clear();

    SelectEntry("Tune");
    ASSERT_TRUE(window->SoundForm()->ChooseSound(QString::fromStdString(wave.string())));
    EXPECT_EQ(SoundContent(2), wave.string());

    const auto out = dir / "out" / "movie.swf";
    std::filesystem::create_directories(out.parent_path());
    ASSERT_TRUE(window->ExportTo(QString::fromStdString(out.string())));
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();

    const swf::DecodedMovie movie = swf::DecodeMovieFile(out.string());
    int sounds = 0;
    for (const auto& [id, character] : movie.dictionary)
        if (const auto* sound = std::get_if<swf::Sound>(character.get())) {
            ++sounds;
            EXPECT_EQ(sound->rate, 22050u);
            EXPECT_FALSE(sound->stereo);
            EXPECT_TRUE(sound->is16Bit);
            EXPECT_NEAR(double(sound->sampleCount), 22050 * 0.5, 22050 * 0.02);
        }
    EXPECT_EQ(sounds, 1);
    ASSERT_FALSE(movie.frames.empty());
    EXPECT_EQ(movie.frames[0].sounds.size(), 1u);
}

}  // namespace
}  // namespace glimmora::test
