#include "WindowRegistry.h"

#include "catalogue/Backdrop.h"
#include "catalogue/TestSelectionDialog.h"
#include "exam/ExamWindow.h"
#include "exam/TagsPendingDialog.h"
#include "generation/TestGenerator.h"
#include "results/FinishConfirmDialog.h"
#include "results/TimeWarningDialog.h"

namespace examtrainer {

namespace {
// A window that may still be inside one of its own handlers must not be deleted under it.
template <typename Window> void discardLater(std::unique_ptr<Window>& window) {
    if (window) {
        window->hide();
        window.release()->deleteLater();
    }
}
} // namespace

WindowRegistry::WindowRegistry(ExamState& state, HostServices services)
    : state_(state), services_(services), backdrop_(std::make_unique<Backdrop>()) {}

WindowRegistry::~WindowRegistry() = default;

bool WindowRegistry::openStartScreen() {
    startScreen_ = std::make_unique<TestSelectionDialog>(
        state_, services_, *backdrop_,
        [this](const std::string& testName) { runGeneration(testName); });
    if (!startScreen_->load())
        return false;
    startScreen_->show();
    startScreen_->raise();
    startScreen_->activateWindow();
    return true;
}

Backdrop& WindowRegistry::backdrop() {
    return *backdrop_;
}

TestSelectionDialog* WindowRegistry::startScreen() const {
    return startScreen_.get();
}

ExamWindow* WindowRegistry::examWindow() const {
    return examWindow_.get();
}

ResultsWindow* WindowRegistry::resultsWindow() const {
    return resultsWindow_.get();
}

TagsPendingDialog& WindowRegistry::tagsPendingDialog() {
    if (!tagsPending_) {
        tagsPending_ = std::make_unique<TagsPendingDialog>();
        QObject::connect(tagsPending_.get(), &TagsPendingDialog::cancelAllTags, [this] {
            if (examWindow_)
                examWindow_->cancelAllTags();
        });
    }
    return *tagsPending_;
}

TimeWarningDialog& WindowRegistry::timeWarningDialog() {
    if (!timeWarning_)
        timeWarning_ = std::make_unique<TimeWarningDialog>();
    return *timeWarning_;
}

FinishConfirmDialog& WindowRegistry::finishConfirmDialog() {
    if (!finishConfirm_) {
        finishConfirm_ = std::make_unique<FinishConfirmDialog>();
        QObject::connect(finishConfirm_.get(), &FinishConfirmDialog::getResult,
                         [this] { getResult(); });
    }
    return *finishConfirm_;
}

void WindowRegistry::runGeneration(const std::string& testName) {
    generateTest(state_, testName, *services_.random);
    auto exam = std::make_unique<ExamWindow>(state_, services_, *this);
    exam->load(testName);
    examWindow_ = std::move(exam);
    examWindow_->show();
    examWindow_->raise();
    examWindow_->activateWindow();
    examWindow_->repaint();
    discardLater(startScreen_);
}

void WindowRegistry::restackFloatingWindows() {
    if (finishConfirm_)
        finishConfirm_->raise();
}

void WindowRegistry::showTagsPending(const QString& message) {
    TagsPendingDialog& dialog = tagsPendingDialog();
    dialog.setMessage(message);
    dialog.show();
    dialog.raise();
}

void WindowRegistry::showTimeWarning() {
    timeWarningDialog().show();
    timeWarningDialog().raise();
}

void WindowRegistry::hideTimeWarning() {
    timeWarningDialog().hide();
}

void WindowRegistry::showFinishConfirmation(const QString& message) {
    FinishConfirmDialog& dialog = finishConfirmDialog();
    dialog.setMessage(message);
    dialog.show();
    dialog.raise();
}

void WindowRegistry::getResult() {
    if (examWindow_)
        examWindow_->examClock().stop();
    gradeExam();
    finishConfirmDialog().hide();
}

void WindowRegistry::gradeExam() {
    if (!resultsWindow_)
        resultsWindow_ = std::make_unique<ResultsWindow>(state_, services_, *this);
    resultsWindow_->gradeExam();
}

void WindowRegistry::printResultReport() {}

void WindowRegistry::endTestRun() {
    state_.resultsPage = 0;
    state_.currentSlot = 0;
    resetExamState(state_);
    if (examWindow_) {
        examWindow_->examClock().stop();
        examWindow_->flashTimer().stop();
    }
    discardLater(examWindow_);
    discardLater(resultsWindow_);
    discardLater(startScreen_);
    // The dialogs outlive the test, but nothing of it may stay on screen.
    const std::initializer_list<QWidget*> dialogs = {tagsPending_.get(), timeWarning_.get(),
                                                     finishConfirm_.get()};
    for (QWidget* dialog : dialogs) {
        if (dialog)
            dialog->hide();
    }
    openStartScreen();
}

void WindowRegistry::openQuestionReview(int) {}

void WindowRegistry::bringReviewToFront() {}

} // namespace examtrainer
