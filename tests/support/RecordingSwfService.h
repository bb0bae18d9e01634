#pragma once
// A recording implementation of the SWF service: every call becomes one line,
// "<object>.<Operation>(<arguments>)", in call order, shared by the movie and
// all holders. Holders are named after the builder's creation order: media,
// spare, font, text, overlay (then object6, ...).
//
// Numbers print as integers when whole, else with up to 10 significant digits;
// strings print in double quotes (UTF-8).

#include "swf/SwfService.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace glimmora::test {

std::string FormatNumber(double value);

struct CallLog {
    std::vector<std::string> calls;
    // Calls whose operation name is in this set throw SwfError (after being logged).
    std::set<std::string> failing;
    // What GetTextWidth answers; by default 500 per character.
    std::function<int(const std::string& font, const std::u32string& text)> textWidth =
        [](const std::string&, const std::u32string& text) { return int(text.size()) * 500; };

    void Record(const std::string& object, const std::string& operation, const std::string& args);
    // The calls that start with `prefix` (e.g. "movie.", "text.Scale").
    std::vector<std::string> Matching(const std::string& prefix) const;
};

class RecordingSwfService : public swfService {
public:
    RecordingSwfService() : log_(std::make_shared<CallLog>()) {}

    std::unique_ptr<swfMovie> CreateMovie() override;
    std::unique_ptr<swfObject> CreateObject() override;

    CallLog& Log() { return *log_; }
    const std::vector<std::string>& Calls() const { return log_->calls; }

private:
    std::shared_ptr<CallLog> log_;
    int objects_ = 0;
};

}  // namespace glimmora::test
