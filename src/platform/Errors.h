#pragma once

#include <stdexcept>
#include <string>

namespace examtrainer {

// A data file that is missing or unreadable, a text that should be a number and is not, or a
// table bound that a data file would push us past. Caught only where the trainer reports the
// failure to the candidate (the start screen's confirm handler for everything a test needs).
class DataError : public std::runtime_error {
public:
    explicit DataError(const std::string& what) : std::runtime_error(what) {}
};

// Too few questions to build the test at all. The text is the message the candidate sees;
// after it the program ends.
class QuestionShortage : public std::runtime_error {
public:
    explicit QuestionShortage(const std::string& message) : std::runtime_error(message) {}
};

} // namespace examtrainer
