#pragma once

#include "exam/ExamWindow.h"
#include "exam/ExamWindowHost.h"
#include "platform/ClickableLabel.h"
#include "platform/Twips.h"
#include "support/DataTree.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <memory>

namespace examtrainer::testing {

// Records what the exam window asks of the windows around it.
class RecordingHost : public ExamWindowHost {
public:
    void restackFloatingWindows() override { ++restacks; }
    void showTagsPending(const QString& message) override { tagsPending << message; }
    void showTimeWarning() override { ++timeWarnings; }
    void hideTimeWarning() override { ++timeWarningHides; }
    void showFinishConfirmation(const QString& message) override { confirmations << message; }
    void gradeExam() override { ++grades; }
    int restacks = 0;
    int timeWarnings = 0;
    int timeWarningHides = 0;
    int grades = 0;
    QStringList tagsPending;
    QStringList confirmations;
};

inline const QColor kCyan = bgrColor(0x00FFFF00);
inline const QColor kGreen = bgrColor(0x0000FF00);
inline const QColor kBlue = bgrColor(0x00FF0000);
inline const QColor kWhite = bgrColor(0x00FFFFFF);
inline QColor windowBackground() {
    return QApplication::palette().color(QPalette::Base);
}
inline QColor buttonText() {
    return QApplication::palette().color(QPalette::ButtonText);
}

// The draw that puts a question's correct answer in box letter (a three-answer question draws
// from three boxes).
inline double drawFor(char letter, bool threeAnswers) {
    return ((letter - 'a') + 0.5) / (threeAnswers ? 3.0 : 4.0);
}

struct Question {
    std::string key = "a";
    char shown = 'a';
    bool threeAnswers = false;
    bool noAnswerC = false;
    std::string points = "1";
};

// An exam window loaded with a test whose questions are given; question i of bank B holds the
// texts "Question i", "a i" .. "d i".
struct Exam {
    DataTree tree;
    RecordingMessages messages;
    RecordingHost host;
    FixedScreen screen;
    ScriptedRandom random;
    std::unique_ptr<ExamState> state = std::make_unique<ExamState>();
    std::unique_ptr<ExamWindow> window;

    explicit Exam(const std::vector<Question>& questions, int screenTwips = 19200)
        : screen(screenTwips) {
        for (std::size_t i = 0; i < questions.size(); ++i) {
            const Question& q = questions[i];
            const std::string n = std::to_string(i + 1);
            std::vector<std::string> answers{"a " + n, "b " + n, q.noAnswerC ? "" : "c " + n};
            if (!q.threeAnswers)
                answers.push_back("d " + n);
            tree.texts("B", static_cast<int>(i + 1), "Question " + n, answers, q.key);
            state->slotLevel[i] = "Low";
            state->slotPoints[i] = q.points;
            state->slotBank[i] = "B";
            state->slotQuestionNumber[i] = static_cast<int16_t>(i + 1);
            random.script.push_back(drawFor(q.shown, q.threeAnswers));
        }
        window =
            std::make_unique<ExamWindow>(*state, HostServices{&messages, &random, &screen}, host);
        window->load("Radio Aids");
        window->show();
    }
    template <typename T = QWidget> T* find(const QString& name) {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    ClickableLabel* grid(int i) { return find<ClickableLabel>(QStringLiteral("Text7(%1)").arg(i)); }
    QTextEdit* box(char letter) {
        return find<QTextEdit>(QStringLiteral("RichTextBox%1").arg(letter - 'a' + 2));
    }
    QPushButton* button(char letter) {
        return find<QPushButton>(QStringLiteral("Command%1").arg(letter - 'a' + 1));
    }
    QString label(const char* name) { return find<QLabel>(QString::fromLatin1(name))->text(); }
    void click(const char* name) {
        QTest::mouseClick(find(QString::fromLatin1(name)), Qt::LeftButton);
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QStringList boxTexts() {
        QStringList texts;
        for (char c : {'a', 'b', 'c', 'd'})
            texts << box(c)->toPlainText();
        return texts;
    }
};

inline std::vector<Question> plain(int count) {
    return std::vector<Question>(static_cast<std::size_t>(count));
}

} // namespace examtrainer::testing
