#include "Grading.h"

#include "platform/NumberText.h"

namespace examtrainer {

void gradeAnswers(ExamState& s) {
    for (std::size_t slot = 0; slot <= kLastSlot; ++slot) {
        s.gradedChosenAnswer[slot] = s.slotChosenLetter[slot];
        s.gradedCorrectLetter[slot] = s.slotShownCorrectLetter[slot];
        if (s.slotBank[slot].empty())
            continue;
        // An unanswered question is never correct, even where a faulty key file left it no
        // shown letter to compare with.
        if (s.slotChosenLetter[slot].empty())
            s.slotOutcome[slot] = "No Attempt";
        else if (s.slotChosenLetter[slot] == s.slotShownCorrectLetter[slot])
            s.slotOutcome[slot] = "Correct";
        else
            s.slotOutcome[slot] = "Wrong";
        s.gradedQuestionCount = static_cast<int16_t>(slot + 1);
    }
}

void sumMarks(ExamState& s) {
    s.marksScored = 0;
    for (std::size_t slot = 0; slot <= kLastSlot; ++slot) {
        if (s.slotOutcome[slot] != "Correct")
            continue;
        // The exam's load has already found every used slot's points to be a number.
        const double points = strictNumber(s.slotPoints[slot]).value_or(0);
        s.marksScored = static_cast<int16_t>(roundHalfEven(points + s.marksScored));
    }
}

int gradedPercentage(const ExamState& s) {
    if (s.totalPoints <= 0)
        return 0;
    // In whole numbers: marks / total * 100 in floating point shows 29 of 100 as 28.
    const long long scaled = static_cast<long long>(s.marksScored) * 100;
    const long long total = s.totalPoints;
    const long long quotient = scaled / total;
    return static_cast<int>(scaled % total != 0 && (scaled < 0) != (total < 0) ? quotient - 1
                                                                               : quotient);
}

bool gradedPassed(const ExamState& s) {
    const double percent =
        s.totalPoints <= 0 ? 0.0 : static_cast<double>(s.marksScored) / s.totalPoints * 100;
    return percent > s.passMarkPercent - 1;
}

} // namespace examtrainer
