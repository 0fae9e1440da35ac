#include "catalogue/CatalogueFiles.h"
#include "catalogue/LevelTable.h"
#include "generation/DrawingSteps.h"
#include "generation/IndexFiles.h"
#include "generation/TestGenerator.h"
#include "generation/TestLayout.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"
#include "platform/RandomSource.h"
#include "support/DataTree.h"
#include "support/ScriptedRandom.h"
#include "textstore/TestTexts.h"

#include <QTest>
#include <memory>

using namespace examtrainer;
using examtrainer::testing::DataTree;
using examtrainer::testing::ScriptedRandom;

namespace {

const QString kLowShortage = "There is a shortage of test questions for this test at its current "
                             "percentage spread. As a result, this test preparation will be "
                             "terminated.";

QString repeatShortage(const QString& word) {
    return "There is a shortage of " + word +
           " Level Questions in this set. As a result a test could not be set.";
}

CandidatePool poolOf(ExamState& s, DrawnLevel level) {
    return level == DrawnLevel::Low      ? lowPool(s)
           : level == DrawnLevel::Medium ? mediumPool(s)
                                         : highPool(s);
}

// A pool whose candidate i is question i + 1 of bank B, worth points[i].
void fillPool(ExamState& s, DrawnLevel level, const std::vector<std::string>& points) {
    const char* text = level == DrawnLevel::Low      ? "Low"
                       : level == DrawnLevel::Medium ? "Medium"
                                                     : "High";
    CandidatePool pool = poolOf(s, level);
    for (std::size_t i = 0; i < points.size(); ++i) {
        pool.level[i] = text;
        pool.points[i] = points[i];
        pool.bank[i] = "B";
        pool.questionNumber[i] = static_cast<int16_t>(i + 1);
    }
    pool.count = static_cast<int16_t>(points.size());
}

// The draw that gives position p of a pool of n candidates.
double drawFor(int p, int n) {
    return (p + 0.5) / (n - 1);
}

template <typename F> QString shortageOf(F&& f) {
    try {
        f();
    } catch (const QuestionShortage& shortage) {
        return QString::fromLatin1(shortage.what());
    }
    return {};
}

// Slots in use, as "level:points:question" texts.
QStringList slotTexts(const ExamState& s) {
    QStringList out;
    for (std::size_t i = 0; i <= kLastSlot && !s.slotLevel[i].empty(); ++i)
        out << QString::fromStdString(s.slotLevel[i] + ":" + s.slotPoints[i] + ":" +
                                      std::to_string(s.slotQuestionNumber[i]));
    return out;
}

// A test whose slots hold the given points texts, one question each.
void fillSlots(ExamState& s, const std::vector<std::string>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        s.slotLevel[i] = "Low";
        s.slotPoints[i] = points[i];
        s.slotBank[i] = "B";
        s.slotQuestionNumber[i] = static_cast<int16_t>(i + 1);
    }
    s.lowDrawCount = static_cast<double>(points.size());
    s.mediumDrawCount = s.highDrawCount = 0;
}

QStringList slotPoints(const ExamState& s) {
    QStringList out;
    for (std::size_t i = 0; i <= kLastSlot && !s.slotLevel[i].empty(); ++i)
        out << QString::fromStdString(s.slotPoints[i]) + "#" +
                   QString::number(s.slotQuestionNumber[i]);
    return out;
}

// A test set "Cat/T" whose links name the questions written, in order.
struct Fixture {
    DataTree tree;
    std::unique_ptr<ExamState> state = std::make_unique<ExamState>();
    std::vector<std::pair<std::string, int>> linked;

    explicit Fixture(const std::string& settings = "T,30,40,30,2,75\r\n") {
        tree.catalogue("Cat", "T\r\n", settings);
        state->categoryName = "Cat";
        storeTestSettings(*state, readTestSettings("Cat", "T"));
        state->allottedMinutes = allottedMinutesForConfirm(state->levelCode);
    }
    void add(const std::string& bank, const std::string& level, const std::string& points,
             int count = 1) {
        for (int i = 0; i < count; ++i) {
            const int number = static_cast<int>(linked.size()) + 1;
            tree.question(bank, number, level, points);
            linked.emplace_back(bank, number);
        }
        tree.links("Cat", "T", linked);
    }
};

} // namespace

