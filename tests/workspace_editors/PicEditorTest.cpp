// The picture editor over a real builder: the import through the wait window,
// the deferred builds, Enter, the effect choice and the effect list.

#include "EditorFixture.h"

#include "effects/picture/import/PictureImport.h"
#include "widgets/SpinEdit.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace glimmora::test {
namespace {

constexpr const char* kSizeMessage = "The picture width>800 or height>600!";

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class PicEditorTest : public EditorTest {
protected:
    void SetUp() override
    {
        Open(MovieXml(PicXml("Pic_1", "/old/photo.bmp", "Fade In") + TextXml("Text_1")));
        ShowPic(0);
    }
    SpinEdit& Spin(const char* name)
    {
        SpinEdit* spin = pic->findChild<SpinEdit*>(name);
        if (!spin) throw std::logic_error(std::string("no spin edit ") + name);
        return *spin;
    }
    QComboBox& Effects() { return *pic->findChild<QComboBox*>("EffectName"); }

    // A picture made by the test: gradient, of the given size and format.
    std::filesystem::path MakePicture(const std::string& name, int width, int height, const char* format)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        const auto file = dir / name;
        EXPECT_TRUE(image.save(QString::fromStdString(file.string()), format));
        return file;
    }
    // The picture the movie takes for Pic_1 now; in the project folder only
    // once the project is saved.
    std::filesystem::path Stored() const
    {
        return builder->Media.Find(builder->BasePath, MediaKind::Picture, "Pic_1").file;
    }
    std::filesystem::path Saved() const { return dir / "Pic_1.jpg"; }
    std::string PicField(const char* name) const { return Field(0, (std::string("ObjType/ObjPic/") + name).c_str()); }
};

struct ImportCase {
    const char* what;
    const char* file;
    const char* format;
    int width;
    int height;
};

class PictureImport : public PicEditorTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(PictureImport, StoresTheConvertedPictureAndRebuilds)
{
    const ImportCase& c = GetParam();
    const auto source = MakePicture(c.file, c.width, c.height, c.format);

    ASSERT_TRUE(pic->ImportFile(QString::fromStdString(source.string())));

    ASSERT_TRUE(std::filesystem::exists(Stored()));
    EXPECT_FALSE(std::filesystem::exists(Saved()));  // the project folder changes at Save
    QImage stored(QString::fromStdString(Stored().string()));
    EXPECT_EQ(stored.width(), c.width);
    EXPECT_EQ(stored.height(), c.height);
    EXPECT_EQ(pic->EditWidth(), c.width);
    EXPECT_EQ(pic->EditHeight(), c.height);
    EXPECT_TRUE(pic->HasImage());
    EXPECT_EQ(PicField("Content"), source.string());
    EXPECT_EQ(PicField("Width"), std::to_string(c.width));
    EXPECT_EQ(PicField("Height"), std::to_string(c.height));
    EXPECT_GE(Builds(), 1);
    EXPECT_EQ(GlobalVars().LastOpenDir, dir.Path().string() + "/");
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, PictureImport,
                         ::testing::Values(ImportCase{"Bmp640x480", "photo.bmp", "BMP", 640, 480},
                                           ImportCase{"Jpeg320x200", "photo.jpg", "JPG", 320, 200},
                                           ImportCase{"Bmp800x600", "big.BMP", "BMP", 800, 600},
                                           ImportCase{"Jpeg800x600", "big.jpeg", "JPG", 800, 600}),
                         [](const auto& info) { return std::string(info.param.what); });

class OversizedImport : public PicEditorTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(OversizedImport, ShowsTheSizeMessageAndKeepsTheObjectAndItsPicture)
{
    const ImportCase& c = GetParam();
    std::ofstream(Stored(), std::ios::binary) << "earlier picture";
    pic->LoadImage(MakePicture("shown.bmp", 10, 10, "BMP").string());
    const auto source = MakePicture(c.file, c.width, c.height, c.format);

    EXPECT_FALSE(pic->ImportFile(QString::fromStdString(source.string())));

