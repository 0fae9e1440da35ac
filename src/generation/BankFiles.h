#pragma once

#include <cstdint>
#include <string>

namespace examtrainer {

// A per-question file of a bank: "C:\Com\QuestionSet\" + bank + stem + (number - 1) + ".txt",
// where stem carries its own leading backslash ("\Level\Level", "\Ques\Question"). Question
// number n lives in the files numbered n - 1, written without leading zeros.
std::string bankFilePath(const std::string& bank, const char* stem, int16_t questionNumber);

} // namespace examtrainer
