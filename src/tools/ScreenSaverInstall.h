#pragma once
// Where the screensaver file goes and how the desktop learns of it. The file
// lives in the user's data folder (XDG_DATA_HOME, normally ~/.local/share)
// under glimmora/Tessaly.scr, one name for every use. A desktop entry in
// applications/screensavers/ of the same data folder, the folder where the
// XDG screensaver daemons (xfce4-screensaver, mate-screensaver) look for
// screensavers, runs it.

#include <QString>

#include <filesystem>

class QWidget;

namespace glimmora {

// The user's data folder; SetScreenSaverDataFolder replaces it (tests), an
// empty path restores it.
std::filesystem::path ScreenSaverDataFolder();
void SetScreenSaverDataFolder(const std::filesystem::path& folder);

std::filesystem::path ScreenSaverFile();        // <data>/glimmora/Tessaly.scr
std::filesystem::path ScreenSaverDesktopEntry();  // <data>/applications/screensavers/glimmora-screensaver.desktop

// The text of a desktop entry that runs `screensaver` as a screensaver.
QString ScreenSaverEntryText(const std::filesystem::path& screensaver);

// After the screensaver file is written: writes the desktop entry (throws
// naming it when it cannot be written), then starts the first settings
// program found on PATH without waiting for it; when there is none, tells
// the user where the screensaver file is.
void InstallScreenSaver(QWidget* parent, const std::filesystem::path& screensaver);

}  // namespace glimmora
