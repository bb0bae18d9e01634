#pragma once
#include "objects/TFlashObj.h"

#include <string>

namespace glimmora {

class TFlashPic : public TFlashObj {
public:
    TFlashPic() : TFlashObj("Pic") {}

    int MovieWidth = 0;
    int MovieHeight = 0;
    std::string Content;   // the file the user imported; only tested for empty
    std::string JpegPath;  // project folder + ObjName + ".jpg" (or ".png"): the picture shown
    std::string MediaNameProblem;  // why ObjName names no file (then JpegPath is empty)
    int Width = 0;
    int Height = 0;

    // Working fields of the routines; never loaded from or written to the document.
    int ExScale = 0;
    int ExRotate = 0;
    int ExShock = 0;
    int ExAlpha = 0;
    int ExSpeed = 0;
};

}  // namespace glimmora
