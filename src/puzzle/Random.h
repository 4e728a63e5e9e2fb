#pragma once

#include <cstdint>

namespace lx {

// The one uniform random source of the generators. It is seedable so that a
// puzzle can be reproduced: the same seed and the same inputs give the same
// puzzle on every machine (the generator is xoshiro256**, written out here so
// that no library version can change the sequence).
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 1) { Seed(seed); }

    void Seed(std::uint64_t seed);
    // Seeds from the clock, as the window does at every generation; returns the seed.
    std::uint64_t SeedFromClock();
    std::uint64_t LastSeed() const { return seed_; }

    // A real in [0, 1).
    double Next();
    // Int(r * n): uniform over 0 .. n - 1 (0 when n <= 0).
    int Below(int n);
    // Uniform over a .. b inclusive: floor(r * (b + 1 - a)) + a.
    int RandomInt(int a, int b);
    // True with probability one half: RandomInt(1, 10) is even.
    bool CoinToss();

private:
    std::uint64_t NextBits();
    std::uint64_t s_[4] {};
    std::uint64_t seed_ = 0;
};

} // namespace lx
