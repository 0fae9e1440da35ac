#include "LevelTable.h"

namespace examtrainer {

std::optional<int16_t> allottedMinutesOfLevel(const std::string& levelCode) {
    if (levelCode == "1")
        return 60;
    if (levelCode == "2")
        return 90;
    if (levelCode == "3")
        return 120;
    if (levelCode == "4")
        return 30;
    if (levelCode == "5")
        return 150;
    if (levelCode == "6")
        return 40;
    return std::nullopt;
}

int16_t allottedMinutesForConfirm(const std::string& levelCode) {
    return allottedMinutesOfLevel(levelCode).value_or(40);
}

} // namespace examtrainer
