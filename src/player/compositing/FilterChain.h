#pragma once
// An object's filter list, applied in order to the image of the object.

#include "swf/format/Filters.h"

#include <QImage>

namespace glimmora::player {

// Device pixels the filters may reach beyond the object, on each side.
// `pixelScale`: device pixels per stage pixel.
int FilterMargin(const swf::FilterList& filters, double pixelScale);

// `image` is premultiplied and holds the object with FilterMargin() around it.
QImage ApplyFilters(QImage image, const swf::FilterList& filters, double pixelScale);

}  // namespace glimmora::player
