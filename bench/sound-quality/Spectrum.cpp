#include "sound-quality/Spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glimmora::quality {

namespace {

double BesselI0(double x)
{
    double term = 1.0, sum = 1.0;
    for (int k = 1; term > sum * 1e-17; ++k) {
        term *= x * x / (4.0 * k * k);
        sum += term;
    }
    return sum;
}

std::size_t PowerOfTwoAtLeast(std::size_t n)
{
    std::size_t size = 1;
    while (size < n) size *= 2;
    return size;
}

}  // namespace

void Fft(std::vector<std::complex<double>>& data)
{
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(data[i], data[j]);
    }
    for (std::size_t length = 2; length <= n; length *= 2) {
        const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi / double(length));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> twiddle = 1.0;
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> a = data[start + k];
                const std::complex<double> b = data[start + k + length / 2] * twiddle;
                data[start + k] = a + b;
                data[start + k + length / 2] = a - b;
                twiddle *= step;
            }
        }
    }
}

double ToneLevel(const std::vector<float>& samples, double rate, double hz)
{
    // A windowed projection onto the one frequency: as exact as an FFT bin
    // at that frequency, without rounding it to a bin.
    constexpr double kBeta = 20.0;
    const std::size_t n = samples.size();
    const double scale = 1.0 / BesselI0(kBeta);
    std::complex<double> sum = 0.0;
    double weight = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double r = 2.0 * double(i) / double(n - 1) - 1.0;
        const double w = BesselI0(kBeta * std::sqrt(std::max(0.0, 1.0 - r * r))) * scale;
        sum += w * double(samples[i]) * std::polar(1.0, -2.0 * std::numbers::pi * hz * double(i) / rate);
        weight += w;
    }
    return 2.0 * std::abs(sum) / weight;
}

std::vector<double> PowerSpectrum(const std::vector<float>& samples, std::size_t size)
{
    std::vector<std::complex<double>> data(PowerOfTwoAtLeast(std::max(size, samples.size())));
    std::copy(samples.begin(), samples.end(), data.begin());
    Fft(data);
    std::vector<double> power(data.size() / 2 + 1);
    for (std::size_t k = 0; k < power.size(); ++k) power[k] = std::norm(data[k]);
    return power;
}

double Db(double amplitudeRatio) { return 20.0 * std::log10(std::max(amplitudeRatio, 1e-15)); }

}  // namespace glimmora::quality
