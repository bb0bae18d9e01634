#pragma once
// Conversions from SWF records to their Qt counterparts.

#include "swf/format/Records.h"

#include <QColor>
#include <QTransform>

namespace glimmora::player {

// MATRIX (16.16 scale and skew, twips translation) as a QTransform.
inline QTransform ToQTransform(const swf::Matrix& m)
{
    return QTransform(m.scaleX / 65536.0, m.rotateSkew0 / 65536.0,
                      m.rotateSkew1 / 65536.0, m.scaleY / 65536.0,
                      double(m.translateX), double(m.translateY));
}

inline QColor ToQColor(const swf::Rgba& c)
{
    return QColor(c.r, c.g, c.b, c.a);
}

}  // namespace glimmora::player
