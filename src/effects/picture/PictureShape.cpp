#include "effects/picture/PictureShape.h"

#include "effects/picture/PicServices.h"

#include <cstdint>

namespace glimmora {

PicRect RectOf(const TFlashPic& picture, PicRectForm form)
{
    PicRect r;
    if (form == PicRectForm::Integer) {
        // 64-bit so that no document value can overflow the product.
        const std::int64_t x1 = std::int64_t(picture.PositionX) * 20;
        const std::int64_t y1 = std::int64_t(picture.PositionY) * 20;
        r.x1 = double(x1);
        r.y1 = double(y1);
        r.x2 = double(x1 + std::int64_t(picture.Width) * 20);
        r.y2 = double(y1 + std::int64_t(picture.Height) * 20);
    } else {
        r.x1 = double(picture.PositionX) * 20;
        r.y1 = double(picture.PositionY) * 20;
        r.x2 = r.x1 + double(picture.Width) * 20;
        r.y2 = r.y1 + double(picture.Height) * 20;
    }
    return r;
}

void MakePictureShape(const TFlashPic& picture, const GenerationContext& context, PicRectForm form)
{
    swfObject& media = *PictureHolders(context).media;
    const PicRect r = RectOf(picture, form);
    media.MakePicture(r.x1, r.y1, r.x2, r.y2, picture.Width, picture.Height, picture.JpegPath);
    media.SetDepth(1);
}

void PlaceStaticPicture(TFlashPic& picture, const GenerationContext& context)
{
    SwfHolders& swf = PictureHolders(context);
    MakePictureShape(picture, context, PicRectForm::Real);
    swf.movie->GotoFrame(picture.StartTime);
    swf.movie->AddObject(*swf.media);
    swf.movie->GotoFrame(picture.EndTime);
    swf.movie->RemoveObject(*swf.media);
}

}  // namespace glimmora
