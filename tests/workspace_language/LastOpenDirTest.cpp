// The folder the picture and sound choosers open in, across runs.
#include "LanguageFixture.h"

#include "objects/TGlobalVars.h"
#include "settings/AppSettings.h"
#include "support/TestPaths.h"

#include <QSettings>

namespace glimmora::test {
namespace {

struct StartCase {
    const char* name;
    const char* stored;  // nullptr: never stored
    bool library;        // the program folder's "library" is expected
};

class LastOpenDirAtStart : public LanguageTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(LastOpenDirAtStart, IsTheStoredFolderOrTheLibrary) {
    const StartCase& c = GetParam();
    if (c.stored) ProgramSettings().setValue("Common/LastOpenDir", c.stored);
    Start();
    const std::string expected = c.library ? (program / "library").string() : std::string(c.stored);
    EXPECT_EQ(GlobalVars().LastOpenDir, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LastOpenDirAtStart,
                         ::testing::Values(StartCase{"FirstRun", nullptr, true}, StartCase{"Empty", "", true},
                                           StartCase{"Stored", "/home/user/pictures/", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageTest, AChosenFolderIsStoredAtCloseAndTakenAtTheNextStart) {
    Start();
    window->show();
    EXPECT_EQ(GlobalVars().LastOpenDir, (program / "library").string());
    const std::string chosen = (dir / "elsewhere").string() + "/";
    GlobalVars().LastOpenDir = chosen;  // as a picture or sound choice leaves it
    Restart();
    EXPECT_EQ(GlobalVars().LastOpenDir, chosen);
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Glimmora")
                  .value("Common/LastOpenDir")
                  .toString()
                  .toStdString(),
              chosen);
}

TEST(ProgramFolder, HasALibraryFolderWithTheExamplePictures) {
    const std::filesystem::path library = std::filesystem::path(GLIMMORA_PROGRAM_DIR) / "library";
    ASSERT_TRUE(std::filesystem::is_directory(library));
    EXPECT_TRUE(std::filesystem::exists(library / "PicStill.jpg"));
}

}  // namespace
}  // namespace glimmora::test
