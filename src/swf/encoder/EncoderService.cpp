#include "swf/encoder/EncoderService.h"

#include "swf/encoder/EncoderContext.h"
#include "swf/encoder/EncoderMovie.h"
#include "swf/encoder/EncoderObject.h"

namespace glimmora {
namespace {

class EncoderService : public swfService {
public:
    explicit EncoderService(std::shared_ptr<swf::GlyphSource> glyphs)
        : context_(std::make_shared<swf::EncoderContext>(std::move(glyphs)))
    {
    }

    std::unique_ptr<swfMovie> CreateMovie() override
    {
        return std::make_unique<swf::EncoderMovie>(context_);
    }

    std::unique_ptr<swfObject> CreateObject() override
    {
        return std::make_unique<swf::EncoderObject>(context_);
    }

private:
    std::shared_ptr<swf::EncoderContext> context_;
};

}  // namespace

std::unique_ptr<swfService> MakeEncoderService(std::shared_ptr<swf::GlyphSource> glyphs)
{
    return std::make_unique<EncoderService>(std::move(glyphs));
}

}  // namespace glimmora
