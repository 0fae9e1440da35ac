#pragma once

#include "platform/HostServices.h"

#include <QStringList>
#include <functional>

namespace examtrainer::testing {

// Records message boxes and the end of the program instead of blocking or exiting.
class RecordingMessages : public MessageService {
public:
    void showMessage(const QString& text) override {
        shown << text;
        // What happens while the modal box is open, such as a timer tick.
        if (whileOpen)
            whileOpen();
    }
    void endProgram() override { ++endRequests; }

    std::function<void()> whileOpen;
    QStringList shown;
    int endRequests = 0;
};

class FixedScreen : public ScreenMeasure {
public:
    explicit FixedScreen(int twips = 19200) : twips(twips) {}
    int widthTwips() const override { return twips; }
    int twips;
};

} // namespace examtrainer::testing
