#include "swf/reader/FilterReading.h"

#include "swf/reader/RecordReading.h"

#include <bit>

namespace glimmora::swf {
namespace {

double Fixed16(BitReader& in) { return int32_t(in.U32()) / 65536.0; }
double Fixed8(BitReader& in) { return in.S16() / 256.0; }
float Float(BitReader& in) { return std::bit_cast<float>(in.U32()); }

void ReadBlur(BitReader& in, Filter& filter)
{
    filter.blurX = Fixed16(in);
    filter.blurY = Fixed16(in);
}

void ReadOffset(BitReader& in, Filter& filter)
{
    filter.angle = Fixed16(in);
    filter.distance = Fixed16(in);
}

// The flag byte ending shadows, glows and bevels: inner, knockout, composite
// source, then on top and 4 bits of passes, or 5 bits of passes.
void ReadFlags(BitReader& in, Filter& filter, bool hasOnTop)
{
    const uint8_t flags = in.U8();
    filter.inner = flags & 0x80;
    filter.knockout = flags & 0x40;
    filter.compositeSource = flags & 0x20;
    filter.onTop = hasOnTop && (flags & 0x10);
    filter.passes = uint8_t(flags & (hasOnTop ? 0x0f : 0x1f));
}

void ReadGradient(BitReader& in, Filter& filter)
{
    const uint8_t count = in.U8();
    for (unsigned i = 0; i < count; ++i) filter.gradientColors.push_back(ReadRgba(in));
    for (unsigned i = 0; i < count; ++i) filter.gradientRatios.push_back(in.U8());
}

}  // namespace

std::optional<Filter> ReadFilter(BitReader& in)
{
    Filter filter;
    const uint8_t type = in.U8();
    switch (type) {
    case 0:  // drop shadow
        filter.color = ReadRgba(in);
        ReadBlur(in, filter);
        ReadOffset(in, filter);
        filter.strength = Fixed8(in);
        ReadFlags(in, filter, false);
        break;
    case 1:  // blur
        ReadBlur(in, filter);
        filter.passes = uint8_t(in.U8() >> 3);
        break;
    case 2:  // glow
        filter.color = ReadRgba(in);
        ReadBlur(in, filter);
        filter.strength = Fixed8(in);
        ReadFlags(in, filter, false);
        break;
    case 3:  // bevel
        // The highlight comes first, whatever the format's description says.
        filter.highlight = ReadRgba(in);
        filter.color = ReadRgba(in);  // the shadow
        ReadBlur(in, filter);
        ReadOffset(in, filter);
        filter.strength = Fixed8(in);
        ReadFlags(in, filter, true);
        break;
    case 4:  // gradient glow
    case 7:  // gradient bevel
        ReadGradient(in, filter);
        ReadBlur(in, filter);
        ReadOffset(in, filter);
        filter.strength = Fixed8(in);
        ReadFlags(in, filter, true);
        break;
    case 5: {  // convolution
        filter.columns = in.U8();
        filter.rows = in.U8();
        filter.divisor = Float(in);
        filter.bias = Float(in);
        const size_t count = size_t(filter.columns) * filter.rows;
        filter.weights.reserve(count);
        for (size_t i = 0; i < count; ++i) filter.weights.push_back(Float(in));
        filter.defaultColor = ReadRgba(in);
        const uint8_t flags = in.U8();
        filter.clamp = flags & 0x02;
        filter.preserveAlpha = flags & 0x01;
        break;
    }
    case 6:  // colour matrix
        for (float& value : filter.colorMatrix) value = Float(in);
        break;
    default:
        return std::nullopt;
    }
    filter.type = Filter::Type(type);
    return filter;
}

FilterList ReadFilterList(BitReader& in, bool& complete)
{
    FilterList filters;
    const uint8_t count = in.U8();
    complete = true;
    for (unsigned i = 0; i < count; ++i) {
        std::optional<Filter> filter = ReadFilter(in);
        if (!filter) {
            complete = false;
            break;
        }
        filters.push_back(std::move(*filter));
    }
    return filters;
}

}  // namespace glimmora::swf
