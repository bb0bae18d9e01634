#pragma once
// Interns contents: asking twice for the same picture (file contents and
// size), rectangle (size), text (font and glyph sequence) or sound (file
// contents) gives the same object, so the movie defines it once.

#include "swf/encoder/Content.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace glimmora::swf {

class ContentStore {
public:
    std::shared_ptr<const Content> Picture(std::shared_ptr<const BitmapImage> image, Twips width,
                                           Twips height);
    std::shared_ptr<const Content> Rectangle(Twips width, Twips height);
    std::shared_ptr<const Content> Text(const std::string& family, int32_t baseline,
                                        const std::vector<std::shared_ptr<const CachedGlyph>>& glyphs);
    std::shared_ptr<const Content> Sound(std::shared_ptr<const WaveSound> sound);

    size_t Size() const { return contents_.size(); }

private:
    std::shared_ptr<const Content> Find();
    std::shared_ptr<const Content> Keep(std::shared_ptr<Content> content);
    void KeyAdd(const void* pointer);
    void KeyAdd(int64_t value);

    std::unordered_map<std::string, std::weak_ptr<const Content>> contents_;
    std::string key_;
    size_t pruneAt_ = 256;
};

}  // namespace glimmora::swf
