#pragma once
// The background editor's fields as the builder sees them.

namespace glimmora {

class IBackgroundEditor {
public:
    virtual ~IBackgroundEditor() = default;
    virtual int Color() const = 0;  // colour value: bits 0-7 red, 8-15 green, 16-23 blue
    virtual void SetColor(int color) = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int pixels) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int pixels) = 0;
    virtual int Rate() const = 0;
    virtual void SetRate(int framesPerSecond) = 0;
};

}  // namespace glimmora
