#include "player/compositing/ShadowFilters.h"

#include "player/compositing/BoxBlur.h"
#include "player/compositing/ImagePlanes.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace glimmora::player {
namespace {

using Type = swf::Filter::Type;

struct Premultiplied {
    float a = 0, r = 0, g = 0, b = 0;
};

Premultiplied Scaled(const swf::Rgba& c, float amount)
{
    const float a = float(c.a) / 255 * amount;
    return {a, float(c.r) / 255 * a, float(c.g) / 255 * a, float(c.b) / 255 * a};
}

// The filter's gradient at each of the 256 ratios: straight colour and alpha
// mixed between neighbouring stops, the end stops held beyond them.
std::array<Premultiplied, 256> GradientTable(const swf::Filter& filter)
{
    std::array<Premultiplied, 256> table{};
    const size_t count = std::min(filter.gradientColors.size(), filter.gradientRatios.size());
    if (count == 0) return table;
    for (int r = 0; r < 256; ++r) {
        size_t next = 0;
        while (next < count && filter.gradientRatios[next] < r) ++next;
        swf::Rgba c;
        if (next == 0) {
            c = filter.gradientColors[0];
        } else if (next == count) {
            c = filter.gradientColors[count - 1];
        } else {
            const swf::Rgba& from = filter.gradientColors[next - 1];
            const swf::Rgba& to = filter.gradientColors[next];
            const int r0 = filter.gradientRatios[next - 1], r1 = filter.gradientRatios[next];
            const float t = r1 > r0 ? float(r - r0) / float(r1 - r0) : 1;
            const auto mix = [t](uint8_t u, uint8_t v) { return uint8_t(std::lround(u + (v - u) * t)); };
            c = {mix(from.r, to.r), mix(from.g, to.g), mix(from.b, to.b), mix(from.a, to.a)};
        }
        table[size_t(r)] = Scaled(c, 1);
    }
    return table;
}

Premultiplied Over(const Premultiplied& top, const Premultiplied& under)
{
    const float keep = 1 - top.a;
    return {top.a + under.a * keep, top.r + under.r * keep, top.g + under.g * keep, top.b + under.b * keep};
}

Premultiplied Times(const Premultiplied& c, float amount)
{
    return {c.a * amount, c.r * amount, c.g * amount, c.b * amount};
}

}  // namespace

QImage ApplyShadowFilter(const QImage& source, const swf::Filter& filter, double pixelScale)
{
    const bool bevel = filter.type == Type::Bevel || filter.type == Type::GradientBevel;
    const bool gradient = filter.type == Type::GradientGlow || filter.type == Type::GradientBevel;
    const bool full = filter.onTop && filter.type != Type::DropShadow && filter.type != Type::Glow;
    const bool inner = filter.inner && !full;
    const double distance = filter.type == Type::Glow ? 0 : filter.distance * pixelScale;
    const int dx = int(std::lround(std::clamp(std::cos(filter.angle) * distance, -1e6, 1e6)));
    const int dy = int(std::lround(std::clamp(std::sin(filter.angle) * distance, -1e6, 1e6)));
    const float strength = float(std::max(filter.strength, 0.0));

    ColorPlanes object = Split(source);
    Plane blurred = object[0];
    BoxBlur(blurred, filter.blurX * pixelScale, filter.blurY * pixelScale, std::min<int>(filter.passes, 15));
    const std::array<Premultiplied, 256> table = gradient ? GradientTable(filter) : std::array<Premultiplied, 256>{};
    const auto lookUp = [&](float v) { return table[size_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255))]; };

    ColorPlanes result = object;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const float a = object[0].at(x, y);
            // Where the effect may show: inside, outside or anywhere.
            const float mask = full ? 1 : inner ? a : bevel ? 1 - a : 1;
            Premultiplied effect;
            if (bevel) {
                // Lit where the outline lies further along the light's
                // direction than against it; shaded the other way round.
                const float slope =
                    std::clamp((blurred.Sample(x + dx, y + dy) - blurred.Sample(x - dx, y - dy)) * strength, -1.0f, 1.0f);
                effect = gradient ? lookUp(0.5f - slope / 2)
                         : slope > 0 ? Scaled(filter.highlight, slope)
                                     : Scaled(filter.color, -slope);
            } else {
                float cover = blurred.Sample(x - dx, y - dy);
                if (inner) cover = 1 - cover;
                cover = std::clamp(cover * strength, 0.0f, 1.0f);
                effect = gradient ? lookUp(cover) : Scaled(filter.color, cover);
            }
            effect = Times(effect, mask);
            const Premultiplied self{a, object[1].at(x, y), object[2].at(x, y), object[3].at(x, y)};
            Premultiplied out;
            if (filter.knockout) {
                out = inner || full ? effect : Times(effect, 1 - a);
            } else if (!filter.compositeSource) {
                out = effect;
            } else if (inner || full || (filter.onTop && bevel)) {
                out = Over(effect, self);
            } else {
                out = Over(self, effect);
            }
            result[0].at(x, y) = out.a;
            result[1].at(x, y) = out.r;
            result[2].at(x, y) = out.g;
            result[3].at(x, y) = out.b;
        }
    }
    return Join(result);
}

}  // namespace glimmora::player
