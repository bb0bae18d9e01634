// The sound editor over a real builder: choosing a sound converts it through
// the progress window into the object's wave file and records its name;
// typing a name only records it.

#include "EditorFixture.h"

#include "document/ProjectFiles.h"
#include "workspace/TSoundSelectForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace glimmora::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct WaveLayout {
    int rate = 44100;
    int channels = 2;
    int subtype = SF_FORMAT_PCM_16;  // or SF_FORMAT_PCM_U8, SF_FORMAT_IMA_ADPCM
    double seconds = 1.0;
};

// A 440 Hz sine on every channel, written through libsndfile.
void WriteWave(const std::filesystem::path& file, const WaveLayout& layout)
{
    SF_INFO info{};
    info.samplerate = layout.rate;
    info.channels = layout.channels;
    info.format = SF_FORMAT_WAV | layout.subtype;
    SNDFILE* out = sf_open(file.string().c_str(), SFM_WRITE, &info);
    ASSERT_NE(out, nullptr) << sf_strerror(nullptr);
    const auto frames = sf_count_t(layout.rate * layout.seconds);
    std::vector<float> samples(std::size_t(frames) * std::size_t(layout.channels));
    for (sf_count_t i = 0; i < frames; ++i)
        for (int c = 0; c < layout.channels; ++c)
            samples[std::size_t(i) * std::size_t(layout.channels) + std::size_t(c)] =
                float(0.5 * std::sin(2 * kPi * 440.0 * double(i) / layout.rate));
    EXPECT_EQ(sf_writef_float(out, samples.data(), frames), frames);
    sf_close(out);
}

struct WaveInfo {
    int rate = 0;
    int channels = 0;
    int subtype = 0;
    std::int64_t frames = 0;
};

WaveInfo Inspect(const std::filesystem::path& file)
{
    SF_INFO info{};
    SNDFILE* in = sf_open(file.string().c_str(), SFM_READ, &info);
    if (!in) return {};
    sf_close(in);
    return {info.samplerate, info.channels, info.format & SF_FORMAT_SUBMASK, info.frames};
}

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string FolderWithSeparator(const std::filesystem::path& folder)
{
    return QDir::toNativeSeparators(QString::fromStdString(folder.string())).toStdString() +
           QDir::separator().toLatin1();
}

// Watches the progress window while a conversion runs: the conversion lets
// timers run after each block.
class ProgressWatch {
public:
    ProgressWatch()
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<TSoundSelectForm*>(w); form && form->isVisible()) {
                    seenVisible = true;
                    highest = std::max(highest, form->Gauge()->value());
                }
        });
        timer_.start();
    }
    bool seenVisible = false;
    int highest = -1;

private:
    QTimer timer_;
};

class SoundEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        if (const char* temp = std::getenv("TEMP")) originalTemp_ = temp;
        std::filesystem::create_directories(temp);
        qputenv("TEMP", QByteArray::fromStdString(temp.string()));
        std::filesystem::create_directories(music);
        Open(MovieXml(SoundXml("Sound_1", "earlier.wav") + SoundXml("Sound_2") + TextXml("Text_1")));
        ShowSound(0);
    }
    void TearDown() override
    {
        if (originalTemp_) qputenv("TEMP", QByteArray::fromStdString(*originalTemp_));
        else qunsetenv("TEMP");
    }

    std::filesystem::path Music(const std::string& name, const WaveLayout& layout)
    {
        const auto file = music / name;
        WriteWave(file, layout);
        return file;
    }
    bool Choose(const std::filesystem::path& file) { return sound->ChooseSound(QString::fromStdString(file.string())); }
    QLineEdit& ContentEdit() { return *sound->findChild<QLineEdit*>("Content"); }
    std::string Recorded(int index = 0) const { return Field(index, "ObjType/ObjSound/Content"); }
    // The wave the movie takes for Sound_1 now; in the project folder only
    // once the project is saved.
    std::filesystem::path ObjectWave() const
    {
        return builder->Media.Find(builder->BasePath, MediaKind::Sound, "Sound_1").file;
    }
    std::filesystem::path SavedWave() const { return dir / "Sound_1.wav"; }
    std::vector<std::string> MessageTexts() const { return messages.messages; }

    std::filesystem::path temp = dir / "temp";
    std::filesystem::path music = dir / "music";

