#include "app/WindowRegistry.h"
#include "catalogue/Backdrop.h"
#include "catalogue/TestSelectionDialog.h"
#include "exam/ExamWindow.h"
#include "exam/TagsPendingDialog.h"
#include "platform/ClickableLabel.h"
#include "platform/RandomSource.h"
#include "results/FinishConfirmDialog.h"
#include "results/ResultsWindow.h"
#include "results/TimeWarningDialog.h"
#include "support/DataTree.h"
#include "support/RecordingMessages.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace examtrainer;
using examtrainer::testing::DataTree;
using examtrainer::testing::FixedScreen;
using examtrainer::testing::RecordingMessages;

namespace {

// The whole program on a data tree, with its messages recorded.
struct Program {
    RecordingMessages messages;
    ClockSeededRandom random;
    FixedScreen screen;
    std::unique_ptr<ExamState> state = std::make_unique<ExamState>();
    WindowRegistry windows{*state, HostServices{&messages, &random, &screen}};

    TestSelectionDialog* start() { return windows.startScreen(); }
    void confirm(int categoryIndex, int testRow) {
        auto* combo = start()->findChild<QComboBox*>("Combo1");
        combo->setCurrentIndex(categoryIndex);
        emit combo->activated(categoryIndex);
        auto* list = start()->findChild<QListWidget*>("List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(testRow)).center());
        QTest::mouseClick(start()->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    }
};

// A category with one test of 30 one-point Low questions drawn from 40.
void thirtyQuestionTest(DataTree& tree) {
    tree.catalogue("Cat", "Mock\r\n", "T,0,0,100,1,75\r\n");
    std::vector<std::pair<std::string, int>> links;
    for (int n = 1; n <= 40; ++n) {
        tree.question("Met", n, "Low", "1");
        tree.texts("Met", n, "Question " + std::to_string(n), {"a", "b", "c", "d"}, "a");
        tree.write("Refs\\MetRef\\Q" + std::to_string(n) + "\\Area.txt",
                   "Area " + std::to_string(n));
        links.emplace_back("Met", n);
    }
    tree.links("Cat", "Mock", links);
}

template <typename T = QWidget> T* child(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
}

} // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void aTestSetThatCannotBeDrawnLeavesTheStartScreenOpen() {
        DataTree tree;
        tree.catalogue("Cat", "No links\r\nShort\r\n", "T,0,0,100,4,75\r\n");
        tree.question("Met", 1, "Low", "1");
        tree.links("Cat", "Short", {{"Met", 1}});
        Program program;
        QVERIFY(program.windows.openStartScreen());
        program.confirm(0, 0);
        QCOMPARE(program.messages.shown,
                 QStringList{"A Test-set has not been prepared for this test!"});
        QCOMPARE(program.messages.endRequests, 0);
        QVERIFY(program.start()->isVisible());

        // Too few Low questions: the candidate is told, and the program ends.
        program.messages.shown.clear();
        program.confirm(0, 1);
        QCOMPARE(program.messages.shown,
                 QStringList{"There is a shortage of test questions for this test at its current "
                             "percentage spread. As a result, this test preparation will be "
                             "terminated."});
        QCOMPARE(program.messages.endRequests, 1);
    }

