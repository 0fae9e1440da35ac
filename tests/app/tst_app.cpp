#include "app/WindowRegistry.h"
#include "catalogue/Backdrop.h"
#include "catalogue/TestSelectionDialog.h"
#include "exam/ExamWindow.h"
#include "platform/RandomSource.h"
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
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