private:
    std::optional<std::string> originalTemp_;
};

struct ChoiceCase {
    const char* what;
    WaveLayout source;
    int subtype;  // of the object wave
};

class SoundChoice : public SoundEditorTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(SoundChoice, BecomesTheObjectsMono22kWaveAndIsRecorded)
{
    const ChoiceCase& c = GetParam();
    const auto source = Music("chosen.wav", c.source);

    ProgressWatch watch;
    ASSERT_TRUE(Choose(source)) << ::testing::PrintToString(MessageTexts());

    const WaveInfo wave = Inspect(ObjectWave());
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 22050);
    EXPECT_EQ(wave.subtype, c.subtype);
    EXPECT_NEAR(double(wave.frames), 22050 * c.source.seconds, 22050 * 0.01);
    EXPECT_FALSE(std::filesystem::exists(TemporarySoundFile()));  // moved, not copied

    EXPECT_EQ(ContentEdit().text().toStdString(), source.string());
    EXPECT_EQ(Recorded(), source.string());
    EXPECT_EQ(builder->SoundAdapter->WavePath, ObjectWave().string());
    EXPECT_FALSE(std::filesystem::exists(SavedWave()));  // the project folder changes at Save
    EXPECT_EQ(GlobalVars().LastOpenDir, FolderWithSeparator(music));

    EXPECT_TRUE(watch.seenVisible);
    EXPECT_EQ(watch.highest, 100);
    ASSERT_NE(sound->SelectForm(), nullptr);
    EXPECT_FALSE(sound->SelectForm()->isVisible());
    EXPECT_EQ(sound->SelectForm()->windowTitle(), "Wait Processing ...");
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(Builds(), 0);  // the next build hears it
}

INSTANTIATE_TEST_SUITE_P(Files, SoundChoice,
                         ::testing::Values(ChoiceCase{"stereo44k16bit", {44100, 2, SF_FORMAT_PCM_16, 2.0}, SF_FORMAT_PCM_16},
                                           ChoiceCase{"mono8k8bit", {8000, 1, SF_FORMAT_PCM_U8, 1.0}, SF_FORMAT_PCM_16},
                                           ChoiceCase{"stereo48k8bit", {48000, 2, SF_FORMAT_PCM_U8, 1.0}, SF_FORMAT_PCM_16},
                                           ChoiceCase{"mono22k16bit", {22050, 1, SF_FORMAT_PCM_16, 1.0}, SF_FORMAT_PCM_16}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SoundEditorTest, ASecondChoiceReplacesTheObjectsWave)
{
    ASSERT_TRUE(Choose(Music("short.wav", {44100, 2, SF_FORMAT_PCM_16, 0.5})));
    TSoundSelectForm* progress = sound->SelectForm();
    ASSERT_TRUE(Choose(Music("long.wav", {44100, 2, SF_FORMAT_PCM_16, 1.5})));

    EXPECT_NEAR(double(Inspect(ObjectWave()).frames), 22050 * 1.5, 22050 * 0.01);
    EXPECT_EQ(Recorded(), (music / "long.wav").string());
    EXPECT_EQ(sound->SelectForm(), progress);  // one progress window, reused
    EXPECT_FALSE(std::filesystem::exists(TemporarySoundFile()));
}

TEST_F(SoundEditorTest, ChoosingTheSameFileAgainRecordsItAgain)
{
    const auto source = Music("same.wav", {44100, 1, SF_FORMAT_PCM_16, 0.5});
    ASSERT_TRUE(Choose(source));
    root.Obj().Items(0).ObjType().ObjSound().SetContent("changed elsewhere");
    ASSERT_TRUE(Choose(source));  // the edit's text does not change
    EXPECT_EQ(Recorded(), source.string());
}

TEST_F(SoundEditorTest, CompressedWaveIsRefusedAndTheEarlierSoundStays)
{
    const auto first = Music("first.wav", {44100, 2, SF_FORMAT_PCM_16, 0.5});
    ASSERT_TRUE(Choose(first));
    const std::string earlier = ReadAll(ObjectWave());

    EXPECT_FALSE(Choose(Music("adpcm.wav", {22050, 1, SF_FORMAT_IMA_ADPCM, 0.5})));

    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Something error!"});
    EXPECT_EQ(ReadAll(ObjectWave()), earlier);
    EXPECT_EQ(Recorded(), first.string());
    EXPECT_EQ(ContentEdit().text().toStdString(), first.string());
    EXPECT_FALSE(sound->SelectForm()->isVisible());
}

struct BrokenCase {
    const char* what;
    const char* name;
    const char* bytes;  // nullptr: the file does not exist
};

class BrokenChoice : public SoundEditorTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenChoice, IsReportedClosesTheWindowAndRecordsNothing)
{
    const auto file = music / GetParam().name;
    if (GetParam().bytes) std::ofstream(file, std::ios::binary) << GetParam().bytes;

