#include "effects/sound/conversion/WaveFormat.h"

namespace glimmora {

WaveFormatRecord BuildPcmFormat(int bitsPerSample, int channels, std::uint32_t samplesPerSec)
{
    WaveFormatRecord format;
    format.formatTag = kWaveFormatPcm;
    format.channels = std::uint16_t(channels);
    format.samplesPerSec = samplesPerSec;
    format.bitsPerSample = std::uint16_t(bitsPerSample);
    format.blockAlign = std::uint16_t(channels * ((bitsPerSample + 7) / 8));
    format.avgBytesPerSec = format.blockAlign * samplesPerSec;
    format.extraSize = 0;
    return format;
}

}  // namespace glimmora
