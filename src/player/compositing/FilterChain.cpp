#include "player/compositing/FilterChain.h"

#include "player/compositing/BoxBlur.h"
#include "player/compositing/PixelFilters.h"
#include "player/compositing/ShadowFilters.h"

#include <algorithm>
#include <cmath>

namespace glimmora::player {
namespace {

using Type = swf::Filter::Type;

// Beyond this many pixels a filter's reach is not followed: the image of a
// group is at most the visible stage and this margin.
constexpr double kMaxReach = 4096;

double Reach(const swf::Filter& filter, double pixelScale)
{
    switch (filter.type) {
    case Type::ColorMatrix: return 0;
    case Type::Convolution: return std::max(filter.columns, filter.rows) / 2 + 1;
    default: break;
    }
    const int passes = std::min<int>(filter.passes, 15);
    const double blur = std::max(BlurReach(std::clamp(filter.blurX * pixelScale, 0.0, kMaxReach), passes),
                                 BlurReach(std::clamp(filter.blurY * pixelScale, 0.0, kMaxReach), passes));
    const bool offset = filter.type != Type::Blur && filter.type != Type::Glow;
    return blur + (offset ? std::abs(filter.distance) * pixelScale : 0) + 1;
}

}  // namespace

int FilterMargin(const swf::FilterList& filters, double pixelScale)
{
    double margin = 0;
    for (const swf::Filter& filter : filters) margin += std::min(Reach(filter, pixelScale), kMaxReach);
    return int(std::ceil(std::min(margin, kMaxReach)));
}

QImage ApplyFilters(QImage image, const swf::FilterList& filters, double pixelScale)
{
    for (const swf::Filter& filter : filters) {
        switch (filter.type) {
        case Type::Blur: image = ApplyBlurFilter(image, filter, pixelScale); break;
        case Type::ColorMatrix: image = ApplyColorMatrixFilter(image, filter); break;
        case Type::Convolution: image = ApplyConvolutionFilter(image, filter); break;
        default: image = ApplyShadowFilter(image, filter, pixelScale); break;
        }
    }
    return image;
}

}  // namespace glimmora::player
