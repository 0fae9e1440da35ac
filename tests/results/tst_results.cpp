#include "results/ExamClock.h"
#include "results/FinishConfirmDialog.h"
#include "results/Grading.h"
#include "results/ResultsWindow.h"
#include "results/TimeWarningDialog.h"
#include "support/ExamFixture.h"

#include <QTest>
#include <memory>

using namespace examtrainer;
using namespace examtrainer::testing;

namespace {

// A test of the given number of questions worth points each; Start is clicked.
std::unique_ptr<Exam> startedExam(int questions, const std::string& points) {
    std::vector<Question> list(static_cast<std::size_t>(questions));
    for (Question& q : list)
        q.points = points;
    auto exam = std::make_unique<Exam>(list);
    exam->click("Label16");
    return exam;
}

class RecordingResultsHost : public ResultsWindowHost {
public:
    void printResultReport() override { ++prints; }
    void endTestRun() override { ++ends; }
    void openQuestionReview(int row) override { reviews << row; }
    void bringReviewToFront() override {}
    int prints = 0;
    int ends = 0;
    QList<int> reviews;
};

// A graded exam shown on a results window: slot i holds question i + 1 of bank B worth one
// point, answered by the letters given ("" unanswered), its correct answer shown at "a".
struct Results {
    DataTree tree;
    RecordingMessages messages;
    FixedScreen screen;
    ScriptedRandom random;
    RecordingResultsHost host;
    std::unique_ptr<ExamState> state = std::make_unique<ExamState>();
    std::unique_ptr<ResultsWindow> window;

    explicit Results(const QStringList& answers, int passMark = 75,
                     const std::string& points = "1") {
        for (int i = 0; i < answers.size(); ++i) {
            state->slotLevel[i] = "Low";
            state->slotPoints[i] = points;
            state->slotBank[i] = "B";
            state->slotQuestionNumber[i] = static_cast<int16_t>(i + 1);
            state->slotShownCorrectLetter[i] = "a";
            state->slotChosenLetter[i] = answers[i].toStdString();
        }
        state->totalPoints = static_cast<int32_t>(answers.size() * std::stoi(points));
        state->passMarkPercent = static_cast<int16_t>(passMark);
        window = std::make_unique<ResultsWindow>(*state, HostServices{&messages, &random, &screen},
                                                 host);
    }
    QLabel* find(const QString& name) {
        QLabel* label = window->findChild<QLabel*>(name);
        if (!label)
            qFatal("no control %s", qPrintable(name));
        return label;
    }
    QString text(const QString& name) { return find(name)->text(); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QString bottomLine() {
        return QStringList{text("Label9"),  text("Label10"), text("Label11"),
                           text("Label12"), text("Label14"), text("Label13")}
            .join(' ');
    }
    // Number, area, topic, result and bank number of row r.
    QString row(int r) {
        return QStringList{
            text(QStringLiteral("Text2(%1)").arg(r)), text(QStringLiteral("Text1(%1)").arg(r)),
            text(QStringLiteral("Text3(%1)").arg(r)), text(QStringLiteral("Text3(%1)").arg(27 + r)),
            text(QStringLiteral("Text3(%1)").arg(54 + r))}
            .join('|');
    }
    QString paging() {
        return QString("%1 %2 next:%3 first:%4")
            .arg(state->resultsPage)
            .arg(state->resultsThirdPageNext)
            .arg(button("Command3")->isVisible())
            .arg(button("Command4")->isVisible());
    }
};

QStringList answers(int correct, int wrong, int unanswered) {
    return QStringList(correct, "a") + QStringList(wrong, "b") + QStringList(unanswered, "");
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    // The exam clock.

    void aFortyEightPointClock() {
        auto exam = startedExam(24, "2");
        QCOMPARE(exam->label("Label5"), QString("96"));
        QStringList readings;
        for (int tick = 1; tick <= 8; ++tick) {
            exam->window->examClockTick();
            readings << exam->label("Label5");
        }
        QCOMPARE(readings,
                 QStringList({"95.9", "95.8", "95.6", "95.5", "95.4", "95.2", "95.1", "95"}));
        for (int tick = 9; tick <= 727; ++tick)
            exam->window->examClockTick();
        QCOMPARE(exam->host.timeWarnings, 0);
        exam->window->examClockTick();
        QCOMPARE(exam->label("Label5"), QString("5"));
        QCOMPARE(exam->host.timeWarnings, 1);
        for (int tick = 729; tick <= 767; ++tick)
            exam->window->examClockTick();
        QCOMPARE(exam->host.timeWarnings, 1);
        QCOMPARE(exam->state->timeUp, int16_t(0));
        QVERIFY(exam->messages.shown.isEmpty());
        const double progress = exam->window->progressValue();

        exam->window->examClockTick();
        QCOMPARE(exam->state->timeUp, int16_t(1));
        QCOMPARE(exam->label("Label5"), QString("0"));
        QCOMPARE(exam->host.timeWarningHides, 1);
        QCOMPARE(
            exam->messages.shown,
            QStringList{"Your alotted time is ended, please press 'Finish' to see your result"});
        QCOMPARE(exam->window->progressValue(), progress);
        QVERIFY(exam->window->examClock().isActive());
    }

    void aOnePointClock() {
        auto exam = startedExam(1, "1");
        exam->window->examClockTick();
        QCOMPARE(exam->window->progressValue(), 6.25);
        QCOMPARE(exam->host.timeWarnings, 1);
        for (int tick = 2; tick <= 15; ++tick)
            exam->window->examClockTick();
        QCOMPARE(exam->window->progressValue(), 93.75);
        exam->window->examClockTick();
        QCOMPARE(exam->state->timeUp, int16_t(1));
        QCOMPARE(exam->window->progressValue(), 93.75);
    }

    void timeOutLocksTheExamButNotFinish() {
        auto exam = startedExam(3, "1");
        for (int tick = 1; tick <= 48; ++tick)
            exam->window->examClockTick();
        QCOMPARE(exam->state->timeUp, int16_t(1));
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Label20",
                                 "Label21", "Label22", "Label16", "Label18"})
            QVERIFY2(!exam->find(name)->isEnabled(), name);
        for (int i = 0; i < 96; ++i)
            QVERIFY(!exam->grid(i)->isEnabled());
        for (const char* name : {"Label17", "Label19", "Picture9", "Combo1"})
            QVERIFY2(exam->find(name)->isEnabled(), name);
        exam->messages.shown.clear();
        exam->click(exam->button('a'));
        exam->click("Label21");
        exam->click(exam->grid(1));
        QVERIFY(exam->messages.shown.isEmpty());
        QVERIFY(exam->state->slotChosenLetter[0].empty());

