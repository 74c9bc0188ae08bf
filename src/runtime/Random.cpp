#include "Random.h"

#include <bit>
#include <chrono>
#include <cstdint>
#include <random>

namespace vb {

namespace {

std::mt19937_64& generator() {
    static std::mt19937_64 engine{std::mt19937_64::default_seed};
    return engine;
}

} // namespace

double Rnd() {
    // 53 random bits make every double in [0, 1) on the grid equally likely; never 1.
    return double(generator()() >> 11) * 0x1.0p-53;
}

void Randomize() {
    generator().seed(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                     std::random_device{}());
}

void Randomize(double seed) {
    // Seed from the bit pattern so that 10 and 10.5 give different sequences; -0 is 0.
    generator().seed(std::bit_cast<std::uint64_t>(seed == 0 ? 0.0 : seed));
}

} // namespace vb
