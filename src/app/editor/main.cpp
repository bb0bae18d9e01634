// The editor program: the main window, started with an optional project
// (".gmr") or movie (".swf") file.
#include "workspace/TMainForm.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

// --help and --version answer without a display.
bool AnswerInformation(int argc, char** argv)
{
    if (argc != 2) return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "glimmora " GLIMMORA_VERSION_TEXT "\n";
        return true;
    }
    if (std::strcmp(argv[1], "--help") != 0 && std::strcmp(argv[1], "-h") != 0) return false;
    std::cout << "Usage: glimmora [PROJECT.gmr | MOVIE.swf]\n"
                 "The Glimmora editor: composes short animated SWF movies from texts, pictures\n"
                 "and sounds. With a project it opens it; with a movie it shows it; without an\n"
                 "argument it starts a new movie from the blank template.\n"
                 "\n"
                 "  -h, --help     Shows this help and ends.\n"
                 "      --version  Shows the version and ends.\n"
                 "\n"
                 "Qt's own options (-platform offscreen, ...) are taken too. The command-line\n"
                 "tool is glimmora-cli; the manual: man glimmora.\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswerInformation(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Glimmora");
    QApplication::setOrganizationName("Tessaly");
    // Ties the windows to the installed desktop entry (icon, name, task grouping).
    QGuiApplication::setDesktopFileName("org.tessaly.Glimmora");
    const QStringList args = QApplication::arguments();
    glimmora::TMainForm window(args.size() > 1 ? args[1] : QString());
    window.show();
    return app.exec();
}
