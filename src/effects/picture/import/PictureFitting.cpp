#include "effects/picture/import/PictureFitting.h"

#include "effects/picture/import/PictureQImage.h"

#include <algorithm>
#include <cmath>

namespace glimmora {

PictureSize FittedSize(PictureSize picture, PictureSize box)
{
    if (picture.width <= box.width && picture.height <= box.height) return picture;
    const double factor = std::min(double(box.width) / picture.width, double(box.height) / picture.height);
    return {std::clamp(int(std::lround(picture.width * factor)), 1, box.width),
            std::clamp(int(std::lround(picture.height * factor)), 1, box.height)};
}

ImportedPicture ScaledToFit(const ImportedPicture& picture, PictureSize box)
{
    const PictureSize size = FittedSize({picture.Width(), picture.Height()}, box);
    if (size == PictureSize{picture.Width(), picture.Height()}) return picture;
    // Qt's smooth scaling averages premultiplied pixels.
    return PictureFromImage(
        ImageFromPicture(picture).scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace glimmora
