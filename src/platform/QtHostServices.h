#pragma once

#include "HostServices.h"

namespace examtrainer {

class QtMessageService : public MessageService {
public:
    void showMessage(const QString& text) override;
    void endProgram() override;
};

class QtScreenMeasure : public ScreenMeasure {
public:
    int widthTwips() const override;
};

} // namespace examtrainer
