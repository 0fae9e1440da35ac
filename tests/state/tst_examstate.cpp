#include "state/ExamState.h"

#include <QTest>
#include <memory>

using namespace examtrainer;

class ExamStateTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty() {
        auto state = std::make_unique<ExamState>();
        QVERIFY(state->slotLevel[kLastSlot].empty());
        QCOMPARE(state->linkQuestionNumber[2000], int16_t(0));
        QCOMPARE(state->slotTagState.size(), std::size_t(101));
        QCOMPARE(state->elapsedMinutes, 0.0);
    }

    void resetForgetsTheTestButKeepsTheFigurePicks() {
        auto state = std::make_unique<ExamState>();
        // One field or table end of every group the reset clears.
        state->categoryNames[200] = "PPL";
        state->testNames[0] = "Air Law";
        state->categoryName = "PPL";
        state->highPercent = "30";
        state->levelCode = "2";
        state->allottedMinutes = 90;
        state->passMarkPercent = 75;
        state->linkBank[2000] = "Radio";
        state->linkQuestionNumber[2000] = 7;
        state->linkPoints[1500] = "2";
        state->disabledQuestionNumber[1500] = 3;
        state->highPoolBank[500] = "Radio";
        state->lowPicks[100] = 4;
        state->highTarget = 13;
        state->mediumOvershoot = 2;
        state->trimRemovedCount = 1;
        state->slotLevel[100] = "High";
        state->slotQuestionNumber[100] = 9;
        state->slotQuestionText[1500] = "Q";
        state->slotShownCorrectLetter[500] = "d";
        state->currentSlot = 5;
        state->slotChosenLetter[100] = "a";
        state->slotTagState[100] = 9;
        state->totalPoints = 48;
        state->elapsedMinutes = 12.5;
        state->timeUp = 1;
        state->screenWidthTwips = 12000;
        state->slotOutcome[500] = "Wrong";
        state->marksScored = 38;
        state->slotAreaText[80] = "Airspace";
        state->resultsThirdPageNext = 1;
        state->reviewRow = 26;
        state->reviewComment = "Background";
        state->reviewAnswerTextD = "d";
        // The fields the reset keeps.
        state->reviewSlot = 54;
        state->questionFigureNames[10] = "chart";
        state->answerFigureNames[0] = "dial";
        state->figureChoice = "1";
        state->figureListKind = 1;

        resetExamState(*state);

        auto expected = std::make_unique<ExamState>();
        expected->reviewSlot = 54;
        expected->questionFigureNames[10] = "chart";
        expected->answerFigureNames[0] = "dial";
        expected->figureChoice = "1";
        expected->figureListKind = 1;
        QVERIFY(*state == *expected);
    }
};

QTEST_MAIN(ExamStateTest)
#include "tst_examstate.moc"
