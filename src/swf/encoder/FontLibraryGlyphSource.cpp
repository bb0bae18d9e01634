// The program's glyph source: the shared font library. Kept apart so that
// code using another glyph source does not link the font library.

#include "swf/encoder/EncoderService.h"
#include "swf/fonts/FontLibrary.h"

namespace glimmora {
namespace {

class FontLibraryGlyphSource : public swf::GlyphSource {
public:
    swf::GlyphOutline TextOutline(const std::string& family, const std::u32string& text) override
    {
        return swf::FontLibrary::Shared().TextOutline(family, text);
    }

    int32_t BaselineOffset(const std::string& family) override
    {
        return swf::FontLibrary::Shared().BaselineOffset(family);
    }
};

}  // namespace

std::unique_ptr<swfService> MakeEncoderService()
{
    return MakeEncoderService(std::make_shared<FontLibraryGlyphSource>());
}

}  // namespace glimmora
