#pragma once
// One palette for all the frames of a GIF, chosen by libimagequant from the
// colours of every frame, and the frames mapped onto it with error diffusion
// (Floyd-Steinberg). The last entry is left transparent, so that the GIF
// encoder can leave the pixels that did not change since the frame before.
//
// One palette for the whole animation keeps each frame free of a palette of
// its own, and unchanged areas map to the same indices frame after frame,
// which the encoder then skips.

#include <QImage>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::exporting {

class GifPalette {
public:
    // `quality` 1 to 100: how hard the quantiser works and how strongly the
    // frames are dithered.
    explicit GifPalette(int quality);
    ~GifPalette();
    GifPalette(const GifPalette&) = delete;
    GifPalette& operator=(const GifPalette&) = delete;

    // First pass: the colours of one frame (opaque BGRA).
    void Add(const QImage& image);
    // Chooses the palette from the frames added. Throws ExportError.
    void Choose();

    // 0xAARRGGBB; the last entry is transparent.
    const std::array<uint32_t, 256>& Entries() const { return entries_; }
    // Second pass: one index per pixel, rows of `image.width()` bytes.
    void Map(const QImage& image, std::vector<uint8_t>& indices);

private:
    uint8_t Nearest(int r, int g, int b);

    struct Quantiser;
    std::unique_ptr<Quantiser> quantiser_;
    float dithering_ = 1.0f;
    int colours_ = 0;
    std::array<uint32_t, 256> entries_{};
    // Nearest entry per colour cell of 6 bits a channel; 0xffff: not yet known.
    std::vector<uint16_t> nearest_;
    std::vector<int> errors_;  // two rows of diffused error, 3 channels each
};

}  // namespace glimmora::exporting
