#pragma once
#include "objects/TFlashObj.h"

#include <string>

namespace glimmora {

class TFlashText : public TFlashObj {
public:
    TFlashText() : TFlashObj("Text") {}

    std::u32string Content;  // one entry per character (code point)
    int TextUnit = 0;
    std::string FontName;
    int FontSize = 0;
    int FontColor = 0;  // bits 0-7 red, 8-15 green, 16-23 blue
    int ExScale = 0;
    int ExRotate = 0;
    int ExShock = 0;
    int ExColor = 0;
    int ExAlpha = 0;
    int ExSpeed = 0;
};

}  // namespace glimmora
