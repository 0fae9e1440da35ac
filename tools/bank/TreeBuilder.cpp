#include "TreeBuilder.h"

#include "BankError.h"
#include "FieldWriter.h"

#include <set>

namespace examtrainer::bank {

namespace {

void addFile(TreeFiles& files, const std::string& path, std::string bytes) {
    if (!files.emplace(path, std::move(bytes)).second)
        throw BankError(path + ": two parts of the source write this same file");
}

void addCatalogue(TreeFiles& files, const DataSource& source) {
    std::vector<std::string> categoryNames;
    std::set<std::string> seen;
    for (const CategorySource& category : source.categories) {
        const std::string where = "category \"" + category.name + "\"";
        checkedName(category.name, where);
        if (!seen.insert(category.name).second)
            throw BankError(where + ": listed twice");
        categoryNames.push_back(category.name);

        std::vector<std::string> testNames;
        for (const TestSetSource& test : category.tests) {
            const std::string testWhere = where + ", test \"" + test.name + "\"";
            checkedName(test.name + "Set", testWhere);
            testNames.push_back(test.name);
            const std::string folder = "TestSets\\" + category.name + "\\" + test.name + "Set\\";
            addFile(files, folder + "TestData.txt",
                    recordLine({test.settings.begin(), test.settings.end()},
                               testWhere + ", TestData.txt"));
        }
        addFile(files, "TestSets\\Categories\\" + category.name + ".txt",
                fieldLines(testNames, where + ", test list"));
    }
    addFile(files, "TestSets\\Categories\\Primary.txt", fieldLines(categoryNames, "category list"));
}

} // namespace

TreeFiles buildTreeFiles(const DataSource& source) {
    TreeFiles files;
    addCatalogue(files, source);
    return files;
}

} // namespace examtrainer::bank
