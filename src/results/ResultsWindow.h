#pragma once

#include "platform/HostServices.h"
#include "state/ExamState.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace examtrainer {

class ClickableLabel;

// What the results window asks of the windows around it.
class ResultsWindowHost {
public:
    virtual ~ResultsWindowHost() = default;
    virtual void printResultReport() = 0;
    virtual void endTestRun() = 0;
    virtual void openQuestionReview(int row) = 0;
    virtual void bringReviewToFront() = 0;
};

// The graded exam (form Form2): 27 rows to a page, at most three pages, and below them the
// marks, the total, the percentage and the verdict.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    ResultsWindow(ExamState& state, HostServices services, ResultsWindowHost& host,
                  QWidget* parent = nullptr);

    // Grades the exam, fills the first page and shows the window.
    void gradeExam();

    void fillFirstResultsPage();
    void loadAreaTexts(int firstSlot);
    void showNextResultsPage();
    void showFirstResultsPage();

private:
    void buildControls();
    void showButtons(bool next, bool first);

    ExamState& state_;
    HostServices services_;
    ResultsWindowHost& host_;

    std::array<QLabel*, 27> numbers_{};
    std::array<ClickableLabel*, 27> areas_{};
    std::array<QLabel*, 81> cells_{};
    QLabel* marks_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* percentage_ = nullptr;
    QLabel* verdict_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* end_ = nullptr;
};

} // namespace examtrainer
