#pragma once
#include "objects/TFlashObj.h"

#include <string>

namespace glimmora {

class TFlashSound : public TFlashObj {
public:
    TFlashSound() : TFlashObj("Sound") {}

    std::string Content;   // the name of the chosen file; only tested for empty
    std::string WavePath;  // project folder + ObjName + ".wav"
    std::string MediaNameProblem;  // why ObjName names no file (then WavePath is empty)
};

}  // namespace glimmora
