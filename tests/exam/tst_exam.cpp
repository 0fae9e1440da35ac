#include "exam/TagsPendingDialog.h"
#include "platform/Errors.h"
#include "support/ExamFixture.h"

#include <QTest>

using namespace examtrainer;
using namespace examtrainer::testing;

class ExamTest : public QObject {
    Q_OBJECT
private slots:
    void theLoadPreparesTheWindow() {
        Exam exam(plain(20));
        QCOMPARE(exam.window->objectName(), QString("Form1"));
        QVERIFY(exam.window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(exam.window->size(), QSize(twipsToPixels(12000), twipsToPixels(9000)));
        QCOMPARE(exam.label("Text2"), QString("Radio Aids"));
        QCOMPARE(exam.label("Label5"), QString("40"));
        QCOMPARE(exam.label("Text3"),
                 QString("Start the test by clicking the flashing green start button. "));
        for (int i = 0; i < 96; ++i) {
            QCOMPARE(exam.grid(i)->isEnabled(), i < 20);
            QCOMPARE(exam.grid(i)->text(), i < 20 ? QString::number(i + 1) : QString());
        }
        QCOMPARE(exam.grid(7)->geometry(), twipsRect(480, 360 + 240 * 7, 375, 285));
        QCOMPARE(exam.grid(40)->geometry(), twipsRect(840, 360 + 240 * 8, 375, 285));
        QCOMPARE(exam.find("Label16")->geometry(), twipsRect(9360, 7440, 1095, 495));
        QCOMPARE(exam.find("Command3")->geometry(), twipsRect(8520, 5520, 615, 975));
        QVERIFY(exam.window->flashTimer().isActive());
        QCOMPARE(exam.window->flashTimer().interval(), 300);
        QVERIFY(!exam.window->examClock().isActive());
        QCOMPARE(exam.state->totalPoints, 20);
        QCOMPARE(exam.state->currentSlot, int16_t(0));
    }

    void beforeStartNothingIsShownAndEverythingIsRefused() {
        Exam exam(plain(3));
        QCOMPARE(exam.find<QTextEdit>("RichTextBox1")->toPlainText(), QString());
        QCOMPARE(exam.boxTexts(), QStringList({"", "", "", ""}));
        QCOMPARE(exam.label("Label4"), QString("1"));
        exam.click(exam.button('b'));
        exam.click("Label21");
        exam.click("Label20");
        exam.click("Label22");
        exam.click(exam.grid(2));
        QCOMPARE(exam.messages.shown, QStringList(5, "Please click 'Start' to proceed."));
        QVERIFY(exam.state->slotChosenLetter[0].empty());
        QCOMPARE(exam.state->currentSlot, int16_t(0));
        QCOMPARE(exam.state->slotTagState[0], int16_t(0));
        QCOMPARE(exam.grid(2)->text(), QString("3"));
        QCOMPARE(backgroundOf(exam.grid(2)), windowBackground());
        QCOMPARE(exam.host.restacks, 5);
    }

    void startShowsTheFirstQuestionAndRunsTheClock() {
        std::vector<Question> questions = plain(2);
        questions[0].points = "3";
        Exam exam(questions);
        exam.click("Label18");
        QCOMPARE(exam.find<QTextEdit>("RichTextBox1")->toPlainText(), QString("Question 1"));
        QCOMPARE(exam.boxTexts(), QStringList({"a 1", "b 1", "c 1", "d 1"}));
        QCOMPARE(backgroundOf(exam.grid(0)), kCyan);
        QCOMPARE(exam.label("Label4"), QString("1"));
        QCOMPARE(exam.label("Label8"), QString("3"));
        QCOMPARE(exam.label("Label5"), QString("8"));
        QVERIFY(exam.window->examClock().isActive());
        QCOMPARE(exam.window->examClock().interval(), 7500);
        QCOMPARE(exam.window->examClock().timerType(), Qt::PreciseTimer);

        exam.click("Label16");
        exam.click("Label18");
        QCOMPARE(exam.messages.shown, QStringList(2, "The exam has already started "));
    }

    void startControlsFlashUntilStart() {
        Exam exam(plain(1));
        const QColor design = bgrColor(0x0000C000);
        QCOMPARE(backgroundOf(exam.find("Label16")), design);
        exam.window->flashTick();
        QCOMPARE(backgroundOf(exam.find("Label16")), kGreen);
        QCOMPARE(backgroundOf(exam.find("Label18")), kGreen);
        exam.window->flashTick();
        QCOMPARE(backgroundOf(exam.find("Label18")), design);
        exam.window->flashTick();
        exam.click("Label16");
        exam.window->flashTick();
        QCOMPARE(backgroundOf(exam.find("Label16")), design);
        exam.window->flashTick();
        QCOMPARE(backgroundOf(exam.find("Label16")), design);
    }

    void correctAnswerPlacement_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("L c, K a") << "a"
                                  << "c" << QStringList{"c 1", "b 1", "a 1", "d 1"};
        QTest::newRow("L = K = b") << "b"
                                   << "b" << QStringList{"a 1", "b 1", "c 1", "d 1"};
        QTest::newRow("L d, K b") << "b"
                                  << "d" << QStringList{"a 1", "d 1", "c 1", "b 1"};
    }
    void correctAnswerPlacement() {
        QFETCH(QString, key);
        QFETCH(QString, shown);
        QFETCH(QStringList, boxes);
        Question q;
        q.key = key.toStdString();
        q.shown = shown.toLatin1()[0];
        Exam exam({q});
        exam.click("Label16");
        QCOMPARE(exam.boxTexts(), boxes);
        QCOMPARE(exam.state->slotShownCorrectLetter[0], shown.toStdString());
    }

