// File dialogs in the interface language: our titles and file-type filters
// come from the language files, Qt's own words of the dialog from Qt's
// translation.
#include "LanguageFixture.h"

#include "settings/AppSettings.h"
#include "settings/IniLang.h"
#include "widgets/FileDialog.h"
#include "objects/TGlobalVars.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace glimmora::test {
namespace {

// Every text the dialog shows: labels, buttons, the type list, and the
// headers and type column of its file list.
QStringList ShownTexts(QFileDialog& dialog) {
    QStringList texts{dialog.windowTitle()};
    for (auto* label : dialog.findChildren<QLabel*>()) if (label->isVisible()) texts << label->text();
    for (auto* button : dialog.findChildren<QAbstractButton*>()) if (button->isVisible()) texts << button->text() << button->toolTip();
    for (auto* combo : dialog.findChildren<QComboBox*>())
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    for (auto* view : dialog.findChildren<QTreeView*>()) {
        QAbstractItemModel* model = view->model();
        if (!model) continue;
        for (int c = 0; c < model->columnCount(); ++c) texts << model->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
            texts << model->index(r, 2, view->rootIndex()).data().toString();
    }
    texts.removeAll(QString());
    return texts;
}

int ListedEntries(QFileDialog& dialog) {
    int entries = 0;
    for (auto* view : dialog.findChildren<QTreeView*>())
        if (view->model()) entries += view->model()->rowCount(view->rootIndex());
    return entries;
}

class FileDialogLanguage : public LanguageTest {
protected:
    void SetUp() override {
        Ship("English.ini");
        Ship("ChineseGB.ini");
        Start();
        window->show();
        window->SetFileChooser({});  // the real dialogs
        std::filesystem::create_directories(dir / "folder" / "sub");
        WriteBytes(dir / "folder" / "photo.jpg", QByteArray::fromHex("ffd8ffe000104a46494600"));
        GlobalVars().LastOpenDir = (dir / "folder").string();
    }
    // Opens the main window's Open dialog, reads what it shows and cancels it.
    QStringList OpenDialogTexts(QStringList* filters = nullptr) {
        QStringList texts;
        QTimer::singleShot(100, [&] {
            auto* dialog = window->findChild<QFileDialog*>("OpenDialog");
            if (!dialog) return;
            // The folder is listed in the background: on a loaded machine its
            // entries come after the dialog has opened.
            if (!QTest::qWaitFor([&] { return ListedEntries(*dialog) > 0; }, 10000))
                ADD_FAILURE() << "the dialog never listed the folder's entries";
            texts = ShownTexts(*dialog);
            if (filters) *filters = dialog->nameFilters();
            dialog->reject();
        });
        window->Action("FileOpen")->trigger();
        return texts;
    }
};

TEST_F(FileDialogLanguage, InChineseShowsNoEnglishWordBesideFileNamesAndPatterns) {
    window->Action("LanguageChinese")->trigger();
    QStringList filters;
    const QStringList texts = OpenDialogTexts(&filters);
    ASSERT_FALSE(texts.isEmpty()) << "the dialog did not open";
    EXPECT_EQ(texts.front(), "打开");
    EXPECT_EQ(filters, QStringList({"Glimmora 文件 (*.gmr)", "Flash 文件 (*.swf)", "所有文件 (*.gmr *.swf)"}));
    // What may stay in Latin letters: the folder shown, product and format
    // names, file patterns.
    static const QRegularExpression allowed(R"(\([^)]*\)|Glimmora|Flash|JPEG|SWF|EXE)");
    const QString folder = QString::fromStdString((dir / "folder").string());
    QStringList english;
    for (QString text : texts) {
        text.remove(folder).remove(allowed);
        if (text.contains(QRegularExpression("[A-Za-z]{2,}"))) english << text;
    }
    EXPECT_EQ(english.join(" | ").toStdString(), "");
    EXPECT_TRUE(texts.contains("文件夹")) << texts.join(" | ").toStdString();  // the type of "sub"
}

TEST_F(FileDialogLanguage, BackInEnglishShowsTheBuiltInTexts) {
    window->Action("LanguageChinese")->trigger();
    window->Action("LanguageEnglish")->trigger();
    QStringList filters;
    const QStringList texts = OpenDialogTexts(&filters);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.front(), "Open");
    EXPECT_EQ(filters, QStringList({"Glimmora file (*.gmr)", "Flash file (*.swf)", "All file (*.gmr *.swf)"}));
    EXPECT_TRUE(texts.contains("Folder"));
}

TEST_F(FileDialogLanguage, ATranslatedFilterThatChangesThePatternsIsNotTaken) {
    WriteBytes(program / "Broken.ini", "[MainForm]\nMainForm.OpenDialog.Filter=Glimmora (*.txt);;Flash (*.swf);;All (*)\n"
                                     "MainForm.SaveDialog.Filter=Projekt (*.gmr)\n");
    ApplyLanguage(window.get(), *LoadLanguageFile(program, "Broken.ini"));
    QStringList filters;
    OpenDialogTexts(&filters);
    EXPECT_EQ(filters, QStringList({"Glimmora file (*.gmr)", "Flash file (*.swf)", "All file (*.gmr *.swf)"}));
    EXPECT_EQ(window->findChild<TFileDialog*>("SaveDialog")->Filter(), "Projekt (*.gmr)");
}

}  // namespace
}  // namespace glimmora::test