class GenerationTest : public QObject {
    Q_OBJECT
private slots:
    // Reading the index files.

    void linksLevelsAndPoints() {
        DataTree tree;
        tree.write("TestSets\\Cat\\TSet\\QuestionLink.txt",
                   "1,Radio,1,0\r\n2,Radio,10,0\r\n3,,4,0\r\n4,Radio,2,0\r\n");
        tree.question("Radio", 1, "High", "2");
        tree.question("Radio", 10, "Low", "1");
        auto state = std::make_unique<ExamState>();
        state->categoryName = "Cat";
        state->linkBank[1999] = "stale";
        readTestSetLinks(*state, "T");
        QCOMPARE(state->linkBank[0], std::string("Radio"));
        QCOMPARE(state->linkQuestionNumber[1], int16_t(10));
        QCOMPARE(state->linkBank[3], std::string("Radio"));
        QVERIFY(state->linkBank[1999].empty());
        // The empty bank name ends the usable list: question 2 is never looked up.
        readBankLevelsAndPoints(*state);
        QCOMPARE(state->linkLevel[0], std::string("High"));
        QCOMPARE(state->linkPoints[1], std::string("1"));
        QVERIFY(state->linkLevel[2].empty());
        QVERIFY(state->linkLevel[3].empty());
    }

