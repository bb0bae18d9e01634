#pragma once
// Font lookup and outlines through fontconfig and FreeType.
//
// A font is asked for by family name ("Microsoft Sans Serif", "Arial",
// "SimSun"); a family that is not installed falls back to the closest
// installed one, and a character that the chosen face lacks takes its outline
// from an installed face that has it, so text never shows as empty boxes.
// Everything is measured on a 1024-unit em. Results are cached; the library is
// safe to use from one thread at a time.

#include "swf/fonts/GlyphOutline.h"

#include <memory>
#include <string>

namespace glimmora::swf {

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // The process-wide library.
    static FontLibrary& Shared();

    // The outline of `text` laid out on one line in the font, glyph after glyph
    // by their advances; its advance is the text's advance width.
    GlyphOutline TextOutline(const std::string& family, const std::u32string& text);

    // Advance width of `text` in 1024ths of an em (the same as TextOutline's).
    int32_t TextAdvance(const std::string& family, const std::u32string& text);

    // Where the baseline lies below the top of the 1024-unit em box, so that
    // the font's ascent sits at the top of the box.
    int32_t BaselineOffset(const std::string& family);

    // The file of the face that a family name resolves to (for diagnostics).
    std::string ResolvedFile(const std::string& family);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace glimmora::swf
