// The Language Out command: "Custom.ini" from the windows that exist, and the
// source constants of the program folder.
#include "LanguageFixture.h"

#include "settings/IniFile.h"

#include <QAction>

namespace glimmora::test {
namespace {

TIniText CustomIni(const std::filesystem::path& program) {
    return TIniText::Parse(ReadBytes(program / "Custom.ini"));
}

// No caption equal to its component's name, no separators, no empty texts.
void ExpectOnlyRealTexts(const TIniText& ini) {
    for (const QString& section : ini.Sections()) {
        for (const QString& key : ini.Keys(section)) {
            const QString value = ini.ReadString(section, key);
            EXPECT_FALSE(value.isEmpty()) << key.toStdString();
            EXPECT_NE(value, "-") << key.toStdString();
            if (key.endsWith(".Caption")) {
                const QString name = key.section('.', -2, -2);
                EXPECT_NE(value, name) << key.toStdString();
            }
        }
    }
}

TEST_F(LanguageTest, ATemplateWrittenWithoutAProjectLacksTheEditorsSections) {
    Start();
    window->show();
    window->Action("FileClose")->trigger();
    window->Action("LanguageOut")->trigger();
    ASSERT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
    const TIniText ini = CustomIni(program);

    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileNew.Caption").toStdString(), "&New");
    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileNew.Hint").toStdString(), "New");
    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileMenu.Caption").toStdString(), "&File");
    for (const char* editor : {"BackgroundForm", "ObjListForm", "TextForm", "PicForm", "SoundForm", "TextExForm"})
        EXPECT_FALSE(ini.Sections().contains(editor)) << editor;
    EXPECT_TRUE(ini.Keys("Misc").isEmpty());  // no sources in the program folder
    ExpectOnlyRealTexts(ini);
}

TEST_F(LanguageTest, ATemplateOverwritesItsKeysKeepsTheOthersAndCollectsTheSourcesConstants) {
    WriteBytes(program / "Custom.ini", "[MainForm]\nMainForm.FileNew.Caption=Old\n[Mine]\nMine.Key=kept\n");
    WriteBytes(program / "Strings.cpp",
               "constexpr char kSaveChanges[] = \"Save changes?\";\n"
               "constexpr char kTwoLines[] = \"one\" \"\\n\" \"two\";\n");
    WriteBytes(program / "IniLang.cpp", "constexpr char kOwn[] = \"own\";\n");
    Start();
    window->show();
    window->Action("LanguageOut")->trigger();
    ASSERT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
    const TIniText ini = CustomIni(program);

    EXPECT_EQ(ini.ReadString("MainForm", "MainForm.FileNew.Caption").toStdString(), "&New");
    EXPECT_EQ(ini.ReadString("Mine", "Mine.Key").toStdString(), "kept");
    EXPECT_EQ(ini.ReadString("TextForm", "TextForm.Caption").toStdString(), "Text Properties");
    // The lists of document values keep their entries, not their hints.
    EXPECT_EQ(ini.ReadString("TextForm", "TextForm.EffectName.Hint").toStdString(), "Text Effect Name");
    for (const char* key : {"TextForm.FontName.Items[0]", "TextForm.FontSize.Items[0]", "TextForm.EffectName.Items[0]"})
        EXPECT_FALSE(ini.HasKey("TextForm", key)) << key;
    EXPECT_FALSE(ini.HasKey("PicForm", "PicForm.EffectName.Items[0]"));
    EXPECT_EQ(ini.ReadString("BackgroundForm", "BackgroundForm.Label1.Caption").toStdString(), "&Color:");
    EXPECT_EQ(ini.ReadString("ObjListForm", "ObjListForm.DeleteMenuItem.Caption").toStdString(), "&Delete");
    EXPECT_EQ(ini.ReadString("Misc", "kSaveChanges").toStdString(), "Save changes?");
    EXPECT_EQ(ini.ReadString("Misc", "kTwoLines").toStdString(), "one*|*two");
    EXPECT_FALSE(ini.HasKey("Misc", "kOwn"));
    ExpectOnlyRealTexts(ini);
}

}  // namespace
}  // namespace glimmora::test
