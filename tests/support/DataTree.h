#pragma once

#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

namespace examtrainer::testing {

// A small data tree in a temporary folder, standing in for "C:\Com\" while it lives: the trainer
// reads it through EXAMTRAINER_DATA_ROOT.
class DataTree {
public:
    DataTree();
    ~DataTree();

    // Writes bytes to a path below the data root, given in the trees' own form
    // ("TestSets\Categories\Primary.txt").
    void write(const std::string& treePath, const std::string& bytes);
    void remove(const std::string& treePath);
    QString hostPath(const std::string& treePath) const;
    QString root() const;

    // The catalogue of one category with its tests, each with a settings file.
    void catalogue(const std::string& category, const std::string& tests,
                   const std::string& settings = "T,30,40,30,2,75\r\n");

    // Level and points files of question number of a bank.
    void question(const std::string& bank, int number, const std::string& level,
                  const std::string& points);
    // QuestionLink.txt of a test set, one record per (bank, question number).
    void links(const std::string& category, const std::string& test,
               const std::vector<std::pair<std::string, int>>& questions);

    // The six enciphered text files of a question; three answers leave answer d empty.
    void texts(const std::string& bank, int number, const std::string& question,
               const std::vector<std::string>& answers, const std::string& key);

private:
    QTemporaryDir dir_;
    QByteArray previousRoot_;
};

} // namespace examtrainer::testing
