#include "WindowRegistry.h"

#include "catalogue/Backdrop.h"
#include "catalogue/TestSelectionDialog.h"
#include "generation/TestGenerator.h"

namespace examtrainer {

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

void WindowRegistry::runGeneration(const std::string& testName) {
    generateTest(state_, testName, *services_.random);
}

} // namespace examtrainer
