#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

class RandomSource;

// Draws a new test for the confirmed test set (categoryName and the settings in the record,
// testName as selected on the start screen) and lays it out in the slot tables.
//
// Throws DataError when the test set or the bank cannot be read or holds something that is not
// a number where a number must be, or when a level needs a 102nd draw or the test more than 101
// slots; the record may then hold part of a drawing. Throws QuestionShortage, carrying the
// message for the candidate, when the questions cannot fill the test.
void generateTest(ExamState& state, const std::string& testName, RandomSource& random);

} // namespace examtrainer
