// libFuzzer target: the BMP decoder on arbitrary bytes. Every input must end
// in a decoded picture or a PictureError.

#include "effects/picture/import/BmpDecoder.h"
#include "effects/picture/import/PictureError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const glimmora::RgbImage image = glimmora::DecodeBmp(data, size);
        if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height) * 3) std::abort();
    } catch (const glimmora::PictureError&) {
    }
    return 0;
}
