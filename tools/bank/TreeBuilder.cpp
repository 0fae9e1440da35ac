#include "TreeBuilder.h"

#include "BankError.h"
#include "FieldWriter.h"
#include "textstore/TextCipher.h"

#include <set>

namespace examtrainer::bank {

namespace {

const char* const kJpegStart = "\xFF\xD8\xFF\xE0";

void addFile(TreeFiles& files, const std::string& path, std::string bytes) {
    if (!files.emplace(path, std::move(bytes)).second)
        throw BankError(path + ": two parts of the source write this same file");
}

std::string links(const std::vector<LinkRecord>& records, const std::string& where) {
    std::string file;
    for (const LinkRecord& link : records)
        file += recordLine({std::to_string(link.first), link.bank, std::to_string(link.question),
                            std::to_string(link.last)},
                           where);
    return file;
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
        if (!category.tests)
            continue;

        std::vector<std::string> testNames;
        for (const TestSetSource& test : *category.tests) {
            const std::string testWhere = where + ", test \"" + test.name + "\"";
            checkedName(test.name + "Set", testWhere);
            testNames.push_back(test.name);
            const std::string folder = "TestSets\\" + category.name + "\\" + test.name + "Set\\";
            if (test.settings)
                addFile(files, folder + "TestData.txt",
                        recordLine({test.settings->begin(), test.settings->end()},
                                   testWhere + ", TestData.txt"));
            if (test.links)
                addFile(files, folder + "QuestionLink.txt",
                        links(*test.links, testWhere + ", QuestionLink.txt"));
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

std::string enciphered(std::string text) {
    textCipher(text, kCipherKey);
    return text;
}

std::string figureListFile(const FigureList& list, const std::string& where) {
    std::vector<std::string> fields = list.names;
    for (const std::string& name : fields) {
        if (!name.empty())
            checkedName(name, where);
    }
    if (!list.shortFile)
        fields.resize(kFigureListFields);
    return fieldLines(fields, where);
}

void addQuestion(TreeFiles& files, const std::string& bank, const QuestionSource& q,
                 const std::string& named) {
    auto textFile = [&](const char* stem, const std::optional<std::string>& text) {
        if (text)
            addFile(files, questionFile(bank, stem, q.number), enciphered(*text));
    };
    if (q.level)
        addFile(files, questionFile(bank, "\\Level\\Level", q.number),
                fieldLines({*q.level}, named + ", level"));
    if (q.points)
        addFile(files, questionFile(bank, "\\Points\\Points", q.number),
                fieldLines({*q.points}, named + ", points"));
    textFile("\\Ques\\Question", q.question);
    if (q.answers) {
        static const char* const kStems[] = {"\\Ansa\\Answera", "\\Ansb\\Answerb",
                                             "\\Ansc\\Answerc", "\\Ansd\\Answerd"};
        std::vector<std::optional<std::string>> answers = *q.answers;
        if (answers.size() == 3)
            answers.emplace_back(std::string());
        for (std::size_t i = 0; i < answers.size(); ++i)
            textFile(kStems[i], answers[i]);
    }
    if (q.key) {
        if (*q.key != "a" && *q.key != "b" && *q.key != "c" && *q.key != "d")
            throw BankError(named + ", key: the key is one letter a to d, not \"" + *q.key + "\"");
        textFile("\\Correct\\Correct", q.key);
    }

    const std::string refs = "Refs\\" + bank + "Ref\\Q" + std::to_string(q.number) + "\\";
    if (q.area)
        addFile(files, refs + "Area.txt", fieldLines({*q.area}, named + ", area"));
    if (q.comments)
        addFile(files, refs + "Comments.txt", fieldLines({*q.comments}, named + ", comments"));
    if (q.figures)
        addFile(files, refs + "FigArray.txt", figureListFile(*q.figures, named + ", figures"));
    if (q.answerFigures)
        addFile(files, refs + "AnsFigArray.txt",
                figureListFile(*q.answerFigures, named + ", answer figures"));
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
        addQuestion(files, bank.name, question, named);
    }
}

// Figures are stored with their first four bytes masked; the viewer restores them to show one.
void addFigures(TreeFiles& files, const DataSource& source) {
    for (const auto& [name, bytes] : source.figures) {
        const std::string where = "figure \"" + name + "\"";
        checkedName(name, where);
        if (bytes.compare(0, 4, kJpegStart, 4) != 0)
            throw BankError(where + ": not a JPEG picture starting FF D8 FF E0 (a JFIF file)");
        addFile(files, "FigFiles\\" + name + ".jpg", "aaaa" + bytes.substr(4));
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
    addFigures(files, source);
    return files;
}

} // namespace examtrainer::bank
