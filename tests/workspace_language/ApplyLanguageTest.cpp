// Applying a language file to one window: which texts change, which stay.
#include "LanguageFixture.h"

#include "settings/IniLang.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace glimmora::test {
namespace {

// A small window with one component of every kind the language files reach,
// and a window of its own inside it.
struct FixtureWindow {
    FixtureWindow() {
        window.setObjectName("FixtureForm");
        window.setWindowTitle("Fixture");
        auto* layout = new QVBoxLayout(&window);
        auto* panel = new QWidget(&window);  // components at any depth count
        panel->setObjectName("Panel1");
        layout->addWidget(panel);
        label = new QLabel("Name:", panel);
        label->setObjectName("Label1");
        button = new QPushButton("&OK", &window);
        button->setObjectName("OkBtn");
        button->setToolTip("Confirm");
        edit = new QLineEdit("typed", &window);
        edit->setObjectName("Edit1");
        memo = new QPlainTextEdit("one\ntwo\nthree", &window);
        memo->setObjectName("Memo1");
        combo = new QComboBox(&window);
        combo->setObjectName("Combo1");
        combo->addItems({"Red", "Green"});
        values = new QComboBox(&window);
        values->setObjectName("EffectName");
        values->addItems({"-- None --", "Come In"});
        values->setToolTip("Effect");
        KeepItemsUntranslated(values);
        list = new QListWidget(&window);
        list->setObjectName("List1");
        list->addItems({"First", "Second"});
        group = new QGroupBox("Options", &window);
        group->setObjectName("Group1");
        tabs = new QTabWidget(&window);
        tabs->setObjectName("PageControl1");
        page = new QWidget;
        page->setObjectName("TabSheet1");
        tabs->addTab(page, "General");
        menu = new QMenu("&File", &window);
        menu->setObjectName("FileMenu");
        action = new QAction("&Save", &window);
        action->setObjectName("FileSave");
        action->setToolTip("Save");
        unnamed = new QLabel("Unnamed", &window);
        inner = new QDialog(&window);
        inner->setObjectName("InnerForm");
        innerLabel = new QLabel("Inner", inner);
        innerLabel->setObjectName("Label1Inner");
    }

