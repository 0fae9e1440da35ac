#pragma once

#include "platform/HostServices.h"

#include <QStringList>

namespace examtrainer::testing {

// Records message boxes and the end of the program instead of blocking or exiting.
class RecordingMessages : public MessageService {
public:
    void showMessage(const QString& text) override { shown << text; }
    void endProgram() override { ++endRequests; }

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
