#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

// Copies the answers and shown letters for the review and writes each used slot's outcome:
// "Correct", "Wrong" or "No Attempt". Sets gradedQuestionCount.
void gradeAnswers(ExamState& state);

// Adds up the points of the correctly answered slots into marksScored.
void sumMarks(ExamState& state);

// The percentage shown: the true whole percentage, rounded down.
int gradedPercentage(const ExamState& state);

// A whole percentage passes when it reaches the pass mark; a fractional one when it exceeds the
// pass mark less one.
bool gradedPassed(const ExamState& state);

} // namespace examtrainer
