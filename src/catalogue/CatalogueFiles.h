#pragma once

#include "state/ExamState.h"

#include <string>

namespace examtrainer {

std::string categoryListPath();
std::string testListPath(const std::string& category);
// The test set folder: the word "Set" follows the test name without a separator.
std::string testSetFolder(const std::string& category, const std::string& test);
std::string testSettingsPath(const std::string& category, const std::string& test);

// Reads the category list into categoryNames. Throws DataError when the file is missing,
// unreadable or holds more than 201 names.
void readCategoryList(ExamState& state);

// Empties testNames and reads the category's test list into it. Throws DataError when the file
// is missing, unreadable or holds more than 201 names.
void readTestList(ExamState& state, const std::string& category);

// The six fields of a test set's TestData.txt.
struct TestSettings {
    std::string ignored;
    std::string highPercent;
    std::string mediumPercent;
    std::string lowPercent;
    std::string levelCode;
    int16_t passMarkPercent = 0;
};

// Throws DataError when the file is missing, unreadable, cut short, or its pass mark is not a
// 16-bit whole number.
TestSettings readTestSettings(const std::string& category, const std::string& test);

// Stores the settings in the record as the start screen and the drawing of a test both do.
void storeTestSettings(ExamState& state, const TestSettings& settings);

} // namespace examtrainer
