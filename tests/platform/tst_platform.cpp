#include "platform/AnsiText.h"
#include "platform/DataFile.h"
#include "platform/DataRoot.h"
#include "platform/Errors.h"
#include "platform/FieldReader.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "support/DataTree.h"

#include <QFileInfo>
#include <QTest>

using namespace examtrainer;

namespace {
QStringList fieldsOf(const std::string& bytes) {
    FieldReader reader(bytes);
    QStringList fields;
    while (!reader.atEnd())
        fields << fromAnsi(reader.next());
    return fields;
}
} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void fieldReader_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma and CR LF")
            << QByteArray("a,b\r\nc\r\n") << QStringList{"a", "b", "c"};
        QTest::newRow("bare LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("no final line end") << QByteArray("a,b") << QStringList{"a", "b"};
        QTest::newRow("leading blanks skipped, trailing kept")
            << QByteArray("  a ,\tb") << QStringList{"a ", "b"};
        QTest::newRow("quoted keeps commas and blanks")
            << QByteArray("\" x, y \",z\r\n") << QStringList{" x, y ", "z"};
        QTest::newRow("quoted keeps line ends")
            << QByteArray("\"one\r\ntwo\"\r\nthree") << QStringList{"one\r\ntwo", "three"};
        QTest::newRow("text after closing quote dropped")
            << QByteArray("\"a\"bc,d") << QStringList{"a", "d"};
        QTest::newRow("empty fields") << QByteArray(",\r\n\r\nx") << QStringList{"", "", "", "x"};
        QTest::newRow("zero and high bytes")
            << QByteArray("a\0b,\xE9\r\n", 7)
            << QStringList{QString("a") + QChar(0) + "b", "\u00E9"};
    }
    void fieldReader() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QCOMPARE(fieldsOf(bytes.toStdString()), fields);
    }

    void fieldReaderFailures() {
        FieldReader empty{std::string()};
        QVERIFY(empty.atEnd());
        QVERIFY_THROWS_EXCEPTION(DataError, empty.next());

        FieldReader unterminated{std::string("ok,\"never closed")};
        QCOMPARE(unterminated.next(), std::string("ok"));
        QVERIFY_THROWS_EXCEPTION(DataError, unterminated.next());
    }

    void fieldReaderLongLine() {
        const std::string line(1 << 20, 'x');
        FieldReader reader(line + ",y");
        QCOMPARE(reader.next().size(), line.size());
        QCOMPARE(reader.next(), std::string("y"));
        QVERIFY(reader.atEnd());
    }

    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("lenient");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("strict");
        QTest::newRow("whole") << "12" << 12.0 << true << 12.0;
        QTest::newRow("blanks around") << "  3.5 " << 3.5 << true << 3.5;
        QTest::newRow("sign and exponent") << "-1.5e1" << -15.0 << true << -15.0;
        QTest::newRow("leading point") << ".5" << 0.5 << true << 0.5;
        QTest::newRow("trailing words") << "12 points" << 12.0 << false << 0.0;
        QTest::newRow("word") << "two" << 0.0 << false << 0.0;
        QTest::newRow("empty") << "" << 0.0 << false << 0.0;
        QTest::newRow("comma decimal") << "1,5" << 1.0 << false << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0 << false << 0.0;
    }
    void numbers() {
        QFETCH(QString, text);
        QFETCH(double, lenient);
        QFETCH(bool, isNumber);
        QFETCH(double, strict);
        const std::string bytes = text.toStdString();
        QCOMPARE(lenientNumber(bytes), lenient);
        const std::optional<double> value = strictNumber(bytes);
        QCOMPARE(value.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*value, strict);
    }

    void int16Fields() {
        QCOMPARE(strictInt16("32767"), std::optional<int16_t>(32767));
        QCOMPARE(strictInt16("-32768"), std::optional<int16_t>(-32768));
        QCOMPARE(strictInt16("32768"), std::nullopt);
        QCOMPARE(strictInt16("-32769"), std::nullopt);
        QCOMPARE(strictInt16("2.5"), std::optional<int16_t>(2));
        QCOMPARE(strictInt16("x"), std::nullopt);
    }

    void rounding() {
        QCOMPARE(roundHalfEven(0.5), 0.0);
        QCOMPARE(roundHalfEven(1.5), 2.0);
        QCOMPARE(roundHalfEven(2.5), 2.0);
        QCOMPARE(roundHalfEven(-2.5), -2.0);
        QCOMPARE(roundHalfEven(2.6), 3.0);
        QCOMPARE(roundToOneDecimal(95.75), 95.8);
        QCOMPARE(roundToOneDecimal(95.25), 95.2);
        QCOMPARE(numberText(96.0), std::string("96"));
        QCOMPARE(numberText(95.9), std::string("95.9"));
        QCOMPARE(numberText(-3.0), std::string("-3"));
        QCOMPARE(numberText(0.0), std::string("0"));
    }

    void ansiRoundTrip() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = fromAnsi(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0xE9], QChar(0xE9));
        QCOMPARE(toAnsi(text), std::optional<std::string>(all));
        QCOMPARE(toAnsi(QStringLiteral("\u4E2D")), std::nullopt);
    }

    void mappingFollowsTheDataRoot() {
        testing::DataTree tree;
        tree.write("QuestionSet\\Radio\\Level\\Level0.txt", "High");
        const std::optional<QString> host =
            mapDataPath("C:\\Com\\QuestionSet\\Radio\\Level\\Level0.txt");
        QVERIFY(host);
        QCOMPARE(
            QFileInfo(*host).canonicalFilePath(),
            QFileInfo(tree.hostPath("QuestionSet\\Radio\\Level\\Level0.txt")).canonicalFilePath());
        QCOMPARE(readDataFile("C:\\Com\\QuestionSet\\Radio\\Level\\Level0.txt"),
                 std::string("High"));
    }

    void mappingIgnoresLetterCaseWhereNeeded() {
        testing::DataTree tree;
        tree.write("QuestionSet\\Radio\\Level\\Level0.txt", "exact");
        tree.write("QuestionSet\\radio\\Level\\Level0.txt", "other folder");
        tree.write("Refs\\MetRef\\Q12\\Area.txt", "area");
        QCOMPARE(readDataFile("c:\\com\\QUESTIONSET\\Radio\\level\\LEVEL0.TXT"),
                 std::string("exact"));
        QCOMPARE(readDataFile("C:\\Com\\QuestionSet\\radio\\Level\\Level0.txt"),
                 std::string("other folder"));
        QCOMPARE(readDataFile("C:\\Com\\refs\\metref\\q12\\area.TXT"), std::string("area"));
    }

    void mappingRefusesEscapes_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("parent folder") << "C:\\Com\\QuestionSet\\..\\..\\secret.txt";
        QTest::newRow("parent via slash") << "C:\\Com\\QuestionSet\\../../secret.txt";
        QTest::newRow("drive letter in a bank name") << "C:\\Com\\QuestionSet\\D:\\x\\Level0.txt";
        QTest::newRow("outside the root") << "C:\\Windows\\win.ini";
        QTest::newRow("absolute after the root") << "C:\\Com\\\\etc\\passwd";
        QTest::newRow("relative") << "secret.txt";
    }
    void mappingRefusesEscapes() {
        QFETCH(QString, path);
        testing::DataTree tree;
        tree.write("secret.txt", "inside");
        QCOMPARE(mapDataPath(path.toStdString()), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(DataError, readDataFile(path.toStdString()));
    }

    void missingFileAndMissingRoot() {
        {
            testing::DataTree tree;
            QVERIFY(!dataFileExists("C:\\Com\\nothing.txt"));
            QVERIFY_THROWS_EXCEPTION(DataError, readDataFile("C:\\Com\\nothing.txt"));
            QVERIFY_THROWS_EXCEPTION(DataError, readDataFile("C:\\Com\\"));
        }
        qputenv("EXAMTRAINER_DATA_ROOT", "/nonexistent/examtrainer/root");
        QVERIFY_THROWS_EXCEPTION(DataError,
                                 readDataFile("C:\\Com\\TestSets\\Categories\\Primary.txt"));
        qunsetenv("EXAMTRAINER_DATA_ROOT");
    }

    void colours() {
        const QColor blue = bgrColor(0x00FF0000);
        QCOMPARE(blue, QColor(0, 0, 255));
        QCOMPARE(bgrColor(0x00C00000), QColor(0, 0, 0xC0));
        QCOMPARE(bgrColor(0x000080FF), QColor(0xFF, 0x80, 0));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
