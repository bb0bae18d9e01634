#pragma once
// A random source that answers from a script, for exact tests; it counts reseeds.

#include "objects/RandomSource.h"

#include <stdexcept>
#include <vector>

namespace glimmora::test {

class ScriptedRandom : public IRandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values = {}) : values_(std::move(values)) {}
    void Reseed() override { ++reseeds; }
    int Next(int bound) override
    {
        bounds.push_back(bound);
        if (values_.empty()) return 0;
        const int v = values_[next_++ % values_.size()];
        if (v < 0 || v >= bound) throw std::logic_error("scripted random value out of range");
        return v;
    }
    int reseeds = 0;
    std::vector<int> bounds;

private:
    std::vector<int> values_;
    size_t next_ = 0;
};


}  // namespace glimmora::test
