#include "ExamState.h"

#include <memory>
#include <utility>

namespace examtrainer {

void resetExamState(ExamState& state) {
    // The record is large; build the fresh one on the heap and move the kept fields across.
    auto fresh = std::make_unique<ExamState>();
    fresh->reviewSlot = state.reviewSlot;
    fresh->questionFigureNames = std::move(state.questionFigureNames);
    fresh->answerFigureNames = std::move(state.answerFigureNames);
    fresh->figureChoice = std::move(state.figureChoice);
    fresh->figureListKind = state.figureListKind;
    state = std::move(*fresh);
}

} // namespace examtrainer
