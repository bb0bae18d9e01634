#pragma once
// A decoded picture: 8-bit red, green, blue per pixel, rows from the top.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora {

// The largest picture a decoder accepts, checked before anything is allocated:
// each side at most this many pixels ...
inline constexpr int kMaxPictureSide = 30000;
// ... and at most this many bytes of RGB pixels.
inline constexpr std::uint64_t kMaxPictureBytes = 256ull * 1024 * 1024;

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3 bytes

    std::uint8_t* Row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width) * 3; }
    const std::uint8_t* Row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width) * 3; }
};

// Throws PictureError unless 1 <= width, height and the picture is within the
// limits above.
void CheckPictureDimensions(std::int64_t width, std::int64_t height);

// A black picture of that size, after CheckPictureDimensions.
RgbImage AllocateRgbImage(std::int64_t width, std::int64_t height);

}  // namespace glimmora
