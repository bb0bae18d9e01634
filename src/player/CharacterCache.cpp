#include "player/CharacterCache.h"

#include "player/BitmapDecoder.h"
#include "player/ColorTransformOps.h"

#include <algorithm>

namespace glimmora::player {
namespace {

// Transformed bitmap copies kept at most; the cache starts over beyond this.
constexpr size_t kMaxTintedBitmaps = 64;

}  // namespace

CharacterCache::CharacterCache(std::shared_ptr<const swf::DecodedMovie> movie)
    : movie_(std::move(movie))
{
}

const swf::Character* CharacterCache::Find(uint16_t id) const
{
    auto it = movie_->dictionary.find(id);
    return it == movie_->dictionary.end() || !it->second ? nullptr : it->second.get();
}

const ConvertedShape* CharacterCache::Shape(uint16_t id)
{
    auto it = shapes_.find(id);
    if (it != shapes_.end()) {
        return &it->second;
    }
    const auto* shape = std::get_if<swf::Shape>(Find(id));
    if (!shape) {
        return nullptr;
    }
    return &shapes_.emplace(id, ConvertShape(*shape)).first->second;
}

const QImage& CharacterCache::Bitmap(uint16_t id)
{
    auto it = bitmaps_.find(id);
    if (it != bitmaps_.end()) {
        return it->second;
    }
    const auto* bitmap = std::get_if<swf::Bitmap>(Find(id));
    QImage image = bitmap ? DecodeBitmap(*bitmap) : QImage();
    return bitmaps_.emplace(id, std::move(image)).first->second;
}

const QImage& CharacterCache::Bitmap(uint16_t id, const swf::ColorTransform& cx)
{
    if (IsIdentity(cx)) {
        return Bitmap(id);
    }
    const CxKey key{id, cx.multR, cx.multG, cx.multB, cx.multA,
                    cx.addR, cx.addG, cx.addB, cx.addA};
    auto it = tintedBitmaps_.find(key);
    if (it != tintedBitmaps_.end()) {
        return it->second;
    }
    const QImage& source = Bitmap(id);
    if (source.isNull()) {
        return nullImage_;
    }
    if (tintedBitmaps_.size() >= kMaxTintedBitmaps) {
        tintedBitmaps_.clear();
    }
    return tintedBitmaps_.emplace(key, ApplyColorTransform(cx, source)).first->second;
}

const QImage& CharacterCache::EdgePadded(const QImage& image, int pad)
{
    const std::pair<qint64, int> key{image.cacheKey(), pad};
    auto it = paddedBitmaps_.find(key);
    if (it != paddedBitmaps_.end()) {
        return it->second;
    }
    if (paddedBitmaps_.size() >= kMaxTintedBitmaps) {
        paddedBitmaps_.clear();
    }
    const int w = image.width(), h = image.height();
    QImage padded(w + 2 * pad, h + 2 * pad, QImage::Format_ARGB32_Premultiplied);
    if (padded.isNull() || image.isNull()) {
        return paddedBitmaps_.emplace(key, QImage()).first->second;
    }
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < padded.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(std::clamp(y - pad, 0, h - 1)));
        auto* to = reinterpret_cast<QRgb*>(padded.scanLine(y));
        for (int x = 0; x < padded.width(); ++x) {
            to[x] = from[std::clamp(x - pad, 0, w - 1)];
        }
    }
    return paddedBitmaps_.emplace(key, std::move(padded)).first->second;
}

const QPainterPath& CharacterCache::Glyph(uint16_t fontId, uint32_t index)
{
    auto it = glyphs_.find(fontId);
    if (it == glyphs_.end()) {
        std::vector<QPainterPath> outlines;
        if (const auto* font = std::get_if<swf::Font>(Find(fontId))) {
            outlines.reserve(font->glyphs.size());
            for (const swf::Glyph& glyph : font->glyphs) {
                outlines.push_back(ConvertGlyph(glyph.records));
            }
        }
        it = glyphs_.emplace(fontId, std::move(outlines)).first;
    }
    return index < it->second.size() ? it->second[index] : emptyPath_;
}

}  // namespace glimmora::player
