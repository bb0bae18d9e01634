#include "effects/sound/conversion/WaveProgress.h"

#include <algorithm>

namespace glimmora {

int WaveProgressPercent(std::uint64_t curByte, std::uint64_t numBytes)
{
    if (numBytes == 0) return 100;
    curByte = std::min(curByte, numBytes);
    // Exactly: (200 * cur + num) / (2 * num), so halves are recognised.
    using Wide = unsigned __int128;
    const Wide numerator = Wide(200) * curByte + numBytes;
    const Wide denominator = Wide(2) * numBytes;
    Wide whole = numerator / denominator;
    const Wide twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && (whole & 1)))
        ++whole;
    return int(whole);
}

}  // namespace glimmora
