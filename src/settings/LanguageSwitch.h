#pragma once
// The current interface language file of the process, and the windows that
// take it on when they are shown.
//
// At most one language file is current. The windows named in
// LanguageWindowNames() apply it whenever they are shown; the main window
// ("MainForm") does so once, at its first showing. The application-wide
// watcher that does this is installed once (InstallLanguageWatcher), so a
// window added later takes part by its name alone.

#include "settings/IniLang.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

class QWidget;

namespace glimmora {

const TLanguageFile* CurrentLanguage();
void SetCurrentLanguage(std::optional<TLanguageFile> file);
void ReleaseLanguage();

const QStringList& LanguageWindowNames();
void InstallLanguageWatcher();

// Start-up: the stored choice; "English.ini" (the built-in texts) loads
// nothing, any other existing file becomes the current language file, with
// Qt's own translation for its language where there is one.
void LanguageStartUp(const std::filesystem::path& programFolder);

// A language command: stores the choice and makes the file current (none
// when it is missing: then nothing changes on screen, and Qt's own texts go
// back to English). With a file, the
// main window and then each of `editors` that exists and is visible take it
// on, the application minimised meanwhile.
void SwitchLanguage(const std::filesystem::path& programFolder, const QString& fileName, QWidget* mainWindow,
                    const std::vector<QWidget*>& editors);

}  // namespace glimmora
