#pragma once
// Colour transforms as the player applies them: per colour, never as a group
// opacity, and composed from the parent timeline down to each object.

#include "swf/format/Records.h"

#include <QColor>
#include <QImage>

namespace glimmora::player {

bool IsIdentity(const swf::ColorTransform& cx);

// c' = clamp(0, 255, c * mult / 256 + add) on each channel of a straight colour.
QColor ApplyColorTransform(const swf::ColorTransform& cx, const swf::Rgba& color);

// The transform of a child seen through its parent's transform.
swf::ColorTransform ComposeColorTransforms(const swf::ColorTransform& parent,
                                           const swf::ColorTransform& child);

// A transformed copy of a premultiplied image (the pixels are unpremultiplied,
// transformed and premultiplied again). Returns the image itself for identity.
QImage ApplyColorTransform(const swf::ColorTransform& cx, const QImage& premultiplied);

}  // namespace glimmora::player
