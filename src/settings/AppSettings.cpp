#include "settings/AppSettings.h"

#include <stdexcept>

namespace glimmora {

namespace {
constexpr char kLastOpenDir[] = "Common/LastOpenDir";
constexpr char kLastProjectDir[] = "Common/LastProjectDir";
constexpr char kRecentProjects[] = "Common/RecentProjects";
constexpr char kLanguage[] = "Common/language";
}  // namespace

QSettings ProgramSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Glimmora");
}

std::filesystem::path LibraryFolder(const std::filesystem::path& programFolder)
{
    return programFolder / "library";
}

std::string ReadLastOpenDir(const std::filesystem::path& programFolder)
{
    const QString stored = ProgramSettings().value(kLastOpenDir).toString();
    if (!stored.isEmpty()) return stored.toStdString();
    return LibraryFolder(programFolder).string();
}

void WriteLastOpenDir(const std::string& folder)
{
    QSettings settings = ProgramSettings();
    settings.setValue(kLastOpenDir, QString::fromStdString(folder));
    settings.sync();
}

std::string ReadLastProjectDir() { return ProgramSettings().value(kLastProjectDir).toString().toStdString(); }

void WriteLastProjectDir(const std::string& folder)
{
    if (folder.empty()) return;
    QSettings settings = ProgramSettings();
    settings.setValue(kLastProjectDir, QString::fromStdString(folder));
    settings.sync();
}

QStringList ReadRecentProjects() { return ProgramSettings().value(kRecentProjects).toStringList(); }

void WriteRecentProjects(const QStringList& files)
{
    QSettings settings = ProgramSettings();
    settings.setValue(kRecentProjects, files);
    settings.sync();
}

QString ReadLanguageChoice() { return ProgramSettings().value(kLanguage).toString(); }

void WriteLanguageChoice(const QString& fileName)
{
    QSettings settings = ProgramSettings();
    settings.setValue(kLanguage, fileName);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw std::runtime_error("Cannot store the language choice in " + settings.fileName().toStdString());
}

}  // namespace glimmora
