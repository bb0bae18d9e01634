// PlaceObject3's drawing fields: filters of every type with their fields,
// the blend mode, the bitmap cache and visibility, and what writers leave out.

#include "swf/reader/DecodedMovie.h"
#include "swf/reader/FilterReading.h"
#include "support/MovieDecoding.h"
#include "support/SwfBytes.h"

#include <gtest/gtest.h>

#include <bit>

namespace glimmora::swf {
namespace {

using test::ByteVector;
using test::Bytes;

Bytes& Fixed(Bytes& b, double v) { return b.U32(uint32_t(int32_t(v * 65536))); }
Bytes& Float(Bytes& b, float v) { return b.U32(std::bit_cast<uint32_t>(v)); }

Filter ReadOne(const ByteVector& bytes)
{
    BitReader in(bytes.data(), bytes.size());
    bool complete = false;
    FilterList list = ReadFilterList(in, complete);
    EXPECT_TRUE(complete);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(list.size(), 1u);
    return list.empty() ? Filter{} : list[0];
}

TEST(FilterReading, ShadowsGlowsAndBevelsKeepColoursSizesAndFlags)
{
    // Drop shadow: colour, blur 4.5 x 2, angle 0.75, distance 6, strength 1.5,
    // inner + knockout, without the object, 3 passes.
    Bytes shadow;
    shadow.U8(1).U8(0).Add({10, 20, 30, 40});
    Fixed(Fixed(Fixed(Fixed(shadow, 4.5), 2), 0.75), 6).U16(0x0180).U8(0x80 | 0x40 | 3);
    Filter f = ReadOne(shadow);
    EXPECT_EQ(f.type, Filter::Type::DropShadow);
    EXPECT_EQ(f.color, (Rgba{10, 20, 30, 40}));
    EXPECT_DOUBLE_EQ(f.blurX, 4.5);
    EXPECT_DOUBLE_EQ(f.blurY, 2);
    EXPECT_DOUBLE_EQ(f.angle, 0.75);
    EXPECT_DOUBLE_EQ(f.distance, 6);
    EXPECT_DOUBLE_EQ(f.strength, 1.5);
    EXPECT_TRUE(f.inner && f.knockout);
    EXPECT_FALSE(f.compositeSource);
    EXPECT_EQ(f.passes, 3);

    // Glow: no angle or distance stored; 31 passes fit its five bits.
    Bytes glow;
    glow.U8(1).U8(2).Add({1, 2, 3, 4});
    Fixed(Fixed(glow, 8), 8).U16(0x0100).U8(0x20 | 31);
    f = ReadOne(glow);
    EXPECT_EQ(f.type, Filter::Type::Glow);
    EXPECT_EQ(f.color, (Rgba{1, 2, 3, 4}));
    EXPECT_TRUE(f.compositeSource);
    EXPECT_FALSE(f.inner || f.knockout);
    EXPECT_EQ(f.passes, 31);

    // Bevel: the highlight is stored first; on top, 4 bits of passes.
    Bytes bevel;
    bevel.U8(1).U8(3).Add({255, 255, 255, 255}).Add({0, 0, 0, 128});
    Fixed(Fixed(Fixed(Fixed(bevel, 4), 4), 0.5), 3).U16(0x0200).U8(0x20 | 0x10 | 15);
    f = ReadOne(bevel);
    EXPECT_EQ(f.type, Filter::Type::Bevel);
    EXPECT_EQ(f.highlight, (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(f.color, (Rgba{0, 0, 0, 128}));
    EXPECT_DOUBLE_EQ(f.strength, 2);
    EXPECT_TRUE(f.onTop);
    EXPECT_EQ(f.passes, 15);
}

TEST(FilterReading, GradientFiltersKeepTheirStops)
{
    for (uint8_t type : {4, 7}) {
        Bytes b;
        b.U8(1).U8(type).U8(2).Add({255, 0, 0, 0}).Add({0, 255, 0, 255}).U8(0).U8(200);
        Fixed(Fixed(Fixed(Fixed(b, 2), 3), 1), 4).U16(0x0100).U8(0x80 | 0x20 | 2);
        const Filter f = ReadOne(b);
        EXPECT_EQ(f.type, Filter::Type(type));
        ASSERT_EQ(f.gradientColors.size(), 2u);
        EXPECT_EQ(f.gradientColors[1], (Rgba{0, 255, 0, 255}));
        EXPECT_EQ(f.gradientRatios, (std::vector<uint8_t>{0, 200}));
        EXPECT_DOUBLE_EQ(f.distance, 4);
        EXPECT_TRUE(f.inner);
        EXPECT_EQ(f.passes, 2);
    }
}

TEST(FilterReading, BlurColourMatrixAndConvolutionKeepTheirNumbers)
{
    Bytes blur;
    blur.U8(1).U8(1);
    Fixed(Fixed(blur, 5), 7).U8(uint8_t(3 << 3));
    Filter f = ReadOne(blur);
    EXPECT_EQ(f.type, Filter::Type::Blur);
    EXPECT_DOUBLE_EQ(f.blurY, 7);
    EXPECT_EQ(f.passes, 3);

    Bytes matrix;
    matrix.U8(1).U8(6);
    for (int i = 0; i < 20; ++i) Float(matrix, float(i) / 2);
    f = ReadOne(matrix);
    EXPECT_EQ(f.type, Filter::Type::ColorMatrix);
    EXPECT_FLOAT_EQ(f.colorMatrix[19], 9.5f);

    Bytes convolution;
    convolution.U8(1).U8(5).U8(3).U8(1);
    Float(Float(convolution, 4), -2);
    for (float w : {1.0f, 2.0f, 1.0f}) Float(convolution, w);
    convolution.Add({9, 8, 7, 6}).U8(0x02);
    f = ReadOne(convolution);
    EXPECT_EQ(f.type, Filter::Type::Convolution);
    EXPECT_EQ(f.columns, 3);
    EXPECT_EQ(f.rows, 1);
    EXPECT_FLOAT_EQ(f.divisor, 4);
    EXPECT_FLOAT_EQ(f.bias, -2);
    EXPECT_EQ(f.weights, (std::vector<float>{1, 2, 1}));
    EXPECT_EQ(f.defaultColor, (Rgba{9, 8, 7, 6}));
    EXPECT_TRUE(f.clamp);
    EXPECT_FALSE(f.preserveAlpha);
}

// PlaceObject3 of character 1 at depth 5 with the given second flag byte and
// what follows the character id.
ByteVector Place3(uint8_t flags2, const ByteVector& after)
{
    return test::Tag(70, Bytes().U8(0x02).U8(flags2).U16(5).U16(1).Add(after));
}

TEST(FilterReading, PlaceObject3CarriesFiltersBlendModeCacheVisibilityAndBackground)
{
    struct Case {
        const char* name;
        ByteVector tag;
        size_t filters;
        std::optional<BlendMode> blend;
        std::optional<bool> cache, visible;
        std::optional<Rgba> opaque;
    };
    const ByteVector blur{1, 1, 0, 0, 5, 0, 0, 0, 5, 0, 0x08};
    ByteVector blurThenUnknown = blur;
    blurThenUnknown[0] = 2;
    blurThenUnknown.insert(blurThenUnknown.end(), {9, 3});
    const Case cases[] = {
        {"blur, multiply, cached, hidden", Place3(0x01 | 0x02 | 0x04 | 0x20, [&] {
             ByteVector v = blur;
             v.insert(v.end(), {3, 1, 0});
             return v;
         }()), 1, BlendMode::Multiply, true, false, {}},
        {"a blend mode past the known ones draws as normal", Place3(0x02, {40}), 0, BlendMode::Normal, {}, {}, {}},
        {"the cache flag without its byte caches", Place3(0x02 | 0x04, {14}), 0, BlendMode::HardLight, true, {}, {}},
        {"visibility flag without its byte", Place3(0x20, {}), 0, {}, {}, {}, {}},
        {"an unknown filter keeps those before it", Place3(0x01 | 0x02, blurThenUnknown), 1, {}, {}, {}, {}},
        {"an opaque background after the cache and visibility", Place3(0x04 | 0x20 | 0x40, {1, 1, 10, 20, 30, 99}), 0,
         {}, true, true, Rgba{10, 20, 30, 99}},
        {"an opaque background flag without its colour", Place3(0x40, {1, 2}), 0, {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedMovie movie = test::Decode(test::Movie({test::BoxShape(1), c.tag, test::ShowFrame()}));
        ASSERT_EQ(movie.frames.size(), 1u);
        const DisplayOp op = movie.frames[0].ops[0];
        EXPECT_EQ(op.characterId, 1);
        EXPECT_EQ(op.filters ? op.filters->size() : 0u, c.filters);
        EXPECT_EQ(op.blendMode, c.blend);
        EXPECT_EQ(op.cacheAsBitmap, c.cache);
        EXPECT_EQ(op.visible, c.visible);
        EXPECT_EQ(op.opaqueBackground, c.opaque);
    }
}

}  // namespace
}  // namespace glimmora::swf
