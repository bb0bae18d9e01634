// The buttons of the messages a build or an import shows: a plain OK, except
// for the size refusal of a picture, which also offers Cancel.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "workspace/TPicForm.h"
#include "workspace/TSoundForm.h"

#include <sndfile.h>

#include <vector>

namespace glimmora::test {
namespace {

const char* const kSoundObject =
    "<Obj><ObjName>Sound_1</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer>"
    "<ObjTypeName>Sound</ObjTypeName><ObjType><ObjSound><Content>gone.wav</Content></ObjSound></ObjType></Obj>";

// A short WAV of 32-bit float samples: readable, but not PCM.
void WriteFloatWave(const std::filesystem::path& file) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* out = sf_open(file.string().c_str(), SFM_WRITE, &info);
    ASSERT_NE(out, nullptr);
    std::vector<float> samples(2205, 0.25f);
    sf_writef_float(out, samples.data(), sf_count_t(samples.size()));
    sf_close(out);
}

enum class Act { OpenOnly, ChooseFloatSound, ImportLargePicture };

struct ButtonsCase {
    const char* name;
    std::string objects;  // of the project opened first
    Act act;
    const char* says;     // a part of the message
    QMessageBox::StandardButtons buttons;
};

class MessageButtonsTest : public MainWindowTest, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(MessageButtonsTest, OfferTheButtonsTheMessageCallsFor) {
    const ButtonsCase& c = GetParam();
    Start(QString::fromStdString(WriteProject("p/messages.gmr", MovieXml(c.objects)).string()));
    if (c.act == Act::ChooseFloatSound) {
        WriteFloatWave(dir / "float.wav");
        window->Action("InsertSound")->trigger();
        window->SoundForm()->ChooseSound(QString::fromStdString((dir / "float.wav").string()));
    } else if (c.act == Act::ImportLargePicture) {
        WriteSolidJpeg(dir / "large.jpg", 801, 20, 0, 0, 255);
        window->Action("InsertPicture")->trigger();
        window->PicForm()->ImportFile(QString::fromStdString((dir / "large.jpg").string()));
    }
    // A picture too large is first offered a scale-down (answered No here).
    const bool asked = c.act == Act::ImportLargePicture;
    ASSERT_EQ(boxes.size(), asked ? 2u : 1u);
    if (asked) EXPECT_EQ(boxes[0].kind, MessageBoxes::Kind::Question);
    const MessageBoxes::Request& shown = boxes.back();
    EXPECT_NE(shown.text.indexOf(c.says, 0, Qt::CaseInsensitive), -1) << shown.text.toStdString();
    EXPECT_EQ(shown.buttons, c.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageButtonsTest,
    ::testing::Values(
        ButtonsCase{"soundPlacement", kSoundObject, Act::OpenOnly, "sound file", QMessageBox::Ok},
        ButtonsCase{"pictureGeneration", StaticPictureXml("Pic_1", 0, 0, 10, 10), Act::OpenOnly,
                    "can not use the picture", QMessageBox::Ok},
        ButtonsCase{"soundNotPcm", "", Act::ChooseFloatSound, "Something error!", QMessageBox::Ok},
        ButtonsCase{"pictureTooLarge", "", Act::ImportLargePicture, "width>800",
                    QMessageBox::Ok | QMessageBox::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace glimmora::test
