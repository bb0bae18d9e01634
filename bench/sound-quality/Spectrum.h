#pragma once
// The few spectral measures the sound quality tool takes: a radix-2 FFT, a
// Kaiser window, and the level of one frequency in a stretch of samples.

#include <complex>
#include <vector>

namespace glimmora::quality {

// In-place FFT; the size must be a power of two.
void Fft(std::vector<std::complex<double>>& data);

// The level (peak amplitude) of the sinusoid at `hz` in `samples`, read
// through a Kaiser window (beta 20: side lobes below -150 dB, so a strong
// tone elsewhere cannot hide a weak one here).
double ToneLevel(const std::vector<float>& samples, double rate, double hz);

// The power spectrum |X(k)|^2 of `samples` zero-padded to `size` points.
std::vector<double> PowerSpectrum(const std::vector<float>& samples, std::size_t size);

double Db(double amplitudeRatio);

}  // namespace glimmora::quality