        exam->click("Label17");
        QCOMPARE(exam->host.grades, 1);
        QVERIFY(!exam->window->examClock().isActive());
    }

    void theTimeOutNoticeComesBackWithoutStacking() {
        auto exam = startedExam(1, "1");
        for (int tick = 1; tick <= 15; ++tick)
            exam->window->examClockTick();
        // Three ticks arrive while the notice is open; none opens another.
        int nested = 0;
        exam->messages.whileOpen = [&] {
            if (nested++ < 3)
                exam->window->examClockTick();
        };
        exam->window->examClockTick();
        QCOMPARE(exam->messages.shown.size(), 1);
        exam->messages.whileOpen = nullptr;
        exam->window->examClockTick();
        exam->window->examClockTick();
        QCOMPARE(exam->messages.shown.size(), 3);
    }

    void aTestWorthNothingIsTimedOutAtStart() {
        auto exam = startedExam(2, "0");
        QCOMPARE(exam->state->timeUp, int16_t(1));
        QCOMPARE(exam->label("Label5"), QString("0"));
        QCOMPARE(exam->messages.shown.size(), 1);
        QVERIFY(std::isfinite(exam->state->elapsedMinutes));
    }

    void clockArithmetic() {
        QCOMPARE(clockIncrement(48), 0.125);
        QCOMPARE(clockIncrement(1), 0.125);
        QCOMPARE(clockIncrement(0), 0.0);
        QCOMPARE(remainingMinutesText(48, 0.25), std::string("95.8"));
        QCOMPARE(remainingMinutesText(48, 0.75), std::string("95.2"));
        QCOMPARE(remainingMinutesText(24, 5.5), std::string("42.5"));
        QCOMPARE(remainingMinutesText(24, 8), std::string("40"));
    }

