#pragma once
// Puts the image of an object drawn on its own (a premultiplied layer) onto
// what is under it, with the object's blend mode. Most modes are the usual
// separable ones; "alpha" keeps the backdrop as opaque as the layer, "erase"
// takes the layer's opacity out of it (both act on the layer of the parent,
// which the renderer makes a layer for this), "invert" inverts the backdrop
// where the layer is, "add" and "subtract" add the colours or take them away.

#include "swf/format/Filters.h"

#include <QImage>
#include <QPainter>
#include <QPoint>

namespace glimmora::player {

// `at`: the layer's top-left in device pixels. The painter's clip applies;
// its transform does not.
void CompositeLayer(QPainter& painter, const QImage& layer, QPoint at, swf::BlendMode mode);

// The result of Subtract or Invert (which no composition mode of the painter
// gives) of `layer` over `backdrop`, both premultiplied and the same size.
QImage BlendPixels(const QImage& layer, const QImage& backdrop, swf::BlendMode mode);

}  // namespace glimmora::player
