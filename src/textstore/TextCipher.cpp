#include "TextCipher.h"

#include "generation/BankFiles.h"
#include "platform/DataFile.h"

namespace examtrainer {

void textCipher(std::string& text, const std::string& key) {
    const std::size_t length = key.size();
    if (length == 0)
        return;
    const std::size_t n = text.size();
    for (std::size_t j = 0; j < n; ++j)
        text[j] = static_cast<char>(static_cast<unsigned char>(text[j]) ^
                                    static_cast<unsigned char>(key[j % length]));
}

std::string readWholeFile(const std::string& dataPath) {
    return readDataFile(dataPath);
}

std::array<std::string, 6> questionTextPaths(const std::string& bank, int16_t questionNumber) {
    return {bankFilePath(bank, "\\Ques\\Question", questionNumber),
            bankFilePath(bank, "\\Ansa\\Answera", questionNumber),
            bankFilePath(bank, "\\Ansb\\Answerb", questionNumber),
            bankFilePath(bank, "\\Ansc\\Answerc", questionNumber),
            bankFilePath(bank, "\\Ansd\\Answerd", questionNumber),
            bankFilePath(bank, "\\Correct\\Correct", questionNumber)};
}

QuestionTexts readQuestionTexts(const std::string& bank, int16_t questionNumber) {
    const std::array<std::string, 6> paths = questionTextPaths(bank, questionNumber);
    QuestionTexts texts{readWholeFile(paths[0]), readWholeFile(paths[1]), readWholeFile(paths[2]),
                        readWholeFile(paths[3]), readWholeFile(paths[4])};
    for (std::string* text :
         {&texts.question, &texts.answerA, &texts.answerB, &texts.answerC, &texts.answerD})
        textCipher(*text, kCipherKey);
    return texts;
}

} // namespace examtrainer
