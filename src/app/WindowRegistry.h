#pragma once

#include "exam/ExamWindowHost.h"
#include "platform/HostServices.h"
#include "state/ExamState.h"

#include <memory>
#include <string>

namespace examtrainer {

class Backdrop;
class ExamWindow;
class TagsPendingDialog;
class TestSelectionDialog;

// Owns the windows and creates each when it is first needed: the backdrop for the whole run;
// the start screen and the exam window for each test run; the small dialogs once, then only
// shown and hidden.
class WindowRegistry : public ExamWindowHost {
public:
    WindowRegistry(ExamState& state, HostServices services);
    ~WindowRegistry() override;

    // Loads a fresh start screen and shows it; false when the catalogue cannot be read (the
    // program is then ending).
    bool openStartScreen();

    Backdrop& backdrop();
    TestSelectionDialog* startScreen() const;
    ExamWindow* examWindow() const;
    TagsPendingDialog& tagsPendingDialog();

    void restackFloatingWindows() override;
    void showTagsPending(const QString& message) override;
    void showTimeWarning() override;
    void hideTimeWarning() override;
    void showFinishConfirmation(const QString& message) override;
    void gradeExam() override;

private:
    // Draws the confirmed test, loads the exam window for it, shows it and closes the start
    // screen. A failure leaves the start screen as it was.
    void runGeneration(const std::string& testName);

    ExamState& state_;
    HostServices services_;
    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<TestSelectionDialog> startScreen_;
    std::unique_ptr<ExamWindow> examWindow_;
    std::unique_ptr<TagsPendingDialog> tagsPending_;
};

} // namespace examtrainer
