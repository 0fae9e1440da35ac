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
            if (test.links) {
                std::string links;
                for (const LinkRecord& link : *test.links)
                    links += recordLine({std::to_string(link.first), link.bank,
                                         std::to_string(link.question), std::to_string(link.last)},
                                        testWhere + ", QuestionLink.txt");
                addFile(files, folder + "QuestionLink.txt", links);
            }
        }
        addFile(files, "TestSets\\Categories\\" + category.name + ".txt",
                fieldLines(testNames, where + ", test list"));
    }
    addFile(files, "TestSets\\Categories\\Primary.txt", fieldLines(categoryNames, "category list"));
}

void addDisabledList(TreeFiles& files, const DataSource& source) {
    if (!source.disabled)
        return;
    std::string list;
    for (const DisabledRecord& record : *source.disabled)
        list += recordLine({std::to_string(record.question), record.bank}, "the disabled list");
    addFile(files, "History\\Disabled.txt", list);
}

// The question's own files carry its number less one.
std::string questionFile(const std::string& bank, const char* stem, int16_t number) {
    return "QuestionSet\\" + bank + stem + std::to_string(static_cast<int>(number) - 1) + ".txt";
}

void addBank(TreeFiles& files, const BankSource& bank) {
    const std::string where = "bank \"" + bank.name + "\"";
    checkedName(bank.name, where);
    checkedName(bank.name + "Ref", where);
    std::set<int16_t> numbers;
    for (const QuestionSource& question : bank.questions) {
        const std::string named = where + ", question " + std::to_string(question.number);
        if (question.number < 1)
            throw BankError(named + ": question numbers start at 1");
        if (!numbers.insert(question.number).second)
            throw BankError(named + ": the number is used twice");
        if (question.level)
            addFile(files, questionFile(bank.name, "\\Level\\Level", question.number),
                    fieldLines({*question.level}, named + ", level"));
        if (question.points)
            addFile(files, questionFile(bank.name, "\\Points\\Points", question.number),
                    fieldLines({*question.points}, named + ", points"));
    }
}

} // namespace

TreeFiles buildTreeFiles(const DataSource& source) {
    TreeFiles files;
    addCatalogue(files, source);
    addDisabledList(files, source);
    std::set<std::string> banks;
    for (const BankSource& bank : source.banks) {
        if (!banks.insert(bank.name).second)
            throw BankError("bank \"" + bank.name + "\": described twice");
        addBank(files, bank);
    }
    return files;
}

} // namespace examtrainer::bank
