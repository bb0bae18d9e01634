#include "support/RecordingSwfService.h"

#include "generation/Utf8Text.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace glimmora::test {

std::string FormatNumber(double value)
{
    char buffer[64];
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

namespace {

std::string Utf8(const std::u32string& text) { return EncodeUtf8(text); }

std::string Quote(const std::string& s) { return "\"" + s + "\""; }

// Codes below 32 (the letter codes 1, 2, ...) print as \N so sequences stay readable.
std::string QuoteCodes(const std::u32string& codes)
{
    std::string out = "\"";
    for (char32_t c : codes) {
        if (c < 32)
            out += "\\" + std::to_string(unsigned(c));
        else
            out += Utf8(std::u32string(1, c));
    }
    return out + "\"";
}

template <typename... Args>
std::string Join(const Args&... args)
{
    std::string out;
    ((out += (out.empty() ? "" : ", ") + args), ...);
    return out;
}

std::string N(double v) { return FormatNumber(v); }

class RecordingObject : public swfObject {
public:
    RecordingObject(std::shared_ptr<CallLog> log, std::string name) : log_(std::move(log)), name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

    void SetDepth(int depthClass) override { Rec("SetDepth", N(depthClass)); }
    void MakePicture(double l, double t, double r, double b, int w, int h, const std::string& file) override
    {
        Rec("MakePicture", Join(N(l), N(t), N(r), N(b), N(w), N(h), Quote(file)));
    }
    void MakeRectangle(double l, double t, double r, double b) override { Rec("MakeRectangle", Join(N(l), N(t), N(r), N(b))); }
    void MakeSound(const std::string& file) override { Rec("MakeSound", Quote(file)); }
    void MakeFont(const std::string& name) override { Rec("MakeFont", Quote(name)); }
    void AddGlyph(const std::string& name, const std::u32string& text, int code) override
    {
        Rec("AddGlyph", Join(Quote(name), Quote(Utf8(text)), N(code)));
    }
    int GetTextWidth(const std::string& name, const std::u32string& text) override
    {
        Rec("GetTextWidth", Join(Quote(name), Quote(Utf8(text))));
        return log_->textWidth(name, text);
    }
    void MakeText(const std::u32string& codes, swfObject& fontHolder) override
    {
        auto* font = dynamic_cast<RecordingObject*>(&fontHolder);
        Rec("MakeText", Join(QuoteCodes(codes), font ? font->Name() : std::string("?")));
    }
    void Scale(double x, double y) override { Rec("Scale", Join(N(x), N(y))); }
    void Rotate(double angle) override { Rec("Rotate", N(angle)); }
    void Translate(double x, double y) override { Rec("Translate", Join(N(x), N(y))); }
    void SetSolidFill(int r, int g, int b, int a) override { Rec("SetSolidFill", Join(N(r), N(g), N(b), N(a))); }

private:
    void Rec(const std::string& op, const std::string& args) { log_->Record(name_, op, args); }
    std::shared_ptr<CallLog> log_;
    std::string name_;
};

class RecordingMovie : public swfMovie {
public:
    explicit RecordingMovie(std::shared_ptr<CallLog> log) : log_(std::move(log)) {}

    void SetSize(int w, int h) override { Rec("SetSize", Join(N(w), N(h))); }
    void SetFrameRate(int rate) override { Rec("SetFrameRate", N(rate)); }
    void SetFrameBkColor(int r, int g, int b) override { Rec("SetFrameBkColor", Join(N(r), N(g), N(b))); }
    void GotoFrame(double frame) override { Rec("GotoFrame", N(frame)); }
    void AddObject(swfObject& object) override { Rec("AddObject", NameOf(object)); }
    void RemoveObject(swfObject& object) override { Rec("RemoveObject", NameOf(object)); }
    void WriteMovie(const std::string& path) override { Rec("WriteMovie", Quote(path)); }

private:
    static std::string NameOf(swfObject& object)
    {
        auto* r = dynamic_cast<RecordingObject*>(&object);
        return r ? r->Name() : "?";
    }
    void Rec(const std::string& op, const std::string& args) { log_->Record("movie", op, args); }
    std::shared_ptr<CallLog> log_;
};

}  // namespace

void CallLog::Record(const std::string& object, const std::string& operation, const std::string& args)
{
    calls.push_back(object + "." + operation + "(" + args + ")");
    if (failing.count(operation))
        throw SwfError("recorded failure of " + operation);
}

std::vector<std::string> CallLog::Matching(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.compare(0, prefix.size(), prefix) == 0) out.push_back(c);
    return out;
}

std::unique_ptr<swfMovie> RecordingSwfService::CreateMovie() { return std::make_unique<RecordingMovie>(log_); }

std::unique_ptr<swfObject> RecordingSwfService::CreateObject()
{
    static const char* const names[] = {"media", "spare", "font", "text", "overlay"};
    const int i = objects_++;
    return std::make_unique<RecordingObject>(log_, i < 5 ? names[i] : "object" + std::to_string(i + 1));
}

}  // namespace glimmora::test
