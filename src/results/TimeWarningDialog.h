#pragma once

#include <QWidget>

namespace examtrainer {

// "You have 5 minutes of your allotted time left!" (form Dialog4), at its design place on the
// screen; OK only hides it. Shown without blocking the exam.
class TimeWarningDialog : public QWidget {
    Q_OBJECT
public:
    explicit TimeWarningDialog(QWidget* parent = nullptr);
};

} // namespace examtrainer
