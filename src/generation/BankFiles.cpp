#include "BankFiles.h"

#include "platform/DataRoot.h"

namespace examtrainer {

std::string bankFilePath(const std::string& bank, const char* stem, int16_t questionNumber) {
    return std::string(kDataRoot) + "QuestionSet\\" + bank + stem +
           std::to_string(static_cast<int>(questionNumber) - 1) + ".txt";
}

} // namespace examtrainer
