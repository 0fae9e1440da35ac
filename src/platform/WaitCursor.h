#pragma once

#include <QApplication>

namespace examtrainer {

// The hourglass over a piece of work, restored on every way out of it, failures included.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore() {
        if (active_) {
            active_ = false;
            QApplication::restoreOverrideCursor();
        }
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = true;
};

} // namespace examtrainer
