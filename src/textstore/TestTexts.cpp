#include "TestTexts.h"

#include "TextCipher.h"
#include "platform/Errors.h"
#include "platform/NumberText.h"
#include "platform/RandomSource.h"

#include <cmath>

namespace examtrainer {

void sumTotalPoints(ExamState& s) {
    s.totalPoints = 0;
    for (std::size_t slot = 0; slot <= kLastSlot && !s.slotLevel[slot].empty(); ++slot) {
        const std::optional<double> points = strictNumber(s.slotPoints[slot]);
        if (!points)
            throw DataError("The points text \"" + s.slotPoints[slot] + "\" is not a number");
        s.totalPoints = static_cast<int32_t>(roundHalfEven(*points + s.totalPoints));
    }
}

void loadTestTexts(ExamState& s) {
    // Texts of an earlier load that failed part-way must not show up as questions of this one.
    for (auto* table : {&s.slotQuestionText, &s.slotAnswerTextA, &s.slotAnswerTextB,
                        &s.slotAnswerTextC, &s.slotAnswerTextD, &s.slotKeyLetter})
        table->fill(Text());

    std::size_t used = 0;
    while (used <= kLastSlot && !s.slotLevel[used].empty()) {
        const auto paths = questionTextPaths(s.slotBank[used], s.slotQuestionNumber[used]);
        s.slotQuestionText[used] = readWholeFile(paths[0]);
        s.slotAnswerTextA[used] = readWholeFile(paths[1]);
        s.slotAnswerTextB[used] = readWholeFile(paths[2]);
        s.slotAnswerTextC[used] = readWholeFile(paths[3]);
        s.slotAnswerTextD[used] = readWholeFile(paths[4]);
        s.slotKeyLetter[used] = readWholeFile(paths[5]);
        ++used;
    }
    // Every slot in use is deciphered, an empty question file or not: stopping at the first
    // empty one would leave all later questions enciphered on screen.
    for (std::size_t slot = 0; slot < used; ++slot) {
        for (auto* table : {&s.slotQuestionText, &s.slotAnswerTextA, &s.slotAnswerTextB,
                            &s.slotAnswerTextC, &s.slotAnswerTextD, &s.slotKeyLetter})
            textCipher((*table)[slot], kCipherKey);
    }
}

void placeCorrectAnswers(ExamState& s, RandomSource& random) {
    static const char* const kLetters[] = {"a", "b", "c", "d"};
    s.slotShownCorrectLetter.fill(Text());
    random.reseedFromClock();
    // Every slot in use gets its letter: stopping at the first empty key file would leave every
    // later question without one, shown with the answers of the question before it.
    for (std::size_t slot = 0; slot <= kLastSlot && !s.slotLevel[slot].empty(); ++slot) {
        random.reseedFromClock();
        int boxes = 4;
        if (s.slotAnswerTextD[slot].empty()) {
            random.reseedFromClock();
            boxes = 3;
        }
        // The draw is in [0, 1), so the box is always one of the question's own.
        const int r = std::min(boxes - 1, static_cast<int>(std::floor(random.next() * boxes)));
        s.slotShownCorrectLetter[slot] = kLetters[r];
    }
}

} // namespace examtrainer
