#pragma once

#include "platform/RandomSource.h"

#include <stdexcept>
#include <vector>

namespace examtrainer::testing {

// Plays a scripted sequence of draws, so that a test states exactly what is drawn. Running out
// of script is a fault of the test and fails it loudly.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> script) : script(std::move(script)) {}

    double next() override {
        if (position >= script.size())
            throw std::logic_error("the scripted random sequence ran out");
        return script[position++];
    }
    void reseedFromClock() override { ++reseeds; }

    std::vector<double> script;
    std::size_t position = 0;
    int reseeds = 0;
};

} // namespace examtrainer::testing
