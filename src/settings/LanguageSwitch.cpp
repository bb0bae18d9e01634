#include "settings/LanguageSwitch.h"

#include "settings/AppSettings.h"
#include "settings/QtTranslation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <optional>

namespace glimmora {

namespace {

std::optional<TLanguageFile>& Current()
{
    static std::optional<TLanguageFile> file;
    return file;
}

constexpr char kMainWindow[] = "MainForm";
constexpr char kAppliedOnce[] = "glimmoraLanguageShown";

class LanguageWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        const QString name = watched->objectName();
        if (name.isEmpty() || !LanguageWindowNames().contains(name)) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (name == kMainWindow) {
            if (window->property(kAppliedOnce).toBool()) return false;
            window->setProperty(kAppliedOnce, true);
        }
        if (const TLanguageFile* file = CurrentLanguage()) ApplyLanguage(window, *file);
        return false;
    }
};

}  // namespace

const TLanguageFile* CurrentLanguage() { return Current() ? &*Current() : nullptr; }

void SetCurrentLanguage(std::optional<TLanguageFile> file) { Current() = std::move(file); }

void ReleaseLanguage()
{
    Current().reset();
    UseQtTranslationFor({});
}

const QStringList& LanguageWindowNames()
{
    // Not the text-effect window ("TextExForm") nor the capture window.
    static const QStringList names = {kMainWindow,       "ObjListForm",     "TextForm",     "PicForm",
                                      "SoundForm",       "BackgroundForm",  "PicSelectForm", "SoundSelectForm",
                                      "GuideForm",       "SwfToExeForm",    "ExeToSwfForm", "AboutBox",
                                      "ExportMovieForm", "ExportProgressForm", "TimelineForm"};
    return names;
}

void InstallLanguageWatcher()
{
    static LanguageWatcher* watcher = nullptr;
    if (watcher || !qApp) return;
    watcher = new LanguageWatcher(qApp);
    qApp->installEventFilter(watcher);
}

void LanguageStartUp(const std::filesystem::path& programFolder)
{
    const QString choice = ReadLanguageChoice();
    if (choice == "English.ini") return;
    if (std::optional<TLanguageFile> file = LoadLanguageFile(programFolder, choice)) {
        SetCurrentLanguage(std::move(file));
        UseQtTranslationFor(choice);
    }
}

void SwitchLanguage(const std::filesystem::path& programFolder, const QString& fileName, QWidget* mainWindow,
                    const std::vector<QWidget*>& editors)
{
    WriteLanguageChoice(fileName);
    SetCurrentLanguage(LoadLanguageFile(programFolder, fileName));
    const TLanguageFile* file = CurrentLanguage();
    UseQtTranslationFor(file ? fileName : QString());
    if (!file || !mainWindow) return;

    // The texts change with painting held back, so they change at once and
    // out of sight. The window is not minimised and restored for it: under
    // some window managers it then stayed minimised.
    mainWindow->setUpdatesEnabled(false);
    ApplyLanguage(mainWindow, *file);
    for (QWidget* editor : editors)
        if (editor && editor->isVisible()) ApplyLanguage(editor, *file);
    mainWindow->setUpdatesEnabled(true);
}

}  // namespace glimmora
