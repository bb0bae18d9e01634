// The editor program: the main window, started with an optional project
// (".gmr") or movie (".swf") file.
#include "workspace/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Glimmora");
    QApplication::setOrganizationName("Tessaly");
    const QStringList args = QApplication::arguments();
    glimmora::TMainForm window(args.size() > 1 ? args[1] : QString());
    window.show();
    return app.exec();
}
