#include "player/CharacterCache.h"

#include "player/BitmapDecoder.h"
#include "player/ColorTransformOps.h"
#include "player/MorphShapes.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace glimmora::player {
namespace {

int64_t BytesOf(const QImage& image) { return int64_t(image.sizeInBytes()); }

// Drops the entries that `frame` did not ask for.
template <typename Map>
void KeepOnly(Map& images, uint64_t frame)
{
    std::erase_if(images, [frame](const auto& entry) { return entry.second.lastFrame != frame; });
}

}  // namespace

CharacterCache::CharacterCache(std::shared_ptr<const swf::DecodedMovie> movie, int64_t bitmapBudget)
    : movie_(std::move(movie)), bitmapBudget_(bitmapBudget)
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

const ConvertedShape* CharacterCache::MorphShape(uint16_t id, uint16_t ratio)
{
    const std::pair<uint16_t, uint16_t> key{id, ratio};
    auto it = morphs_.find(key);
    if (it == morphs_.end()) {
        const auto* morph = std::get_if<swf::MorphShape>(Find(id));
        if (!morph) {
            return nullptr;
        }
        it = morphs_.emplace(key, CachedMorph{ConvertShape(MorphShapeAt(*morph, ratio))}).first;
    }
    it->second.lastFrame = frame_;
    return &it->second.shape;
}

const QImage& CharacterCache::Bitmap(uint16_t id)
{
    auto it = bitmaps_.find(id);
    if (it == bitmaps_.end()) {
        const auto* bitmap = std::get_if<swf::Bitmap>(Find(id));
        QImage image = bitmap ? DecodeBitmap(*bitmap) : QImage();
        bitmapBytes_ += BytesOf(image);
        it = bitmaps_.emplace(id, CachedImage{std::move(image)}).first;
    }
    it->second.lastFrame = frame_;
    return it->second.image;
}

const QImage& CharacterCache::Bitmap(uint16_t id, const swf::ColorTransform& cx)
{
    if (IsIdentity(cx)) {
        return Bitmap(id);
    }
    const CxKey key{id, cx.multR, cx.multG, cx.multB, cx.multA,
                    cx.addR, cx.addG, cx.addB, cx.addA};
    auto it = tintedBitmaps_.find(key);
    if (it == tintedBitmaps_.end()) {
        const QImage& source = Bitmap(id);
        if (source.isNull()) {
            return nullImage_;
        }
        it = tintedBitmaps_.emplace(key, CachedImage{ApplyColorTransform(cx, source)}).first;
    }
    it->second.lastFrame = frame_;
    return it->second.image;
}

const QImage& CharacterCache::EdgePadded(const QImage& image, int pad)
{
    const std::pair<qint64, int> key{image.cacheKey(), pad};
    auto it = paddedBitmaps_.find(key);
    if (it != paddedBitmaps_.end()) {
        it->second.lastFrame = frame_;
        return it->second.image;
    }
    const int w = image.width(), h = image.height();
    QImage padded(w + 2 * pad, h + 2 * pad, QImage::Format_ARGB32_Premultiplied);
    if (padded.isNull() || image.isNull()) {
        return paddedBitmaps_.emplace(key, CachedImage{QImage(), frame_}).first->second.image;
    }
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < padded.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(std::clamp(y - pad, 0, h - 1)));
        auto* to = reinterpret_cast<QRgb*>(padded.scanLine(y));
        for (int x = 0; x < padded.width(); ++x) {
            to[x] = from[std::clamp(x - pad, 0, w - 1)];
        }
    }
    return paddedBitmaps_.emplace(key, CachedImage{std::move(padded), frame_}).first->second.image;
}

void CharacterCache::EndFrame()
{
    KeepOnly(morphs_, frame_);
    KeepOnly(tintedBitmaps_, frame_);
    KeepOnly(paddedBitmaps_, frame_);
    // Beyond what this frame drew, the most recently drawn pictures within the budget stay.
    int64_t kept = 0;
    std::vector<std::pair<uint64_t, uint16_t>> older;  // (last frame, id)
    for (const auto& [id, entry] : bitmaps_) {
        if (entry.lastFrame == frame_) kept += BytesOf(entry.image);
        else older.emplace_back(entry.lastFrame, id);
    }
    if (bitmapBytes_ - kept > bitmapBudget_) {
        std::sort(older.begin(), older.end(), std::greater<>());
        int64_t spare = bitmapBudget_;
        for (const auto& [lastFrame, id] : older) {
            auto it = bitmaps_.find(id);
            const int64_t bytes = BytesOf(it->second.image);
            if (bytes <= spare) {
                spare -= bytes;
                continue;
            }
            spare = 0;  // nothing older than a dropped picture stays
            bitmapBytes_ -= bytes;
            bitmaps_.erase(it);
        }
    }
    ++frame_;
}

const QPainterPath& CharacterCache::Glyph(uint16_t fontId, uint32_t index)
{
    auto it = glyphs_.find(fontId);
    if (it == glyphs_.end()) {
        FontOutlines outlines;
        outlines.font = std::get_if<swf::Font>(Find(fontId));
        if (outlines.font) outlines.glyphs.resize(outlines.font->glyphs.size());
        it = glyphs_.emplace(fontId, std::move(outlines)).first;
    }
    FontOutlines& font = it->second;
    if (index >= font.glyphs.size()) return emptyPath_;
    std::optional<QPainterPath>& outline = font.glyphs[index];
    if (!outline) outline = ConvertGlyph(font.font->glyphs[index].records);
    return *outline;
}

}  // namespace glimmora::player
