#pragma once

#include <QString>

namespace examtrainer {

class RandomSource;

// Modal message boxes with only an OK button, and ending the program.
class MessageService {
public:
    virtual ~MessageService() = default;
    // Blocks until the candidate clicks OK.
    virtual void showMessage(const QString& text) = 0;
    // Ends the program: every window closes and the event loop stops.
    virtual void endProgram() = 0;
};

// The screen measure the exam and results windows compare with their design width of 12000
// twips: the width of the screen in twips.
class ScreenMeasure {
public:
    virtual ~ScreenMeasure() = default;
    virtual int widthTwips() const = 0;
};

// What windows and routines are handed at construction to reach the host.
struct HostServices {
    MessageService* messages = nullptr;
    RandomSource* random = nullptr;
    ScreenMeasure* screen = nullptr;
};

} // namespace examtrainer
