#include "CatalogueFiles.h"

#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"
#include "platform/NumberText.h"

namespace examtrainer {

std::string categoryListPath() {
    return std::string(kDataRoot) + "TestSets\\Categories\\Primary.txt";
}

std::string testListPath(const std::string& category) {
    return std::string(kDataRoot) + "TestSets\\Categories\\" + category + ".txt";
}

std::string testSetFolder(const std::string& category, const std::string& test) {
    return std::string(kDataRoot) + "TestSets\\" + category + "\\" + test + "Set\\";
}

std::string testSettingsPath(const std::string& category, const std::string& test) {
    return testSetFolder(category, test) + "TestData.txt";
}

namespace {

// One name per field until the end of the file, into a table of 201 names.
void readNameList(const std::string& path, Table<Text, 200>& names) {
    FieldReader reader = FieldReader::open(path);
    std::size_t index = 0;
    while (!reader.atEnd()) {
        if (index >= names.size())
            throw DataError(path + " holds more than " + std::to_string(names.size()) + " names");
        names[index++] = reader.next();
    }
}

} // namespace

void readCategoryList(ExamState& state) {
    readNameList(categoryListPath(), state.categoryNames);
}

void readTestList(ExamState& state, const std::string& category) {
    state.testNames.fill(Text());
    readNameList(testListPath(category), state.testNames);
}

TestSettings readTestSettings(const std::string& category, const std::string& test) {
    const std::string path = testSettingsPath(category, test);
    FieldReader reader = FieldReader::open(path);
    TestSettings settings;
    settings.ignored = reader.next();
    settings.highPercent = reader.next();
    settings.mediumPercent = reader.next();
    settings.lowPercent = reader.next();
    settings.levelCode = reader.next();
    const std::string passMark = reader.next();
    const std::optional<int16_t> value = strictInt16(passMark);
    if (!value)
        throw DataError(path + ": the pass mark \"" + passMark + "\" is not a whole number");
    settings.passMarkPercent = *value;
    return settings;
}

void storeTestSettings(ExamState& state, const TestSettings& settings) {
    state.highPercent = settings.highPercent;
    state.mediumPercent = settings.mediumPercent;
    state.lowPercent = settings.lowPercent;
    state.levelCode = settings.levelCode;
    state.passMarkPercent = settings.passMarkPercent;
}

} // namespace examtrainer
