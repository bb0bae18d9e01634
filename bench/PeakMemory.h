#pragma once
// The process's peak resident memory, measured from a chosen moment: Reset()
// hands freed heap back to the system and restarts the kernel's high-water
// mark, so that what a benchmark reports is its own peak, not that of the
// movie building before it.

#include <cstddef>

namespace glimmora::bench {

class PeakMemory {
public:
    // Starts measuring (also called by the constructor).
    void Reset();
    // The resident bytes now, and the highest since Reset().
    static size_t CurrentBytes();
    size_t PeakBytes() const;
    // The resident bytes when Reset() ran.
    size_t StartBytes() const { return start_; }

    PeakMemory() { Reset(); }

private:
    size_t start_ = 0;
};

}  // namespace glimmora::bench
