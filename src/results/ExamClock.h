#pragma once

#include <cstdint>
#include <string>

namespace examtrainer {

// The exam clock allows two minutes per point and ticks every 7.5 seconds, an eighth of a
// minute per tick.
inline constexpr int kClockTickMilliseconds = 7500;

// Minutes one tick adds to the time used: an eighth of a minute for any test with points. A test
// worth nothing has no time at all, and its clock adds nothing, so that its first tick times out.
double clockIncrement(int32_t totalPoints);

// The minutes still to go, rounded to one decimal with ties to the even digit.
double displayedRemainingMinutes(int32_t totalPoints, double elapsedMinutes);

// The read-out text of those minutes: "95.9", and "95" when whole.
std::string remainingMinutesText(int32_t totalPoints, double elapsedMinutes);

// Per cent of the allotted time used, as the progress bar shows it.
float timeUsedPercent(int32_t totalPoints, double elapsedMinutes);

} // namespace examtrainer
