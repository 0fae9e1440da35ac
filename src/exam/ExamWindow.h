#pragma once

#include "platform/HostServices.h"
#include "state/ExamState.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <string>

class QComboBox;
class QProgressBar;
class QPushButton;
class QTextEdit;

namespace examtrainer {

class ClickableLabel;
class ExamWindowHost;

// The window that runs one test (form Form1): the question on show with its answers, the answer
// buttons, the question-number grid, navigation, tags, the tutorial, Start and Finish, and the
// clock read-out. Worked with the mouse alone.
class ExamWindow : public QWidget {
    Q_OBJECT
public:
    ExamWindow(ExamState& state, HostServices services, ExamWindowHost& host,
               QWidget* parent = nullptr);

    // The load for a freshly drawn test: tutorial, title, points total, texts, answer boxes,
    // grid, and the Start controls flashing. Throws DataError when a text file is missing or a
    // points text is not a number.
    void load(const std::string& testName);

    // Fills the window with the question of the current slot.
    void showCurrentQuestion();

    // Handlers, public so that the behaviour can be driven directly.
    void answer(int box);
    void previousQuestion();
    void nextQuestion();
    void goToQuestion(int slot);
    void tagOrClear();
    void cancelAllTags();
    void start();
    void flashTick();
    void examClockTick();
    void finishExam();

    // Per cent of the allotted time the progress bar shows as used.
    double progressValue() const;

    QString testName() const;
    QTimer& examClock() { return clock_; }
    QTimer& flashTimer() { return flash_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    ClickableLabel* addLabel(const char* name, const QString& text, QRect twips);
    void setGridBackground(int slot, uint32_t bgr);
    void setGridBackground(int slot, const QColor& colour);
    void markTag(int slot, bool tagged);
    void recolourBoxLeft();
    void moveTo(int slot);
    bool refuseBeforeStart();
    void layOutAnswers(bool fourAnswers);
    void timeOut();

    ExamState& state_;
    HostServices services_;
    ExamWindowHost& host_;

    QTimer clock_;
    QTimer flash_;

    ClickableLabel* title_ = nullptr;
    ClickableLabel* questionNumber_ = nullptr;
    ClickableLabel* questionPoints_ = nullptr;
    QTextEdit* questionBox_ = nullptr;
    std::array<QTextEdit*, 4> answerBoxes_{};
    std::array<QPushButton*, 4> answerButtons_{};
    std::array<ClickableLabel*, 96> grid_{};
    QComboBox* figureList_ = nullptr;
    ClickableLabel* previous_ = nullptr;
    ClickableLabel* next_ = nullptr;
    ClickableLabel* tag_ = nullptr;
    ClickableLabel* startLabel_ = nullptr;
    ClickableLabel* startStrip_ = nullptr;
    ClickableLabel* minutes_ = nullptr;
    QProgressBar* progress_ = nullptr;
    double progressValue_ = 0;
    // A time-out notice is on screen: a tick that comes meanwhile does not stack another.
    bool timeOutNoticeOpen_ = false;
};

} // namespace examtrainer
