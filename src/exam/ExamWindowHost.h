#pragma once

#include <QString>

namespace examtrainer {

// What the exam window asks of the windows around it. The window registry answers: it owns the
// floating windows and the small dialogs, which outlive any one exam window.
class ExamWindowHost {
public:
    virtual ~ExamWindowHost() = default;

    // Brings the figure window and then the finish confirmation to the front, so that neither
    // vanishes behind the large exam window.
    virtual void restackFloatingWindows() = 0;

    virtual void showTagsPending(const QString& message) = 0;
    virtual void showTimeWarning() = 0;
    virtual void hideTimeWarning() = 0;
    virtual void showFinishConfirmation(const QString& message) = 0;

    // Grades the finished exam and shows its first results page.
    virtual void gradeExam() = 0;
};

} // namespace examtrainer
