#pragma once

#include <cstdint>
#include <random>

namespace examtrainer {

// Uniform numbers in [0, 1) for drawing tests and placing answers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // Mixes the clock into the generator. The running state is kept and only stirred, so two
    // reseeds within one clock tick still give different sequences.
    virtual void reseedFromClock() = 0;
};

class ClockSeededRandom : public RandomSource {
public:
    ClockSeededRandom();
    double next() override;
    void reseedFromClock() override;

private:
    std::mt19937_64 engine_;
};

} // namespace examtrainer
