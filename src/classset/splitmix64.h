// A small pseudo-random generator of our own (SplitMix64) and the whole-number
// choices made from it. Only 64-bit unsigned arithmetic decides what comes
// out, so every platform and standard library gives the same sequence.
#pragma once

#include <cstdint>

namespace plane_figures::classset {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to bound - 1, each equally likely (bound > 0):
    // draws past the last whole multiple of bound are drawn again.
    std::uint64_t Below(std::uint64_t bound) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        std::uint64_t draw = Next();
        while (draw >= limit) draw = Next();
        return draw % bound;
    }

    // A whole number from low to high, both included (low <= high).
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<std::uint64_t>(high - low) + 1));
    }

    // True in numerator out of denominator draws.
    bool Chance(std::uint64_t numerator, std::uint64_t denominator) {
        return Below(denominator) < numerator;
    }

private:
    std::uint64_t state_;
};

}  // namespace plane_figures::classset