    void okOpensTheExamWindowAndClosesTheStartScreen() {
        DataTree tree;
        tree.catalogue("Cat", "Met 1\r\n", "T,0,0,100,4,75\r\n");
        std::vector<std::pair<std::string, int>> links;
        for (int n = 1; n <= 30; ++n) {
            tree.question("Met", n, "Low", "1");
            tree.texts("Met", n, "Q" + std::to_string(n), {"a", "b", "c", "d"}, "a");
            links.emplace_back("Met", n);
        }
        tree.links("Cat", "Met 1", links);
        Program program;
        QVERIFY(program.windows.openStartScreen());
        QPointer<TestSelectionDialog> start = program.start();
        program.confirm(0, 0);
        QVERIFY(program.messages.shown.isEmpty());
        ExamWindow* exam = program.windows.examWindow();
        QVERIFY(exam);
        QVERIFY(exam->isVisible());
        QCOMPARE(exam->findChild<QLabel*>("Text2")->text(), QString("Met 1"));
        QCOMPARE(exam->findChild<QLabel*>("Label5")->text(), QString("30"));
        QVERIFY(exam->flashTimer().isActive());
        QVERIFY(program.windows.backdrop().isVisible());
        QVERIFY(!start->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(start.isNull());
    }

    void aLoadThatFailsKeepsTheStartScreen() {
        DataTree tree;
        tree.catalogue("Cat", "Met 1\r\n", "T,0,0,100,4,75\r\n");
        std::vector<std::pair<std::string, int>> links;
        for (int n = 1; n <= 30; ++n) {
            tree.question("Met", n, "Low", "1");
            links.emplace_back("Met", n);
        }
        tree.links("Cat", "Met 1", links);
        Program program;
        QVERIFY(program.windows.openStartScreen());
        program.confirm(0, 0);
        QCOMPARE(program.messages.shown,
                 QStringList{"A Test-set has not been prepared for this test!"});
        QVERIFY(!program.windows.examWindow());
        QVERIFY(program.start()->isVisible());
    }

    void aWholeTestRunTwice() {
        DataTree tree;
        thirtyQuestionTest(tree);
        Program program;
        QVERIFY(program.windows.openStartScreen());
        for (int run = 0; run < 2; ++run) {
            program.confirm(0, 0);
            ExamWindow* exam = program.windows.examWindow();
            QVERIFY(exam);
            QCOMPARE(child<QLabel>(exam, "Text2")->text(), QString("Mock"));
            QCOMPARE(child<QLabel>(exam, "Label5")->text(), QString("60"));
            for (int i = 0; i < 30; ++i) {
                QCOMPARE(
                    child<QLabel>(exam, qPrintable(QStringLiteral("Text7(%1)").arg(i)))->text(),
                    QString::number(i + 1));
            }
            QCOMPARE(program.state->elapsedMinutes, 0.0);
            QVERIFY(program.state->slotChosenLetter[0].empty());
            click(exam, "Label16");
            // Answer the first three by the box holding the correct answer, tag and untag one.
            for (int q = 0; q < 3; ++q) {
                const std::string shown = program.state->slotShownCorrectLetter[q];
                click(exam, qPrintable(QStringLiteral("Command%1").arg(shown[0] - 'a' + 1)));
                click(exam, "Label21");
            }
            click(exam, "Label22");
            click(exam, "Label17");
            TagsPendingDialog& tags = program.windows.tagsPendingDialog();
            QVERIFY(tags.isVisible());
            QTest::mouseClick(child(&tags, "OKButton"), Qt::LeftButton);
            QVERIFY(!tags.isVisible());
            for (int tick = 0; tick < 20; ++tick)
                exam->examClockTick();
            QCOMPARE(child<QLabel>(exam, "Label5")->text(), QString("57.5"));

            click(exam, "Label17");
            FinishConfirmDialog& confirm = program.windows.finishConfirmDialog();
            QVERIFY(confirm.isVisible());
            QVERIFY(confirm.message().startsWith("You Still have 57.5 minutes"));
            QTest::mouseClick(child(&confirm, "OKButton"), Qt::LeftButton);
            QVERIFY(!confirm.isVisible());
            QVERIFY(!exam->examClock().isActive());

            ResultsWindow* results = program.windows.resultsWindow();
            QVERIFY(results && results->isVisible());
            QCOMPARE(child<QLabel>(results, "Label9")->text(), QString("3"));
            QCOMPARE(child<QLabel>(results, "Label11")->text(), QString("30"));
            QCOMPARE(child<QLabel>(results, "Label12")->text(), QString("10"));
            QCOMPARE(child<QLabel>(results, "Label13")->text(), QString("Failed"));
            QCOMPARE(child<QLabel>(results, "Text3(27)")->text(), QString("Correct"));
            QCOMPARE(child<QLabel>(results, "Text3(30)")->text(), QString("No Attempt"));
            QVERIFY(child<QLabel>(results, "Text1(0)")->text().startsWith("Area "));
            click(results, "Command3");
            QCOMPARE(child<QLabel>(results, "Text2(2)")->text(), QString("30"));
            QVERIFY(child<QPushButton>(results, "Command4")->isVisible());
            click(results, "Command4");
            QCOMPARE(child<QLabel>(results, "Text2(0)")->text(), QString("1"));
            click(results, "Command2");

            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!program.windows.examWindow());
            QVERIFY(!program.windows.resultsWindow());
            QVERIFY(program.start() && program.start()->isVisible());
            QCOMPARE(child<QListWidget>(program.start(), "List1")->count(), 0);
            QCOMPARE(program.state->marksScored, int16_t(0));
            QVERIFY(program.state->slotOutcome[0].empty());
            QVERIFY(program.messages.shown.isEmpty());
        }
    }

    void theTimeRunsOutWhileTheConfirmationIsOpen() {
        DataTree tree;
        thirtyQuestionTest(tree);
        Program program;
        QVERIFY(program.windows.openStartScreen());
        program.confirm(0, 0);
        ExamWindow* exam = program.windows.examWindow();
        click(exam, "Label16");
        for (int tick = 0; tick < 460; ++tick)
            exam->examClockTick();
        QVERIFY(program.windows.timeWarningDialog().isVisible());
        click(exam, "Label17");
        QVERIFY(program.windows.finishConfirmDialog().isVisible());
        for (int tick = 0; tick < 20; ++tick)
            exam->examClockTick();
        QCOMPARE(program.state->timeUp, int16_t(1));
        QVERIFY(!program.windows.timeWarningDialog().isVisible());
        QTest::mouseClick(child(&program.windows.finishConfirmDialog(), "OKButton"),
                          Qt::LeftButton);
        QVERIFY(program.windows.resultsWindow()->isVisible());
        QCOMPARE(child<QLabel>(program.windows.resultsWindow(), "Label13")->text(),
                 QString("Failed"));

        // The next exam starts its clock from nothing and warns again.
        click(program.windows.resultsWindow(), "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program.confirm(0, 0);
        exam = program.windows.examWindow();
        click(exam, "Label16");
        QCOMPARE(program.state->elapsedMinutes, 0.0);
        QCOMPARE(program.state->timeWarningShown, int16_t(0));
        for (int tick = 0; tick < 440; ++tick)
            exam->examClockTick();
        QCOMPARE(program.state->timeWarningShown, int16_t(1));
        QVERIFY(program.windows.timeWarningDialog().isVisible());
    }

    void revertToTestChangesNothing() {
        DataTree tree;
        thirtyQuestionTest(tree);
        Program program;
        QVERIFY(program.windows.openStartScreen());
        program.confirm(0, 0);
        ExamWindow* exam = program.windows.examWindow();
        click(exam, "Label16");
        click(exam, "Command2");
        exam->examClockTick();
        const std::string chosen = program.state->slotChosenLetter[0];
        click(exam, "Label17");
        QTest::mouseClick(child(&program.windows.finishConfirmDialog(), "CancelButton"),
                          Qt::LeftButton);
        QVERIFY(!program.windows.finishConfirmDialog().isVisible());
        QVERIFY(!program.windows.resultsWindow());
        QVERIFY(exam->examClock().isActive());
        QCOMPARE(program.state->slotChosenLetter[0], chosen);
        QCOMPARE(program.state->elapsedMinutes, 0.125);
    }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
