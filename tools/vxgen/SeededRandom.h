#pragma once
// A small seeded generator (SplitMix64) whose sequence is fixed by its seed on every platform
// and standard library, so that a synthetic design or library is the same wherever it is made.

#include <cstdint>

namespace vxw::gen {

class SeededRandom {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in 0..bound-1; 0 when bound is 0. The slight bias of the modulo does not matter
    // for test data.
    uint64_t Below(uint64_t bound) { return bound == 0 ? 0 : Next() % bound; }
    int32_t Int(int32_t low, int32_t high) {
        return low + static_cast<int32_t>(Below(static_cast<uint64_t>(int64_t(high) - low + 1)));
    }
    // True once in `every` calls on average.
    bool OneIn(uint64_t every) { return every != 0 && Below(every) == 0; }

private:
    uint64_t state_;
};

} // namespace vxw::gen
