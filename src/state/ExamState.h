#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace examtrainer {

// Tables run from index 0 to an inclusive bound: Table<std::string, 100> has entries 0..100.
template <typename T, std::size_t LastIndex> using Table = std::array<T, LastIndex + 1>;

using Text = std::string;

// Highest slot index: a test has at most 101 questions.
inline constexpr int kLastSlot = 100;

// The one record that every window and routine shares, from program start to program end. An
// empty text means unset; text tables are filled from 0 without gaps and read up to the first
// empty entry.
struct ExamState {
    // Selection and test settings.
    Table<Text, 200> categoryNames;
    Table<Text, 200> testNames;
    Text categoryName;
    Text highPercent;
    Text mediumPercent;
    Text lowPercent;
    Text levelCode;
    int16_t allottedMinutes = 0;
    int16_t passMarkPercent = 0;

    // Test-set links, bank data and the disabled list.
    Table<Text, 2000> linkBank;
    Table<int16_t, 2000> linkQuestionNumber{};
    Table<Text, 1500> linkLevel;
    Table<Text, 1500> linkPoints;
    Table<int16_t, 1500> disabledQuestionNumber{};
    Table<Text, 1500> disabledBank;

    // Working data of the drawing of a test.
    int16_t highPointsAvailable = 0;
    int16_t mediumPointsAvailable = 0;
    int16_t lowPointsAvailable = 0;
    Table<Text, 500> highPoolLevel, highPoolPoints, highPoolBank;
    Table<int16_t, 500> highPoolQuestionNumber{};
    Table<Text, 500> mediumPoolLevel, mediumPoolPoints, mediumPoolBank;
    Table<int16_t, 500> mediumPoolQuestionNumber{};
    Table<Text, 500> lowPoolLevel, lowPoolPoints, lowPoolBank;
    Table<int16_t, 500> lowPoolQuestionNumber{};
    int16_t highPoolCount = 0;
    int16_t mediumPoolCount = 0;
    int16_t lowPoolCount = 0;
    int16_t candidateDisabled = 0;
    double highTarget = 0;
    double mediumTarget = 0;
    double lowTarget = 0;
    int16_t targetExcess = 0;
    Table<int16_t, 100> lowPicks{};
    Table<int16_t, 100> mediumPicks{};
    Table<int16_t, 100> highPicks{};
    int16_t lowRepeatCount = 0;
    int16_t mediumRepeatCount = 0;
    int16_t highRepeatCount = 0;
    double lowPointsDrawn = 0;
    double mediumPointsDrawn = 0;
    double highPointsDrawn = 0;
    double lowDrawCount = 0;
    double mediumDrawCount = 0;
    double highDrawCount = 0;
    double lowOvershoot = 0;
    double mediumOvershoot = 0;
    double highOvershoot = 0;

    // Working data of the layout and trimming.
    double lowFirstPartCount = 0;
    double lowSecondPartCount = 0;
    int16_t lastSlotIndex = 0;
    int16_t removalLastSlot = 0;
    double trimRemovedCount = 0;

    // The generated test, one entry per exam slot; a slot is in use when its level is not empty.
    Table<Text, kLastSlot> slotLevel;
    Table<Text, kLastSlot> slotPoints;
    Table<Text, kLastSlot> slotBank;
    Table<int16_t, kLastSlot> slotQuestionNumber{};

    // Texts of the test's questions.
    Table<Text, 1500> slotQuestionText;
    Table<Text, 1500> slotAnswerTextA, slotAnswerTextB, slotAnswerTextC, slotAnswerTextD;
    Table<Text, 1500> slotKeyLetter;
    Table<Text, 500> slotShownCorrectLetter;

    // Exam progress.
    int16_t currentSlot = 0;
    int16_t displayedSlot = 0;
    Table<Text, kLastSlot> slotChosenLetter;
    // One tag state for every slot a test can have: 9 = tagged, 8 or 0 = not tagged.
    Table<int16_t, kLastSlot> slotTagState{};
    int32_t totalPoints = 0;
    int16_t examStarted = 0;
    int16_t startFlashOn = 0;
    double elapsedMinutes = 0;
    int16_t timeUp = 0;
    int16_t timeWarningShown = 0;
    int32_t screenWidthTwips = 0;

    // Grading, results and review.
    Table<Text, 500> slotOutcome;
    int16_t gradedQuestionCount = 0;
    int16_t marksScored = 0;
    Table<Text, kLastSlot> gradedChosenAnswer;
    Table<Text, 500> gradedCorrectLetter;
    Table<Text, 500> slotAreaText;
    int16_t resultsPage = 0;
    int16_t resultsThirdPageNext = 0;
    int16_t reportRowsListed = 0;
    int16_t reviewRow = 0;
    int16_t reviewSlot = 0;
    Text reviewQuestionText;
    Text reviewAnswerTextA, reviewAnswerTextB, reviewAnswerTextC, reviewAnswerTextD;
    Text reviewComment;
    Table<Text, 500> questionFigureNames;
    Table<Text, 500> answerFigureNames;
    Text figureChoice;
    int16_t figureListKind = 0;

    bool operator==(const ExamState&) const = default;
};

// Forgets the finished test: every field back to its initial value, except the review slot, the
// two figure-name tables and the figure pick, which are always set before they are read.
void resetExamState(ExamState& state);

} // namespace examtrainer
