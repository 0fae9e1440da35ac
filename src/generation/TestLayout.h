#pragma once

#include "state/ExamState.h"

namespace examtrainer {

// The record fields of one level's candidate pool.
struct CandidatePool {
    Table<Text, 500>& level;
    Table<Text, 500>& points;
    Table<int16_t, 500>& questionNumber;
    Table<Text, 500>& bank;
    int16_t& count;
};

CandidatePool lowPool(ExamState& s);
CandidatePool mediumPool(ExamState& s);
CandidatePool highPool(ExamState& s);

// Empties the slot tables and places the drawn questions in the block order Medium, the first
// half of Low, High, the rest of Low. Throws DataError, writing nothing, when the levels
// together need more than 101 slots.
void layOutTest(ExamState& state);

// Takes back what the High drawing overshot by removing questions of the lowest point values.
// Throws DataError when a points text of a slot in use is not a number.
void trimOvershoot(ExamState& state);

// Removes slot i; the later questions move up one slot, keeping their order.
void removeSlot(ExamState& state, int i);

} // namespace examtrainer
