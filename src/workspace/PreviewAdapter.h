#pragma once
// The preview widget as the builder's IPreview.

#include "generation/IPreview.h"

namespace glimmora {

class TShockwaveFlash;

class PreviewAdapter : public IPreview {
public:
    explicit PreviewAdapter(TShockwaveFlash& flash) : flash_(flash) {}

    std::string Movie() const override;
    void SetMovie(const std::string& file) override;
    int TotalFrames() const override;
    int FrameNum() const override;
    void SetFrameNum(int frame) override;
    bool Playing() const override;
    bool Loop() const override;
    void SetLoop(bool loop) override;
    std::string BGColor() const override;
    void SetBGColor(const std::string& color) override;
    void Play() override;

private:
    TShockwaveFlash& flash_;
};

}  // namespace glimmora
