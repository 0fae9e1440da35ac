#include "DataTree.h"

#include "platform/AnsiText.h"
#include "textstore/TextCipher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sstream>

namespace examtrainer::testing {

DataTree::DataTree() : previousRoot_(qgetenv("EXAMTRAINER_DATA_ROOT")) {
    qputenv("EXAMTRAINER_DATA_ROOT", dir_.path().toLocal8Bit());
}

DataTree::~DataTree() {
    if (previousRoot_.isEmpty())
        qunsetenv("EXAMTRAINER_DATA_ROOT");
    else
        qputenv("EXAMTRAINER_DATA_ROOT", previousRoot_);
}

QString DataTree::root() const {
    return dir_.path();
}

QString DataTree::hostPath(const std::string& treePath) const {
    QString relative = fromAnsi(treePath);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return dir_.path() + QLatin1Char('/') + relative;
}

void DataTree::write(const std::string& treePath, const std::string& bytes) {
    const QString path = hostPath(treePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void DataTree::remove(const std::string& treePath) {
    QFile::remove(hostPath(treePath));
}

void DataTree::catalogue(const std::string& category, const std::string& tests,
                         const std::string& settings) {
    write("TestSets\\Categories\\Primary.txt", category + "\r\n");
    write("TestSets\\Categories\\" + category + ".txt", tests);
    std::istringstream lines(tests);
    std::string test;
    while (std::getline(lines, test)) {
        if (!test.empty() && test.back() == '\r')
            test.pop_back();
        if (!test.empty())
            write("TestSets\\" + category + "\\" + test + "Set\\TestData.txt", settings);
    }
}

void DataTree::question(const std::string& bank, int number, const std::string& level,
                        const std::string& points) {
    const std::string index = std::to_string(number - 1);
    write("QuestionSet\\" + bank + "\\Level\\Level" + index + ".txt", level + "\r\n");
    write("QuestionSet\\" + bank + "\\Points\\Points" + index + ".txt", points + "\r\n");
}

void DataTree::links(const std::string& category, const std::string& test,
                     const std::vector<std::pair<std::string, int>>& questions) {
    std::string file;
    int record = 1;
    for (const auto& [bank, number] : questions)
        file += std::to_string(record++) + "," + bank + "," + std::to_string(number) + ",0\r\n";
    write("TestSets\\" + category + "\\" + test + "Set\\QuestionLink.txt", file);
}

void DataTree::texts(const std::string& bank, int number, const std::string& question,
                     const std::vector<std::string>& answers, const std::string& key) {
    const auto paths = questionTextPaths(bank, static_cast<int16_t>(number));
    std::vector<std::string> plain{question};
    plain.insert(plain.end(), answers.begin(), answers.end());
    plain.resize(5);
    plain.push_back(key);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::string bytes = plain[i];
        textCipher(bytes, kCipherKey);
        write(paths[i].substr(std::string("C:\\Com\\").size()), bytes);
    }
}

} // namespace examtrainer::testing
