#pragma once

#include "exam/ExamWindowHost.h"
#include "platform/HostServices.h"
#include "results/ResultsWindow.h"
#include "state/ExamState.h"

#include <memory>
#include <string>

namespace examtrainer {

class Backdrop;
class ExamWindow;
class FinishConfirmDialog;
class TagsPendingDialog;
class TestSelectionDialog;
class TimeWarningDialog;

// Owns the windows and creates each when it is first needed: the backdrop for the whole run;
// the start screen, the exam window and the results window for each test run; the small
// dialogs once, then only shown and hidden.
class WindowRegistry : public ExamWindowHost, public ResultsWindowHost {
public:
    WindowRegistry(ExamState& state, HostServices services);
    ~WindowRegistry() override;

    // Loads a fresh start screen and shows it; false when the catalogue cannot be read (the
    // program is then ending).
    bool openStartScreen();

    Backdrop& backdrop();
    TestSelectionDialog* startScreen() const;
    ExamWindow* examWindow() const;
    ResultsWindow* resultsWindow() const;
    TagsPendingDialog& tagsPendingDialog();
    TimeWarningDialog& timeWarningDialog();
    FinishConfirmDialog& finishConfirmDialog();

    void restackFloatingWindows() override;
    void showTagsPending(const QString& message) override;
    void showTimeWarning() override;
    void hideTimeWarning() override;
    void showFinishConfirmation(const QString& message) override;
    void gradeExam() override;

    void printResultReport() override;
    // "End" on the results window: the test is forgotten and a fresh start screen shown.
    void endTestRun() override;
    void openQuestionReview(int row) override;
    void bringReviewToFront() override;

private:
    // Draws the confirmed test, loads the exam window for it, shows it and closes the start
    // screen. A failure leaves the start screen as it was.
    void runGeneration(const std::string& testName);
    void getResult();

    ExamState& state_;
    HostServices services_;
    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<TestSelectionDialog> startScreen_;
    std::unique_ptr<ExamWindow> examWindow_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<TagsPendingDialog> tagsPending_;
    std::unique_ptr<TimeWarningDialog> timeWarning_;
    std::unique_ptr<FinishConfirmDialog> finishConfirm_;
};

} // namespace examtrainer
