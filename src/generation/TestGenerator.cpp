#include "TestGenerator.h"

#include "DrawingSteps.h"
#include "IndexFiles.h"
#include "TestLayout.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/LevelTable.h"
#include "platform/Errors.h"
#include "platform/NumberText.h"
#include "platform/RandomSource.h"

#include <cmath>
#include <memory>

namespace examtrainer {

namespace {

const char* const kLowShortage =
    "There is a shortage of test questions for this test at its current percentage spread. As a "
    "result, this test preparation will be terminated.";

std::string repeatShortage(const char* levelWord) {
    return std::string("There is a shortage of ") + levelWord +
           " Level Questions in this set. As a result a test could not be set.";
}

enum class ZeroRule { Low, MediumOrHigh };

// One level's candidates and the record fields its drawing writes.
struct Level {
    const char* word;
    ZeroRule zeroRule;
    CandidatePool pool;
    Table<int16_t, 100>& picks;
    int16_t& repeatCount;
    double& pointsDrawn;
    double& drawCount;
    double& overshoot;
    double& target;
};

Level levelOf(ExamState& s, DrawnLevel which) {
    switch (which) {
    case DrawnLevel::Low:
        return {"low",          ZeroRule::Low,    lowPool(s),
                s.lowPicks,     s.lowRepeatCount, s.lowPointsDrawn,
                s.lowDrawCount, s.lowOvershoot,   s.lowTarget};
    case DrawnLevel::Medium:
        return {"Medium",          ZeroRule::MediumOrHigh, mediumPool(s),
                s.mediumPicks,     s.mediumRepeatCount,    s.mediumPointsDrawn,
                s.mediumDrawCount, s.mediumOvershoot,      s.mediumTarget};
    case DrawnLevel::High:
        break;
    }
    return {"High",          ZeroRule::MediumOrHigh, highPool(s),
            s.highPicks,     s.highRepeatCount,      s.highPointsDrawn,
            s.highDrawCount, s.highOvershoot,        s.highTarget};
}

double strictOrFail(const std::string& text, const char* what) {
    const std::optional<double> value = strictNumber(text);
    if (!value)
        throw DataError(std::string(what) + " \"" + text + "\" is not a number");
    return *value;
}

int16_t addRounded(int16_t total, double points) {
    const double sum = roundHalfEven(total + points);
    if (sum < -32768.0 || sum > 32767.0)
        throw DataError("The points of the linked questions add up past 32767");
    return static_cast<int16_t>(sum);
}

bool isDisabled(const ExamState& s, std::size_t link) {
    for (std::size_t j = 0; j <= 500 && s.disabledQuestionNumber[j] != 0; ++j) {
        if (s.disabledBank[j] == s.linkBank[link] &&
            s.disabledQuestionNumber[j] == s.linkQuestionNumber[link])
            return true;
    }
    return false;
}

void append(CandidatePool pool, const ExamState& s, std::size_t link) {
    const auto at = static_cast<std::size_t>(pool.count);
    pool.level[at] = s.linkLevel[link];
    pool.points[at] = s.linkPoints[link];
    pool.questionNumber[at] = s.linkQuestionNumber[link];
    pool.bank[at] = s.linkBank[link];
    ++pool.count;
}

void rereadSettings(ExamState& s, const std::string& testName) {
    storeTestSettings(s, readTestSettings(s.categoryName, testName));
    if (const std::optional<int16_t> minutes = allottedMinutesOfLevel(s.levelCode))
        s.allottedMinutes = *minutes;
}

} // namespace

void clearGenerationData(ExamState& s) {
    const auto fresh = std::make_unique<ExamState>();
    s.linkLevel = fresh->linkLevel;
    s.linkPoints = fresh->linkPoints;
    s.disabledQuestionNumber = fresh->disabledQuestionNumber;
    s.disabledBank = fresh->disabledBank;
    for (CandidatePool pool : {lowPool(s), mediumPool(s), highPool(s)}) {
        pool.level.fill(Text());
        pool.points.fill(Text());
        pool.bank.fill(Text());
        pool.questionNumber.fill(0);
        pool.count = 0;
    }
    for (DrawnLevel which : {DrawnLevel::Low, DrawnLevel::Medium, DrawnLevel::High}) {
        Level level = levelOf(s, which);
        level.picks.fill(0);
        level.repeatCount = 0;
        level.pointsDrawn = 0;
        level.drawCount = 0;
        level.overshoot = 0;
        level.target = 0;
    }
    s.highPointsAvailable = s.mediumPointsAvailable = s.lowPointsAvailable = 0;
    s.candidateDisabled = 0;
    s.targetExcess = 0;
}

void sumPointsAvailable(ExamState& s) {
    s.highPointsAvailable = 0;
    s.mediumPointsAvailable = 0;
    s.lowPointsAvailable = 0;
    for (std::size_t i = 0; i < s.linkLevel.size() && !s.linkLevel[i].empty(); ++i) {
        const double points = lenientNumber(s.linkPoints[i]);
        if (s.linkLevel[i] == "High")
            s.highPointsAvailable = addRounded(s.highPointsAvailable, points);
        else if (s.linkLevel[i] == "Medium")
            s.mediumPointsAvailable = addRounded(s.mediumPointsAvailable, points);
        else
            s.lowPointsAvailable = addRounded(s.lowPointsAvailable, points);
    }
}

void buildCandidatePools(ExamState& s) {
    for (std::size_t i = 0; i <= 500; ++i) {
        s.candidateDisabled = isDisabled(s, i) ? 1 : 0;
        if (s.candidateDisabled)
            continue;
        if (s.linkLevel[i] == "Low")
            append(lowPool(s), s, i);
        else if (s.linkLevel[i] == "Medium")
            append(mediumPool(s), s, i);
        else if (s.linkLevel[i] == "High")
            append(highPool(s), s, i);
    }
}

void computeTargets(ExamState& s) {
    const double budget = s.allottedMinutes / 2.0;
    const double high = strictOrFail(s.highPercent, "The High percentage");
    const double medium = strictOrFail(s.mediumPercent, "The Medium percentage");
    const double low = strictOrFail(s.lowPercent, "The Low percentage");
    s.highTarget = std::floor(high * budget / 100);
    s.mediumTarget = std::floor(medium * budget / 100);
    s.lowTarget = std::floor(low * budget / 100);
    // The rounding remainder, or the surplus of percentages above 100, falls to Low.
    s.lowTarget = s.lowTarget + std::floor(budget - (s.highTarget + s.mediumTarget + s.lowTarget));
}

void fitTargets(ExamState& s) {
    if (s.highTarget != 0 && s.highTarget > s.highPointsAvailable - 3) {
        s.targetExcess = static_cast<int16_t>(s.highTarget - (s.highPointsAvailable - 3));
        s.highTarget = s.highPointsAvailable - 3;
        s.mediumTarget = s.mediumTarget + s.targetExcess;
    }
    if (s.mediumTarget != 0 && s.mediumTarget > s.mediumPointsAvailable - 3) {
        s.targetExcess = static_cast<int16_t>(s.mediumTarget - (s.mediumPointsAvailable - 3));
        s.mediumTarget = s.mediumPointsAvailable - 3;
        s.lowTarget = s.lowTarget + s.targetExcess;
    }
    if (s.lowTarget != 0 && s.lowTarget > s.lowPointsAvailable - 3)
        throw QuestionShortage(kLowShortage);
}

// The last candidate of a pool is never drawn; the first Low candidate never, the first Medium
// or High candidate only as its level's first question. A repeat is drawn again, and more than
// 500 repeats over the whole level mean too few questions.
void drawLevel(ExamState& state, DrawnLevel which, double startingSum, RandomSource& random) {
    Level level = levelOf(state, which);
    level.repeatCount = 0;
    random.reseedFromClock();
    level.overshoot = 0;
    level.pointsDrawn = startingSum;
    const int n = level.pool.count;

    // Pools that could only ever give redrawn positions, or positions outside the pool, would
    // draw forever; such a level is as short of questions as one that keeps repeating.
    if (n == 0 || (level.zeroRule == ZeroRule::Low && n <= 2))
        throw QuestionShortage(repeatShortage(level.word));

    std::size_t k = 0;
    for (;;) {
        if (k >= level.picks.size())
            throw DataError(std::string("The ") + level.word + " level needs a 102nd question");
        if (level.zeroRule == ZeroRule::MediumOrHigh && k > 0 && n <= 2)
            throw QuestionShortage(repeatShortage(level.word));

        const auto p = static_cast<int16_t>(std::floor(random.next() * (n - 1)));
        if (level.zeroRule == ZeroRule::Low ? p == 0 : (k > 0 && p == 0))
            continue;
        bool repeated = false;
        for (std::size_t j = 0; j < k; ++j)
            repeated = repeated || level.picks[j] == p;
        if (repeated) {
            ++level.repeatCount;
            if (level.repeatCount > 500)
                throw QuestionShortage(repeatShortage(level.word));
            continue;
        }

        level.picks[k] = p;
        const double sum =
            level.pointsDrawn +
            strictOrFail(level.pool.points[static_cast<std::size_t>(p)], "The points text");
        level.pointsDrawn = sum;
        if (sum < level.target) {
            ++k;
            continue;
        }
        if (sum > level.target)
            level.overshoot = sum - level.target;
        level.drawCount = static_cast<double>(k + 1);
        return;
    }
}

void generateTest(ExamState& state, const std::string& testName, RandomSource& random) {
    clearGenerationData(state);
    readTestSetLinks(state, testName);
    readBankLevelsAndPoints(state);
    sumPointsAvailable(state);
    state.highPoolCount = state.mediumPoolCount = state.lowPoolCount = 0;
    loadDisabledList(state);
    buildCandidatePools(state);
    rereadSettings(state, testName);
    computeTargets(state);
    fitTargets(state);

    // Low's overshoot comes off the Medium share and Medium's off the High share; what High
    // overshoots is trimmed away afterwards.
    state.lowOvershoot = 0;
    if (state.lowTarget != 0)
        drawLevel(state, DrawnLevel::Low, 0, random);
    if (state.mediumTarget != 0)
        drawLevel(state, DrawnLevel::Medium, state.lowOvershoot, random);
    if (state.highTarget != 0)
        drawLevel(state, DrawnLevel::High, state.mediumOvershoot, random);

    layOutTest(state);
    trimOvershoot(state);
    state.elapsedMinutes = 0;
}

} // namespace examtrainer