    void badLinkFiles_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("question number too large") << QByteArray("1,Radio,32768,0\r\n");
        QTest::newRow("question number too small") << QByteArray("1,Radio,-32769,0\r\n");
        QTest::newRow("ignored field too large") << QByteArray("99999,Radio,1,0\r\n");
        QTest::newRow("record cut short") << QByteArray("1,Radio,1,0\r\n2,Radio\r\n");
        QTest::newRow("number not a number") << QByteArray("1,Radio,one,0\r\n");
        QTest::newRow("unterminated quote") << QByteArray("1,\"Radio,1,0\r\n");
    }
    void badLinkFiles() {
        QFETCH(QByteArray, file);
        DataTree tree;
        tree.write("TestSets\\Cat\\TSet\\QuestionLink.txt", file.toStdString());
        auto state = std::make_unique<ExamState>();
        state->categoryName = "Cat";
        QVERIFY_THROWS_EXCEPTION(DataError, readTestSetLinks(*state, "T"));
    }

    void linkCountLimits() {
        DataTree tree;
        tree.question("Radio", 1, "Low", "1");
        auto state = std::make_unique<ExamState>();
        state->categoryName = "Cat";
        std::string records;
        for (int i = 0; i < 2001; ++i)
            records += "1,Radio,1,0\r\n";
        tree.write("TestSets\\Cat\\TSet\\QuestionLink.txt", records);
        readTestSetLinks(*state, "T");
        QCOMPARE(state->linkBank[2000], std::string("Radio"));
        // 2001 usable links are more than the 1501 whose level and points can be held.
        QVERIFY_THROWS_EXCEPTION(DataError, readBankLevelsAndPoints(*state));
        QCOMPARE(state->linkLevel[1500], std::string("Low"));

        tree.write("TestSets\\Cat\\TSet\\QuestionLink.txt", records + "1,Radio,1,0\r\n");
        QVERIFY_THROWS_EXCEPTION(DataError, readTestSetLinks(*state, "T"));

        tree.remove("TestSets\\Cat\\TSet\\QuestionLink.txt");
        QVERIFY_THROWS_EXCEPTION(DataError, readTestSetLinks(*state, "T"));
    }

    void bankFilesMustExistInsideTheRoot_data() {
        QTest::addColumn<QString>("bank");
        QTest::addColumn<bool>("writeLevel");
        QTest::addColumn<bool>("writePoints");
        QTest::newRow("level file missing") << "Radio" << false << true;
        QTest::newRow("points file missing") << "Radio" << true << false;
        QTest::newRow("bank leaves the root") << "..\\..\\Radio" << true << true;
        QTest::newRow("drive letter in the bank") << "C:\\Com\\QuestionSet\\Radio" << true << true;
    }
    void bankFilesMustExistInsideTheRoot() {
        QFETCH(QString, bank);
        QFETCH(bool, writeLevel);
        QFETCH(bool, writePoints);
        DataTree tree;
        tree.question("Radio", 1, "Low", "1");
        if (!writeLevel)
            tree.remove("QuestionSet\\Radio\\Level\\Level0.txt");
        if (!writePoints)
            tree.remove("QuestionSet\\Radio\\Points\\Points0.txt");
        auto state = std::make_unique<ExamState>();
        state->linkBank[0] = bank.toStdString();
        state->linkQuestionNumber[0] = 1;
        QVERIFY_THROWS_EXCEPTION(DataError, readBankLevelsAndPoints(*state));
    }

    void disabledList_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("records");
        QTest::newRow("missing") << QByteArray() << false << 0;
        QTest::newRow("empty") << QByteArray() << true << 0;
        QTest::newRow("two records") << QByteArray("12,Radio\r\n3,Met\r\n") << true << 2;
        QTest::newRow("damaged third record")
            << QByteArray("12,Radio\r\n3,Met\r\nx,Met\r\n4,Met\r\n") << true << 2;
        QTest::newRow("cut short") << QByteArray("12,Radio\r\n3") << true << 1;
    }
    void disabledList() {
        QFETCH(QByteArray, file);
        QFETCH(bool, exists);
        QFETCH(int, records);
        DataTree tree;
        if (exists)
            tree.write("History\\Disabled.txt", file.toStdString());
        auto state = std::make_unique<ExamState>();
        loadDisabledList(*state);
        int read = 0;
        while (!state->disabledBank[read].empty())
            ++read;
        QCOMPARE(read, records);
    }

    void disabledListLimit() {
        DataTree tree;
        std::string records;
        for (int i = 1; i <= 1600; ++i)
            records += std::to_string(i) + ",B\r\n";
        tree.write("History\\Disabled.txt", records);
        auto state = std::make_unique<ExamState>();
        loadDisabledList(*state);
        QCOMPARE(state->disabledQuestionNumber[1500], int16_t(1501));
    }

    // Targets and their fitting.

    void targets_data() {
        QTest::addColumn<QString>("percentages");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("medium");
        QTest::addColumn<double>("low");
        QTest::newRow("worked example") << "30/40/30" << 90 << 13.0 << 18.0 << 14.0;
        QTest::newRow("all to Low") << "0/0/0" << 60 << 0.0 << 0.0 << 30.0;
        QTest::newRow("surplus off Low") << "50/50/50" << 60 << 15.0 << 15.0 << 0.0;
        QTest::newRow("fractions") << "33.3/33.3/33.4" << 40 << 6.0 << 6.0 << 8.0;
    }
    void targets() {
        QFETCH(QString, percentages);
        QFETCH(int, minutes);
        QFETCH(double, high);
        QFETCH(double, medium);
        QFETCH(double, low);
        auto s = std::make_unique<ExamState>();
        const QStringList parts = percentages.split('/');
        s->highPercent = parts[0].toStdString();
        s->mediumPercent = parts[1].toStdString();
        s->lowPercent = parts[2].toStdString();
        s->allottedMinutes = static_cast<int16_t>(minutes);
        computeTargets(*s);
        QCOMPARE(s->highTarget, high);
        QCOMPARE(s->mediumTarget, medium);
        QCOMPARE(s->lowTarget, low);
    }

    void percentagesMustBeNumbers() {
        auto s = std::make_unique<ExamState>();
        s->highPercent = "30";
        s->mediumPercent = "forty";
        s->lowPercent = "30";
        s->allottedMinutes = 90;
        QVERIFY_THROWS_EXCEPTION(DataError, computeTargets(*s));
    }

    void fitting_data() {
        QTest::addColumn<QList<double>>("targets");
        QTest::addColumn<QList<int>>("available");
        QTest::addColumn<QList<double>>("fitted");
        QTest::addColumn<bool>("lowShortage");
        QTest::newRow("High fits") << QList<double>{13, 18, 14} << QList<int>{20, 30, 30}
                                   << QList<double>{13, 18, 14} << false;
        QTest::newRow("High to Medium") << QList<double>{13, 18, 14} << QList<int>{15, 30, 30}
                                        << QList<double>{12, 19, 14} << false;
        QTest::newRow("10 with 12 available")
            << QList<double>{10, 5, 5} << QList<int>{12, 30, 30} << QList<double>{9, 6, 5} << false;
        QTest::newRow("Medium to Low before the Low check")
            << QList<double>{5, 18, 10} << QList<int>{30, 10, 24} << QList<double>{5, 7, 21}
            << false;
        QTest::newRow("carry on to Low is too much")
            << QList<double>{5, 18, 10} << QList<int>{30, 10, 23} << QList<double>{5, 7, 21}
            << true;
        QTest::newRow("no High questions")
            << QList<double>{5, 5, 5} << QList<int>{0, 30, 30} << QList<double>{-3, 13, 5} << false;
        QTest::newRow("Low target 0 needs no Low")
            << QList<double>{15, 15, 0} << QList<int>{20, 20, 0} << QList<double>{15, 15, 0}
            << false;
    }
    void fitting() {
        QFETCH(QList<double>, targets);
        QFETCH(QList<int>, available);
        QFETCH(QList<double>, fitted);
        QFETCH(bool, lowShortage);
        auto s = std::make_unique<ExamState>();
        s->highTarget = targets[0];
        s->mediumTarget = targets[1];
        s->lowTarget = targets[2];
        s->highPointsAvailable = static_cast<int16_t>(available[0]);
        s->mediumPointsAvailable = static_cast<int16_t>(available[1]);
        s->lowPointsAvailable = static_cast<int16_t>(available[2]);
        QCOMPARE(shortageOf([&] { fitTargets(*s); }), lowShortage ? kLowShortage : QString());
        QCOMPARE(s->highTarget, fitted[0]);
        QCOMPARE(s->mediumTarget, fitted[1]);
        QCOMPARE(s->lowTarget, fitted[2]);
    }

    // Drawing one level.

    void lowZeroRuleAndOvershoot() {
        auto s = std::make_unique<ExamState>();
        fillPool(*s, DrawnLevel::Low, {"1", "2", "2", "3", "1"});
        s->lowTarget = 3;
        // Position 0 is drawn again, without counting as a repeat; 2 + 2 passes 3 by one.
        ScriptedRandom random({0.0, drawFor(1, 5), 0.1, drawFor(1, 5), drawFor(2, 5)});
        drawLevel(*s, DrawnLevel::Low, 0, random);
        QCOMPARE(random.position, random.script.size());
        QCOMPARE(random.reseeds, 1);
        QCOMPARE(s->lowPicks[0], int16_t(1));
        QCOMPARE(s->lowPicks[1], int16_t(2));
        QCOMPARE(s->lowDrawCount, 2.0);
        QCOMPARE(s->lowPointsDrawn, 4.0);
        QCOMPARE(s->lowOvershoot, 1.0);
        QCOMPARE(s->lowRepeatCount, int16_t(1));
    }

    void mediumZeroRuleAndStartingSum() {
        auto s = std::make_unique<ExamState>();
        fillPool(*s, DrawnLevel::Medium, {"3", "2", "2", "1"});
        s->mediumTarget = 7;
        // Position 0 counts as the first question only; later zeros are drawn again. Low's
        // overshoot of 2 starts the sum: 2 + 3 + 2 reaches 7 exactly.
        ScriptedRandom random({0.0, 0.0, drawFor(2, 4)});
        drawLevel(*s, DrawnLevel::Medium, 2, random);
        QCOMPARE(s->mediumPicks[0], int16_t(0));
        QCOMPARE(s->mediumPicks[1], int16_t(2));
        QCOMPARE(s->mediumDrawCount, 2.0);
        QCOMPARE(s->mediumPointsDrawn, 7.0);
        QCOMPARE(s->mediumOvershoot, 0.0);
        QCOMPARE(s->mediumRepeatCount, int16_t(0));
    }

    void repeatsCountOverTheWholeLevel() {
        auto s = std::make_unique<ExamState>();
        fillPool(*s, DrawnLevel::High, {"1", "1", "1", "1", "1"});
        s->highTarget = 3;
        ScriptedRandom random({drawFor(1, 5), drawFor(1, 5), drawFor(2, 5), drawFor(1, 5),
                               drawFor(2, 5), drawFor(3, 5)});
        drawLevel(*s, DrawnLevel::High, 0, random);
        QCOMPARE(s->highRepeatCount, int16_t(3));
        QCOMPARE(s->highDrawCount, 3.0);
    }

    void lowPoolOfThreeRunsShortOnThe501stRepeat() {
        auto s = std::make_unique<ExamState>();
        fillPool(*s, DrawnLevel::Low, {"1", "1", "1"});
        s->lowTarget = 2;
        std::vector<double> script{0.5};
        for (int i = 0; i < 501; ++i) {
            script.push_back(0.2); // position 0: drawn again, not a repeat
            script.push_back(0.7); // position 1 again: a repeat
        }
        ScriptedRandom random(script);
        QCOMPARE(shortageOf([&] { drawLevel(*s, DrawnLevel::Low, 0, random); }),
                 repeatShortage("low"));
        QCOMPARE(random.position, script.size());
        QCOMPARE(s->lowRepeatCount, int16_t(501));
    }

    void poolsThatCannotBeDrawnEndInAShortage_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("poolSize");
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("drawsUsed");
        QTest::addColumn<QString>("word");
        QTest::newRow("Low of 1") << int(DrawnLevel::Low) << 1 << 1.0 << 0 << "low";
        QTest::newRow("Low of 2") << int(DrawnLevel::Low) << 2 << 1.0 << 0 << "low";
        QTest::newRow("empty Low") << int(DrawnLevel::Low) << 0 << 1.0 << 0 << "low";
        QTest::newRow("Medium of 2, two needed")
            << int(DrawnLevel::Medium) << 2 << 2.0 << 1 << "Medium";
        QTest::newRow("empty High") << int(DrawnLevel::High) << 0 << -3.0 << 0 << "High";
        QTest::newRow("High of 1, one enough") << int(DrawnLevel::High) << 1 << 1.0 << 1 << "";
    }
    void poolsThatCannotBeDrawnEndInAShortage() {
        QFETCH(int, level);
        QFETCH(int, poolSize);
        QFETCH(double, target);
        QFETCH(int, drawsUsed);
        QFETCH(QString, word);
        auto s = std::make_unique<ExamState>();
        const auto which = static_cast<DrawnLevel>(level);
        fillPool(*s, which, std::vector<std::string>(static_cast<std::size_t>(poolSize), "1"));
        s->lowTarget = s->mediumTarget = s->highTarget = target;
        ScriptedRandom random({0.3});
        QCOMPARE(shortageOf([&] { drawLevel(*s, which, 0, random); }),
                 word.isEmpty() ? QString() : repeatShortage(word));
        QCOMPARE(int(random.position), drawsUsed);
    }

    void drawingFailures() {
        auto s = std::make_unique<ExamState>();
        // Questions worth nothing never reach the target: the 102nd draw has no room.
        fillPool(*s, DrawnLevel::Low, std::vector<std::string>(200, "0"));
        s->lowTarget = 5;
        std::vector<double> script;
        for (int p = 1; p <= 102; ++p)
            script.push_back(drawFor(p, 200));
        ScriptedRandom random(script);
        QVERIFY_THROWS_EXCEPTION(DataError, drawLevel(*s, DrawnLevel::Low, 0, random));
        QCOMPARE(random.position, std::size_t(101));

        for (const char* points : {"", "two", "1,5"}) {
            fillPool(*s, DrawnLevel::Medium, {"1", points, "1"});
            s->mediumTarget = 5;
            ScriptedRandom draws({drawFor(1, 3)});
            QVERIFY_THROWS_EXCEPTION(DataError, drawLevel(*s, DrawnLevel::Medium, 0, draws));
        }
    }

    // Layout and trimming.

    void layout_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("l");
        QTest::addColumn<int>("h");
        QTest::addColumn<QStringList>("levels");
        QTest::newRow("M4 L5 H3") << 4 << 5 << 3 << QStringList{"M", "M", "M", "M", "L", "L",
                                                                "H", "H", "H", "L", "L", "L"};
        QTest::newRow("no High") << 2 << 5 << 0 << QStringList{"M", "M", "L", "L", "L", "L", "L"};
        QTest::newRow("only High") << 0 << 0 << 2 << QStringList{"H", "H"};
    }
    void layout() {
        QFETCH(int, m);
        QFETCH(int, l);
        QFETCH(int, h);
        QFETCH(QStringList, levels);
        auto s = std::make_unique<ExamState>();
        std::vector<std::string> points(20, "1");
        fillPool(*s, DrawnLevel::Low, points);
        fillPool(*s, DrawnLevel::Medium, points);
        fillPool(*s, DrawnLevel::High, points);
        // Picks in draw order point at pool positions 10, 11, ...: questions 11, 12, ...
        for (int k = 0; k < 20; ++k)
            s->lowPicks[k] = s->mediumPicks[k] = s->highPicks[k] = static_cast<int16_t>(10 + k);
        s->mediumDrawCount = m;
        s->lowDrawCount = l;
        s->highDrawCount = h;
        s->slotLevel[50] = "stale";
        layOutTest(*s);
        QStringList shown;
        for (const QString& slot : slotTexts(*s))
            shown << slot.left(1);
        QCOMPARE(shown, levels);
        QCOMPARE(s->lowFirstPartCount, double(l / 2));
        QCOMPARE(s->lowSecondPartCount, double(l - l / 2));
        // Each block keeps its draw order; Low continues after the High block.
        if (m == 4) {
            QCOMPARE(slotTexts(*s)[4], QString("Low:1:11"));
            QCOMPARE(slotTexts(*s)[9], QString("Low:1:13"));
        }
        QVERIFY(s->slotLevel[50].empty());
    }

    void layoutBeyond101Slots() {
        auto s = std::make_unique<ExamState>();
        fillPool(*s, DrawnLevel::Low, {"1", "1"});
        fillPool(*s, DrawnLevel::Medium, {"1", "1"});
        s->lowDrawCount = 60;
        s->mediumDrawCount = 42;
        QVERIFY_THROWS_EXCEPTION(DataError, layOutTest(*s));
        s->mediumDrawCount = 41;
        layOutTest(*s);
        QCOMPARE(slotTexts(*s).size(), 101);
    }

    void trimming_data() {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<double>("excess");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("excess 2, adjacent ones")
            << QStringList{"2", "3", "2", "1", "1", "2", "1", "1"} << 2.0
            << QStringList{"2#1", "3#2", "2#3", "1#5", "2#6", "1#8"};
        QTest::newRow("excess 3, no ones")
            << QStringList{"3", "2", "3", "2"} << 3.0 << QStringList{"3#1", "3#3"};
        QTest::newRow("excess 3, adjacent twos: the one moved in stays")
            << QStringList{"3", "2", "2"} << 3.0 << QStringList{"3#1", "2#3"};
        QTest::newRow("excess 3, one 2-pointer")
            << QStringList{"3", "2", "3", "4"} << 3.0 << QStringList{"3#1", "3#3", "4#4"};
        QTest::newRow("excess 1, one 1-pointer")
            << QStringList{"2", "1", "1"} << 1.0 << QStringList{"2#1", "1#3"};
        QTest::newRow("excess 1, no 1-pointer")
            << QStringList{"2", "3"} << 1.0 << QStringList{"2#1", "3#2"};
        QTest::newRow("no excess") << QStringList{"1", "1"} << 0.0 << QStringList{"1#1", "1#2"};
        QTest::newRow("excess 4, ones then twos")
            << QStringList{"1", "2", "1", "2", "3"} << 4.0 << QStringList{"2#4", "3#5"};
    }
    void trimming() {
        QFETCH(QStringList, points);
        QFETCH(double, excess);
        QFETCH(QStringList, kept);
        auto s = std::make_unique<ExamState>();
        std::vector<std::string> texts;
        for (const QString& p : points)
            texts.push_back(p.toStdString());
        fillSlots(*s, texts);
        s->highOvershoot = excess;
        trimOvershoot(*s);
        QCOMPARE(slotPoints(*s), kept);
        // Whatever was removed, the slots in use run from 0 without a gap.
        for (std::size_t i = static_cast<std::size_t>(kept.size()); i <= kLastSlot; ++i) {
            QVERIFY(s->slotLevel[i].empty());
            QCOMPARE(s->slotQuestionNumber[i], int16_t(0));
        }
    }

    void trimmingAFullTestStaysInsideTheTables() {
        auto s = std::make_unique<ExamState>();
        std::vector<std::string> points(101, "2");
        points[100] = "1";
        fillSlots(*s, points);
        s->highOvershoot = 1;
        trimOvershoot(*s);
        QCOMPARE(slotTexts(*s).size(), 100);
        QVERIFY(s->slotBank[100].empty());
    }

    void trimmingNeedsNumbers() {
        auto s = std::make_unique<ExamState>();
        fillSlots(*s, {"2", "x", "1"});
        s->highOvershoot = 1;
        QVERIFY_THROWS_EXCEPTION(DataError, trimOvershoot(*s));
    }

    // The whole drawing on a test set.

    void generatesATestToItsBudget() {
        Fixture f("T,30,40,30,4,75\r\n"); // 30 minutes, 15 points: 4 High, 6 Medium, 5 Low
        f.add("Met", "High", "2", 6);
        f.add("Met", "Medium", "1", 12);
        f.add("Met", "Low", "1", 10);
        ClockSeededRandom random;
        generateTest(*f.state, "T", random);
        const ExamState& s = *f.state;
        QCOMPARE(s.highTarget, 4.0);
        QCOMPARE(s.mediumTarget, 6.0);
        QCOMPARE(s.lowTarget, 5.0);
        QCOMPARE(s.highPointsAvailable, int16_t(12));
        QCOMPARE(slotTexts(s).size(), 2 + 6 + 5);
        double total = 0;
        for (const QString& slot : slotTexts(s))
            total += slot.section(':', 1, 1).toDouble();
        QCOMPARE(total, 15.0);
        QCOMPARE(s.elapsedMinutes, 0.0);
    }

    void disabledAndLateLinksCountButAreNeverDrawn() {
        Fixture f;
        f.add("Met", "Low", "1", 4);
        f.add("Met", "Medium", "2", 497); // links 4..500
        f.add("Met", "High", "3", 2);     // links 501 and 502: past the drawable range
        f.tree.write("History\\Disabled.txt", "2,Met\r\n3,met\r\n0,Met\r\n4,Met\r\n");
        auto& s = *f.state;
        readTestSetLinks(s, "T");
        readBankLevelsAndPoints(s);
        sumPointsAvailable(s);
        loadDisabledList(s);
        buildCandidatePools(s);
        QCOMPARE(s.lowPointsAvailable, int16_t(4));
        QCOMPARE(s.highPointsAvailable, int16_t(6));
        QCOMPARE(s.highPoolCount, int16_t(0));
        // Question 2 of Met is disabled; "met" is another bank; the record with 0 ends the list.
        QCOMPARE(s.lowPoolCount, int16_t(3));
        QCOMPARE(s.lowPoolQuestionNumber[1], int16_t(3));
        QCOMPARE(s.lowPoolQuestionNumber[2], int16_t(4));
        QCOMPARE(s.mediumPoolCount, int16_t(497));
    }

    void totalsUseLenientNumbersRoundedAtEveryStep() {
        Fixture f;
        f.add("Met", "High", "1.5", 1);
        f.add("Met", "High", "2.5", 1);
        f.add("Met", "High", "two", 1);
        f.add("Met", "Medium", "0.5 points", 3);
        f.add("Met", "low", "4", 1);
        auto& s = *f.state;
        readTestSetLinks(s, "T");
        readBankLevelsAndPoints(s);
        sumPointsAvailable(s);
        // 0 + 1.5 -> 2, 2 + 2.5 -> 4 (halves to even), "two" adds 0; 0.5 -> 0 three times;
        // a level text that is not High or Medium counts as Low.
        QCOMPARE(s.highPointsAvailable, int16_t(4));
        QCOMPARE(s.mediumPointsAvailable, int16_t(0));
        QCOMPARE(s.lowPointsAvailable, int16_t(4));
    }

    void levelCodesOnTheSecondRead_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("minutes");
        QTest::newRow("2") << "2" << 90;
        QTest::newRow("06 keeps what was set") << "06" << 40;
        QTest::newRow("quoted blank 1 keeps what was set") << "\" 1\"" << 40;
    }
    void levelCodesOnTheSecondRead() {
        QFETCH(QString, code);
        QFETCH(int, minutes);
        Fixture f("T,0,0,100," + code.toStdString() + ",75\r\n");
        f.add("Met", "Low", "1", 60);
        f.state->allottedMinutes = 40;
        ClockSeededRandom random;
        generateTest(*f.state, "T", random);
        QCOMPARE(f.state->allottedMinutes, int16_t(minutes));
        QCOMPARE(f.state->lowTarget, minutes / 2.0);
    }

    void generationFailures_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("removeLinks");
        QTest::addColumn<QString>("lowPoints");
        QTest::newRow("no links") << "T,30,40,30,4,75" << true << "1";
        QTest::newRow("percentage not a number") << "T,30,forty,30,4,75" << false << "1";
        QTest::newRow("points not a number") << "T,0,0,100,4,75" << false << "2 points";
    }
    void generationFailures() {
        QFETCH(QString, settings);
        QFETCH(bool, removeLinks);
        QFETCH(QString, lowPoints);
        Fixture f(settings.toStdString() + "\r\n");
        f.add("Met", "High", "2", 10);
        f.add("Met", "Medium", "2", 10);
        f.add("Met", "Low", lowPoints.toStdString(), 30);
        if (removeLinks)
            f.tree.remove("TestSets\\Cat\\TSet\\QuestionLink.txt");
        ClockSeededRandom random;
        QVERIFY_THROWS_EXCEPTION(DataError, generateTest(*f.state, "T", random));
    }

    void aFailedDrawingLeavesNothingBehind() {
        Fixture f("T,0,0,100,4,75\r\n");
        f.add("Met", "Low", "1", 30);
        ClockSeededRandom random;
        generateTest(*f.state, "T", random);
        QCOMPARE(f.state->lowPoolCount, int16_t(30));
        // The same record, a shorter test set: nothing of the first drawing counts.
        f.linked.resize(20);
        f.tree.links("Cat", "T", f.linked);
        generateTest(*f.state, "T", random);
        QCOMPARE(f.state->lowPoolCount, int16_t(20));
        QCOMPARE(f.state->lowPointsAvailable, int16_t(20));
        QVERIFY(f.state->linkLevel[25].empty());
    }

    void lowShortageStopsGeneration() {
        Fixture f("T,0,0,100,4,75\r\n");
        f.add("Met", "Low", "1", 17); // 15 wanted, at most 14 allowed
        ClockSeededRandom random;
        QCOMPARE(shortageOf([&] { generateTest(*f.state, "T", random); }), kLowShortage);
    }

    void everySampleTestGeneratesAndLoads() {
        qputenv("EXAMTRAINER_DATA_ROOT", EXAMTRAINER_SAMPLE_TREE);
        auto state = std::make_unique<ExamState>();
        readCategoryList(*state);
        ClockSeededRandom random;
        int tests = 0;
        for (std::size_t c = 0; c < state->categoryNames.size() && !state->categoryNames[c].empty();
             ++c) {
            const std::string category = state->categoryNames[c];
            readTestList(*state, category);
            const auto testNames = state->testNames;
            for (std::size_t t = 0; t < testNames.size() && !testNames[t].empty(); ++t) {
                ++tests;
                for (int run = 0; run < 25; ++run) {
                    state->categoryName = category;
                    storeTestSettings(*state, readTestSettings(category, testNames[t]));
                    state->allottedMinutes = allottedMinutesForConfirm(state->levelCode);
                    const QString shortage =
                        shortageOf([&] { generateTest(*state, testNames[t], random); });
                    QVERIFY2(shortage.isEmpty(),
                             qPrintable(QString::fromStdString(testNames[t]) + ": " + shortage));
                    QVERIFY(!state->slotLevel[0].empty());
                    sumTotalPoints(*state);
                    loadTestTexts(*state);
                    placeCorrectAnswers(*state, random);
                    for (std::size_t i = 0; i <= kLastSlot && !state->slotLevel[i].empty(); ++i) {
                        QVERIFY(!state->slotQuestionText[i].empty());
                        const std::string& key = state->slotKeyLetter[i];
                        QVERIFY(key == "a" || key == "b" || key == "c" || key == "d");
                        const std::string& shown = state->slotShownCorrectLetter[i];
                        QVERIFY(shown == "a" || shown == "b" || shown == "c" ||
                                (shown == "d" && !state->slotAnswerTextD[i].empty()));
                    }
                }
            }
        }
        QVERIFY(tests >= 4);
        qunsetenv("EXAMTRAINER_DATA_ROOT");
    }
};

QTEST_MAIN(GenerationTest)
#include "tst_generation.moc"
