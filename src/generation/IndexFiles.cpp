#include "IndexFiles.h"

#include "BankFiles.h"
#include "catalogue/CatalogueFiles.h"
#include "platform/DataFile.h"
#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"

namespace examtrainer {

std::string questionLinkPath(const std::string& category, const std::string& testName) {
    return testSetFolder(category, testName) + "QuestionLink.txt";
}

std::string disabledListPath() {
    return std::string(kDataRoot) + "History\\Disabled.txt";
}

namespace {

std::string firstField(const std::string& path) {
    return FieldReader::open(path).next();
}

} // namespace

void readTestSetLinks(ExamState& state, const std::string& testName) {
    state.linkBank.fill(Text());
    state.linkQuestionNumber.fill(0);
    const std::string path = questionLinkPath(state.categoryName, testName);
    FieldReader reader = FieldReader::open(path);
    std::size_t index = 0;
    while (!reader.atEnd()) {
        if (index >= state.linkBank.size())
            throw DataError(path + " holds more than 2001 records");
        reader.nextInt16(path);
        std::string bank = reader.next();
        const int16_t number = reader.nextInt16(path);
        reader.nextInt16(path);
        state.linkBank[index] = std::move(bank);
        state.linkQuestionNumber[index] = number;
        ++index;
    }
}

void readBankLevelsAndPoints(ExamState& state) {
    for (std::size_t i = 0; i < state.linkBank.size() && !state.linkBank[i].empty(); ++i) {
        if (i >= state.linkLevel.size())
            throw DataError("The test set links more than 1501 questions");
        const std::string& bank = state.linkBank[i];
        const int16_t number = state.linkQuestionNumber[i];
        state.linkLevel[i] = firstField(bankFilePath(bank, "\\Level\\Level", number));
        state.linkPoints[i] = firstField(bankFilePath(bank, "\\Points\\Points", number));
    }
}

void loadDisabledList(ExamState& state) {
    const std::string path = disabledListPath();
    if (!dataFileExists(path))
        return;
    try {
        FieldReader reader = FieldReader::open(path);
        for (std::size_t index = 0; index < state.disabledBank.size() && !reader.atEnd(); ++index) {
            const int16_t number = reader.nextInt16(path);
            std::string bank = reader.next();
            state.disabledQuestionNumber[index] = number;
            state.disabledBank[index] = std::move(bank);
        }
    } catch (const DataError&) {
        // A damaged list still disables what was read before the damage.
    }
}

} // namespace examtrainer
