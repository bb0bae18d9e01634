#include "swf/encoder/CharacterDefinitions.h"

#include "swf/SwfService.h"
#include "swf/reader/RecordCount.h"
#include "swf/writer/BitmapTags.h"
#include "swf/writer/FontTags.h"
#include "swf/writer/ShapeTags.h"
#include "swf/writer/SoundTags.h"
#include "swf/writer/TextTags.h"

#include <algorithm>
#include <cmath>

namespace glimmora::swf {

CharacterDefinitions::CharacterDefinitions(
    const std::vector<std::shared_ptr<const Content>>& contents, const std::vector<uint8_t>& used, int version)
    : contents_(contents), ids_(contents.size(), 0), textFont_(contents.size(), 0), version_(version)
{
    std::unordered_map<std::string, uint32_t> byFamily;
    for (size_t i = 0; i < contents.size(); ++i) {
        const Content& content = *contents[i];
        if (!used[i] || content.kind != ContentKind::Text || content.glyphs.empty()) {
            continue;
        }
        auto [it, added] = byFamily.try_emplace(content.family, uint32_t(fonts_.size()));
        if (added) {
            fonts_.push_back(FontPlan{content.family, content.baseline, {}, {}, 0});
        }
        textFont_[i] = it->second;
        FontPlan& font = fonts_[it->second];
        for (const auto& glyph : content.glyphs) {
            if (font.index.try_emplace(glyph.get(), uint32_t(font.glyphs.size())).second) {
                font.glyphs.push_back(glyph.get());
            }
        }
        if (font.glyphs.size() > 0xFFFF) {
            throw SwfError("The font \"" + font.family + "\" needs more than 65535 glyphs");
        }
    }
}

uint16_t CharacterDefinitions::NextId()
{
    if (nextId_ > 0xFFFF) {
        throw SwfError("The movie needs more than 65535 characters");
    }
    return uint16_t(nextId_++);
}

uint16_t CharacterDefinitions::Ensure(BitWriter& out, uint32_t index)
{
    if (ids_[index] != 0) {
        return ids_[index];
    }
    const Content& content = *contents_[index];
    uint16_t id = 0;
    size_t written = out.Size();  // the definitions counted from here
    switch (content.kind) {
    case ContentKind::Picture: {
        const uint16_t bitmap = EnsureBitmap(out, *content.image);
        id = NextId();
        RectangleFill fill;
        fill.bitmap = true;
        fill.bitmapId = bitmap;
        // Stretch the image's real pixels over the box: twips per pixel.
        const auto scale = [](double twips, int pixels) {
            return int32_t(std::clamp(std::nearbyint(twips / pixels * 65536.0), -1073741824.0,
                                      1073741823.0));
        };
        fill.bitmapMatrix.scaleX = scale(content.width, content.image->width);
        fill.bitmapMatrix.scaleY = scale(content.height, content.image->height);
        WriteRectangleShape(out, scratch_, id, content.width, content.height, fill);
        break;
    }
    case ContentKind::Rectangle: {
        id = NextId();
        RectangleFill fill;
        fill.color = Rgba{0, 0, 0, 255};
        WriteRectangleShape(out, scratch_, id, content.width, content.height, fill);
        break;
    }
    case ContentKind::Text: {
        FontPlan* font = content.glyphs.empty() ? nullptr : &fonts_[textFont_[index]];
        if (font) {
            EnsureFont(out, *font);
        }
        written = out.Size();
        id = NextId();
        TextDefinition text;
        text.textId = id;
        text.fontId = font ? font->id : 0;
        text.bounds = content.textBounds;
        text.baseline = int16_t(std::clamp<int32_t>(content.baseline, -32768, 32767));
        text.glyphs.reserve(content.glyphs.size());
        for (const auto& glyph : content.glyphs) {
            text.glyphs.push_back({font->index.at(glyph.get()), glyph->advance});
        }
        WriteDefineText2(out, scratch_, text);
        break;
    }
    case ContentKind::Sound: {
        id = NextId();
        const WaveSound& sound = *content.sound;
        WriteDefineSound(out, id, PcmFormatByte(sound.rateCode, true, false),
                         uint32_t(sound.samples.size() / 2), sound.samples);
        break;
    }
    case ContentKind::Sprite: {
        const std::vector<StillChild> children = EnsureChildren(out, content);
        written = out.Size();
        id = NextId();
        WriteStillSprite(out, scratch_, id, children);
        break;
    }
    }
    CountWritten(out, written);
    ids_[index] = id;
    return id;
}

void CharacterDefinitions::CountWritten(const BitWriter& out, size_t from)
{
    records_ += CountTagRecords(out.Data().data() + from, out.Size() - from, version_);
}

uint16_t CharacterDefinitions::EnsureBitmap(BitWriter& out, const BitmapImage& image)
{
    auto found = bitmapIds_.find(&image);
    if (found != bitmapIds_.end()) {
        return found->second;
    }
    const uint16_t id = NextId();
    switch (image.form) {
    case BitmapImage::Form::Jpeg:
        WriteDefineBitsJpeg2(out, id, image.bytes);
        break;
    case BitmapImage::Form::JpegWithAlpha:
        WriteDefineBitsJpeg3(out, id, image.bytes, image.alpha);
        break;
    case BitmapImage::Form::Lossless:
        WriteDefineBitsLossless2(out, id, uint16_t(image.width), uint16_t(image.height), image.bytes);
        break;
    }
    bitmapIds_.emplace(&image, id);
    return id;
}

uint16_t CharacterDefinitions::EnsureFont(BitWriter& out, FontPlan& font)
{
    if (font.id != 0) {
        return font.id;
    }
    font.id = NextId();
    FontDefinition definition;
    definition.fontId = font.id;
    definition.name = font.family;
    definition.ascent = uint16_t(std::clamp<int32_t>(font.baseline, 0, 0xFFFF));
    definition.descent = uint16_t(std::clamp<int32_t>(1024 - font.baseline, 0, 0xFFFF));
    definition.glyphs.reserve(font.glyphs.size());
    for (const CachedGlyph* glyph : font.glyphs) {
        definition.glyphs.push_back({&glyph->shape, glyph->advance});
    }
    const size_t at = out.Size();
    WriteDefineFont2(out, scratch_, definition);
    // A font's records are its glyphs and their shapes' records, counted
    // once per outline rather than by reading the whole font at every build.
    // Empty shapes share their offset with the next glyph, which the reader
    // then reads twice: count such a font as the reader does.
    size_t records = font.glyphs.size();
    for (const CachedGlyph* glyph : font.glyphs) {
        if (glyph->shape.empty()) {
            CountWritten(out, at);
            return font.id;
        }
        if (glyph->records == CachedGlyph::kUncounted)
            glyph->records = CountGlyphShapeRecords(glyph->shape.data(), glyph->shape.size());
        records += glyph->records;
    }
    records_ += records;
    return font.id;
}

std::vector<StillChild> CharacterDefinitions::EnsureChildren(BitWriter& out, const Content& sprite)
{
    if (indexOf_.empty()) {
        for (uint32_t i = 0; i < contents_.size(); ++i) indexOf_.emplace(contents_[i].get(), i);
    }
    std::vector<StillChild> children;
    children.reserve(sprite.children.size());
    for (const SpriteChild& child : sprite.children) {
        const auto found = indexOf_.find(child.content.get());
        if (found == indexOf_.end()) throw SwfError("A sprite shows a content that the movie does not hold");
        children.push_back({Ensure(out, found->second), child.matrix, child.colorTransform});
    }
    return children;
}

}  // namespace glimmora::swf
