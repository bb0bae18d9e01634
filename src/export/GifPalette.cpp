#include "export/GifPalette.h"

#include "export/ExportError.h"

#include <libimagequant.h>

#include <algorithm>
#include <climits>

namespace glimmora::exporting {
namespace {

constexpr int kCellBits = 6;
constexpr int kCellShift = 8 - kCellBits;
constexpr uint16_t kUnknown = 0xffff;
constexpr int kTransparent = 255;

int Red(uint32_t entry) { return int(entry >> 16) & 0xff; }
int Green(uint32_t entry) { return int(entry >> 8) & 0xff; }
int Blue(uint32_t entry) { return int(entry) & 0xff; }

}  // namespace

struct GifPalette::Quantiser {
    liq_attr* attr = nullptr;
    liq_histogram* histogram = nullptr;
    ~Quantiser()
    {
        if (histogram) liq_histogram_destroy(histogram);
        if (attr) liq_attr_destroy(attr);
    }
};

GifPalette::GifPalette(int quality) : quantiser_(std::make_unique<Quantiser>())
{
    quantiser_->attr = liq_attr_create();
    if (!quantiser_->attr) throw ExportError("Out of memory");
    liq_set_max_colors(quantiser_->attr, kTransparent);
    // Slower is better: 100 takes the slowest search, 1 the fastest.
    liq_set_speed(quantiser_->attr, std::clamp(10 - quality / 11, 1, 10));
    quantiser_->histogram = liq_histogram_create(quantiser_->attr);
    if (!quantiser_->histogram) throw ExportError("Out of memory");
    dithering_ = quality >= 30 ? 1.0f : 0.5f;
}

GifPalette::~GifPalette() = default;

void GifPalette::Add(const QImage& image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    liq_image* picture = liq_image_create_rgba(quantiser_->attr, rgba.constBits(), rgba.width(), rgba.height(), 0);
    if (!picture) throw ExportError("Out of memory");
    const liq_error added = liq_histogram_add_image(quantiser_->histogram, quantiser_->attr, picture);
    liq_image_destroy(picture);
    if (added != LIQ_OK) throw ExportError("The GIF palette could not take the frame's colours.");
}

void GifPalette::Choose()
{
    liq_result* result = nullptr;
    if (liq_histogram_quantize(quantiser_->histogram, quantiser_->attr, &result) != LIQ_OK || !result)
        throw ExportError("No GIF palette could be found for the frames.");
    const liq_palette* palette = liq_get_palette(result);
    colours_ = int(std::min<unsigned>(palette->count, kTransparent));
    entries_.fill(0);
    for (int i = 0; i < colours_; ++i) {
        const liq_color& c = palette->entries[i];
        entries_[size_t(i)] = 0xff000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
    }
    liq_result_destroy(result);
    if (colours_ == 0) throw ExportError("No GIF palette could be found for the frames.");
    nearest_.assign(size_t(1) << (3 * kCellBits), kUnknown);
}

uint8_t GifPalette::Nearest(int r, int g, int b)
{
    const size_t cell = (size_t(r >> kCellShift) << (2 * kCellBits)) | (size_t(g >> kCellShift) << kCellBits) |
                        size_t(b >> kCellShift);
    uint16_t& known = nearest_[cell];
    if (known != kUnknown) return uint8_t(known);
    // The entry nearest the cell's centre.
    const int half = 1 << (kCellShift - 1);
    const int cr = (r & ~((1 << kCellShift) - 1)) + half;
    const int cg = (g & ~((1 << kCellShift) - 1)) + half;
    const int cb = (b & ~((1 << kCellShift) - 1)) + half;
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < colours_; ++i) {
        const uint32_t e = entries_[size_t(i)];
        const int dr = Red(e) - cr, dg = Green(e) - cg, db = Blue(e) - cb;
        // Weighted as the eye sees differences: green most, blue least.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    known = uint16_t(best);
    return uint8_t(best);
}

void GifPalette::Map(const QImage& image, std::vector<uint8_t>& indices)
{
    const int width = image.width(), height = image.height();
    indices.resize(size_t(width) * size_t(height));
    // Errors in sixteenths, for the pixel row being mapped and the next; one
    // spare pixel at each end.
    errors_.assign(size_t(width + 2) * 3 * 2, 0);
    int* current = errors_.data();
    int* next = current + (width + 2) * 3;
    const int strength = int(dithering_ * 256);
    for (int y = 0; y < height; ++y) {
        const uint8_t* pixel = image.constScanLine(y);  // B, G, R, A
        uint8_t* out = indices.data() + size_t(y) * size_t(width);
        std::fill(next, next + (width + 2) * 3, 0);
        for (int x = 0; x < width; ++x, pixel += 4) {
            int* e = current + (x + 1) * 3;
            const int r = std::clamp(pixel[2] + e[0] / 16, 0, 255);
            const int g = std::clamp(pixel[1] + e[1] / 16, 0, 255);
            const int b = std::clamp(pixel[0] + e[2] / 16, 0, 255);
            const uint8_t index = Nearest(r, g, b);
            out[x] = index;
            const uint32_t chosen = entries_[index];
            const int error[3] = {(r - Red(chosen)) * strength / 256, (g - Green(chosen)) * strength / 256,
                                  (b - Blue(chosen)) * strength / 256};
            int* right = e + 3;
            int* below = next + (x + 1) * 3;
            for (int c = 0; c < 3; ++c) {
                right[c] += error[c] * 7;
                below[c - 3] += error[c] * 3;
                below[c] += error[c] * 5;
                below[c + 3] += error[c];
            }
        }
        std::swap(current, next);
    }
}

}  // namespace glimmora::exporting
