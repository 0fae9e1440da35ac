#include "platform/Errors.h"
#include "platform/RandomSource.h"
#include "support/DataTree.h"
#include "support/ScriptedRandom.h"
#include "textstore/TestTexts.h"
#include "textstore/TextCipher.h"

#include <QTest>
#include <map>
#include <memory>

using namespace examtrainer;
using examtrainer::testing::DataTree;

Q_DECLARE_METATYPE(std::string)

namespace {

std::string bytes(std::initializer_list<unsigned char> values) {
    return std::string(values.begin(), values.end());
}

// A test of n slots, question i + 1 of bank B in slot i.
void useSlots(ExamState& s, int n, const std::string& points = "1") {
    for (int i = 0; i < n; ++i) {
        s.slotLevel[i] = "Low";
        s.slotPoints[i] = points;
        s.slotBank[i] = "B";
        s.slotQuestionNumber[i] = static_cast<int16_t>(i + 1);
    }
}

// Questions 1..n of bank B, question i keyed "abcd"[i % 4].
void writeQuestions(DataTree& tree, int n) {
    for (int i = 1; i <= n; ++i) {
        const std::string q = std::to_string(i);
        tree.texts("B", i, "Question " + q, {"a" + q, "b" + q, "c" + q, "d" + q},
                   std::string(1, "abcd"[i % 4]));
    }
}

} // namespace

class TextStoreTest : public QObject {
    Q_OBJECT
private slots:
    void cipherAgainstKnownBytes_data() {
        QTest::addColumn<std::string>("plain");
        QTest::addColumn<std::string>("enciphered");
        QTest::newRow("empty") << std::string() << std::string();
        QTest::newRow("13: each key character once")
            << std::string("Which runway?")
            << bytes(
                   {0x26, 0x1D, 0x1D, 0x11, 0x01, 0x56, 0x22, 0x17, 0x0B, 0x10, 0x0E, 0x01, 0x6B});
        QTest::newRow("14: the key starts again")
            << std::string("Which runway?!")
            << bytes({0x26, 0x1D, 0x1D, 0x11, 0x01, 0x56, 0x22, 0x17, 0x0B, 0x10, 0x0E, 0x01, 0x6B,
                      0x50});
        QTest::newRow("27: twice round and one more")
            << std::string("Cleared to land, runway 27.")
            << bytes({0x32, 0x19, 0x11, 0x13, 0x1B, 0x13, 0x34, 0x42, 0x11,
                      0x08, 0x4F, 0x14, 0x35, 0x1F, 0x11, 0x58, 0x52, 0x1B,
                      0x03, 0x3E, 0x15, 0x04, 0x1E, 0x4F, 0x4A, 0x63, 0x5F});
        QTest::newRow("key characters give zero bytes")
            << std::string("qutriv") << std::string(6, '\0');
    }
    void cipherAgainstKnownBytes() {
        QFETCH(std::string, plain);
        QFETCH(std::string, enciphered);
        const std::string key = kCipherKey;
        std::string text = plain;
        textCipher(text, kCipherKey);
        QCOMPARE(text, enciphered);
        textCipher(text, kCipherKey);
        QCOMPARE(text, plain);
        QCOMPARE(kCipherKey, key);
    }

