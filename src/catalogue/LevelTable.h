#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace examtrainer {

// Minutes a test of this level code allows, for the codes "1" to "6"; nothing for any other
// text (compared exactly: "06" and " 1" are other texts).
std::optional<int16_t> allottedMinutesOfLevel(const std::string& levelCode);

// The time allowance the start screen sets: any code other than "1" to "5" allows 40 minutes.
int16_t allottedMinutesForConfirm(const std::string& levelCode);

} // namespace examtrainer
