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

    // A real in [0, 1): 53 random bits, exactly representable, strictly below 1.
    double Next() { return double(NextBits() >> 11) * 0x1.0p-53; }
    // Int(r * n): uniform over 0 .. n - 1 (0 when n <= 0). Next() * n is never
    // negative: truncation is the floor.
    int Below(int n) { return n <= 0 ? 0 : int(Next() * n); }
    // Uniform over a .. b inclusive: floor(r * (b + 1 - a)) + a.
    int RandomInt(int a, int b);
    // True with probability one half: RandomInt(1, 10) is even.
    bool CoinToss();

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t NextBits()
    {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }
    std::uint64_t s_[4] {};
    std::uint64_t seed_ = 0;
};

} // namespace lx
