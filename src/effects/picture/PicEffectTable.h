#pragma once
// The picture effects by name: "-- None --", the fades, 24 moves, 54 zooms and
// 12 "Come" routines, 93 names in all. Names are compared exactly.

#include "objects/GenerationContext.h"
#include "objects/TFlashPic.h"

#include <functional>
#include <string>
#include <vector>

namespace glimmora {

using PicRoutine = std::function<void(TFlashPic&, const GenerationContext&)>;

// The 93 names in the order the dispatch tests them.
const std::vector<std::string>& PicEffectNames();

// The routine of exactly this name, or nullptr when the name is not one of them.
const PicRoutine* FindPicRoutine(const std::string& effectName);

}  // namespace glimmora
