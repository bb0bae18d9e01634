#pragma once
// A holder of the encoder service: one content at a time with its depth
// class, transform and fill, plus the glyph table when it serves as a font.

#include "swf/SwfService.h"
#include "swf/encoder/EncoderContext.h"
#include "swf/encoder/PlacedMatrix.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace glimmora::swf {

class EncoderObject : public swfObject {
public:
    explicit EncoderObject(std::shared_ptr<EncoderContext> context);

    void SetDepth(int depthClass) override;
    void MakePicture(double left, double top, double right, double bottom, int imageWidth,
                     int imageHeight, const std::string& jpegFile) override;
    void MakeRectangle(double left, double top, double right, double bottom) override;
    void MakeSound(const std::string& waveFile) override;
    void MakeFont(const std::string& fontName) override;
    void AddGlyph(const std::string& fontName, const std::u32string& text, int code) override;
    int GetTextWidth(const std::string& fontName, const std::u32string& text) override;
    void MakeText(const std::u32string& codes, swfObject& fontHolder) override;
    void Scale(double x, double y) override;
    void Rotate(double angle) override;
    void Translate(double x, double y) override;
    void SetSolidFill(int red, int green, int blue, int alpha) override;

    // What AddObject records.
    uint32_t Id() const { return id_; }
    const std::shared_ptr<const Content>& CurrentContent() const { return content_; }
    int DepthClass() const { return depthClass_; }
    const Rgba& Fill() const { return fill_; }
    Affine CurrentMatrix() const;

    // The holder's latest placement in a timeline, known by the timeline's epoch.
    struct Link {
        uint64_t epoch = 0;
        uint32_t placement = 0;
    };
    Link& LatestPlacement() { return latest_; }

private:
    void Replace(std::shared_ptr<const Content> content);
    void SetBox(double left, double top, double right, double bottom);

    std::shared_ptr<EncoderContext> context_;
    uint32_t id_;
    std::shared_ptr<const Content> content_;
    int depthClass_ = 0;
    HolderTransform transform_;
    Rgba fill_{0, 0, 0, 255};
    // As a font: the family of MakeFont and the glyph of each code.
    std::string fontFamily_;
    std::unordered_map<int, std::shared_ptr<const CachedGlyph>> glyphs_;
    std::vector<std::shared_ptr<const CachedGlyph>> sequence_;
    Link latest_;
};

}  // namespace glimmora::swf
