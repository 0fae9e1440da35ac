#include "ExamClock.h"

#include "platform/NumberText.h"

namespace examtrainer {

double clockIncrement(int32_t totalPoints) {
    const double allotted = 2.0 * totalPoints;
    if (allotted <= 0)
        return 0;
    return allotted / ((allotted * 60) / 7.5);
}

double displayedRemainingMinutes(int32_t totalPoints, double elapsedMinutes) {
    return roundToOneDecimal(2.0 * totalPoints - elapsedMinutes);
}

std::string remainingMinutesText(int32_t totalPoints, double elapsedMinutes) {
    return numberText(displayedRemainingMinutes(totalPoints, elapsedMinutes));
}

float timeUsedPercent(int32_t totalPoints, double elapsedMinutes) {
    if (totalPoints <= 0)
        return 0;
    return static_cast<float>(elapsedMinutes * 100 / totalPoints / 2);
}

} // namespace examtrainer
