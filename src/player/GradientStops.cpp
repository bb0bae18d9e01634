#include "player/GradientStops.h"

#include "player/ColorTransformOps.h"

#include <algorithm>
#include <cmath>

namespace glimmora::player {
namespace {

double ToLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double FromLinear(double c)
{
    return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

// The straight colour `t` of the way from `a` to `b`; alpha always mixes
// linearly, the colour channels in linear light when asked.
QColor Mix(const QColor& a, const QColor& b, double t, bool linearLight)
{
    auto channel = [&](double x, double y) {
        return linearLight ? FromLinear(ToLinear(x) + (ToLinear(y) - ToLinear(x)) * t) : x + (y - x) * t;
    };
    return QColor::fromRgbF(float(channel(a.redF(), b.redF())), float(channel(a.greenF(), b.greenF())),
                            float(channel(a.blueF(), b.blueF())), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// Qt blends stops in sRGB; a gradient blended in linear light gets
// intermediate stops that follow the linear-light curve.
QGradientStops LinearLightStops(const QGradientStops& stops)
{
    constexpr int kSteps = 16;
    QGradientStops out;
    for (int i = 0; i + 1 < stops.size(); ++i) {
        const auto& [p0, c0] = stops[i];
        const auto& [p1, c1] = stops[i + 1];
        for (int k = 0; k < kSteps; ++k) {
            const double t = double(k) / kSteps;
            out.push_back({p0 + (p1 - p0) * t, Mix(c0, c1, t, true)});
        }
    }
    out.push_back(stops.back());
    return out;
}

// Ratios that do not rise strictly: the colour at ratio r comes from the
// first stop at or after r in stored order, mixed with the stop before it,
// as a player's 256-entry colour table is filled. Equal ratios make a step;
// stops out of order take effect only where they are reached.
QGradientStops SampledStops(const std::vector<swf::GradientStop>& stops, const std::vector<QColor>& colors,
                            bool linearLight)
{
    QGradientStops out;
    out.reserve(256);
    for (int r = 0; r < 256; ++r) {
        size_t j = 1;
        while (j < stops.size() && stops[j].ratio < r) ++j;
        QColor color;
        if (j == stops.size()) {
            color = colors.back();
        } else {
            const int from = stops[j - 1].ratio, to = stops[j].ratio;
            const double t = to > from ? std::clamp(double(r - from) / (to - from), 0.0, 1.0) : (r > from ? 1.0 : 0.0);
            color = Mix(colors[j - 1], colors[j], t, linearLight);
        }
        out.push_back({r / 255.0, color});
    }
    return out;
}

bool RisesStrictly(const std::vector<swf::GradientStop>& stops)
{
    for (size_t i = 1; i < stops.size(); ++i) {
        if (stops[i].ratio <= stops[i - 1].ratio) return false;
    }
    return true;
}

}  // namespace

QGradientStops GradientRamp(const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    if (style.stops.empty()) {
        const QColor black = ApplyColorTransform(cx, swf::Rgba{0, 0, 0, 255});
        return {{0.0, black}, {1.0, black}};
    }
    std::vector<QColor> colors;
    colors.reserve(style.stops.size());
    for (const swf::GradientStop& stop : style.stops) colors.push_back(ApplyColorTransform(cx, stop.color));
    const bool linearLight = style.interpolation == 1;
    if (style.stops.size() > 1 && !RisesStrictly(style.stops)) {
        return SampledStops(style.stops, colors, linearLight);
    }
    QGradientStops stops;
    for (size_t i = 0; i < colors.size(); ++i) stops.push_back({style.stops[i].ratio / 255.0, colors[i]});
    if (stops.front().first > 0) stops.prepend({0.0, stops.front().second});
    if (stops.back().first < 1) stops.push_back({1.0, stops.back().second});
    return linearLight ? LinearLightStops(stops) : stops;
}

void SetGradientRamp(QGradient& gradient, const swf::FillStyle& style, const swf::ColorTransform& cx)
{
    gradient.setStops(GradientRamp(style, cx));
    // Colour and alpha mix separately: half way from opaque red to clear
    // blue is a half-clear purple, not a half-clear red.
    gradient.setInterpolationMode(QGradient::ComponentInterpolation);
    gradient.setSpread(style.spread == 1   ? QGradient::ReflectSpread
                       : style.spread == 2 ? QGradient::RepeatSpread
                                           : QGradient::PadSpread);
}

}  // namespace glimmora::player
