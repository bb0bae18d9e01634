#pragma once
// Where the encoder gets its text outlines and measures: the font library in
// the program, a fixed fake in tests.

#include "swf/fonts/GlyphOutline.h"

#include <cstdint>
#include <string>

namespace glimmora::swf {

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // The outline of `text` on one line; its advance is the text's width.
    virtual GlyphOutline TextOutline(const std::string& family, const std::u32string& text) = 0;
    // The baseline's distance below the top of the 1024-unit em box.
    virtual int32_t BaselineOffset(const std::string& family) = 0;
};

}  // namespace glimmora::swf
