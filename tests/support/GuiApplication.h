#pragma once
// The one QApplication of a GUI test program, on the offscreen platform and
// without sound output. Header only: the support library itself links no Qt
// Widgets.

#include <QApplication>

namespace glimmora::test {

// Makes the application on first use; `programName` stays valid for the
// process (a string literal).
inline void EnsureGuiApplication(const char* programName)
{
    if (QApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("GLIMMORA_NO_AUDIO", "1");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    // Never destroyed: Qt's input devices must not outlive a torn-down
    // application during the process's exit handlers.
    new QApplication(argc, argv);
}

}  // namespace glimmora::test