    void aFaultyKeyLeavesItsBoxAsItWas() {
        Question capital;
        capital.key = "B";
        capital.shown = 'c';
        Exam exam({Question{}, capital});
        exam.click("Label16");
        exam.click("Label21");
        // No box matches the key: box c keeps question 1's answer, the others show their own.
        QCOMPARE(exam.boxTexts(), QStringList({"a 2", "b 2", "c 1", "d 2"}));
    }

    void threeAndFourAnswerLayouts() {
        Question three;
        three.threeAnswers = true;
        three.shown = 'c';
        Question noC;
        noC.noAnswerC = true;
        noC.threeAnswers = true;
        Exam exam({three, Question{}, noC});
        exam.click("Label16");
        QVERIFY(!exam.box('d')->isVisible());
        QVERIFY(!exam.button('d')->isVisible());
        QCOMPARE(exam.box('a')->geometry(), twipsRect(1920, 3600, 6615, 1335));
        QCOMPARE(exam.box('b')->geometry(), twipsRect(1920, 4900, 6615, 1300));
        QCOMPARE(exam.box('c')->geometry(), twipsRect(1920, 6200, 6615, 1300));
        QCOMPARE(exam.button('a')->geometry(), twipsRect(8520, 3600, 615, 1300));
        QCOMPARE(exam.button('c')->geometry(), twipsRect(8520, 6200, 615, 1300));
        QVERIFY(exam.button('c')->isEnabled());

        exam.click("Label21");
        QVERIFY(exam.box('d')->isVisible());
        QVERIFY(exam.button('d')->isVisible());
        for (char c : {'a', 'b', 'c', 'd'}) {
            const int top = 3600 + 960 * (c - 'a');
            QCOMPARE(exam.box(c)->geometry(), twipsRect(1920, top, 6615, 975));
            QCOMPARE(exam.button(c)->geometry(), twipsRect(8520, top, 615, 975));
        }

        exam.click("Label21");
        QVERIFY(!exam.button('c')->isEnabled());
    }

