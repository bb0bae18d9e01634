#include "workspace/WaitWindow.h"

#include <QApplication>
#include <QScreen>

namespace glimmora {

WaitWindow::WaitWindow(QWidget* owner, const char* objectName)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(objectName);
    setWindowTitle("Wait Processing ...");
    setFixedSize(315, 21);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void WaitWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the desktop, not on the owner.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace glimmora
