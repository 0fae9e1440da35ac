#include "RandomSource.h"

#include <chrono>

namespace examtrainer {

namespace {
uint64_t clockBits() {
    return static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockSeededRandom::ClockSeededRandom() : engine_(std::random_device{}() ^ clockBits()) {}

double ClockSeededRandom::next() {
    // 53 random bits give every double in [0, 1) on the grid of 2^-53, never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void ClockSeededRandom::reseedFromClock() {
    const uint64_t mixed = engine_() ^ (clockBits() * 0x9E3779B97F4A7C15ULL);
    engine_.seed(mixed);
}

} // namespace examtrainer
