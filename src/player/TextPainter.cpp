#include "player/TextPainter.h"

#include "player/ColorTransformOps.h"
#include "player/QtConversions.h"

#include <functional>

namespace glimmora::player {
namespace {

// Walks the glyphs as players lay them out and hands each to `visit` with the
// transform from glyph units to text space and the colour in force.
void LayOut(CharacterCache& cache, const swf::Text& text,
            const std::function<void(const QPainterPath&, const QTransform&, const swf::Rgba&)>& visit)
{
    uint16_t fontId = 0;
    double height = 0;
    double emSize = 1024;
    swf::Rgba color{0, 0, 0, 255};
    double x = 0, y = 0;
    for (const swf::TextRecord& record : text.records) {
        if (record.fontId) {
            fontId = *record.fontId;
            height = record.height;
            const auto* font = std::get_if<swf::Font>(cache.Find(fontId));
            emSize = font ? font->emSize() : 1024;
        }
        if (record.color) {
            color = *record.color;
        }
        if (record.xOffset) {
            x = *record.xOffset;
        }
        if (record.yOffset) {
            y = *record.yOffset;
        }
        const double scale = height / emSize;
        for (const swf::TextGlyph& glyph : record.glyphs) {
            const QPainterPath& outline = cache.Glyph(fontId, glyph.index);
            if (!outline.isEmpty()) {
                visit(outline, QTransform(scale, 0, 0, scale, x, y), color);
            }
            x += glyph.advance;
        }
    }
}

}  // namespace

void DrawText(QPainter& painter, CharacterCache& cache, const swf::Text& text,
              const swf::ColorTransform& cx)
{
    const QTransform outer = painter.worldTransform();
    const QTransform base = ToQTransform(text.matrix) * outer;
    LayOut(cache, text, [&](const QPainterPath& outline, const QTransform& place, const swf::Rgba& c) {
        painter.setWorldTransform(place * base);
        painter.fillPath(outline, ApplyColorTransform(cx, c));
    });
    painter.setWorldTransform(outer);
}

QPainterPath TextGeometry(CharacterCache& cache, const swf::Text& text)
{
    const QTransform matrix = ToQTransform(text.matrix);
    QPainterPath all;
    all.setFillRule(Qt::OddEvenFill);
    LayOut(cache, text, [&](const QPainterPath& outline, const QTransform& place, const swf::Rgba&) {
        all.addPath((place * matrix).map(outline));
    });
    return all;
}

}  // namespace glimmora::player
