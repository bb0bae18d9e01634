// Decoding speed of the SWF reader, display-list replay and font outlines.

#include "swf/fonts/FontLibrary.h"
#include "swf/reader/DecodedMovie.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void U16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void Tag(Bytes& out, uint16_t code, const Bytes& body) {
    U16(out, uint16_t(code << 6 | 0x3F));
    uint32_t n = uint32_t(body.size());
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(n >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
}

// `frames` frames over 20 depths: every frame moves each object by a
// 16-bit translation (PlaceObject2 modify), one box shape for all.
Bytes SyntheticMovie(int frames) {
    Bytes file{'F', 'W', 'S', 8, 0, 0, 0, 0, 0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x0C};
    U16(file, uint16_t(frames));
    // DefineShape3 id 1: one solid fill, a 200 x 100 box.
    Tag(file, 32, {0x01, 0x00, 0x48, 0x01, 0x90, 0x00, 0x32, 0x00, 0x01, 0x00, 0xFF, 0x00, 0x00, 0xFF,
                   0x00, 0x10, 0x14, 0x27, 0x71, 0x91, 0xBA, 0x64, 0xDC, 0x9C, 0x6E, 0xE7, 0x00});
    for (int depth = 1; depth <= 20; ++depth) {
        Bytes place{0x06};
        U16(place, uint16_t(depth));
        U16(place, 1);
        place.push_back(0x00);  // identity matrix
        Tag(file, 26, place);
    }
    for (int f = 0; f < frames; ++f) {
        for (int depth = 1; depth <= 20; ++depth) {
            Bytes modify{0x05};
            U16(modify, uint16_t(depth));
            // MATRIX translate (f, depth): no scale, no rotation, 17-bit
            // fields; 41 bits left-aligned in 6 bytes.
            uint64_t bits = (uint64_t(17) << 34) | (uint64_t(f & 0xFFFF) << 17) | uint64_t(depth);
            bits <<= 7;
            for (int i = 5; i >= 0; --i) modify.push_back(uint8_t(bits >> (8 * i)));
            Tag(file, 26, modify);
        }
        U16(file, 1 << 6);  // ShowFrame
    }
    U16(file, 0);  // End
    uint32_t length = uint32_t(file.size());
    for (int i = 0; i < 4; ++i) file[4 + i] = uint8_t(length >> (8 * i));
    return file;
}

void BM_DecodeMovie(benchmark::State& state) {
    Bytes file = SyntheticMovie(int(state.range(0)));
    for (auto _ : state) {
        auto movie = glimmora::swf::DecodeMovie(file.data(), file.size());
        benchmark::DoNotOptimize(movie.frames.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_DecodeMovie)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_DisplayListAtLastFrame(benchmark::State& state) {
    Bytes file = SyntheticMovie(int(state.range(0)));
    auto movie = glimmora::swf::DecodeMovie(file.data(), file.size());
    for (auto _ : state) {
        auto list = movie.DisplayListAt(movie.FrameCount() - 1);
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_DisplayListAtLastFrame)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_TextOutlineFirstUse(benchmark::State& state) {
    for (auto _ : state) {
        glimmora::swf::FontLibrary fonts;  // empty caches: resolution, FreeType loads, conversion
        auto outline = fonts.TextOutline("Microsoft Sans Serif", U"Glimmora text \u4E2D\u6587");
        benchmark::DoNotOptimize(outline.contours.data());
    }
}
BENCHMARK(BM_TextOutlineFirstUse)->Unit(benchmark::kMillisecond);

void BM_TextOutlineCachedGlyphs(benchmark::State& state) {
    glimmora::swf::FontLibrary fonts;
    fonts.TextOutline("Tahoma", U"abcdefghijklmnopqrstuvwxyz");
    std::u32string text = U"abcdefghijklmnopqrst";
    for (auto _ : state) {
        // A new 20-letter text each time, from glyphs already converted.
        std::next_permutation(text.begin(), text.end());
        auto outline = fonts.TextOutline("Tahoma", text);
        benchmark::DoNotOptimize(outline.contours.data());
    }
}
BENCHMARK(BM_TextOutlineCachedGlyphs)->Unit(benchmark::kMicrosecond);

}  // namespace
