#pragma once
// A holder of the encoder service: one content at a time with its depth
// class, transform and fill, plus the glyph table when it serves as a font.

#include "swf/SwfService.h"
#include "swf/encoder/EncoderContext.h"
#include "swf/encoder/HolderState.h"
#include "swf/encoder/PlacedMatrix.h"

#include <memory>
#include <string>
#include <vector>

namespace glimmora::swf {

class EncoderObject : public swfObject {
public:
    explicit EncoderObject(std::shared_ptr<EncoderContext> context);
    ~EncoderObject() override;
    EncoderObject(const EncoderObject&) = delete;
    EncoderObject& operator=(const EncoderObject&) = delete;

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
    const std::shared_ptr<const Content>& CurrentContent() const { return state_.content; }
    int DepthClass() const { return state_.depthClass; }
    const Rgba& Fill() const { return state_.fill; }
    Affine CurrentMatrix() const;

    HolderState& State() { return state_; }

private:
    void Replace(std::shared_ptr<const Content> content, uint8_t alsoWritten = 0);
    void SetBox(double left, double top, double right, double bottom);
    void Read(uint8_t fields);
    void Wrote(uint8_t fields);

    std::shared_ptr<EncoderContext> context_;
    uint32_t id_;
    HolderState state_;
    std::vector<std::shared_ptr<const CachedGlyph>> sequence_;  // MakeText's working space
};

}  // namespace glimmora::swf
