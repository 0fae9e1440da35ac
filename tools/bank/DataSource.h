#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace examtrainer::bank {

// The readable form of a whole data tree. Texts are stored bytes (Windows-1252), exactly the
// fields the trainer reads, ignored fields included. An absent optional is an absent file.

// One record of QuestionLink.txt: the first and last fields are read and not used.
struct LinkRecord {
    int16_t first = 0;
    std::string bank;
    int16_t question = 0;
    int16_t last = 0;
    bool operator==(const LinkRecord&) const = default;
};

struct TestSetSource {
    std::string name;
    // The six fields of TestData.txt in file order.
    std::optional<std::array<std::string, 6>> settings;
    std::optional<std::vector<LinkRecord>> links;
};

struct CategorySource {
    std::string name;
    // Absent: the category has no test list file.
    std::optional<std::vector<TestSetSource>> tests;
};

struct DisabledRecord {
    int16_t question = 0;
    std::string bank;
};

// A figure list as the trainer reads it: up to eleven names, the filled ones first. A list file
// that holds fewer than eleven fields is kept as it is (short), since the trainer shows such a
// list without its caption.
struct FigureList {
    std::vector<std::string> names;
    bool shortFile = false;
};

struct QuestionSource {
    int16_t number = 0;
    std::optional<std::string> level;
    std::optional<std::string> points;
    std::optional<std::string> question;
    // Answers a to d; three answers mean an empty answer-d file; an absent entry an absent file.
    std::optional<std::vector<std::optional<std::string>>> answers;
    std::optional<std::string> key;
    std::optional<std::string> area;
    std::optional<std::string> comments;
    std::optional<FigureList> figures;
    std::optional<FigureList> answerFigures;
};

struct BankSource {
    std::string name;
    std::vector<QuestionSource> questions;
};

struct DataSource {
    std::vector<CategorySource> categories;
    std::optional<std::vector<DisabledRecord>> disabled;
    std::vector<BankSource> banks;
    // Figure pictures by name, as plain JPEG files (not masked).
    std::map<std::string, std::string> figures;
};

// A figure list holds at most this many names.
inline constexpr std::size_t kFigureListFields = 11;

} // namespace examtrainer::bank
