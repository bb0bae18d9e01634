#pragma once
// The random generator of the colour changes and the picture jitter. The
// effects reseed it from the clock before they draw; tests inject a scripted one.

#include <cstdint>

namespace glimmora {

class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual void Reseed() = 0;
    // A uniform integer from 0 to bound - 1.
    virtual int Next(int bound) = 0;
};

class ClockRandomSource : public IRandomSource {
public:
    void Reseed() override;
    int Next(int bound) override;

private:
    uint64_t state_ = 0x853C49E6748FEA9Bull;
    uint64_t reseeds_ = 0;
};

}  // namespace glimmora
