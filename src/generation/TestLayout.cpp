#include "TestLayout.h"

#include "platform/Errors.h"
#include "platform/NumberText.h"

#include <cmath>

namespace examtrainer {

CandidatePool lowPool(ExamState& s) {
    return {s.lowPoolLevel, s.lowPoolPoints, s.lowPoolQuestionNumber, s.lowPoolBank,
            s.lowPoolCount};
}
CandidatePool mediumPool(ExamState& s) {
    return {s.mediumPoolLevel, s.mediumPoolPoints, s.mediumPoolQuestionNumber, s.mediumPoolBank,
            s.mediumPoolCount};
}
CandidatePool highPool(ExamState& s) {
    return {s.highPoolLevel, s.highPoolPoints, s.highPoolQuestionNumber, s.highPoolBank,
            s.highPoolCount};
}

namespace {

void emptySlot(ExamState& s, std::size_t slot) {
    s.slotLevel[slot].clear();
    s.slotPoints[slot].clear();
    s.slotBank[slot].clear();
    s.slotQuestionNumber[slot] = 0;
}

void copySlot(ExamState& s, std::size_t from, std::size_t to) {
    s.slotLevel[to] = s.slotLevel[from];
    s.slotPoints[to] = s.slotPoints[from];
    s.slotBank[to] = s.slotBank[from];
    s.slotQuestionNumber[to] = s.slotQuestionNumber[from];
}

// Copies picks [first, first + count) of a pool into the slots from slot on; returns the next
// free slot.
std::size_t place(ExamState& s, CandidatePool pool, const Table<int16_t, 100>& picks,
                  std::size_t first, std::size_t count, std::size_t slot) {
    for (std::size_t k = first; k < first + count; ++k, ++slot) {
        const auto p = static_cast<std::size_t>(picks[k]);
        s.slotLevel[slot] = pool.level[p];
        s.slotPoints[slot] = pool.points[p];
        s.slotBank[slot] = pool.bank[p];
        s.slotQuestionNumber[slot] = pool.questionNumber[p];
    }
    return slot;
}

} // namespace

void layOutTest(ExamState& s) {
    for (std::size_t slot = 0; slot <= kLastSlot; ++slot)
        emptySlot(s, slot);
    const auto m = static_cast<std::size_t>(s.mediumDrawCount);
    const auto l = static_cast<std::size_t>(s.lowDrawCount);
    const auto h = static_cast<std::size_t>(s.highDrawCount);
    if (m + l + h > kLastSlot + 1)
        throw DataError("The drawn test needs more than 101 questions");
    const std::size_t lowFirst = l / 2;

    std::size_t slot = place(s, mediumPool(s), s.mediumPicks, 0, m, 0);
    slot = place(s, lowPool(s), s.lowPicks, 0, lowFirst, slot);
    slot = place(s, highPool(s), s.highPicks, 0, h, slot);
    place(s, lowPool(s), s.lowPicks, lowFirst, l - lowFirst, slot);
    s.lowFirstPartCount = static_cast<double>(lowFirst);
    s.lowSecondPartCount = static_cast<double>(l - lowFirst);
}

void trimOvershoot(ExamState& s) {
    if (s.highOvershoot == 0)
        return;
    int last = static_cast<int>(s.mediumDrawCount + s.lowDrawCount + s.highDrawCount) - 1;
    s.lastSlotIndex = static_cast<int16_t>(last);
    s.removalLastSlot = static_cast<int16_t>(last);
    for (int v = 1; v <= 5; ++v) {
        s.trimRemovedCount = 0;
        const int passLast = last;
        for (int i = 0; i <= passLast; ++i) {
            const Text& points = s.slotPoints[static_cast<std::size_t>(i)];
            if (points.empty())
                continue;
            const std::optional<double> value = strictNumber(points);
            if (!value)
                throw DataError("The points text \"" + points +
                                "\" of a drawn question is not a "
                                "number");
            if (*value != v)
                continue;
            // The question that moves into slot i is not looked at again in this pass.
            removeSlot(s, i);
            if (s.trimRemovedCount * v == s.highOvershoot)
                return;
        }
        last -= static_cast<int>(s.trimRemovedCount);
        s.lastSlotIndex = static_cast<int16_t>(last);
        s.highOvershoot -= v * s.trimRemovedCount;
        if (!(s.highOvershoot > v))
            return;
    }
}

void removeSlot(ExamState& s, int i) {
    // Copying stops at the last slot in use, whose own successor may lie past the table's end;
    // that slot is emptied instead.
    const int lastInUse = s.removalLastSlot;
    for (int j = i; j < lastInUse; ++j)
        copySlot(s, static_cast<std::size_t>(j + 1), static_cast<std::size_t>(j));
    if (lastInUse >= 0)
        emptySlot(s, static_cast<std::size_t>(lastInUse));
    s.trimRemovedCount += 1;
    s.removalLastSlot = static_cast<int16_t>(lastInUse - 1);
}

} // namespace examtrainer
