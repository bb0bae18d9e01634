#pragma once
// The preview player control as the builder sees it.

#include <string>

namespace glimmora {

class IPreview {
public:
    virtual ~IPreview() = default;
    // The file the control shows; "http://" stands for no movie.
    virtual std::string Movie() const = 0;
    virtual void SetMovie(const std::string& file) = 0;
    virtual int TotalFrames() const = 0;
    virtual int FrameNum() const = 0;  // counted from 0
    virtual void SetFrameNum(int frame) = 0;
    virtual bool Playing() const = 0;
    virtual bool Loop() const = 0;
    virtual void SetLoop(bool loop) = 0;
    virtual std::string BGColor() const = 0;
    virtual void SetBGColor(const std::string& color) = 0;
    virtual void Play() = 0;
};

// The text the preview's Movie holds when it shows no movie.
inline constexpr const char* kNoPreviewMovie = "http://";

}  // namespace glimmora
