#pragma once
// How finely the movie is drawn, and the names scripts and command lines
// give the qualities.

#include <cstdint>
#include <optional>
#include <string_view>

namespace glimmora::player {

// Low without anti-aliasing, Medium without smoothing its pictures, High
// (the default) and Best with both.
enum class StageQuality : uint8_t { Low, Medium, High, Best };

// "LOW", "MEDIUM", "HIGH" or "BEST", as scripts read them.
const char* QualityName(StageQuality quality);
// The quality "low" to "best" names, in any case; nothing for other words.
std::optional<StageQuality> StageQualityNamed(std::string_view name);

}  // namespace glimmora::player
