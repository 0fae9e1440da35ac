#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace examtrainer {

// The one key every question, answer and key file of every bank is enciphered with.
inline const std::string kCipherKey = "qutrivPbegoxT";

// Repeating-key XOR in place: byte j becomes byte j XOR key[j mod key length], the key starting
// afresh with every text. The same call enciphers and deciphers; the key is not changed.
void textCipher(std::string& text, const std::string& key);

// Every byte of a bank text file, in order (a file that is missing or cannot be read throws
// DataError).
std::string readWholeFile(const std::string& dataPath);

// The six files of a question, in the order question, answers a to d, key.
std::array<std::string, 6> questionTextPaths(const std::string& bank, int16_t questionNumber);

// The texts of one question, read and deciphered: question, answers a to d.
struct QuestionTexts {
    std::string question, answerA, answerB, answerC, answerD;
};
QuestionTexts readQuestionTexts(const std::string& bank, int16_t questionNumber);

} // namespace examtrainer
