#pragma once
// Ends a full-screen screensaver on the first key press, mouse button or
// mouse movement beyond a few pixels of jitter.

#include <QObject>
#include <QPoint>

#include <optional>

namespace glimmora {

class ScreensaverGuard : public QObject {
public:
    // Movements within this many pixels of the first seen position are jitter.
    static constexpr int kJitterPixels = 8;

    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QPoint> firstPosition_;
};

}  // namespace glimmora
