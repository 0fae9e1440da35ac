#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace examtrainer::bank {

// The readable form of a whole data tree. Texts are stored bytes (Windows-1252), exactly the
// fields the trainer reads, ignored fields included. A file the source does not mention (an
// absent optional member) is absent from the tree.

// One record of QuestionLink.txt: the first and last fields are read and not used.
struct LinkRecord {
    int16_t first = 0;
    std::string bank;
    int16_t question = 0;
    int16_t last = 0;
};

struct TestSetSource {
    std::string name;
    // The six fields of TestData.txt in file order.
    std::array<std::string, 6> settings;
    std::optional<std::vector<LinkRecord>> links;
};

struct CategorySource {
    std::string name;
    std::vector<TestSetSource> tests;
};

struct DisabledRecord {
    int16_t question = 0;
    std::string bank;
};

struct QuestionSource {
    int16_t number = 0;
    std::optional<std::string> level;
    std::optional<std::string> points;
};

struct BankSource {
    std::string name;
    std::vector<QuestionSource> questions;
};

struct DataSource {
    std::vector<CategorySource> categories;
    std::optional<std::vector<DisabledRecord>> disabled;
    std::vector<BankSource> banks;
};

} // namespace examtrainer::bank
