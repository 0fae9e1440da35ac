#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace examtrainer::bank {

// The readable form of a whole data tree. Texts are stored bytes (Windows-1252), exactly the
// fields the trainer reads, ignored fields included.
struct TestSetSource {
    std::string name;
    // The six fields of TestData.txt in file order.
    std::array<std::string, 6> settings;
};

struct CategorySource {
    std::string name;
    std::vector<TestSetSource> tests;
};

struct DataSource {
    std::vector<CategorySource> categories;
};

} // namespace examtrainer::bank
