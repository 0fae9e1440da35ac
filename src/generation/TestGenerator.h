#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

class RandomSource;

// Draws a new test for the confirmed test set into the slot tables of the record.
void generateTest(ExamState& state, const std::string& testName, RandomSource& random);

} // namespace examtrainer
