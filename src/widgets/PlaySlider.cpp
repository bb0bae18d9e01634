#include "widgets/PlaySlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace glimmora {

PlaySlider::PlaySlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setObjectName("SliderPlay");
    setRange(0, 9999);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QSlider::valueChanged, this, [this](int value) {
        if (held_) emit scrubbed(value);
    });
}

void PlaySlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    QPainter painter(this);
    const int x = QStyle::sliderPositionFromValue(minimum(), maximum(), value(), width() - 30);
    painter.drawText(QRect(x, 0, 30, height()), Qt::AlignCenter, QString::number(value()));
}

void PlaySlider::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    held_ = event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton && maximum() > minimum()) {
        setValue(QStyle::sliderValueFromPosition(minimum(), maximum(),
                                                 int(event->position().x()), width()));
    }
    QSlider::mousePressEvent(event);
}

void PlaySlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    held_ = false;
    emit released();
}

}  // namespace glimmora