    void answeringWithdrawingAndReanswering() {
        Exam exam(plain(2));
        exam.click("Label16");
        exam.click(exam.button('b'));
        QCOMPARE(exam.state->slotChosenLetter[0], std::string("b"));
        QCOMPARE(backgroundOf(exam.box('b')), kGreen);
        QCOMPARE(textColourOf(exam.box('b')), kBlue);
        for (char c : {'a', 'c', 'd'}) {
            QCOMPARE(backgroundOf(exam.box(c)), kWhite);
            QCOMPARE(textColourOf(exam.box(c)), buttonText());
        }
        // The box of the question on show turns green at once.
        QCOMPARE(backgroundOf(exam.grid(0)), kGreen);

        exam.click(exam.button('d'));
        QVERIFY(exam.state->slotChosenLetter[0].empty());
        QCOMPARE(backgroundOf(exam.box('b')), kWhite);
        QCOMPARE(backgroundOf(exam.grid(0)), windowBackground());

        exam.click(exam.button('d'));
        QCOMPARE(exam.state->slotChosenLetter[0], std::string("d"));
        QCOMPARE(backgroundOf(exam.box('d')), kGreen);
        QVERIFY(exam.messages.shown.isEmpty());
    }

    void movingRecoloursTheGrid() {
        Exam exam(plain(20));
        exam.click("Label16");
        exam.click(exam.button('a'));
        exam.click("Label21");
        QCOMPARE(backgroundOf(exam.grid(0)), kGreen);
        QCOMPARE(backgroundOf(exam.grid(1)), kCyan);
        QCOMPARE(exam.label("Label4"), QString("2"));
        exam.click(exam.grid(5));
        QCOMPARE(backgroundOf(exam.grid(1)), windowBackground());
        QCOMPARE(backgroundOf(exam.grid(5)), kCyan);
        QCOMPARE(exam.find<QTextEdit>("RichTextBox1")->toPlainText(), QString("Question 6"));
        exam.click(exam.grid(0));
        QCOMPARE(backgroundOf(exam.grid(0)), kCyan);
        QCOMPARE(backgroundOf(exam.box('a')), kGreen);
        exam.click("Label20");
        QCOMPARE(exam.state->currentSlot, int16_t(0));

        exam.click(exam.grid(19));
        exam.click("Label21");
        QCOMPARE(exam.state->currentSlot, int16_t(19));
        exam.click(exam.grid(0));
        exam.click("Label20");
        QCOMPARE(exam.state->currentSlot, int16_t(0));
        QVERIFY(exam.messages.shown.isEmpty());
        // A disabled box takes no click.
        exam.click(exam.grid(20));
        QCOMPARE(exam.state->currentSlot, int16_t(0));
    }

    void tags() {
        Exam exam(plain(12));
        exam.click("Label16");
        exam.click(exam.grid(11));
        exam.click("Label22");
        QCOMPARE(exam.grid(11)->text(), QString("12*"));
        QCOMPARE(textColourOf(exam.grid(11)), bgrColor(0x000000C0));
        QVERIFY(exam.grid(11)->font().bold());
        QCOMPARE(exam.state->slotTagState[11], int16_t(9));
        QCOMPARE(backgroundOf(exam.grid(11)), kCyan);
        exam.click("Label22");
        QCOMPARE(exam.grid(11)->text(), QString("12"));
        QCOMPARE(textColourOf(exam.grid(11)), QColor(Qt::black));
        QVERIFY(!exam.grid(11)->font().bold());
        QCOMPARE(exam.state->slotTagState[11], int16_t(8));

        // Recording an answer clears the tag; taking the answer back does not restore it.
        exam.click("Label22");
        exam.click(exam.button('c'));
        QCOMPARE(exam.grid(11)->text(), QString("12"));
        QCOMPARE(exam.state->slotTagState[11], int16_t(8));
        exam.click("Label22");
        exam.click(exam.button('c'));
        QCOMPARE(exam.grid(11)->text(), QString("12*"));
    }