    EXPECT_FALSE(Choose(file));

    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_FALSE(MessageTexts()[0].empty());
    EXPECT_NE(MessageTexts()[0], "Something error!");  // the reason, not the generic text
    ASSERT_NE(sound->SelectForm(), nullptr);
    EXPECT_FALSE(sound->SelectForm()->isVisible());
    EXPECT_FALSE(sound->SelectForm()->Converting());
    EXPECT_EQ(sound->SelectForm()->Gauge()->value(), 0);
    EXPECT_EQ(Recorded(), "earlier.wav");
    EXPECT_EQ(ContentEdit().text(), "earlier.wav");
    EXPECT_FALSE(std::filesystem::exists(ObjectWave()));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenChoice,
                         ::testing::Values(BrokenCase{"text", "notes.wav", "these are not samples at all"},
                                           BrokenCase{"empty", "empty.wav", ""},
                                           BrokenCase{"missing", "gone.wav", nullptr},
                                           BrokenCase{"badMp3", "noise.mp3", "not an mpeg stream either"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SoundEditorTest, AnMp3RecordsTheDecodedTemporaryWaveAndShowsTheChosenFile)
{
    const auto wav = Music("tune.wav", {44100, 2, SF_FORMAT_PCM_16, 1.0});
    const auto mp3 = music / "Tune.MP3";
    const std::string command = "lame --quiet \"" + wav.string() + "\" \"" + mp3.string() + "\" 2>/dev/null";
    if (std::system("lame --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "lame is not installed";
    ASSERT_EQ(std::system(command.c_str()), 0);

    ASSERT_TRUE(Choose(mp3)) << ::testing::PrintToString(MessageTexts());

    EXPECT_EQ(ContentEdit().text().toStdString(), mp3.string()) << "the file the user chose";
    EXPECT_EQ(Recorded(), (dir / "test.wav").string()) << "in the untitled project's own folder";
    // Shown again later, the object still shows the chosen file and records the wave.
    ShowSound(1);
    ShowSound(0);
    EXPECT_EQ(ContentEdit().text().toStdString(), mp3.string());
    EXPECT_EQ(builder->SoundAdapter->Content, (dir / "test.wav").string());
    EXPECT_EQ(Recorded(), (dir / "test.wav").string());
    const WaveInfo wave = Inspect(ObjectWave());
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 22050);
    EXPECT_EQ(wave.subtype, SF_FORMAT_PCM_16);
    EXPECT_NEAR(double(wave.frames), 22050.0, 22050 * 0.1);  // the decoder pads a little
    EXPECT_EQ(GlobalVars().LastOpenDir, FolderWithSeparator(music));
}

TEST_F(SoundEditorTest, TypingANameRecordsItAndConvertsNothing)
{
    ContentEdit().clear();
    QTest::keyClicks(&ContentEdit(), "typed.wav");

    EXPECT_EQ(Recorded(), "typed.wav");
    EXPECT_EQ(Recorded(1), "");
    EXPECT_EQ(builder->SoundAdapter->Content, "typed.wav");
    EXPECT_FALSE(std::filesystem::exists(ObjectWave()));
    EXPECT_EQ(sound->SelectForm(), nullptr);
    EXPECT_EQ(Builds(), 0);
    EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(SoundEditorTest, WithoutASelectionATypedNameStaysInTheAdapter)
{
    objectList.selected.reset();
    ContentEdit().clear();
    QTest::keyClicks(&ContentEdit(), "loose.wav");

    EXPECT_EQ(builder->SoundAdapter->Content, "loose.wav");
    EXPECT_EQ(Recorded(0), "earlier.wav");
    EXPECT_EQ(Recorded(1), "");
}

TEST_F(SoundEditorTest, ShowingASoundFillsTheEditWithoutWritingBack)
{
    ShowSound(1);
    EXPECT_EQ(ContentEdit().text(), "");
    ShowSound(0);
    EXPECT_EQ(ContentEdit().text(), "earlier.wav");

    // Filling the edit stores nothing, even into an entry selected apart
    // from the object shown.
    objectList.selected = "Sound_1";
    builder->SoundAdapter->ShowInEditor(1);
    EXPECT_EQ(ContentEdit().text(), "");
    EXPECT_EQ(Recorded(0), "earlier.wav");
    EXPECT_EQ(Recorded(1), "");
}

TEST_F(SoundEditorTest, ARebuiltMovieCarriesTheChosenSound)
{
    ASSERT_TRUE(Choose(Music("chosen.wav", {44100, 2, SF_FORMAT_PCM_16, 0.5})));
    builder->BuildMovie();

    const std::string wave = ObjectWave().string();
    EXPECT_EQ(Calls("media.MakeSound"), std::vector<std::string>{"media.MakeSound(\"" + wave + "\")"});
    EXPECT_FALSE(Calls("movie.AddObject(media)").empty());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(SoundEditorTest, TheSelectButtonOpensTheDialogInTheLastFolder)
{
    const auto source = Music("picked.wav", {44100, 2, SF_FORMAT_PCM_16, 0.5});
    GlobalVars().LastOpenDir = FolderWithSeparator(music);
    auto* button = sound->findChild<QPushButton*>("OpenBtn");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "&Select");

    QString directory;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = sound->findChild<QFileDialog*>("OpenSoundDialog");
        if (!dialog || !dialog->isVisible()) return;
        directory = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        dialog->selectFile(QString::fromStdString(source.string()));
        static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept
    });
    QTest::mouseClick(button, Qt::LeftButton);

    EXPECT_EQ(directory.toStdString(), music.string());
    EXPECT_EQ(filters, QStringList{"All Sound Files (*.mp3 *.wav)"});
    EXPECT_EQ(Recorded(), source.string());
    EXPECT_TRUE(std::filesystem::exists(ObjectWave()));
}

TEST_F(SoundEditorTest, ACancelledDialogChangesNothing)
{
    GlobalVars().LastOpenDir = FolderWithSeparator(music);
    QTimer::singleShot(0, [&] {
        if (auto* dialog = sound->findChild<QFileDialog*>("OpenSoundDialog")) dialog->reject();
    });
    sound->OpenBtnClick();

    EXPECT_EQ(Recorded(), "earlier.wav");
    EXPECT_EQ(sound->SelectForm(), nullptr);
    EXPECT_EQ(GlobalVars().LastOpenDir, FolderWithSeparator(music));
}

}  // namespace
}  // namespace glimmora::test
