#include "catalogue/Backdrop.h"
#include "catalogue/CatalogueFiles.h"
#include "catalogue/LevelTable.h"
#include "catalogue/TestSelectionDialog.h"
#include "platform/Errors.h"
#include "platform/Twips.h"
#include "support/DataTree.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedRandom.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

using namespace examtrainer;
using examtrainer::testing::DataTree;
using examtrainer::testing::RecordingMessages;

namespace {

std::string manyNames(int count) {
    std::string names;
    for (int i = 1; i <= count; ++i)
        names += "Name " + std::to_string(i) + "\r\n";
    return names;
}

// A start screen on a data tree, with everything it reports recorded.
struct StartScreen {
    RecordingMessages messages;
    testing::ScriptedRandom random;
    std::unique_ptr<ExamState> state = std::make_unique<ExamState>();
    Backdrop backdrop;
    std::vector<std::string> generated;
    std::function<void(const std::string&)> generate = [this](const std::string& test) {
        generated.push_back(test);
    };
    TestSelectionDialog dialog{*state, HostServices{&messages, &random, nullptr}, backdrop,
                               [this](const std::string& test) { generate(test); }};

    QComboBox* combo() { return dialog.findChild<QComboBox*>("Combo1"); }
    QListWidget* list() { return dialog.findChild<QListWidget*>("List1"); }
    QPushButton* ok() { return dialog.findChild<QPushButton*>("OKButton"); }
    QPushButton* end() { return dialog.findChild<QPushButton*>("CancelButton"); }

    bool open() {
        const bool loaded = dialog.load();
        dialog.show();
        return loaded;
    }
    void pickCategory(int index) {
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    void clickTest(int row) {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
    void doubleClickTest(int row) {
        // A real double click is a click followed by the double-click event.
        QListWidget* l = list();
        const QPoint centre = l->visualItemRect(l->item(row)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, centre);
    }
    QStringList listedTests() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
};

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void paths() {
        QCOMPARE(testSettingsPath("Radio", "Nav 1"),
                 std::string("C:\\Com\\TestSets\\Radio\\Nav 1Set\\TestData.txt"));
        QCOMPARE(testListPath("Radio"), std::string("C:\\Com\\TestSets\\Categories\\Radio.txt"));
    }

    void levelTable_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<bool>("known");
        QTest::newRow("1") << "1" << 60 << true;
        QTest::newRow("2") << "2" << 90 << true;
        QTest::newRow("3") << "3" << 120 << true;
        QTest::newRow("4") << "4" << 30 << true;
        QTest::newRow("5") << "5" << 150 << true;
        QTest::newRow("6") << "6" << 40 << true;
        QTest::newRow("7") << "7" << 40 << false;
        QTest::newRow("empty") << "" << 40 << false;
        QTest::newRow("leading zero") << "06" << 40 << false;
        QTest::newRow("leading blank") << " 1" << 40 << false;
    }
    void levelTable() {
        QFETCH(QString, code);
        QFETCH(int, minutes);
        QFETCH(bool, known);
        QCOMPARE(int(allottedMinutesForConfirm(code.toStdString())), minutes);
        QCOMPARE(allottedMinutesOfLevel(code.toStdString()).has_value(), known);
    }

