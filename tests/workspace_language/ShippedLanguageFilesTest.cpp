// "English.ini" and "ChineseGB.ini" as installed in the program folder: every
// key names a window, a component and a property that exist, English holds
// the built-in texts, and both cover the same keys.
#include "LanguageFixture.h"

#include "settings/IniLang.h"
#include "tools/TExeToSwfForm.h"
#include "tools/TExportMovieForm.h"
#include "tools/TExportProgressForm.h"
#include "tools/TSwfToExeForm.h"
#include "workspace/TAboutBox.h"
#include "workspace/TBackgroundForm.h"
#include "workspace/TGuideForm.h"
#include "workspace/TMainForm.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TPicSelectForm.h"
#include "workspace/TSoundForm.h"
#include "workspace/TSoundSelectForm.h"
#include "workspace/TTextForm.h"
#include "workspace/TTimelineForm.h"

#include "objects/TGlobalVars.h"
#include "support/TestPaths.h"

#include <QAction>
#include <QRegularExpression>

namespace glimmora::test {
namespace {

// The play slider's hint is the frame shown: no text to translate. (The
// font, size and effect lists, whose entries are document values, are in no
// template.)
bool LeftAlone(const QString& key) { return key == "MainForm.SliderPlay.Hint"; }

class ShippedLanguageFiles : public LanguageTest {
protected:
    // Every window that applies a language file, open at once.
    void OpenAll() {
        Start();
        window->show();
        guide = std::make_unique<TGuideForm>(window.get(), GlobalVars());
        picSelect = std::make_unique<TPicSelectForm>(window.get());
        soundSelect = std::make_unique<TSoundSelectForm>(window.get());
        swfToExe = std::make_unique<TSwfToExeForm>(window.get(), TMainForm::PlayerProgram());
        exeToSwf = std::make_unique<TExeToSwfForm>(window.get());
        exportMovie = std::make_unique<TExportMovieForm>(window.get(), swf::DecodedMovie{}, "movie",
                                                         [](const QString&, const QString&, bool) { return QString(); });
        exportProgress = std::make_unique<TExportProgressForm>(window.get(), "movie.mp4");
        windows = {window.get(),      window->BackgroundForm(), window->ObjListForm(), window->TextForm(),
                   window->PicForm(), window->SoundForm(),      window->AboutBox(),    guide.get(),
                   picSelect.get(),   soundSelect.get(),        swfToExe.get(),        exeToSwf.get(),
                   exportMovie.get(), exportProgress.get(),    window->TimelineForm()};
    }
    QWidget* Window(const QString& name) const {
        for (QWidget* w : windows)
            if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
        return nullptr;
    }
    static TIniText Shipped(const char* name) {
        const QByteArray bytes = ReadBytes(std::filesystem::path(GLIMMORA_PROGRAM_DIR) / name);
        EXPECT_FALSE(bytes.isEmpty()) << name;
        return TIniText::Parse(bytes);
    }
    // "key: why" for every key that names nothing that exists.
    QStringList Strays(const TIniText& ini) const {
        static const QRegularExpression form(R"(^([^.]+)\.(?:(Caption)|([^.]+)\.(Caption|Hint|Filter|Items\[(\d+)\]|Lines\[(\d+)\]))$)",
                                             QRegularExpression::CaseInsensitiveOption);
        QStringList strays;
        for (const QString& section : ini.Sections()) {
            QWidget* w = Window(section);
            if (!w) {
                strays.append("[" + section + "]: no such window");
                continue;
            }
            const QList<QObject*> components = WindowComponents(w);
            for (const QString& key : ini.Keys(section)) {
                const QRegularExpressionMatch m = form.match(key);
                if (!m.hasMatch() || m.captured(1).compare(section, Qt::CaseInsensitive) != 0) {
                    strays.append(key + ": not a key of this section");
                    continue;
                }
                if (!m.captured(2).isEmpty()) continue;  // the window's caption
                QObject* component = nullptr;
                for (QObject* c : components)
                    if (c->objectName() == m.captured(3)) component = c;
                const QString property = m.captured(4).toLower();
                if (!component) strays.append(key + ": no such component");
                else if (property == "caption" && !HasCaption(component)) strays.append(key + ": has no caption");
                else if (property == "hint" && !HasHint(component)) strays.append(key + ": has no hint");
                else if (property == "filter" && !HasFilter(component)) strays.append(key + ": has no filter");
                else if (property.startsWith("items") && m.captured(5).toInt() >= ItemsOf(component).size())
                    strays.append(key + ": no such item");
                else if (property.startsWith("lines") && m.captured(6).toInt() >= LinesOf(component).size())
                    strays.append(key + ": no such line");
            }
        }
        return strays;
    }
    // The template of the open windows, without the texts left alone.
    TIniText Template() const {
        const std::filesystem::path file = dir / "template.ini";
        std::filesystem::create_directories(dir / "no-sources");
        WriteLanguageTemplate(file, windows, dir / "no-sources");
        return TIniText::Parse(ReadBytes(file));
    }

