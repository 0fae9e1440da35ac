#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

class RandomSource;

// The steps of drawing a test, in the order generateTest runs them.

// Empties everything a drawing writes, so that nothing of an earlier, failed drawing leaks in.
void clearGenerationData(ExamState& state);

// Points of every linked question per level, disabled or not, beyond index 500 or not.
void sumPointsAvailable(ExamState& state);

// The candidates of each level: links 0..500 that are not disabled.
void buildCandidatePools(ExamState& state);

// Level targets from the point budget (half the allotted minutes) and the percentages; Low
// takes the remainder. Throws DataError when a percentage is not a number.
void computeTargets(ExamState& state);

// Keeps a margin of 3 points below what each level has, carrying High's surplus to Medium and
// Medium's to Low. Throws QuestionShortage when Low cannot take what it is left with.
void fitTargets(ExamState& state);

enum class DrawnLevel { Low, Medium, High };

// Draws one level until its points reach its target, starting from startingSum. Throws
// QuestionShortage when the level has too few questions, DataError for a points text that is
// not a number or a 102nd draw.
void drawLevel(ExamState& state, DrawnLevel level, double startingSum, RandomSource& random);

} // namespace examtrainer
