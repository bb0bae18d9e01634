#include "swf/encoder/ContentStore.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace glimmora::swf {

void ContentStore::KeyAdd(const void* pointer)
{
    const uintptr_t value = reinterpret_cast<uintptr_t>(pointer);
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void ContentStore::KeyAdd(int64_t value)
{
    key_.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::shared_ptr<const Content> ContentStore::Find()
{
    auto found = contents_.find(key_);
    if (found == contents_.end()) {
        return nullptr;
    }
    return found->second.lock();
}

std::shared_ptr<const Content> ContentStore::Keep(std::shared_ptr<Content> content)
{
    if (contents_.size() >= pruneAt_) {
        std::erase_if(contents_, [](const auto& entry) { return entry.second.expired(); });
        pruneAt_ = std::max<size_t>(256, contents_.size() * 2);
    }
    std::shared_ptr<const Content> kept = std::move(content);
    contents_[key_] = kept;
    return kept;
}

std::shared_ptr<const Content> ContentStore::Picture(std::shared_ptr<const BitmapImage> image,
                                                     Twips width, Twips height)
{
    key_.assign("P");
    KeyAdd(image.get());
    KeyAdd(width);
    KeyAdd(height);
    if (auto found = Find()) {
        return found;
    }
    auto content = std::make_shared<Content>();
    content->kind = ContentKind::Picture;
    content->width = width;
    content->height = height;
    content->image = std::move(image);
    return Keep(std::move(content));
}

std::shared_ptr<const Content> ContentStore::Rectangle(Twips width, Twips height)
{
    key_.assign("R");
    KeyAdd(width);
    KeyAdd(height);
    if (auto found = Find()) {
        return found;
    }
    auto content = std::make_shared<Content>();
    content->kind = ContentKind::Rectangle;
    content->width = width;
    content->height = height;
    return Keep(std::move(content));
}

std::shared_ptr<const Content> ContentStore::Text(
    const std::string& family, int32_t baseline,
    const std::vector<std::shared_ptr<const CachedGlyph>>& glyphs)
{
    key_.assign("T");
    KeyAdd(baseline);
    for (const auto& glyph : glyphs) {
        KeyAdd(glyph.get());
    }
    key_.append(family);
    if (auto found = Find()) {
        return found;
    }
    auto content = std::make_shared<Content>();
    content->kind = ContentKind::Text;
    content->family = family;
    content->baseline = baseline;
    content->glyphs = glyphs;
    int64_t pen = 0;
    int64_t x0 = INT64_MAX, x1 = INT64_MIN, y0 = INT64_MAX, y1 = INT64_MIN;
    for (const auto& glyph : glyphs) {
        const Rect& b = glyph->bounds;
        if (b.xMin < b.xMax || b.yMin < b.yMax) {
            x0 = std::min(x0, pen + b.xMin);
            x1 = std::max(x1, pen + b.xMax);
            y0 = std::min(y0, int64_t(baseline) + b.yMin);
            y1 = std::max(y1, int64_t(baseline) + b.yMax);
        }
        pen += glyph->advance;
    }
    auto fit = [](int64_t v) { return Twips(std::clamp<int64_t>(v, -(1 << 30), (1 << 30) - 1)); };
    if (x0 <= x1) {
        content->textBounds = Rect{fit(x0), fit(x1), fit(y0), fit(y1)};
    }
    content->width = fit(pen);
    content->height = 1024;
    return Keep(std::move(content));
}

std::shared_ptr<const Content> ContentStore::Sound(std::shared_ptr<const WaveSound> sound)
{
    key_.assign("S");
    KeyAdd(sound.get());
    if (auto found = Find()) {
        return found;
    }
    auto content = std::make_shared<Content>();
    content->kind = ContentKind::Sound;
    content->sound = std::move(sound);
    return Keep(std::move(content));
}

}  // namespace glimmora::swf
