#pragma once
// The text editor and its effect window as the text adapter sees them; the
// windows implement these.

#include "generation/IChoiceList.h"

#include <string>

namespace glimmora {

class ITextEditor {
public:
    virtual ~ITextEditor() = default;
    virtual std::string Content() const = 0;  // UTF-8
    virtual void SetContent(const std::string& text) = 0;
    // Frame numbers as the editor shows them: document frames plus 1.
    virtual int EditBegin() const = 0;
    virtual void SetEditBegin(int frame) = 0;
    virtual int EditEnd() const = 0;
    virtual void SetEditEnd(int frame) = 0;
    virtual int PositionX() const = 0;
    virtual void SetPositionX(int pixels) = 0;
    virtual int PositionY() const = 0;
    virtual void SetPositionY(int pixels) = 0;
    virtual IChoiceList& FontName() = 0;
    virtual IChoiceList& FontSize() = 0;
    virtual int FontColor() const = 0;  // colour value: bits 0-7 red, 8-15 green, 16-23 blue
    virtual void SetFontColor(int color) = 0;
    virtual IChoiceList& EffectName() = 0;
};

// The six extra effect values.
class ITextEffectWindow {
public:
    virtual ~ITextEffectWindow() = default;
    virtual int ExScale() const = 0;
    virtual void SetExScale(int value) = 0;
    virtual int ExRotate() const = 0;
    virtual void SetExRotate(int value) = 0;
    virtual int ExShock() const = 0;
    virtual void SetExShock(int value) = 0;
    virtual int ExColor() const = 0;
    virtual void SetExColor(int value) = 0;
    virtual int ExAlpha() const = 0;
    virtual void SetExAlpha(int value) = 0;
    virtual int ExSpeed() const = 0;
    virtual void SetExSpeed(int value) = 0;
};

}  // namespace glimmora
