#pragma once

#include "state/ExamState.h"

namespace examtrainer {

class RandomSource;

// The steps that turn the drawn slots into an exam ready to show, run in this order when the
// exam window loads. Each throws DataError for a missing or unreadable file or a points text
// that is not a number; the caller reports it as it reports a test that cannot be drawn.

// totalPoints: the points of the slots in use, rounded to a whole number after each addition.
void sumTotalPoints(ExamState& state);

// Reads the six files of every slot in use, then deciphers them all.
void loadTestTexts(ExamState& state);

// Draws, for every loaded slot, the box (a to d, a to c for three answers) the correct answer
// is shown in.
void placeCorrectAnswers(ExamState& state, RandomSource& random);

} // namespace examtrainer
