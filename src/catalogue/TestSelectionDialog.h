#pragma once

#include "platform/HostServices.h"
#include "state/ExamState.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace examtrainer {

class Backdrop;

// The start screen (form Dialog): the categories of the catalogue, the tests of the picked
// category, and the confirmation that reads a test's settings and has the test drawn.
class TestSelectionDialog : public QWidget {
    Q_OBJECT
public:
    // Called on confirmation with the chosen test's name, after its settings are in the record.
    // It throws DataError or QuestionShortage when the test cannot be set.
    using GenerateTest = std::function<void(const std::string& testName)>;

    TestSelectionDialog(ExamState& state, HostServices services, Backdrop& backdrop,
                        GenerateTest generateTest, QWidget* parent = nullptr);

    // The load: covers the screen with the backdrop and lists the categories. False when the
    // category list cannot be read; the candidate has been told and the program is ending.
    bool load();

    // The name of the test selected in the list, as stored; empty when none is selected.
    std::string selectedTestName() const;

    // Handlers, public so that the window's behaviour can be driven directly.
    void categoryPicked(int index);
    void confirmByOk();
    void confirmByDoubleClick();
    void end();

private:
    void buildControls();
    void confirm();

    ExamState& state_;
    HostServices services_;
    Backdrop& backdrop_;
    GenerateTest generateTest_;

    QLabel* picture_ = nullptr;
    QComboBox* categoryCombo_ = nullptr;
    QListWidget* testList_ = nullptr;
    QPushButton* endButton_ = nullptr;
    QPushButton* okButton_ = nullptr;

    // The stored names behind the combo box and list entries, in their order.
    std::vector<std::string> listedCategories_;
    std::vector<std::string> listedTests_;
};

} // namespace examtrainer
