#pragma once
// A horizontal slider bar over an integer range, paired in the text-effect
// window with a spin edit of the same range.

#include <QSlider>

namespace glimmora {

class SliderBar : public QSlider {
    Q_OBJECT
public:
    SliderBar(QWidget* parent, int minimum, int maximum);
};

}  // namespace glimmora
