#include "TreeReader.h"

#include "BankError.h"
#include "catalogue/CatalogueFiles.h"
#include "generation/IndexFiles.h"
#include "platform/AnsiText.h"
#include "platform/DataFile.h"
#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"
#include "textstore/TextCipher.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace examtrainer::bank {

namespace {

// Points the trainer's data root at the tree for as long as it is read.
class DataRootOverride {
public:
    explicit DataRootOverride(const QString& root) : previous_(qgetenv("EXAMTRAINER_DATA_ROOT")) {
        qputenv("EXAMTRAINER_DATA_ROOT", QFileInfo(root).absoluteFilePath().toLocal8Bit());
    }
    ~DataRootOverride() {
        if (previous_.isEmpty())
            qunsetenv("EXAMTRAINER_DATA_ROOT");
        else
            qputenv("EXAMTRAINER_DATA_ROOT", previous_);
    }

private:
    QByteArray previous_;
};

std::string root() {
    return kDataRoot;
}

std::optional<std::string> firstField(const std::string& path) {
    if (!dataFileExists(path))
        return std::nullopt;
    return FieldReader::open(path).next();
}

std::optional<std::string> wholeText(const std::string& path) {
    if (!dataFileExists(path))
        return std::nullopt;
    std::string text = readWholeFile(path);
    textCipher(text, kCipherKey);
    return text;
}

// The names of a list file up to the first empty one, as the trainer shows them.
std::vector<std::string> nameList(const std::string& path) {
    FieldReader reader = FieldReader::open(path);
    std::vector<std::string> names;
    while (!reader.atEnd()) {
        std::string name = reader.next();
        if (name.empty())
            break;
        names.push_back(std::move(name));
    }
    return names;
}

std::vector<LinkRecord> readLinks(const std::string& path) {
    FieldReader reader = FieldReader::open(path);
    std::vector<LinkRecord> links;
    while (!reader.atEnd()) {
        LinkRecord link;
        link.first = reader.nextInt16(path);
        link.bank = reader.next();
        link.question = reader.nextInt16(path);
        link.last = reader.nextInt16(path);
        links.push_back(std::move(link));
    }
    return links;
}

std::optional<std::vector<DisabledRecord>> readDisabled() {
    const std::string path = root() + "History\\Disabled.txt";
    if (!dataFileExists(path))
        return std::nullopt;
    // The trainer keeps the records before a damaged one; so does the copy.
    std::vector<DisabledRecord> records;
    try {
        FieldReader reader = FieldReader::open(path);
        while (!reader.atEnd() && records.size() < 1501) {
            DisabledRecord record;
            record.question = reader.nextInt16(path);
            record.bank = reader.next();
            records.push_back(std::move(record));
        }
    } catch (const DataError&) {
    }
    return records;
}

std::optional<FigureList> readFigureList(const std::string& path) {
    if (!dataFileExists(path))
        return std::nullopt;
    FieldReader reader = FieldReader::open(path);
    FigureList list;
    try {
        while (list.names.size() < kFigureListFields)
            list.names.push_back(reader.next());
    } catch (const DataError&) {
        list.shortFile = true;
    }
    if (!list.shortFile) {
        while (!list.names.empty() && list.names.back().empty())
            list.names.pop_back();
    }
    return list;
}

std::optional<std::string> ansi(const QString& name, const QString& where) {
    const std::optional<std::string> bytes = toAnsi(name);
    if (!bytes)
        throw BankError(where.toStdString() + ": the name " + name.toStdString() +
                        " holds a character outside the Windows-1252 code page");
    return bytes;
}

// Question numbers that have any file in the bank's folders or a reference folder.
std::set<int> questionNumbers(const QString& bankFolder, const QString& refFolder) {
    static const QRegularExpression file(QStringLiteral("^[A-Za-z]+(-?\\d+)\\.txt$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression refs(QStringLiteral("^Q(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    std::set<int> numbers;
    for (const QString& folder : QDir(bankFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        for (const QString& name : QDir(bankFolder + "/" + folder).entryList(QDir::Files)) {
            const QRegularExpressionMatch match = file.match(name);
            if (match.hasMatch())
                numbers.insert(match.captured(1).toInt() + 1);
        }
    }
    for (const QString& name : QDir(refFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = refs.match(name);
        if (match.hasMatch())
            numbers.insert(match.captured(1).toInt());
    }
    return numbers;
}

QuestionSource readQuestion(const std::string& bank, int number) {
    QuestionSource q;
    q.number = static_cast<int16_t>(number);
    const std::string index = std::to_string(number - 1);
    const std::string files = root() + "QuestionSet\\" + bank;
    q.level = firstField(files + "\\Level\\Level" + index + ".txt");
    q.points = firstField(files + "\\Points\\Points" + index + ".txt");
    const std::array<std::string, 6> paths = questionTextPaths(bank, q.number);
    q.question = wholeText(paths[0]);
    std::vector<std::optional<std::string>> answers;
    for (std::size_t i = 1; i <= 4; ++i)
        answers.push_back(wholeText(paths[i]));
    if (answers[0] || answers[1] || answers[2] || answers[3]) {
        if (answers[3] && answers[3]->empty())
            answers.pop_back();
        q.answers = std::move(answers);
    }
    q.key = wholeText(paths[5]);

    const std::string refs = root() + "Refs\\" + bank + "Ref\\Q" + std::to_string(number) + "\\";
    q.area = firstField(refs + "Area.txt");
    q.comments = firstField(refs + "Comments.txt");
    q.figures = readFigureList(refs + "FigArray.txt");
    q.answerFigures = readFigureList(refs + "AnsFigArray.txt");
    return q;
}

std::vector<BankSource> readBanks(const QString& hostRoot) {
    const QString questionSet = hostRoot + QStringLiteral("/QuestionSet");
    const QString refsFolder = hostRoot + QStringLiteral("/Refs");
    std::set<QString> names;
    for (const QString& name : QDir(questionSet).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        names.insert(name);
    // The trainer finds a bank's reference folder whatever its letter case.
    for (const QString& name : QDir(refsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!name.endsWith(QStringLiteral("Ref"), Qt::CaseInsensitive) || name.size() <= 3)
            continue;
        const QString bank = name.chopped(3);
        const bool known = std::any_of(names.begin(), names.end(), [&](const QString& n) {
            return n.compare(bank, Qt::CaseInsensitive) == 0;
        });
        if (!known)
            names.insert(bank);
    }
    std::vector<BankSource> banks;
    for (const QString& name : names) {
        BankSource bank;
        bank.name = *ansi(name, questionSet);
        for (int number :
             questionNumbers(questionSet + "/" + name, refsFolder + "/" + name + "Ref")) {
            if (number >= 1 && number <= 32767)
                bank.questions.push_back(readQuestion(bank.name, number));
        }
        banks.push_back(std::move(bank));
    }
    return banks;
}

std::map<std::string, std::string> readFigures(const QString& hostRoot) {
    std::map<std::string, std::string> figures;
    const QDir store(hostRoot + QStringLiteral("/FigFiles"));
    for (const QString& name : store.entryList(QDir::Files)) {
        if (!name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
            continue;
        std::string bytes = readDataFile(root() + "FigFiles\\" + *ansi(name, store.path()));
        if (bytes.size() >= 4)
            bytes.replace(0, 4, "\xFF\xD8\xFF\xE0");
        figures[*ansi(name.chopped(4), store.path())] = std::move(bytes);
    }
    return figures;
}

} // namespace

DataSource readTree(const QString& hostRoot) {
    if (!QFileInfo(hostRoot).isDir())
        throw BankError(hostRoot.toStdString() + ": no such folder");
    const DataRootOverride rootOverride(hostRoot);
    DataSource source;
    try {
        for (const std::string& categoryName : nameList(categoryListPath())) {
            CategorySource category;
            category.name = categoryName;
            const std::string listPath = testListPath(categoryName);
            if (dataFileExists(listPath)) {
                category.tests.emplace();
                for (const std::string& testName : nameList(listPath)) {
                    TestSetSource test;
                    test.name = testName;
                    const std::string settingsPath = testSettingsPath(categoryName, testName);
                    if (dataFileExists(settingsPath)) {
                        FieldReader reader = FieldReader::open(settingsPath);
                        test.settings.emplace();
                        for (std::string& field : *test.settings)
                            field = reader.next();
                    }
                    const std::string linksPath = questionLinkPath(categoryName, testName);
                    if (dataFileExists(linksPath))
                        test.links = readLinks(linksPath);
                    category.tests->push_back(std::move(test));
                }
            }
            source.categories.push_back(std::move(category));
        }
        source.disabled = readDisabled();
        source.banks = readBanks(QFileInfo(hostRoot).absoluteFilePath());
        source.figures = readFigures(QFileInfo(hostRoot).absoluteFilePath());
    } catch (const DataError& error) {
        throw BankError(std::string("the tree cannot be read: ") + error.what());
    }
    return source;
}

} // namespace examtrainer::bank