    void tagsPendingDialog() {
        Exam exam(plain(10));
        exam.click("Label16");
        for (int slot : {3, 7}) {
            exam.click(exam.grid(slot));
            exam.click("Label22");
        }
        TagsPendingDialog dialog;
        QObject::connect(&dialog, &TagsPendingDialog::cancelAllTags, exam.window.get(),
                         &ExamWindow::cancelAllTags);
        QCOMPARE(dialog.objectName(), QString("Dialog2"));
        QCOMPARE(dialog.windowTitle(), QString("Dialog Caption"));
        QCOMPARE(dialog.size(), QSize(twipsToPixels(3960), twipsToPixels(2595)));
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(exam.grid(3)->text(), QString("4*"));
        QCOMPARE(exam.state->slotTagState[7], int16_t(9));

        dialog.show();
        auto* cancelTags = dialog.findChild<QPushButton*>("OKButton");
        QCOMPARE(cancelTags->text(), QString("Cancel all Tags"));
        QTest::mouseClick(cancelTags, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(exam.grid(3)->text(), QString("4"));
        QCOMPARE(exam.grid(7)->text(), QString("8"));
        QCOMPARE(exam.state->slotTagState[3], int16_t(8));
    }

    void questionsPastTheNumberedGrid() {
        Exam exam(plain(101));
        for (int i : {75, 95})
            QCOMPARE(exam.grid(i)->text(), QString::number(i + 1));
        exam.click("Label16");
        exam.click(exam.grid(80));
        exam.click("Label22");
        QCOMPARE(exam.grid(80)->text(), QString("81*"));
        exam.click(exam.grid(95));
        for (int i = 0; i < 5; ++i)
            exam.click("Label21");
        QCOMPARE(exam.state->currentSlot, int16_t(100));
        QCOMPARE(exam.label("Label4"), QString("101"));
        exam.click("Label22");
        QCOMPARE(exam.state->slotTagState[100], int16_t(9));
        exam.click(exam.button('a'));
        QCOMPARE(exam.state->slotTagState[100], int16_t(8));
        exam.click("Label21");
        QCOMPARE(exam.state->currentSlot, int16_t(100));
        exam.click("Label22");
        exam.window->cancelAllTags();
        QCOMPARE(exam.state->slotTagState[100], int16_t(8));
        QCOMPARE(exam.grid(80)->text(), QString("81"));
    }

    void screenMeasure_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("12000") << 12000 << true;
        QTest::newRow("11999") << 11999 << false;
        QTest::newRow("12001") << 12001 << false;
    }
    void screenMeasure() {
        QFETCH(int, twips);
        QFETCH(bool, maximised);
        Exam exam(plain(1), twips);
        QCOMPARE(exam.state->screenWidthTwips, twips);
        QCOMPARE(bool(exam.window->windowState() & Qt::WindowMaximized), maximised);
    }

    void aMissingTextFailsTheLoad() {
        DataTree tree;
        tree.texts("B", 1, "Q", {"a", "b", "c", "d"}, "a");
        tree.remove("QuestionSet\\B\\Ansc\\Answerc0.txt");
        RecordingMessages messages;
        RecordingHost host;
        FixedScreen screen;
        ScriptedRandom random({0.1});
        auto state = std::make_unique<ExamState>();
        state->slotLevel[0] = "Low";
        state->slotPoints[0] = "1";
        state->slotBank[0] = "B";
        state->slotQuestionNumber[0] = 1;
        ExamWindow window(*state, HostServices{&messages, &random, &screen}, host);
        QVERIFY_THROWS_EXCEPTION(DataError, window.load("T"));
        QVERIFY(!window.flashTimer().isActive());
    }

    void clicksOnTheWindowRestack() {
        Exam exam(plain(1));
        const int before = exam.host.restacks;
        exam.click("Label3");
        exam.click("Label11");
        QTest::mouseClick(exam.find<QTextEdit>("RichTextBox1")->viewport(), Qt::LeftButton);
        QTest::mouseClick(exam.window.get(), Qt::LeftButton, {}, QPoint(2, 300));
        QCOMPARE(exam.host.restacks, before + 4);
        QVERIFY(exam.messages.shown.isEmpty());
    }
};

QTEST_MAIN(ExamTest)
#include "tst_exam.moc"