    bool application = (EnsureApplication(), true);  // before the first widget
    QWidget window;
    QLabel* label;
    QPushButton* button;
    QLineEdit* edit;
    QPlainTextEdit* memo;
    QComboBox* combo;
    QComboBox* values;  // entries are document values
    QListWidget* list;
    QGroupBox* group;
    QTabWidget* tabs;
    QWidget* page;
    QMenu* menu;
    QAction* action;
    QLabel* unnamed;
    QDialog* inner;
    QLabel* innerLabel;
};

void Apply(FixtureWindow& f, const char* text) { ApplyLanguage(&f.window, TIniText::Parse(QByteArray(text))); }

TEST(ApplyLanguage, ReplacesCaptionsHintsLinesAndItemsByName) {
    FixtureWindow f;
    Apply(f,
          "[FixtureForm]\n"
          "FixtureForm.Caption=Window\n"
          "FixtureForm.Label1.Caption=Label\n"
          "FixtureForm.OkBtn.Caption=Yes\n"
          "FixtureForm.OkBtn.Hint=Agree\n"
          "FixtureForm.Memo1.Lines[1]=TWO\n"
          "FixtureForm.Combo1.Items[1]=Verde\n"
          "FixtureForm.List1.Items[0]=Erste\n"
          "FixtureForm.Group1.Caption=Choices\n"
          "FixtureForm.TabSheet1.Caption=Page\n"
          "FixtureForm.FileMenu.Caption=Archive\n"
          "FixtureForm.FileSave.Caption=Keep\n"
          "FixtureForm.FileSave.Hint=Keep it\n");
    EXPECT_EQ(f.window.windowTitle(), "Window");
    EXPECT_EQ(f.label->text(), "Label");
    EXPECT_EQ(f.button->text(), "Yes");
    EXPECT_EQ(f.button->toolTip(), "Agree");
    EXPECT_EQ(f.memo->toPlainText(), "one\nTWO\nthree");
    EXPECT_EQ(f.combo->itemText(0), "Red");
    EXPECT_EQ(f.combo->itemText(1), "Verde");
    EXPECT_EQ(f.list->item(0)->text(), "Erste");
    EXPECT_EQ(f.list->item(1)->text(), "Second");
    EXPECT_EQ(f.group->title(), "Choices");
    EXPECT_EQ(f.tabs->tabText(0), "Page");
    EXPECT_EQ(f.menu->title(), "Archive");
    EXPECT_EQ(f.action->text(), "Keep");
    EXPECT_EQ(f.action->toolTip(), "Keep it");
}

TEST(ApplyLanguage, EmptyValuesLeaveCaptionsHintsAndItemsButEmptyALine) {
    FixtureWindow f;
    Apply(f,
          "[FixtureForm]\n"
          "FixtureForm.Caption=\n"
          "FixtureForm.OkBtn.Caption=\n"
          "FixtureForm.OkBtn.Hint=\n"
          "FixtureForm.Combo1.Items[0]=\n"
          "FixtureForm.Memo1.Lines[0]=\n");
    EXPECT_EQ(f.window.windowTitle(), "Fixture");
    EXPECT_EQ(f.button->text(), "&OK");
    EXPECT_EQ(f.button->toolTip(), "Confirm");
    EXPECT_EQ(f.combo->itemText(0), "Red");
    // The line key is present: its empty value empties the line; the
    // missing keys of lines 1 and 2 leave them.
    EXPECT_EQ(f.memo->toPlainText(), "\ntwo\nthree");
}

TEST(ApplyLanguage, ItemsAndLinesBeyondTheComponentsOwnAreIgnored) {
    FixtureWindow f;
    Apply(f,
          "[FixtureForm]\n"
          "FixtureForm.Combo1.Items[2]=Blue\n"
          "FixtureForm.List1.Items[5]=Sixth\n"
          "FixtureForm.Memo1.Lines[3]=four\n");
    EXPECT_EQ(f.combo->count(), 2);
    EXPECT_EQ(f.list->count(), 2);
    EXPECT_EQ(f.memo->toPlainText(), "one\ntwo\nthree");
}

TEST(ApplyLanguage, KeysAndSectionsInOtherLetterCaseApply) {
    FixtureWindow f;
    Apply(f,
          "[FIXTUREFORM]\n"
          "fixtureform.caption=Lower\n"
          "FIXTUREFORM.OKBTN.CAPTION=Upper\n"
          "FixtureForm.Memo1.LINES[2]=THREE\n"
          "fixtureform.combo1.items[0]=Rot\n");
    EXPECT_EQ(f.window.windowTitle(), "Lower");
    EXPECT_EQ(f.button->text(), "Upper");
    EXPECT_EQ(f.memo->toPlainText(), "one\ntwo\nTHREE");
    EXPECT_EQ(f.combo->itemText(0), "Rot");
}

TEST(ApplyLanguage, PropertiesTheComponentLacksAndOtherWindowsAreIgnored) {
    FixtureWindow f;
    Apply(f,
          "[FixtureForm]\n"
          "FixtureForm.Edit1.Caption=Caption of an edit\n"  // a line edit has no caption
          "FixtureForm.Label1.Items[0]=Item of a label\n"
          "FixtureForm.Label1.Lines[0]=Line of a label\n"
          "FixtureForm.Panel1.Caption=Caption of a panel\n"
          "FixtureForm.Label1Inner.Caption=Not mine\n"  // the inner window's own
          "FixtureForm.Nothing.Caption=No such component\n"
          "[InnerForm]\n"
          "InnerForm.Caption=Inner window\n");
    EXPECT_EQ(f.edit->text(), "typed");
    EXPECT_EQ(f.label->text(), "Name:");
    EXPECT_EQ(f.innerLabel->text(), "Inner");
    EXPECT_TRUE(f.inner->windowTitle().isEmpty());
    EXPECT_EQ(f.unnamed->text(), "Unnamed");
}

TEST(ApplyLanguage, TheWindowsComponentsAreItsNamedPartsUpToWindowsOfTheirOwn) {
    FixtureWindow f;
    QStringList names;
    for (QObject* component : WindowComponents(&f.window)) names.append(component->objectName());
    EXPECT_EQ(names, (QStringList{"Panel1", "Label1", "OkBtn", "Edit1", "Memo1", "Combo1", "EffectName", "List1",
                                  "Group1", "PageControl1", "TabSheet1", "FileMenu", "FileSave"}));
}

TEST(ApplyLanguage, AListOfDocumentValuesKeepsItsEntriesButTakesItsHint) {
    FixtureWindow f;
    Apply(f,
          "[FixtureForm]\n"
          "FixtureForm.EffectName.Items[1]=Hereinkommen\n"
          "FixtureForm.EffectName.Hint=Effekt\n");
    EXPECT_EQ(f.values->itemText(1), "Come In");
    EXPECT_EQ(f.values->toolTip(), "Effekt");
}

TEST(LanguageTemplate, AnUnreadableSourceStopsTheMiscSectionAfterTheWindowsKeys) {
    if (geteuid() == 0) GTEST_SKIP() << "every file is readable to root";
    FixtureWindow f;
    TempDir dir;
    WriteBytes(dir / "a.cpp", "constexpr char kA[] = \"a\";\n");
    WriteBytes(dir / "b.cpp", "constexpr char kB[] = \"b\";\n");
    std::filesystem::permissions(dir / "b.cpp", std::filesystem::perms::none);
    const auto file = dir / "Custom.ini";
    try {
        WriteLanguageTemplate(file, {&f.window}, dir.Path());
        ADD_FAILURE() << "no error for the unreadable source";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("b.cpp"), std::string::npos) << error.what();
    }
    const TIniText ini = TIniText::Parse(ReadBytes(file));
    EXPECT_EQ(ini.ReadString("FixtureForm", "FixtureForm.OkBtn.Caption"), "&OK");
    EXPECT_EQ(ini.ReadString("Misc", "kA"), "a");
    EXPECT_FALSE(ini.HasKey("Misc", "kB"));
}

}  // namespace
}  // namespace glimmora::test