    // Finishing.

    void finish_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("tagged");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("before Start")
            << 0 << false << false << " Click Start and answer questions before clicking Finish.";
        QTest::newRow("with a tag") << 0 << true << true << "tags";
        QTest::newRow("with a tag after time-out") << 400 << true << true << "tags";
        QTest::newRow("42.5 minutes left")
            << 44 << true << false
            << "You Still have 42.5 minutes of your alotted time to go. To continue with the test, "
               "click 'Revert to Test', to proceed to the result, click 'Get Result'. ";
        QTest::newRow("40 minutes left")
            << 64 << true << false
            << "You Still have 40 minutes of your alotted time to go. To continue with the test, "
               "click 'Revert to Test', to proceed to the result, click 'Get Result'. ";
        QTest::newRow("after time-out") << 384 << true << false << "graded";
    }
    void finish() {
        QFETCH(int, ticks);
        QFETCH(bool, started);
        QFETCH(bool, tagged);
        QFETCH(QString, outcome);
        Exam exam(std::vector<Question>(12, Question{"a", 'a', false, false, "2"}));
        if (started)
            exam.click("Label16");
        if (tagged) {
            exam.click(exam.grid(5));
            exam.click("Label22");
        }
        for (int tick = 0; tick < ticks; ++tick)
            exam.window->examClockTick();
        exam.messages.shown.clear();
        exam.click("Label19");
        if (outcome == "tags") {
            QCOMPARE(exam.host.tagsPending,
                     QStringList{"There is one or more 'tagged' questions still in the list. To "
                                 "continue with the test, click 'Revert to Test'. To remove all "
                                 "tags, click 'Cancel all Tags'."});
            QCOMPARE(exam.host.grades, 0);
            exam.window->cancelAllTags();
            exam.click("Picture9");
            QCOMPARE(exam.host.tagsPending.size(), 1);
        } else if (outcome == "graded") {
            QCOMPARE(exam.host.grades, 1);
            QVERIFY(exam.host.confirmations.isEmpty());
            QVERIFY(!exam.window->examClock().isActive());
        } else if (outcome.startsWith("You Still")) {
            QCOMPARE(exam.host.confirmations, QStringList{outcome});
            QCOMPARE(exam.host.grades, 0);
            QVERIFY(exam.window->examClock().isActive());
        } else {
            QCOMPARE(exam.messages.shown, QStringList{outcome});
            QCOMPARE(exam.host.grades, 0);
        }
    }

    void finishDialogs() {
        FinishConfirmDialog confirm;
        QCOMPARE(confirm.objectName(), QString("Dialog1"));
        QCOMPARE(confirm.size(), QSize(twipsToPixels(3720), twipsToPixels(2505)));
        QVERIFY(confirm.windowFlags() & Qt::FramelessWindowHint);
        int results = 0;
        QObject::connect(&confirm, &FinishConfirmDialog::getResult, [&] { ++results; });
        confirm.show();
        QTest::mouseClick(confirm.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        QVERIFY(!confirm.isVisible());
        QCOMPARE(results, 0);
        QTest::mouseClick(confirm.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        QCOMPARE(results, 1);

        TimeWarningDialog warning;
        QCOMPARE(warning.geometry(), twipsRect(2715, 3360, 3405, 1590));
        QCOMPARE(warning.findChild<QLabel*>("Label1")->text(),
                 QString("You have 5 minutes of your allotted time left!"));
        warning.show();
        QTest::mouseClick(warning.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!warning.isVisible());
    }

    // Grading.

    void outcomes() {
        auto s = std::make_unique<ExamState>();
        const char* chosen[] = {"b", "", "a", ""};
        const char* shown[] = {"b", "c", "c", ""};
        for (int i = 0; i < 4; ++i) {
            s->slotBank[i] = "B";
            s->slotChosenLetter[i] = chosen[i];
            s->slotShownCorrectLetter[i] = shown[i];
        }
        gradeAnswers(*s);
        QCOMPARE(s->slotOutcome[0], std::string("Correct"));
        QCOMPARE(s->slotOutcome[1], std::string("No Attempt"));
        QCOMPARE(s->slotOutcome[2], std::string("Wrong"));
        // Unanswered is never correct, even with no shown letter to compare with.
        QCOMPARE(s->slotOutcome[3], std::string("No Attempt"));
        QVERIFY(s->slotOutcome[4].empty());
        QCOMPARE(s->gradedQuestionCount, int16_t(4));
        QCOMPARE(s->gradedChosenAnswer[0], std::string("b"));
        QCOMPARE(s->gradedCorrectLetter[2], std::string("c"));
    }

    void marksAndVerdict_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("passMark");
        QTest::addColumn<QString>("line");
        QTest::newRow("38 of 50") << 38 << 50 << 75 << "38 Marks out of a posible 50 76 % Passed";
        QTest::newRow("37 of 50") << 37 << 50 << 75 << "37 Marks out of a posible 50 74 % Failed";
        QTest::newRow("32 of 43") << 32 << 43 << 75 << "32 Marks out of a posible 43 74 % Passed";
        QTest::newRow("29 of 100")
            << 29 << 100 << 29 << "29 Marks out of a posible 100 29 % Passed";
        QTest::newRow("29 of 100 at 30")
            << 29 << 100 << 30 << "29 Marks out of a posible 100 29 % Failed";
        QTest::newRow("no answers") << 0 << 20 << 75 << "0 Marks out of a posible 20 0 % Failed";
        QTest::newRow("no answers, pass mark 0")
            << 0 << 20 << 0 << "0 Marks out of a posible 20 0 % Passed";
    }
    void marksAndVerdict() {
        QFETCH(int, correct);
        QFETCH(int, questions);
        QFETCH(int, passMark);
        QFETCH(QString, line);
        Results results(answers(correct, (questions - correct) / 2, (questions - correct + 1) / 2),
                        passMark);
        results.window->gradeExam();
        QCOMPARE(results.bottomLine(), line);
        QVERIFY(results.window->isVisible());
        QCOMPARE(results.button("Command3")->isVisible(), questions > 27);
    }

    void pointsCountWhole() {
        Results results(answers(3, 1, 0), 75, "2");
        results.window->gradeExam();
        QCOMPARE(results.bottomLine(), QString("6 Marks out of a posible 8 75 % Passed"));
    }

    void nextPageFrom28Questions() {
        Results twentySeven(answers(27, 0, 0));
        twentySeven.window->gradeExam();
        QVERIFY(!twentySeven.button("Command3")->isVisible());
        Results twentyEight(answers(28, 0, 0));
        twentyEight.window->gradeExam();
        QVERIFY(twentyEight.button("Command3")->isVisible());
        QVERIFY(!twentyEight.button("Command4")->isVisible());
        QVERIFY(twentyEight.button("Command2")->isVisible());
        QVERIFY(twentyEight.button("Command1")->isVisible());
    }

    void gradingTwiceGivesTheSameResult() {
        Results results(answers(10, 5, 15));
        results.window->gradeExam();
        const QString line = results.bottomLine();
        const QString row = results.row(12);
        results.window->showNextResultsPage();
        QTest::mouseClick(results.button("Command4"), Qt::LeftButton);
        QCOMPARE(results.bottomLine(), line);
        QCOMPARE(results.row(12), row.mid(4));
        QCOMPARE(results.text("Text2(12)"), QString("13"));
    }

    // The result pages.

    void aPageOfTwenty() {
        Results results(answers(12, 4, 4));
        results.window->gradeExam();
        QCOMPARE(results.row(0), QString("    1||B|Correct|1"));
        QCOMPARE(results.row(19), QString("    20||B|No Attempt|20"));
        QCOMPARE(results.row(20), QString("||||"));
        QCOMPARE(results.row(26), QString("||||"));
        QCOMPARE(results.paging(), QString("0 0 next:0 first:0"));
    }

    void paging_data() {
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("30") << 30 << QStringList{"0 0 next:1 first:0", "1 0 next:0 first:1"};
        QTest::newRow("54") << 54 << QStringList{"0 0 next:1 first:0", "1 0 next:0 first:1"};
        QTest::newRow("60") << 60
                            << QStringList{"0 0 next:1 first:0", "1 1 next:1 first:0",
                                           "2 0 next:0 first:1"};
    }
    void paging() {
        QFETCH(int, questions);
        QFETCH(QStringList, pages);
        Results results(answers(questions, 0, 0));
        results.window->gradeExam();
        QCOMPARE(results.paging(), pages[0]);
        for (int page = 1; page < pages.size(); ++page) {
            QTest::mouseClick(results.button("Command3"), Qt::LeftButton);
            QCOMPARE(results.paging(), pages[page]);
        }
        const int onLastPage = questions - 27 * (pages.size() - 1);
        QCOMPARE(results.text(QStringLiteral("Text2(%1)").arg(onLastPage - 1)),
                 QString::number(questions));
        QCOMPARE(results.text(QStringLiteral("Text3(%1)").arg(54 + onLastPage - 1)),
                 QString::number(questions));
        if (onLastPage < 27)
            QCOMPARE(results.row(onLastPage), QString("||||"));

        QTest::mouseClick(results.button("Command4"), Qt::LeftButton);
        QCOMPARE(results.paging(), pages[0]);
        QCOMPARE(results.text("Text2(0)"), QString("1"));
        QTest::mouseClick(results.button("Command3"), Qt::LeftButton);
        QCOMPARE(results.paging(), pages[1]);
        QCOMPARE(results.text("Text2(0)"), QString("28"));
    }

    void areaTexts() {
        Results results(answers(30, 0, 0));
        results.tree.write("Refs\\BRef\\Q1\\Area.txt", "\"Airspace, classes\",extra\r\n");
        results.tree.write("Refs\\BRef\\Q2\\Area.txt", "Weather, fronts\r\n");
        results.tree.write("Refs\\BRef\\Q3\\Area.txt", "");
        results.tree.write("Refs\\BRef\\q5\\AREA.TXT", "Found in any letter case");
        results.tree.write("Refs\\BRef\\Q28\\Area.txt", "Second page");
        results.state->slotAreaText[2] = "kept";
        results.window->gradeExam();
        QCOMPARE(results.text("Text1(0)"), QString("Airspace, classes"));
        QCOMPARE(results.text("Text1(1)"), QString("Weather"));
        QCOMPARE(results.text("Text1(2)"), QString());
        QCOMPARE(results.text("Text1(3)"), QString());
        QCOMPARE(results.text("Text1(4)"), QString("Found in any letter case"));
        QCOMPARE(results.state->slotAreaText[0], std::string("Airspace, classes"));
        QCOMPARE(results.state->slotAreaText[2], std::string("kept"));
        QVERIFY(results.state->slotAreaText[27].empty());
        results.window->showNextResultsPage();
        QCOMPARE(results.text("Text1(0)"), QString("Second page"));
        QCOMPARE(results.state->slotAreaText[27], std::string("Second page"));
        results.window->showFirstResultsPage();
        QCOMPARE(results.text("Text1(2)"), QString());
        QCOMPARE(results.text("Text1(1)"), QString("Weather"));
    }

    void resultsWindowLayout() {
        Results results(answers(1, 0, 0));
        QCOMPARE(results.window->objectName(), QString("Form2"));
        QCOMPARE(results.window->size(), QSize(twipsToPixels(12000), twipsToPixels(9000)));
        QCOMPARE(results.text("Text2(26)"), QString("    27"));
        QCOMPARE(results.text("Label6"), QString("Area of Knowledge "));
        QCOMPARE(results.find("Text1(3)")->geometry(), twipsRect(960, 960 + 240 * 3, 6495, 255));
        QCOMPARE(results.find("Text3(60)")->geometry(), twipsRect(10440, 960 + 240 * 6, 975, 255));
        QCOMPARE(results.button("Command2")->geometry(), twipsRect(10200, 7680, 1215, 480));
        QCOMPARE(results.button("Command1")->text(), QString("Print "));
        QVERIFY(!results.find("Text3(0)")->isEnabled());
        QVERIFY(results.find("Text1(0)")->isEnabled());
        QTest::mouseClick(results.find("Text1(4)"), Qt::LeftButton);
        QTest::mouseClick(results.button("Command1"), Qt::LeftButton);
        QTest::mouseClick(results.button("Command2"), Qt::LeftButton);
        QCOMPARE(results.host.reviews, QList<int>{4});
        QCOMPARE(results.host.prints, 1);
        QCOMPARE(results.host.ends, 1);
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