    void cipherRoundTripsEveryByte() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        std::string text = all;
        textCipher(text, kCipherKey);
        QVERIFY(text != all);
        textCipher(text, kCipherKey);
        QCOMPARE(text, all);
    }

    void zeroBytesSurviveTheFile() {
        DataTree tree;
        tree.texts("B", 1, "qu?", {"x", "y", "z", "w"}, "a");
        std::string read = readWholeFile("C:\\Com\\QuestionSet\\B\\Ques\\Question0.txt");
        QCOMPARE(read.size(), std::size_t(3));
        QCOMPARE(read[0], '\0');
        QCOMPARE(read[1], '\0');
        textCipher(read, kCipherKey);
        QCOMPARE(read, std::string("qu?"));
    }

    void questionPaths() {
        const auto first = questionTextPaths("Radio", 1);
        QCOMPARE(first[0], std::string("C:\\Com\\QuestionSet\\Radio\\Ques\\Question0.txt"));
        QCOMPARE(first[1], std::string("C:\\Com\\QuestionSet\\Radio\\Ansa\\Answera0.txt"));
        QCOMPARE(first[4], std::string("C:\\Com\\QuestionSet\\Radio\\Ansd\\Answerd0.txt"));
        QCOMPARE(first[5], std::string("C:\\Com\\QuestionSet\\Radio\\Correct\\Correct0.txt"));
        QCOMPARE(questionTextPaths("B", 12)[0],
                 std::string("C:\\Com\\QuestionSet\\B\\Ques\\Question11.txt"));
    }

    void totalPoints_data() {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<int>("total");
        QTest::addColumn<bool>("fails");
        QTest::newRow("1 2 3") << QStringList{"1", "2", "3"} << 6 << false;
        QTest::newRow("halves to even at every step")
            << QStringList{"0.5", "2", "0.5"} << 2 << false;
        QTest::newRow("blanks around") << QStringList{" 2 ", "1"} << 3 << false;
        QTest::newRow("not a number") << QStringList{"1", "two"} << 0 << true;
        QTest::newRow("empty") << QStringList{"1", ""} << 0 << true;
    }
    void totalPoints() {
        QFETCH(QStringList, points);
        QFETCH(int, total);
        QFETCH(bool, fails);
        auto s = std::make_unique<ExamState>();
        for (int i = 0; i < points.size(); ++i) {
            s->slotLevel[i] = "High";
            s->slotPoints[i] = points[i].toStdString();
        }
        if (fails) {
            QVERIFY_THROWS_EXCEPTION(DataError, sumTotalPoints(*s));
            return;
        }
        sumTotalPoints(*s);
        QCOMPARE(s->totalPoints, total);
    }

    void loadsAndDeciphersEveryUsedSlot() {
        DataTree tree;
        writeQuestions(tree, 6);
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 5);
        s->slotQuestionText[7] = "left from an earlier load";
        loadTestTexts(*s);
        for (int i = 0; i < 5; ++i) {
            const std::string q = std::to_string(i + 1);
            QCOMPARE(s->slotQuestionText[i], "Question " + q);
            QCOMPARE(s->slotAnswerTextA[i], "a" + q);
            QCOMPARE(s->slotAnswerTextD[i], "d" + q);
            QCOMPARE(s->slotKeyLetter[i], std::string(1, "abcd"[(i + 1) % 4]));
        }
        QVERIFY(s->slotQuestionText[5].empty());
        QVERIFY(s->slotQuestionText[7].empty());
    }

    void anEmptyQuestionFileDoesNotStopTheDeciphering() {
        DataTree tree;
        writeQuestions(tree, 3);
        tree.texts("B", 2, "", {"a2", "b2", "c2", "d2"}, "b");
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 3);
        loadTestTexts(*s);
        QVERIFY(s->slotQuestionText[1].empty());
        QCOMPARE(s->slotAnswerTextB[1], std::string("b2"));
        QCOMPARE(s->slotQuestionText[2], std::string("Question 3"));
        QCOMPARE(s->slotKeyLetter[2], std::string("d"));
    }

    void oddFilesLoad() {
        DataTree tree;
        writeQuestions(tree, 4);
        const std::string megabyte(1 << 20, 'Q');
        tree.texts("B", 1, megabyte, {"a", "b", "c", "d"}, "B");
        tree.texts("B", 2, "q", {"a", "b", "c", "d"}, "b\r\n");
        tree.texts("B", 3, "q", {"a", "b", "c", "d"}, "");
        tree.texts("B", 4, "q", {"a", "b", "", "d"}, "a");
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 4);
        loadTestTexts(*s);
        QCOMPARE(s->slotQuestionText[0], megabyte);
        QCOMPARE(s->slotKeyLetter[0], std::string("B"));
        QCOMPARE(s->slotKeyLetter[1], std::string("b\r\n"));
        QVERIFY(s->slotKeyLetter[2].empty());
        QVERIFY(s->slotAnswerTextC[3].empty());
        // Every used slot gets a box, an empty key file or not.
        ClockSeededRandom random;
        placeCorrectAnswers(*s, random);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!s->slotShownCorrectLetter[i].empty());
        QVERIFY(s->slotShownCorrectLetter[4].empty());
    }

    void missingFilesFailTheLoad_data() {
        QTest::addColumn<QString>("removed");
        QTest::newRow("question") << "QuestionSet\\B\\Ques\\Question1.txt";
        QTest::newRow("answer d") << "QuestionSet\\B\\Ansd\\Answerd1.txt";
        QTest::newRow("key") << "QuestionSet\\B\\Correct\\Correct1.txt";
    }
    void missingFilesFailTheLoad() {
        QFETCH(QString, removed);
        DataTree tree;
        writeQuestions(tree, 3);
        tree.remove(removed.toStdString());
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 3);
        QVERIFY_THROWS_EXCEPTION(DataError, loadTestTexts(*s));
    }

    void aFullTestLoads() {
        DataTree tree;
        writeQuestions(tree, 101);
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 101, "2");
        sumTotalPoints(*s);
        loadTestTexts(*s);
        QCOMPARE(s->totalPoints, 202);
        QCOMPARE(s->slotQuestionText[100], std::string("Question 101"));
        QVERIFY(s->slotQuestionText[101].empty());
    }

    void shownLettersFollowTheDraws() {
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 3);
        for (int i = 0; i < 3; ++i) {
            s->slotKeyLetter[i] = "a";
            s->slotAnswerTextD[i] = i == 1 ? "" : "d";
        }
        testing::ScriptedRandom random({0.99, 0.99, 0.0});
        placeCorrectAnswers(*s, random);
        QCOMPARE(s->slotShownCorrectLetter[0], std::string("d"));
        QCOMPARE(s->slotShownCorrectLetter[1], std::string("c"));
        QCOMPARE(s->slotShownCorrectLetter[2], std::string("a"));
        QCOMPARE(s->slotKeyLetter[0], std::string("a"));
        // Once for the routine, once per slot, once more for the three-answer one.
        QCOMPARE(random.reseeds, 5);
    }

    void shownLettersAreUniform() {
        // 200 loads of a 101-question test, half of them three-answer questions. Each count lies
        // within six standard deviations of its expectation unless the draw is biased; a fair
        // draw fails this with a probability below one in a hundred million.
        auto s = std::make_unique<ExamState>();
        useSlots(*s, 101);
        for (int i = 0; i <= 100; ++i) {
            s->slotKeyLetter[i] = "b";
            s->slotAnswerTextD[i] = i % 2 ? "" : "d";
        }
        ClockSeededRandom random;
        std::map<std::string, int> four, three;
        int fourDraws = 0, threeDraws = 0;
        for (int load = 0; load < 200; ++load) {
            placeCorrectAnswers(*s, random);
            for (int i = 0; i <= 100; ++i) {
                if (i % 2) {
                    ++three[s->slotShownCorrectLetter[i]];
                    ++threeDraws;
                } else {
                    ++four[s->slotShownCorrectLetter[i]];
                    ++fourDraws;
                }
            }
        }
        QCOMPARE(three.count("d"), std::size_t(0));
        auto check = [](const std::map<std::string, int>& counts, int draws, int letters) {
            const double p = 1.0 / letters;
            const double expected = draws * p;
            const double sigma = std::sqrt(draws * p * (1 - p));
            QCOMPARE(int(counts.size()), letters);
            for (const auto& [letter, count] : counts)
                QVERIFY2(
                    std::abs(count - expected) < 6 * sigma,
                    qPrintable(QString::fromStdString(letter) + ": " + QString::number(count)));
        };
        check(four, fourDraws, 4);
        check(three, threeDraws, 3);
    }
};

QTEST_MAIN(TextStoreTest)
#include "tst_textstore.moc"
