#include "ScreensaverGuard.h"

#include <QApplication>
#include <QMouseEvent>

namespace glimmora {

bool ScreensaverGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        QApplication::quit();
        return true;
    case QEvent::MouseMove: {
        const QPoint position = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!firstPosition_) {
            firstPosition_ = position;
        } else if ((position - *firstPosition_).manhattanLength() > kJitterPixels) {
            QApplication::quit();
        }
        return false;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace glimmora
