#pragma once
// The values the program keeps per user between runs, in its settings store
// (maker "Tessaly", program "Glimmora", section "Common"). The text editor's
// font list lives under "Tessaly"/"Common" (workspace/TextFontList.h).

#include <QSettings>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

namespace glimmora {

QSettings ProgramSettings();

// The folder the picture and sound choosers open in: the remembered one, or,
// when none is remembered or it is empty, the program folder's "library".
std::string ReadLastOpenDir(const std::filesystem::path& programFolder);
void WriteLastOpenDir(const std::string& folder);
// The folder of the project last opened or saved, where the project and
// movie dialogs open; empty when none is remembered. A key of its own, so
// that opening a project never moves the media choosers.
std::string ReadLastProjectDir();
// The projects opened or saved last, newest first ("RecentProjects").
QStringList ReadRecentProjects();
void WriteRecentProjects(const QStringList& files);
void WriteLastProjectDir(const std::string& folder);
std::filesystem::path LibraryFolder(const std::filesystem::path& programFolder);

// The chosen interface language file ("English.ini", "ChineseGB.ini"); empty
// when none was chosen.
QString ReadLanguageChoice();
// Throws std::runtime_error when the store cannot be written.
void WriteLanguageChoice(const QString& fileName);

}  // namespace glimmora
