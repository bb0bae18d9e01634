#pragma once
// The play-position slider under the preview: shows its value as a caption.

#include <QSlider>

namespace glimmora {

class PlaySlider : public QSlider {
    Q_OBJECT
public:
    explicit PlaySlider(QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    // The value changed while the mouse button holds the slider: a press
    // on the track or a drag.
    void scrubbed(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool held_ = false;
};

}  // namespace glimmora
