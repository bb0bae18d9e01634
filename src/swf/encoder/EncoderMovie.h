#pragma once
// The movie of the encoder service: size, rate and background, the timeline
// that AddObject and RemoveObject build, and the SWF file written from it.

#include "swf/SwfService.h"
#include "swf/encoder/EncoderContext.h"
#include "swf/encoder/MovieEncoder.h"
#include "swf/encoder/Timeline.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace glimmora::swf {

class EncoderObject;

class EncoderMovie : public swfMovie {
public:
    explicit EncoderMovie(std::shared_ptr<EncoderContext> context);

    void SetSize(int widthTwips, int heightTwips) override;
    void SetFrameRate(int framesPerSecond) override;
    void SetFrameBkColor(int red, int green, int blue) override;
    void GotoFrame(double frame) override;
    void AddObject(swfObject& object) override;
    void RemoveObject(swfObject& object) override;
    void WriteMovie(const std::string& path) override;
    std::vector<uint8_t> TakeWrittenMovie() override { return std::exchange(written_, {}); }

    // The movie file's bytes as WriteMovie writes them.
    std::vector<uint8_t> EncodeMovie() const;

    const Timeline& GetTimeline() const { return timeline_; }
    const MovieSettings& Settings() const { return settings_; }

private:
    EncoderObject& Holder(swfObject& object, const char* call);

    std::shared_ptr<EncoderContext> context_;
    MovieSettings settings_;
    Timeline timeline_;
    std::vector<uint8_t> written_;  // the last WriteMovie's bytes, until taken
};

}  // namespace glimmora::swf