    EXPECT_EQ(messages.messages, std::vector<std::string>{kSizeMessage});
    EXPECT_EQ(ReadAll(Stored()), "earlier picture");
    EXPECT_EQ(PicField("Content"), "/old/photo.bmp");
    EXPECT_EQ(PicField("Width"), "100");
    EXPECT_FALSE(pic->HasImage());  // the preview is cleared
    EXPECT_EQ(Builds(), 0);
    EXPECT_EQ(GlobalVars().LastOpenDir, dir.Path().string() + "/");
}

INSTANTIATE_TEST_SUITE_P(Files, OversizedImport,
                         ::testing::Values(ImportCase{"Jpeg801x100", "wide.jpg", "JPG", 801, 100},
                                           ImportCase{"Bmp100x601", "tall.bmp", "BMP", 100, 601}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(PicEditorTest, PictureWithTransparencyIsStoredAsPngAndTheMovieTakesIt)
{
    std::ofstream(Stored(), std::ios::binary) << "earlier opaque picture";
    QImage logo(60, 30, QImage::Format_RGBA8888);
    logo.fill(QColor(255, 0, 0, 100));
    const auto source = dir / "logo.png";
    ASSERT_TRUE(logo.save(QString::fromStdString(source.string()), "PNG"));

    ASSERT_TRUE(pic->ImportFile(QString::fromStdString(source.string())));

    const auto png = Stored();
    EXPECT_EQ(png.extension(), ".png");
    EXPECT_TRUE(std::filesystem::exists(png));
    // The project folder changes at Save (where the PNG takes the JPEG's place).
    EXPECT_EQ(ReadAll(Saved()), "earlier opaque picture");
    EXPECT_TRUE(pic->HasImage());
    EXPECT_EQ(PicField("Width"), "60");
    EXPECT_EQ(PicField("Content"), source.string());
    const auto pictures = Calls("media.MakePicture");
    ASSERT_FALSE(pictures.empty());
    EXPECT_NE(pictures.back().find(png.string()), std::string::npos) << pictures.back();
    EXPECT_TRUE(messages.messages.empty());
}

struct ScaleAnswer {
    const char* what;
    bool yes;
};

class LargePictureImport : public PicEditorTest, public ::testing::WithParamInterface<ScaleAnswer> {};

TEST_P(LargePictureImport, IsOfferedAScaleDownToFit)
{
    const bool yes = GetParam().yes;
    messages.answers = {yes};
    const auto source = MakePicture("wide.jpg", 1200, 300, "JPG");

    EXPECT_EQ(pic->ImportFile(QString::fromStdString(source.string())), yes);

    EXPECT_EQ(messages.questions, std::vector<std::string>{ScaleDownQuestion(1200, 300)});
    if (yes) {
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(PicField("Width"), "800");
        EXPECT_EQ(PicField("Height"), "200");
        EXPECT_EQ(QImage(QString::fromStdString(Stored().string())).size(), QSize(800, 200));
        EXPECT_GE(Builds(), 1);
    } else {
        EXPECT_EQ(messages.messages, std::vector<std::string>{kSizeMessage});
        EXPECT_EQ(PicField("Width"), "100");
        EXPECT_FALSE(std::filesystem::exists(Stored()));
        EXPECT_EQ(Builds(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, LargePictureImport,
                         ::testing::Values(ScaleAnswer{"Yes", true}, ScaleAnswer{"No", false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(PicEditorTest, DamagedFileIsReportedAndChangesNothing)
{
    GlobalVars().LastOpenDir = "/library/";
    const auto source = dir / "broken.jpg";
    std::ofstream(source, std::ios::binary) << "\xFF\xD8\xFF garbage";

    EXPECT_FALSE(pic->ImportFile(QString::fromStdString(source.string())));

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(messages.messages[0].find("broken.jpg"), std::string::npos) << messages.messages[0];
    EXPECT_FALSE(std::filesystem::exists(Stored()));
    EXPECT_EQ(PicField("Content"), "/old/photo.bmp");
    EXPECT_EQ(GlobalVars().LastOpenDir, "/library/");
    EXPECT_EQ(Builds(), 0);
}

TEST_F(PicEditorTest, OtherPictureFormatIsRefusedWithoutAMessage)
{
    const auto source = MakePicture("icon.ico", 16, 16, "ICO");
    EXPECT_FALSE(pic->ImportFile(QString::fromStdString(source.string())));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(Stored()));
    EXPECT_EQ(PicField("Content"), "/old/photo.bmp");
}

TEST_F(PicEditorTest, ABurstOfFieldChangesBuildsOnceAfterThePause)
{
    Spin("EditPositionX").SetValue(5);
    Spin("EditPositionX").SetValue(50);
    Spin("EditPositionY").SetValue(7);
    EXPECT_EQ(Builds(), 0);  // deferred
    ProcessEventsFor(30);
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(PicField("PositionX"), "50");
    EXPECT_EQ(PicField("PositionY"), "7");
    ProcessEventsFor(10);
    EXPECT_EQ(Builds(), 1);
}

TEST_F(PicEditorTest, TypedDigitsBuildOnceWithTheWholeNumber)
{
    auto& field = Spin("EditPositionX");
    field.selectAll();
    QTest::keyClicks(&field, "50");
    EXPECT_EQ(Builds(), 0);
    ProcessEventsFor(30);
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(PicField("PositionX"), "50");
}

TEST_F(PicEditorTest, EnterStoresAndBuildsAtOnce)
{
    QTest::keyClick(&Spin("EditHeight"), Qt::Key_Return);
    EXPECT_EQ(Builds(), 1);
    ProcessEventsFor(20);
    EXPECT_EQ(Builds(), 1);  // Enter is no change: nothing deferred follows
    EXPECT_EQ(PicField("EffectName"), "-- None --");  // "Fade In" is not offered
}

TEST_F(PicEditorTest, ShowingAnObjectStartsNoBuild)
{
    ShowPic(0);
    ProcessEventsFor(20);
    EXPECT_EQ(Builds(), 0);
    EXPECT_EQ(pic->EditBegin(), 6);
    EXPECT_EQ(pic->EditEnd(), 21);
    EXPECT_EQ(pic->EditPositionX(), 10);
    EXPECT_EQ(pic->EditWidth(), 100);
}

TEST_F(PicEditorTest, ChoosingAnEffectMakesTheObject25FramesLong)
{
    pic->SetEditBegin(10);
    ProcessEventsFor(20);
    const int index = Effects().findText("Zoom In");
    ASSERT_GT(index, 0);
    Effects().setCurrentIndex(index);
    EXPECT_EQ(pic->EditEnd(), 34);
    EXPECT_EQ(Field(0, "StartTime"), "9");
    EXPECT_EQ(Field(0, "EndTime"), "33");
    EXPECT_EQ(PicField("EffectName"), "Zoom In");
}

TEST_F(PicEditorTest, EffectListHoldsNoneAndTheNinetyEffectsOnce)
{
    ASSERT_EQ(Effects().count(), 91);
    EXPECT_EQ(Effects().itemText(0), "-- None --");
    EXPECT_EQ(Effects().itemText(1), "Move Up");
    EXPECT_EQ(Effects().itemText(90), "Come Out yb");
    EXPECT_EQ(Effects().findText("Fade In"), -1);
    EXPECT_EQ(Effects().findText("Fade Out"), -1);
    pic->show();
    pic->hide();
    pic->show();
    EXPECT_EQ(Effects().count(), 91);
    EXPECT_EQ(pic->windowTitle(), "Picture Properties");
}

TEST_F(EditorTest, NewPictureObjectShowsAndStoresTheFieldsMinimumSize)
{
    Open(MovieXml(PicXml("Pic_1", "", "-- None --", 0, 0)));
    ShowPic(0);
    EXPECT_EQ(pic->EditWidth(), 1);
    EXPECT_EQ(pic->EditHeight(), 1);
    EXPECT_FALSE(pic->HasImage());
    QTest::keyClick(pic->findChild<SpinEdit*>("EditBegin"), Qt::Key_Return);
    EXPECT_EQ(Field(0, "ObjType/ObjPic/Width"), "1");
    EXPECT_EQ(Field(0, "ObjType/ObjPic/Height"), "1");
}

}  // namespace
}  // namespace glimmora::test
