#pragma once

#include "platform/HostServices.h"
#include "state/ExamState.h"

#include <memory>
#include <string>

namespace examtrainer {

class Backdrop;
class TestSelectionDialog;

// Owns the windows and creates each when it is first needed: the backdrop for the whole run, the
// start screen for each test run.
class WindowRegistry {
public:
    WindowRegistry(ExamState& state, HostServices services);
    ~WindowRegistry();

    // Loads a fresh start screen and shows it; false when the catalogue cannot be read (the
    // program is then ending).
    bool openStartScreen();

    Backdrop& backdrop();
    TestSelectionDialog* startScreen() const;

private:
    void runGeneration(const std::string& testName);

    ExamState& state_;
    HostServices services_;
    std::unique_ptr<Backdrop> backdrop_;
    std::unique_ptr<TestSelectionDialog> startScreen_;
};

} // namespace examtrainer
