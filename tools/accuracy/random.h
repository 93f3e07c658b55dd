// A small pseudo-random generator with the same sequence on every platform (splitmix64).
#pragma once

#include <cstdint>

namespace accuracy {

class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // The next number, uniform in [0, 1), with 53 random bits.
    double uniform() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z = z ^ (z >> 31);
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

  private:
    std::uint64_t state_;
};

}  // namespace accuracy
