#include "effects/picture/import/RgbImage.h"

#include "effects/picture/import/PictureError.h"

#include <string>

namespace glimmora {

void CheckPictureDimensions(std::int64_t width, std::int64_t height)
{
    if (width < 1 || height < 1)
        throw PictureError("the picture has no pixels (" + std::to_string(width) + " x " + std::to_string(height) + ")");
    if (width > kMaxPictureSide || height > kMaxPictureSide ||
        std::uint64_t(width) * std::uint64_t(height) * 3 > kMaxPictureBytes)
        throw PictureError("the picture is too large to import (" + std::to_string(width) + " x " +
                           std::to_string(height) + " pixels)");
}

RgbImage AllocateRgbImage(std::int64_t width, std::int64_t height)
{
    CheckPictureDimensions(width, height);
    RgbImage image;
    image.width = int(width);
    image.height = int(height);
    image.pixels.assign(std::size_t(width) * std::size_t(height) * 3, 0);
    return image;
}

}  // namespace glimmora
