#include "player/TextPainter.h"

#include "player/ColorTransformOps.h"
#include "player/QtConversions.h"

namespace glimmora::player {

std::vector<PlacedGlyph> PlaceGlyphs(CharacterCache& cache, const swf::Text& text)
{
    std::vector<PlacedGlyph> placed;
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
                placed.push_back({&outline, QTransform(scale, 0, 0, scale, x, y), color});
            }
            x += glyph.advance;
        }
    }
    return placed;
}

void DrawGlyph(QPainter& painter, const swf::Text& text, const PlacedGlyph& glyph,
               const swf::ColorTransform& cx)
{
    const QTransform outer = painter.worldTransform();
    painter.setWorldTransform(glyph.place * (ToQTransform(text.matrix) * outer));
    painter.fillPath(*glyph.outline, ApplyColorTransform(cx, glyph.color));
    painter.setWorldTransform(outer);
}

void DrawText(QPainter& painter, CharacterCache& cache, const swf::Text& text,
              const swf::ColorTransform& cx)
{
    for (const PlacedGlyph& glyph : PlaceGlyphs(cache, text)) {
        DrawGlyph(painter, text, glyph, cx);
    }
}

QPainterPath TextGeometry(CharacterCache& cache, const swf::Text& text)
{
    const QTransform matrix = ToQTransform(text.matrix);
    QPainterPath all;
    all.setFillRule(Qt::OddEvenFill);
    for (const PlacedGlyph& glyph : PlaceGlyphs(cache, text)) {
        all.addPath((glyph.place * matrix).map(*glyph.outline));
    }
    return all;
}

}  // namespace glimmora::player
