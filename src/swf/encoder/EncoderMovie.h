#pragma once
// The movie of the encoder service: size, rate and background, the timeline
// that AddObject and RemoveObject build, and the SWF file written from it.
// Parts recorded under a key are kept for the builds that follow.

#include "swf/SwfService.h"
#include "swf/encoder/EncoderContext.h"
#include "swf/encoder/MovieEncoder.h"
#include "swf/encoder/Timeline.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace glimmora::swf {

class EncoderObject;

class EncoderMovie : public swfMovie {
public:
    explicit EncoderMovie(std::shared_ptr<EncoderContext> context);
    ~EncoderMovie() override;

    void SetSize(int widthTwips, int heightTwips) override;
    void SetFrameRate(int framesPerSecond) override;
    void SetFrameBkColor(int red, int green, int blue) override;
    void GotoFrame(double frame) override;
    void AddObject(swfObject& object) override;
    void RemoveObject(swfObject& object) override;
    void WriteMovie(const std::string& path) override;
    std::vector<uint8_t> TakeWrittenMovie() override { return std::exchange(written_, {}); }
    void BeginPart(const std::string& key) override;
    void EndPart(const std::string& note = {}) override;
    bool ReusePart(const std::string& key, std::string* note = nullptr) override;

    // The movie file's bytes as WriteMovie writes them.
    std::vector<uint8_t> EncodeMovie() const;
    // The records our reader decodes from the last movie written.
    size_t WrittenRecords() const { return writtenRecords_; }

    const Timeline& GetTimeline() const { return timeline_; }
    const MovieSettings& Settings() const { return settings_; }
    // How many parts are kept for reuse.
    size_t KeptParts() const { return kept_.size(); }

private:
    struct Kept {
        std::shared_ptr<const TimelinePart> part;
        std::string note;
        uint64_t build = 0;  // the last build that made or reused it
    };

    EncoderObject& Holder(swfObject& object, const char* call);
    HolderState* HolderById(uint32_t id) const;
    bool MediaUnchanged(const TimelinePart& part) const;
    void StopRecording();

    std::shared_ptr<EncoderContext> context_;
    MovieSettings settings_;
    Timeline timeline_;
    std::unordered_map<std::string, Kept> kept_;
    uint64_t build_ = 1;
    std::vector<uint8_t> written_;  // the last WriteMovie's bytes, until taken
    size_t writtenRecords_ = 0;
    mutable EncoderScratch scratch_;
};

}  // namespace glimmora::swf
