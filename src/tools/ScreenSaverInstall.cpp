#include "tools/ScreenSaverInstall.h"

#include "widgets/MessageBoxes.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

namespace glimmora {

namespace {

std::filesystem::path& DataFolderOverride()
{
    static std::filesystem::path folder;
    return folder;
}

// The programs tried, in this order, to show the screensaver settings.
const char* const kSettingsPrograms[] = {"xfce4-screensaver-preferences", "mate-screensaver-preferences",
                                         "xscreensaver-settings", "xscreensaver-demo"};

// A string value of a desktop entry: backslash, newline, tab and return escaped.
QString EscapedValue(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else out += c;
    }
    return out;
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with ", `, $ and \ escaped inside the quotes; "%" doubled.
QString ExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument) quote = quote || reserved.contains(c);
    QString out;
    for (const QChar c : argument) {
        if (c == '%') out += "%%";
        else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) out += QString("\\") + c;
        else out += c;
    }
    return quote ? "\"" + out + "\"" : out;
}

QString Native(const std::filesystem::path& file) { return QDir::toNativeSeparators(QString::fromStdString(file.string())); }

}  // namespace

std::filesystem::path ScreenSaverDataFolder()
{
    if (!DataFolderOverride().empty()) return DataFolderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

void SetScreenSaverDataFolder(const std::filesystem::path& folder) { DataFolderOverride() = folder; }

std::filesystem::path ScreenSaverFile() { return ScreenSaverDataFolder() / "glimmora" / "Tessaly.scr"; }

std::filesystem::path ScreenSaverDesktopEntry()
{
    return ScreenSaverDataFolder() / "applications" / "screensavers" / "glimmora-screensaver.desktop";
}

QString ScreenSaverEntryText(const std::filesystem::path& screensaver)
{
    const QString file = Native(screensaver);
    // "-root": full screen, or the daemon's own window when it names one in
    // XSCREENSAVER_WINDOW.
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Glimmora Movie\n"
                   "Comment=The movie last made a screen saver in Glimmora\n"
                   "TryExec=%1\n"
                   "Exec=%2 -root\n"
                   "StartupNotify=false\n"
                   "Terminal=false\n"
                   "Categories=Screensaver;\n")
        .arg(EscapedValue(file), EscapedValue(ExecArgument(file)));
}

void InstallScreenSaver(QWidget* parent, const std::filesystem::path& screensaver)
{
    const std::filesystem::path entry = ScreenSaverDesktopEntry();
    std::error_code error;
    std::filesystem::create_directories(entry.parent_path(), error);
    QSaveFile file(QString::fromStdString(entry.string()));
    const QByteArray text = ScreenSaverEntryText(screensaver).toUtf8();
    if (error || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw std::runtime_error("Cannot write the screen saver entry \"" + entry.string() + "\"");

    for (const char* name : kSettingsPrograms) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return;
    }
    MessageBoxes::Information(parent, QString("The screen saver has been saved as:\n%1\n\n"
                                              "No screen saver settings program was found. Choose "
                                              "\"Glimmora Movie\" in your desktop's screen saver settings, "
                                              "or start that file to watch the movie full screen.")
                                          .arg(Native(screensaver)));
}

}  // namespace glimmora
