#pragma once

#include <stdexcept>
#include <string>

namespace examtrainer::bank {

// Anything that stops the tool: a source it cannot read, a text the trees cannot hold, a file
// it cannot write. The text names the place.
class BankError : public std::runtime_error {
public:
    explicit BankError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace examtrainer::bank