    std::unique_ptr<TGuideForm> guide;
    std::unique_ptr<TPicSelectForm> picSelect;
    std::unique_ptr<TSoundSelectForm> soundSelect;
    std::unique_ptr<TSwfToExeForm> swfToExe;
    std::unique_ptr<TExeToSwfForm> exeToSwf;
    std::unique_ptr<TExportMovieForm> exportMovie;
    std::unique_ptr<TExportProgressForm> exportProgress;
    QList<QWidget*> windows;
};

TEST_F(ShippedLanguageFiles, EveryKeyNamesAnExistingWindowComponentAndProperty) {
    OpenAll();
    for (const char* name : {"English.ini", "ChineseGB.ini"}) {
        const TIniText ini = Shipped(name);
        EXPECT_EQ(ini.Sections().size(), windows.size()) << name;  // one section per window
        EXPECT_EQ(Strays(ini).join("\n").toStdString(), "") << name;
    }
}

TEST_F(ShippedLanguageFiles, EnglishHoldsEveryBuiltInTextOfTheWindows) {
    OpenAll();
    const TIniText english = Shipped("English.ini");
    const TIniText shown = Template();
    QStringList missing;
    for (const QString& section : shown.Sections()) {
        for (const QString& key : shown.Keys(section)) {
            if (LeftAlone(key)) {
                EXPECT_FALSE(english.HasKey(section, key)) << key.toStdString();
                continue;
            }
            const QString value = shown.ReadString(section, key);
            // The main window's caption at rest is the application title.
            if (key == "MainForm.Caption") EXPECT_EQ(english.ReadString(section, key), TMainForm::ApplicationTitle());
            else if (english.ReadString(section, key, "fsdef") != value) missing.append(key + "=" + value);
        }
    }
    EXPECT_EQ(missing.join("\n").toStdString(), "");
}

TEST_F(ShippedLanguageFiles, ChineseTranslatesTheSameKeysAsEnglish) {
    const TIniText english = Shipped("English.ini");
    const TIniText chinese = Shipped("ChineseGB.ini");
    EXPECT_EQ(english.Sections(), chinese.Sections());
    QStringList differences;
    for (const QString& section : english.Sections())
        if (english.Keys(section) != chinese.Keys(section)) differences.append(section);
    EXPECT_EQ(differences.join(", ").toStdString(), "");
    // Translated, and in UTF-8.
    EXPECT_EQ(chinese.ReadString("MainForm", "MainForm.FileMenu.Caption").toStdString(), "文件(&F)");
}

TEST_F(ShippedLanguageFiles, ChineseReachesEveryOpenWindow) {
    OpenAll();
    const TIniText chinese = Shipped("ChineseGB.ini");
    for (QWidget* w : windows) {
        ApplyLanguage(w, chinese);
        EXPECT_EQ(w->windowTitle(), chinese.ReadString(w->objectName(), w->objectName() + ".Caption"))
            << w->objectName().toStdString();
    }
    // Down to the entries of a colour button's drop-down palette.
    int palettes = 0;
    for (QWidget* w : windows) {
        for (QObject* component : WindowComponents(w)) {
            auto* more = qobject_cast<QAction*>(component);
            if (!more || more->objectName() != "MoreColor") continue;
            ++palettes;
            EXPECT_EQ(more->text().toStdString(), "更多颜色...") << w->objectName().toStdString();
        }
    }
    EXPECT_EQ(palettes, 2);  // the text colour and the background colour
}

}  // namespace
}  // namespace glimmora::test