    void nameLists_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("listedBeforeEmpty");
        QTest::newRow("201 names") << QByteArray::fromStdString(manyNames(201)) << true << 201;
        QTest::newRow("202 names") << QByteArray::fromStdString(manyNames(202)) << false << 0;
        QTest::newRow("empty name in the middle") << QByteArray("A\r\n\r\nB\r\n") << true << 1;
        QTest::newRow("several on a line") << QByteArray("A,B,\"C, D\"\r\n") << true << 3;
        QTest::newRow("unterminated quote") << QByteArray("A\r\n\"B\r\n") << false << 0;
        QTest::newRow("stray bytes") << QByteArray("A\x01\xFF\r\nB", 7) << true << 2;
        QTest::newRow("a megabyte line") << QByteArray(1 << 20, 'x') + "\r\nB" << true << 2;
    }
    void nameLists() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        QFETCH(int, listedBeforeEmpty);
        DataTree tree;
        tree.write("TestSets\\Categories\\Primary.txt", file.toStdString());
        tree.write("TestSets\\Categories\\Cat.txt", file.toStdString());
        auto state = std::make_unique<ExamState>();
        if (!readable) {
            QVERIFY_THROWS_EXCEPTION(DataError, readCategoryList(*state));
            QVERIFY_THROWS_EXCEPTION(DataError, readTestList(*state, "Cat"));
            return;
        }
        readCategoryList(*state);
        readTestList(*state, "Cat");
        int listed = 0;
        while (listed < 201 && !state->categoryNames[listed].empty())
            ++listed;
        QCOMPARE(listed, listedBeforeEmpty);
        QCOMPARE(state->testNames, state->categoryNames);
    }

    void settingsFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::newRow("six fields") << QByteArray("PPL,30,40,30,2,75\r\n") << true;
        QTest::newRow("one per line") << QByteArray("PPL\r\n30\r\n40\r\n30\r\n2\r\n75\r\n") << true;
        QTest::newRow("cut short") << QByteArray("PPL,30,40,30,2") << false;
        QTest::newRow("pass mark not a number") << QByteArray("PPL,30,40,30,2,high\r\n") << false;
        QTest::newRow("pass mark too large") << QByteArray("PPL,30,40,30,2,40000\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }
    void settingsFile() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        DataTree tree;
        tree.write("TestSets\\Radio\\Nav 1Set\\TestData.txt", file.toStdString());
        if (!readable) {
            QVERIFY_THROWS_EXCEPTION(DataError, readTestSettings("Radio", "Nav 1"));
            return;
        }
        const TestSettings settings = readTestSettings("Radio", "Nav 1");
        QCOMPARE(settings.highPercent, std::string("30"));
        QCOMPARE(settings.mediumPercent, std::string("40"));
        QCOMPARE(settings.lowPercent, std::string("30"));
        QCOMPARE(settings.levelCode, std::string("2"));
        QCOMPARE(settings.passMarkPercent, int16_t(75));
    }

    void startScreenLayout() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        QCOMPARE(screen.dialog.objectName(), QString("Dialog"));
        QCOMPARE(screen.dialog.windowTitle(), QString("Test Selection"));
        QVERIFY(screen.dialog.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(screen.dialog.size(), QSize(twipsToPixels(5610), twipsToPixels(8535)));
        QCOMPARE(backgroundOf(&screen.dialog), bgrColor(0x00FFC0C0));
        const QRect screenRect = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(qAbs(screen.dialog.geometry().center().x() - screenRect.center().x()) <= 1);
        QCOMPARE(screen.combo()->geometry(), twipsRect(840, 5040, 3975, 360));
        QCOMPARE(screen.list()->geometry(), twipsRect(840, 5520, 3975, 2190));
        QCOMPARE(screen.end()->geometry(), twipsRect(840, 7920, 1095, 375));
        QCOMPARE(screen.ok()->geometry(), twipsRect(3000, 7920, 1815, 375));
        QCOMPARE(screen.combo()->placeholderText(), QString("Select a Category"));
        QCOMPARE(screen.end()->text(), QString("End"));
        QCOMPARE(screen.ok()->text(), QString("OK"));

        QVERIFY(screen.backdrop.isVisible());
        QCOMPARE(screen.backdrop.geometry(), screenRect);
        QCOMPARE(backgroundOf(&screen.backdrop), bgrColor(0x00FF0000));
    }

    void categoriesAndTests() {
        DataTree tree;
        tree.write("TestSets\\Categories\\Primary.txt", "Radio\r\nMet\r\n");
        tree.write("TestSets\\Categories\\Radio.txt", "Nav 1\r\nNav 2\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        QCOMPARE(screen.combo()->count(), 2);
        QCOMPARE(screen.combo()->itemText(1), QString("Met"));
        QCOMPARE(screen.combo()->currentIndex(), -1);
        QVERIFY(screen.list()->count() == 0);

        screen.pickCategory(0);
        QCOMPARE(screen.listedTests(), QStringList({"Nav 1", "Nav 2"}));
        QVERIFY(screen.messages.shown.isEmpty());

        // Met has no test list: the candidate is told, and the list keeps what it showed.
        screen.pickCategory(1);
        QCOMPARE(screen.messages.shown, QStringList{"There are no Tests entered for this Phase."});
        QCOMPARE(screen.listedTests(), QStringList({"Nav 1", "Nav 2"}));
    }

    void selectPrimaryAreaChangesNothing() {
        DataTree tree;
        tree.write("TestSets\\Categories\\Primary.txt", "Radio\r\nSelect primary area\r\n");
        tree.write("TestSets\\Categories\\Radio.txt", "Nav 1\r\n");
        tree.write("TestSets\\Categories\\Select primary area.txt", "Other\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        screen.pickCategory(1);
        QCOMPARE(screen.listedTests(), QStringList{"Nav 1"});
        QVERIFY(screen.messages.shown.isEmpty());
    }

    void okWithoutATest() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        screen.pickCategory(0);
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        QCOMPARE(screen.messages.shown, QStringList({"Click a test before clicking OK.",
                                                     "Click a test before clicking OK."}));
        QVERIFY(screen.generated.empty());
    }

    void okReadsTheSettingsAndDrawsTheTest() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\nNav 2\r\n", "NAV,25,45,30,1,70\r\n");
        StartScreen screen;
        screen.state->allottedMinutes = 7;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        screen.clickTest(1);
        QCOMPARE(screen.dialog.selectedTestName(), std::string("Nav 2"));
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        QVERIFY(screen.messages.shown.isEmpty());
        QCOMPARE(screen.generated, std::vector<std::string>{"Nav 2"});
        QCOMPARE(screen.state->categoryName, std::string("Radio"));
        QCOMPARE(screen.state->highPercent, std::string("25"));
        QCOMPARE(screen.state->mediumPercent, std::string("45"));
        QCOMPARE(screen.state->lowPercent, std::string("30"));
        QCOMPARE(screen.state->levelCode, std::string("1"));
        QCOMPARE(screen.state->allottedMinutes, int16_t(60));
        QCOMPARE(screen.state->passMarkPercent, int16_t(70));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void doubleClickConfirms() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n", "NAV,25,45,30,9,70\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        screen.doubleClickTest(0);
        QCOMPARE(screen.generated, std::vector<std::string>{"Nav 1"});
        QCOMPARE(screen.state->allottedMinutes, int16_t(40));
    }

    void missingSettingsAreReportedOnceAndTheScreenStays() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        tree.remove("TestSets\\Radio\\Nav 1Set\\TestData.txt");
        StartScreen screen;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        screen.clickTest(0);
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        QCOMPARE(screen.messages.shown,
                 QStringList{"A Test-set has not been prepared for this test!"});
        QVERIFY(screen.generated.empty());
        QVERIFY(screen.dialog.isVisible());
        QCOMPARE(screen.messages.endRequests, 0);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void generationFailuresComeBackToTheStartScreen() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        screen.clickTest(0);
        screen.generate = [](const std::string&) { throw DataError("no links"); };
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        QCOMPARE(screen.messages.shown,
                 QStringList{"A Test-set has not been prepared for this test!"});
        QCOMPARE(screen.messages.endRequests, 0);

        screen.messages.shown.clear();
        screen.generate = [](const std::string&) { throw QuestionShortage("Too few."); };
        QTest::mouseClick(screen.ok(), Qt::LeftButton);
        QCOMPARE(screen.messages.shown, QStringList{"Too few."});
        QCOMPARE(screen.messages.endRequests, 1);
    }

    void endEndsAtOnce() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        screen.pickCategory(0);
        QTest::mouseClick(screen.end(), Qt::LeftButton);
        QCOMPARE(screen.messages.endRequests, 1);
        QVERIFY(screen.messages.shown.isEmpty());
    }

    void missingCatalogueEndsTheProgram() {
        DataTree tree;
        StartScreen screen;
        QVERIFY(!screen.open());
        QCOMPARE(screen.messages.shown.size(), 1);
        QVERIFY(screen.messages.shown.first().contains("Primary.txt"));
        QVERIFY(screen.messages.shown.first().contains(tree.root()));
        QCOMPARE(screen.messages.endRequests, 1);
    }

    void backdropClickSendsItBehind() {
        DataTree tree;
        tree.catalogue("Radio", "Nav 1\r\n");
        StartScreen screen;
        QVERIFY(screen.open());
        QTest::mouseClick(&screen.backdrop, Qt::LeftButton);
        QVERIFY(screen.backdrop.isVisible());
        QVERIFY(screen.messages.shown.isEmpty());
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
