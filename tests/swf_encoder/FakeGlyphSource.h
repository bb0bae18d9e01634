#pragma once
// A glyph source with fixed, simple outlines: every character is a 400 x 700
// square standing on the baseline in a 500-unit advance, and its family name
// decides nothing but the baseline (800). Exact and font-independent.

#include "swf/encoder/GlyphSource.h"

#include <string>

namespace glimmora::test {

class FakeGlyphSource : public swf::GlyphSource {
public:
    static constexpr int32_t kAdvance = 500;
    static constexpr int32_t kBaseline = 800;

    swf::GlyphOutline TextOutline(const std::string&, const std::u32string& text) override
    {
        ++outlineCalls;
        swf::GlyphOutline outline;
        for (size_t i = 0; i < text.size(); ++i) {
            const int32_t x = int32_t(i) * kAdvance + 50;
            swf::Contour contour;
            contour.start = {x, -700};
            contour.segments.push_back({false, {}, {x + 400, -700}});
            contour.segments.push_back({true, {x + 450, -350}, {x + 400, 0}});
            contour.segments.push_back({false, {}, {x, 0}});
            contour.segments.push_back({false, {}, {x, -700}});
            outline.contours.push_back(contour);
        }
        outline.advance = int32_t(text.size()) * kAdvance;
        return outline;
    }

    int32_t BaselineOffset(const std::string&) override { return kBaseline; }

    int outlineCalls = 0;
};

}  // namespace glimmora::test
