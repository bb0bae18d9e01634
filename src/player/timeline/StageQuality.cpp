#include "player/timeline/StageQuality.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace glimmora::player {
namespace {

constexpr const char* kQualityNames[] = {"LOW", "MEDIUM", "HIGH", "BEST"};

}  // namespace

const char* QualityName(StageQuality quality) { return kQualityNames[int(quality)]; }

std::optional<StageQuality> StageQualityNamed(std::string_view name)
{
    for (size_t i = 0; i < std::size(kQualityNames); ++i) {
        const std::string_view known = kQualityNames[i];
        if (std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            })) {
            return StageQuality(i);
        }
    }
    return std::nullopt;
}

}  // namespace glimmora::player
