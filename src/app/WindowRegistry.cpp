#include "WindowRegistry.h"

#include "catalogue/Backdrop.h"
#include "catalogue/TestSelectionDialog.h"
#include "exam/ExamWindow.h"
#include "exam/TagsPendingDialog.h"
#include "generation/TestGenerator.h"

namespace examtrainer {

namespace {
// A window that is still inside one of its own handlers must not be deleted under it.
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

void WindowRegistry::restackFloatingWindows() {}

void WindowRegistry::showTagsPending(const QString& message) {
    TagsPendingDialog& dialog = tagsPendingDialog();
    dialog.setMessage(message);
    dialog.show();
    dialog.raise();
}

void WindowRegistry::showTimeWarning() {}

void WindowRegistry::hideTimeWarning() {}

void WindowRegistry::showFinishConfirmation(const QString&) {}

void WindowRegistry::gradeExam() {}

} // namespace examtrainer
