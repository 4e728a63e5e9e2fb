#include "puzzle/Random.h"

#include <chrono>
#include <cmath>

namespace lx {

namespace {

std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void RandomSource::Seed(std::uint64_t seed)
{
    seed_ = seed;
    std::uint64_t x = seed;
    for (auto& word : s_)
        word = splitMix(x);
}

std::uint64_t RandomSource::SeedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seed = std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    Seed(seed);
    return seed;
}

int RandomSource::RandomInt(int a, int b)
{
    const double span = double(b) + 1.0 - double(a);
    return int(std::floor(Next() * span) + a);
}

bool RandomSource::CoinToss()
{
    return RandomInt(1, 10) % 2 == 0;
}

} // namespace lx
