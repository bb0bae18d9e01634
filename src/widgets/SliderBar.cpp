#include "widgets/SliderBar.h"

#include <algorithm>

namespace glimmora {

SliderBar::SliderBar(QWidget* parent, int minimum, int maximum) : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setValue(0 < minimum ? minimum : (0 > maximum ? maximum : 0));
    setSingleStep(1);
    setPageStep(std::max(1, (maximum - minimum) / 10));
}

}  // namespace glimmora
