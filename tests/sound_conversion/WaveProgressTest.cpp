#include "effects/sound/conversion/WaveProgress.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace glimmora {
namespace {

struct PercentCase {
    std::uint64_t cur, num;
    int percent;
};

class WaveProgressPercentTest : public testing::TestWithParam<PercentCase> {};

TEST_P(WaveProgressPercentTest, AddsAHalfAndRoundsHalvesToEven)
{
    EXPECT_EQ(WaveProgressPercent(GetParam().cur, GetParam().num), GetParam().percent)
        << GetParam().cur << " of " << GetParam().num;
}

INSTANTIATE_TEST_SUITE_P(
    Values, WaveProgressPercentTest,
    testing::Values(PercentCase{0, 1000, 0},       // 0.5 rounds to the even 0
                    PercentCase{15, 1000, 2},      // 2.0 exactly
                    PercentCase{1000, 1000, 100},  // 100.5 rounds to the even 100
                    PercentCase{10, 1000, 2},      // 1.5 rounds up to 2
                    PercentCase{20, 1000, 2},      // 2.5 rounds down to 2
                    PercentCase{30, 1000, 4},      // 3.5 rounds up to 4
                    PercentCase{990, 1000, 100},   // 99.5 rounds up to 100
                    PercentCase{980, 1000, 98},    // 98.5 rounds down to 98
                    PercentCase{1, 1000, 1},       // 0.6
                    PercentCase{1, 3, 34},         // 33.83...
                    PercentCase{2, 3, 67},         // 67.16...
                    PercentCase{1, 200, 1},        // 0.5 + 0.5 = 1.0 exactly
                    // Sizes whose product with 100 overflows 64 bits.
                    PercentCase{std::uint64_t(1) << 62, std::uint64_t(1) << 63, 50},
                    PercentCase{UINT64_MAX, UINT64_MAX, 100},
                    // Out of range: more done than the total, and no total at all.
                    PercentCase{2000, 1000, 100}, PercentCase{0, 0, 100}));

}  // namespace
}  // namespace glimmora
