#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

std::string questionLinkPath(const std::string& category, const std::string& testName);
std::string disabledListPath();

// Empties the link tables and reads the chosen test set's QuestionLink.txt into them. Throws
// DataError when the file is missing or unreadable, a record is cut short or holds an integer
// outside -32768..32767, or there are more than 2001 records.
void readTestSetLinks(ExamState& state, const std::string& testName);

// The level and points of every usable link (up to the first empty bank name). Throws
// DataError when a level or points file is missing or unreadable, or past 1501 links.
void readBankLevelsAndPoints(ExamState& state);

// The disabled list, if there is one. A missing list disables nothing; a list that cannot be
// read to its end keeps the records read before the fault.
void loadDisabledList(ExamState& state);

} // namespace examtrainer
