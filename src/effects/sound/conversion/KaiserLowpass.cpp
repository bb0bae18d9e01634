#include "effects/sound/conversion/KaiserLowpass.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>

namespace glimmora {

namespace {

// The modified Bessel function of the first kind, order 0, by its power
// series (every term is positive, so the sum converges without cancelling).
double BesselI0(double x)
{
    const double quarterSquare = x * x / 4.0;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; term > sum * 1e-17; ++k) {
        term *= quarterSquare / (double(k) * double(k));
        sum += term;
    }
    return sum;
}

// Kaiser's empirical shape parameter for a stop band `rejectionDb` down.
double KaiserBeta(double rejectionDb)
{
    if (rejectionDb > 50.0) return 0.1102 * (rejectionDb - 8.7);
    if (rejectionDb > 21.0) return 0.5842 * std::pow(rejectionDb - 21.0, 0.4) + 0.07886 * (rejectionDb - 21.0);
    return 0.0;
}

}  // namespace

std::vector<double> DesignKaiserLowpass(const LowpassBands& bands, int lengthStep)
{
    if (!(bands.passEdge > 0.0 && bands.passEdge < bands.stopEdge && bands.stopEdge < 0.5) || lengthStep < 1 ||
        !(bands.rejectionDb > 0.0))
        throw std::invalid_argument("A low-pass filter needs 0 < pass edge < stop edge < 0.5 and a rejection");
    const double transition = 2.0 * std::numbers::pi * (bands.stopEdge - bands.passEdge);
    // Kaiser's estimate of the order, rounded up to a whole number of steps.
    const double order = (bands.rejectionDb - 7.95) / (2.285 * transition);
    const int steps = std::max(1, int(std::ceil(order / lengthStep)));
    const int length = steps * lengthStep + 1;
    const double middle = double(length - 1) / 2.0;
    const double cutoff = (bands.passEdge + bands.stopEdge) / 2.0;
    const double beta = KaiserBeta(bands.rejectionDb);
    const double windowScale = 1.0 / BesselI0(beta);

    std::vector<double> taps(std::size_t(length), 0.0);
    double sum = 0.0;
    for (int n = 0; n <= length / 2; ++n) {
        const double t = double(n) - middle;
        const double ideal = t == 0.0 ? 2.0 * cutoff : std::sin(2.0 * std::numbers::pi * cutoff * t) / (std::numbers::pi * t);
        const double r = t / middle;
        const double window = BesselI0(beta * std::sqrt(std::max(0.0, 1.0 - r * r))) * windowScale;
        taps[std::size_t(n)] = taps[std::size_t(length - 1 - n)] = ideal * window;
    }
    for (double tap : taps) sum += tap;
    for (double& tap : taps) tap /= sum;
    return taps;
}

double LowpassGain(const std::vector<double>& taps, double frequency)
{
    std::complex<double> response = 0.0;
    for (std::size_t n = 0; n < taps.size(); ++n)
        response += taps[n] * std::polar(1.0, -2.0 * std::numbers::pi * frequency * double(n));
    return std::abs(response);
}

}  // namespace glimmora
