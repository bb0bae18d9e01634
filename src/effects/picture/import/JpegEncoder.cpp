#include "effects/picture/import/JpegEncoder.h"

#include "effects/picture/import/PictureError.h"
#include "swf/SwfService.h"
#include "swf/encoder/JpegEncoding.h"

namespace glimmora {

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality)
{
    if (image.width < 1 || image.height < 1 || image.pixels.size() != std::size_t(image.width) * image.height * 3)
        throw PictureError("Cannot encode an empty or inconsistent picture");
    try {
        return swf::EncodeJpeg(image.pixels.data(), image.width, image.height, quality);
    } catch (const SwfError& e) {
        throw PictureError(e.what());
    }
}

}  // namespace glimmora
